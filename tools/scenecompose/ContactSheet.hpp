#pragma once

#include <string>
#include <vector>

#include "tools/scenecompose/ArtRenderer.hpp"

// Many pictures side by side at a small size, each with a caption under it,
// on a dark board: a look at all scenes (or all objects) at once.
class ContactSheet {
public:
    // Tiles are `tileWidth` wide; a picture keeps its proportions and is
    // scaled to fit its tile (`tileHeight` high, or from the first picture's
    // proportions when 0).
    ContactSheet(int columns, int tileWidth, int tileHeight = 0);

    // Takes a picture and its caption; false when the picture is empty.
    bool add(SurfacePtr picture, const std::string& caption);
    // The finished board; it has no surface when nothing was added.
    Picture board() const;

    static constexpr int Gap = 8;
    static constexpr int CaptionHeight = 16;

private:
    struct Tile {
        SurfacePtr picture;
        std::string caption;
    };
    int columns_;
    int tileWidth_;
    int tileHeight_;
    std::vector<Tile> tiles_;
};
