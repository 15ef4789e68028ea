#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/text/AngelFont.hpp"
#include "engine/text/Windows1252.hpp"
#include "support/FakeTextureFactory.hpp"
#include "tools/fontbake/FontBaker.hpp"

namespace {

namespace fs = std::filesystem;

// Pages that exist become fake textures, so that a baked font is read as the
// game reads it, without OpenGL.
FakeTextureFactory existingPages(true);

// The printable ASCII range and the Latin-1 letters.
std::string expectedCharacters() {
    std::string chars;
    for (int c = 0x20; c <= 0x7E; ++c) {
        chars += static_cast<char>(c);
    }
    for (int c = 0xC0; c <= 0xFF; ++c) {
        if (c != 0xD7 && c != 0xF7) {
            chars += static_cast<char>(c);
        }
    }
    return chars;
}

// glowSpill: how far an outlined font's soft glow may reach past the line.
void expectComplete(const AngelFont& font, const std::string& name, int glowSpill = 0) {
    for (const char c : expectedCharacters()) {
        const int code = static_cast<unsigned char>(c);
        const AngelFont::Glyph* glyph = font.findGlyph(code);
        ASSERT_NE(glyph, nullptr) << name << " lacks byte " << code;
        EXPECT_GT(glyph->xadvance, 0) << name << " byte " << code;
        if (code != ' ') {
            EXPECT_GT(glyph->width * glyph->height, 0) << name << " byte " << code;
            // Nothing may hang below the line (a clipped descender) or start
            // above its top by more than an accent's height.
            EXPECT_LE(glyph->yoffset + glyph->height, font.getLineHeight() + glowSpill) << name << " byte " << code;
            EXPECT_GE(glyph->yoffset, -font.getLineHeight() / 3) << name << " byte " << code;
            ASSERT_NE(font.getPage(glyph->page), nullptr) << name;
        }
    }
}

}  // namespace

TEST(FontBaker, BakesAFaceIntoADescriptorTheGameReads) {
    const fs::path dir = fs::path(CHRONA_BINARY_DIR) / "test-fontbake";
    fs::create_directories(dir);
    const std::string out = (dir / "Serif20.fnt").string();
    FontBaker::Options options;
    options.facePath = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";
    options.pixelSize = 20;
    std::string error;
    ASSERT_TRUE(FontBaker::bake(options, out, error)) << error;
    ASSERT_TRUE(fs::exists(dir / "Serif20_0.png"));

    AngelFont font(out, &existingPages);
    expectComplete(font, out);
    EXPECT_GE(font.getLineHeight(), 20);
    EXPECT_LT(font.getLineHeight(), 32);
    // The face kerns "AV" tighter; "AA" has no pair.
    EXPECT_LT(font.findGlyph('A')->kerning['V'], 0);
    EXPECT_EQ(font.textWidth("AV"),
              font.findGlyph('A')->xadvance + font.findGlyph('V')->xadvance + font.findGlyph('A')->kerning['V']);
    EXPECT_EQ(font.findGlyph('A')->kerning['A'], 0);
    // Windows-1252 bytes above 0x7F stand for their characters: the euro sign and the curly quote.
    EXPECT_NE(font.findGlyph(Windows1252::fromUnicode(0x20AC)), nullptr);
    EXPECT_NE(font.findGlyph(0x92), nullptr);
    // Capitals stand on the baseline: "E" and "H" end on the same row.
    const AngelFont::Glyph* e = font.findGlyph('E');
    const AngelFont::Glyph* h = font.findGlyph('H');
    EXPECT_EQ(e->yoffset + e->height, h->yoffset + h->height);
    // A descender goes below the baseline.
    EXPECT_GT(font.findGlyph('p')->yoffset + font.findGlyph('p')->height, e->yoffset + e->height);
}

TEST(FontBaker, SmallCapitalsAndOutlinesChangeTheGlyphs) {
    const fs::path dir = fs::path(CHRONA_BINARY_DIR) / "test-fontbake";
    fs::create_directories(dir);
    FontBaker::Options options;
    options.facePath = "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Regular.otf";
    options.pixelSize = 20;
    std::string error;
    ASSERT_TRUE(FontBaker::bake(options, (dir / "plain.fnt").string(), error)) << error;
    options.smallCaps = true;
    options.outlined = true;
    ASSERT_TRUE(FontBaker::bake(options, (dir / "caps.fnt").string(), error)) << error;
    const std::size_t before = existingPages.requests.size();
    AngelFont plain((dir / "plain.fnt").string(), &existingPages);
    ASSERT_EQ(existingPages.requests.size(), before + 1);
    // A plain font's page is grey coverage, read through the intensity-as-alpha
    // filter; an outlined font's page carries its own colours and alpha.
    EXPECT_NE(existingPages.requests.back().filter, nullptr);
    AngelFont caps((dir / "caps.fnt").string(), &existingPages);
    EXPECT_EQ(existingPages.requests.back().filter, nullptr);
    expectComplete(caps, "caps", 2);

    // A small capital "x" is as tall as a capital would be, nearly, and taller than a lower-case x.
    EXPECT_GT(caps.findGlyph('x')->height, plain.findGlyph('x')->height + 2);
    // The outline grows every glyph on both sides.
    EXPECT_GE(caps.findGlyph('I')->height, plain.findGlyph('I')->height + 2);

    options.facePath = "/usr/share/fonts/no-such-face.otf";
    EXPECT_FALSE(FontBaker::bake(options, (dir / "none.fnt").string(), error));
    EXPECT_NE(error.find("no-such-face.otf"), std::string::npos);
}

TEST(FontBaker, EveryShippedFontIsComplete) {
    std::ifstream list(std::string(CHRONA_TEST_DATA_DIR) + "/../../assets/fonts/fonts.txt");
    ASSERT_TRUE(list.good());
    std::string line;
    int fonts = 0;
    while (std::getline(list, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::string name = line.substr(0, line.find_first_of(" \t"));
        const std::string path = std::string(CHRONA_CONTENT_DIR) + "/fonts/" + name + ".fnt";
        AngelFont font(path, &existingPages);
        EXPECT_GT(font.getLineHeight(), 0) << path;
        const bool outlined = name.size() > 2 && name.compare(name.size() - 2, 2, "FX") == 0;
        expectComplete(font, path, outlined ? font.getLineHeight() / 8 : 0);
        ++fonts;
    }
    EXPECT_GE(fonts, 13);
}
