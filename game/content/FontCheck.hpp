#pragma once

#include <map>
#include <set>
#include <string>

#include "game/content/ContentFiles.hpp"

// Reads every font descriptor under content/fonts/ through the font loader
// and keeps which character codes each font has a glyph for.
class FontCheck {
public:
    explicit FontCheck(const ContentFiles& files) : files_(files) {}

    void run();
    // Font descriptor path -> character codes with a glyph.
    const std::map<std::string, std::set<int>>& glyphs() const { return glyphs_; }

private:
    void checkFont(const std::string& contentPath);

    const ContentFiles& files_;
    std::map<std::string, std::set<int>> glyphs_;
};
