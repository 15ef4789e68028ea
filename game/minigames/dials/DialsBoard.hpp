#pragma once

#include <string>
#include <vector>

// The file of one dials board: the background, the rings (pictures stacked
// at one position, later ones above), the snap tolerance, the rotation
// factor and the optional final picture. load names the file and line of
// whatever makes the board unplayable: a missing or broken file, no rings,
// fewer Piece elements than NumberOfDials, a Piece without its picture, a
// tolerance or factor that is not positive, a final picture that is not named.
class DialsBoard {
public:
    static constexpr int MaxDials = 12;

    bool load(const std::string& path);

    std::string imagePath;
    std::string background;
    float tolerance = 1.0f;
    float factor = 1.0f;
    int x = -1;
    int y = -1;
    bool hasFinal = false;
    std::string finalBackground;
    std::vector<std::string> dials;  // the ring pictures, innermost-drawn first
    std::vector<int> dialLines;      // where each Piece stands in the file

    int dialCount() const { return static_cast<int>(dials.size()); }
    // Every picture the board names, with the folder in front.
    std::vector<std::string> pictures() const;
};
