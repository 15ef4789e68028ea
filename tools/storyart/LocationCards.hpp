#pragma once

#include <string>
#include <vector>

// The small pictures of the locations that the map and the new-location
// announcement show: each scene background becomes a framed card, in a
// normal look (a dark wooden frame) and a highlighted one (brighter, in a
// gilt frame), written as LocationNN.png and LocationNN_O.png (NN from 00 in
// the order given) under the output folder.
class LocationCards {
public:
    static constexpr int Width = 224;
    static constexpr int Height = 168;
    static constexpr int Border = 7;

    static bool write(const std::vector<std::string>& backgrounds, const std::string& folder);
};
