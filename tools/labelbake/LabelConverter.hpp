#pragma once

#include <string>
#include <vector>

// Turns a labels file written in UTF-8 into the game's single-byte character
// set (Windows-1252): every character, and every numeric character reference
// above 127, becomes its byte, and the XML declaration names the new encoding.
// A character the code page lacks becomes "?" and is reported as
// "FILE:LINE: ..." so that the author can find it.
class LabelConverter {
public:
    static std::string convert(const std::string& utf8, const std::string& fileName,
                               std::vector<std::string>& problems);
};
