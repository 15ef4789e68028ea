#include <gtest/gtest.h>

#include <string>

#include "engine/text/AngelFont.hpp"
#include "engine/widgets/TextLabel.hpp"
#include "engine/widgets/TextLabelEx.hpp"
#include "support/FakeTextureFactory.hpp"
#include "support/RecordingGraphics.hpp"

namespace {

// "AB" measures 20 in this font; its line height is 20 and glyphs sit 4 pixels down.
AngelFont makeFont() {
    static FakeTextureFactory pages;
    return AngelFont(std::string(CHRONA_TEST_DATA_DIR) + "/fonts/tiny.fnt", &pages);
}

float firstGlyphX(const RecordingGraphics& g) { return g.callsOf("drawImage").at(0).args[0]; }
float firstGlyphY(const RecordingGraphics& g) { return g.callsOf("drawImage").at(0).args[1]; }

}  // namespace

TEST(TextLabel, PlacesTheLineByModeAndDrawsTheShadowTwoPixelsLower) {
    AngelFont font = makeFont();
    const int expected[3][2] = {{0, 4}, {40, 4}, {40, 19}};  // glyph A's position; widget 100 x 50
    for (int mode = 0; mode < 3; ++mode) {
        TextLabel label("AB", &font, Color(1, 2, 3), mode);
        label.setGeometry(0, 0, 100, 50);
        RecordingGraphics g;
        label.draw(&g, nullptr);
        ASSERT_EQ(g.callsOf("drawImage").size(), 2u) << mode;
        EXPECT_EQ(firstGlyphX(g), expected[mode][0]) << mode;
        EXPECT_EQ(firstGlyphY(g), expected[mode][1]) << mode;
        const auto fills = g.callsOf("fillRect");
        ASSERT_EQ(fills.size(), 1u);
        EXPECT_EQ(fills[0].args, (std::vector<float>{0, 0, 100, 50}));
        EXPECT_EQ(fills[0].color.a, 0);
    }

    TextLabel shadowed("A", &font, Color(1, 2, 3), TextLabel::kModeTopLeft);
    shadowed.setShadowColor(Color(0, 0, 0, 128));
    RecordingGraphics g;
    shadowed.draw(&g, nullptr);
    const auto draws = g.callsOf("drawImage");
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].args[1], 6.0f);
    EXPECT_EQ(draws[0].color, Color(0, 0, 0, 128));
    EXPECT_EQ(draws[1].args[1], 4.0f);
    EXPECT_EQ(draws[1].color, Color(1, 2, 3));

    // A black shadow with alpha 0 is still drawn; only white with alpha 0 means none.
    shadowed.setShadowColor(Color(0, 0, 0, 0));
    RecordingGraphics g2;
    shadowed.draw(&g2, nullptr);
    EXPECT_EQ(g2.callsOf("drawImage").size(), 2u);
}

TEST(TextLabelEx, FillsItsBoxAndLaysTheTextOutInIt) {
    AngelFont font = makeFont();
    TextLabelEx label("AB AB", &font, Color(9, 9, 9));
    label.setGeometry(300, 200, 30, 60);
    label.setBackgroundColor(Color(0, 0, 0, 100));
    RecordingGraphics g;
    label.draw(&g, nullptr);
    const auto fills = g.callsOf("fillRect");
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].args, (std::vector<float>{0, 0, 30, 60}));
    EXPECT_EQ(fills[0].color, Color(0, 0, 0, 100));
    // Wrapped to two lines of "AB", centred: x = (30 - 20) / 2, y = (60 - 40) / 2 + yoffset 4.
    const auto draws = g.callsOf("drawImage");
    ASSERT_EQ(draws.size(), 4u);
    EXPECT_EQ(draws[0].args[0], 5.0f);
    EXPECT_EQ(draws[0].args[1], 14.0f);
    EXPECT_EQ(draws[2].args[1], 34.0f);

    label.setWrap(false);
    label.setAlignment(Font::kAlignRight, Font::kAlignTop);
    RecordingGraphics g2;
    label.draw(&g2, nullptr);
    ASSERT_EQ(g2.callsOf("drawImage").size(), 4u);
    EXPECT_EQ(firstGlyphX(g2), -15.0f);  // 30 - 45
    EXPECT_EQ(firstGlyphY(g2), 4.0f);

    label.setVisible(false);
    RecordingGraphics g3;
    label.draw(&g3, nullptr);
    EXPECT_TRUE(g3.calls.empty());
}
