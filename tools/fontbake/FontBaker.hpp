#pragma once

#include <string>

// Bakes a TrueType/OpenType face at a pixel size into the bitmap font format
// the game reads: an XML descriptor (.fnt) and PNG pages beside it. Glyph ids
// are Windows-1252 bytes; kerning pairs and small capitals come from the
// face's OpenType tables (shaped with HarfBuzz), pixels from FreeType.
class FontBaker {
public:
    struct Options {
        std::string facePath;
        int pixelSize = 16;
        // Lower-case letters become the face's small capitals.
        bool smallCaps = false;
        // Dark outline and glow baked around white glyphs (RGBA pages);
        // plain fonts get 8-bit coverage pages that the game reads as alpha.
        bool outlined = false;
    };

    // Writes outputPath (the .fnt) and outputPath without ".fnt" + "_N.png".
    // On failure returns false and describes the problem in error.
    static bool bake(const Options& options, const std::string& outputPath, std::string& error);
};
