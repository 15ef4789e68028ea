#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/text/AngelFont.hpp"
#include "support/FakeTexture.hpp"
#include "support/FakeTextureFactory.hpp"
#include "support/RecordingGraphics.hpp"

namespace {

const std::string kTiny = std::string(CHRONA_TEST_DATA_DIR) + "/fonts/tiny.fnt";

// Page 1 of the tiny font cannot be read.
class NoSecondPage : public TextureFactory {
public:
    Texture* load(const std::string& path, ImageFilter*, int) override {
        const int side = path.find("tiny_1") != std::string::npos ? 0 : 64;
        return new FakeTexture(side, side, side, side);
    }
};

}  // namespace

TEST(AngelFont, ReadsTheDescriptorAndItsPagesBesideIt) {
    FakeTextureFactory pages;
    AngelFont font(kTiny, &pages);
    EXPECT_FALSE(font.isNotLoaded());
    EXPECT_EQ(font.getLineHeight(), 20);
    ASSERT_EQ(pages.requests.size(), 2u);
    EXPECT_EQ(pages.requests[0].path, std::string(CHRONA_TEST_DATA_DIR) + "/fonts/tiny_0.png");
    EXPECT_EQ(pages.requests[0].keepMode, Texture::KeepImage);
    EXPECT_EQ(font.getPageCount(), 2);

    const AngelFont::Glyph* b = font.findGlyph('B');
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->x, 11);
    EXPECT_EQ(b->y, 2);
    EXPECT_EQ(b->width, 8);
    EXPECT_EQ(b->height, 12);
    EXPECT_EQ(b->xoffset, 2);
    EXPECT_EQ(b->yoffset, 4);
    EXPECT_EQ(b->xadvance, 12);
    EXPECT_EQ(font.findGlyph('V')->page, 1);
    EXPECT_EQ(font.findGlyph('Z'), nullptr);
    // A byte above 127 is a glyph id like any other.
    EXPECT_NE(font.findGlyph(0xE9), nullptr);
    EXPECT_EQ(font.findGlyph('A')->kerning['V'], -3);
}

TEST(AngelFont, MeasuresAdvancesMinusOffsetsWithKerningBetweenNeighbours) {
    FakeTextureFactory pages;
    AngelFont font(kTiny, &pages);
    EXPECT_EQ(font.textWidth(""), 0);
    EXPECT_EQ(font.textWidth("A"), 10);
    EXPECT_EQ(font.textWidth("B"), 10);  // xadvance 12 - xoffset 2
    EXPECT_EQ(font.textWidth("A B"), 25);
    EXPECT_EQ(font.textWidth("AV"), 17);
    EXPECT_EQ(font.textWidth("AVA"), 25);
    // A glyph-less character or a line break between two glyphs cancels the pair.
    EXPECT_EQ(font.textWidth("AZV"), 20);
    EXPECT_EQ(font.textWidth("A\nV"), 20);
    EXPECT_EQ(font.textWidth("A\rV"), 20);
    EXPECT_EQ(font.textWidth("\n\n\n"), 0);
    EXPECT_EQ(font.textWidth("\xE9"), 8);
    // The pair 65/321 has no slot and the pair 90/65 has no first glyph: both ignored.
    EXPECT_EQ(font.textWidth("ZA"), 10);
}

TEST(AngelFont, DrawsGlyphsAtThePenWithTheirVerticalOffsetAndBreaksLines) {
    FakeTextureFactory pages;
    AngelFont font(kTiny, &pages);
    RecordingGraphics g;
    const Color tint(10, 20, 30, 200);
    font.drawTextLine(&g, 100, 50, "AV\nBZA", tint);

    ASSERT_FALSE(g.calls.empty());
    EXPECT_EQ(g.calls.front().op, "setBlending");
    EXPECT_EQ(g.calls.front().args[0], 1.0f);
    const auto draws = g.callsOf("drawImage");
    ASSERT_EQ(draws.size(), 4u);
    // x, y, w, h, then the source rectangle left, top, right, bottom.
    EXPECT_EQ(draws[0].args, (std::vector<float>{100, 54, 9, 12, 1, 2, 10, 14}));
    EXPECT_EQ(draws[1].args, (std::vector<float>{107, 54, 10, 12, 21, 2, 31, 14}));
    EXPECT_EQ(draws[1].texture, font.getPage(1));
    EXPECT_EQ(draws[2].args, (std::vector<float>{100, 74, 8, 12, 11, 2, 19, 14}));
    EXPECT_EQ(draws[3].args, (std::vector<float>{110, 74, 9, 12, 1, 2, 10, 14}));
    EXPECT_EQ(draws[3].texture, font.getPage(0));
    EXPECT_EQ(draws[3].color, tint);
}

TEST(AngelFont, UnreadableDescriptorGivesAnEmptyFontAndMissingPagesAreSkipped) {
    FakeTextureFactory pages;
    AngelFont missing(std::string(CHRONA_TEST_DATA_DIR) + "/fonts/none.fnt", &pages);
    EXPECT_TRUE(pages.requests.empty());
    EXPECT_EQ(missing.textWidth("AV"), 0);
    EXPECT_EQ(missing.getLineHeight(), 0);
    RecordingGraphics g;
    missing.drawTextLine(&g, 0, 0, "AV", Color::white());
    EXPECT_TRUE(g.callsOf("drawImage").empty());

    // Page 1 cannot be read: V (on page 1) is not drawn but still advances.
    NoSecondPage factory;
    AngelFont noSecondPage(kTiny, &factory);
    EXPECT_EQ(noSecondPage.getPage(1), nullptr);
    noSecondPage.drawTextLine(&g, 0, 0, "VA", Color::white());
    const auto draws = g.callsOf("drawImage");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].args[0], 8.0f);
    noSecondPage.releasePages();
    noSecondPage.restorePages();
}

TEST(AngelFont, ReleasesAndRestoresEveryPage) {
    FakeTextureFactory pages;
    AngelFont font(kTiny, &pages);
    font.releasePages();
    font.restorePages();
    font.restorePages();
    for (int i = 0; i < font.getPageCount(); ++i) {
        auto* page = static_cast<FakeTexture*>(font.getPage(i));
        EXPECT_EQ(page->releases, 1);
        EXPECT_EQ(page->restores, 2);
    }
}
