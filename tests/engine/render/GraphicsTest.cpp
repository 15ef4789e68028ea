#include <gtest/gtest.h>

#include "support/FakeTexture.hpp"
#include "support/RecordingGraphics.hpp"

TEST(Graphics, StripAndGridFramesEndOnTheCellsLastPixel) {
    RecordingGraphics g;
    FakeTexture strip(256, 32, 256, 32);
    g.drawFrameH(10, 20, 4, 1, &strip, Color::white());
    auto draws = g.callsOf("drawImage");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].args, (std::vector<float>{10, 20, 63, 31, 64, 0, 127, 31}));

    const Rect v = Graphics::frameV(32, 90, 3, 2);
    EXPECT_EQ(v.top, 60.0f);
    EXPECT_EQ(v.bottom, 89.0f);
    EXPECT_EQ(v.right, 31.0f);

    // Index 5 of a 3 x 2 grid is column 2, row 1 in both orders; index 1 differs.
    const Rect rm5 = Graphics::frameGrid(300, 200, 3, 2, 5, true);
    const Rect cm5 = Graphics::frameGrid(300, 200, 3, 2, 5, false);
    EXPECT_EQ(rm5.left, 200.0f);
    EXPECT_EQ(rm5.top, 100.0f);
    EXPECT_EQ(cm5.left, 200.0f);
    EXPECT_EQ(cm5.top, 100.0f);
    const Rect rm1 = Graphics::frameGrid(300, 200, 3, 2, 1, true);
    const Rect cm1 = Graphics::frameGrid(300, 200, 3, 2, 1, false);
    EXPECT_EQ(rm1.left, 100.0f);
    EXPECT_EQ(rm1.top, 0.0f);
    EXPECT_EQ(cm1.left, 0.0f);
    EXPECT_EQ(cm1.top, 100.0f);
}

TEST(Graphics, ConvenienceOverloadsUseTheWholePictureAndOutlineSkipsNull) {
    RecordingGraphics g;
    FakeTexture pic(100, 50, 128, 64);
    g.drawImage(5, 6, &pic, Color(1, 2, 3, 4));
    auto draws = g.callsOf("drawImage");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].args, (std::vector<float>{5, 6, 100, 50, 0, 0, 100, 50}));
    EXPECT_EQ(draws[0].color, Color(1, 2, 3, 4));

    // A missing texture draws nothing instead of failing.
    g.drawImage(5, 6, nullptr, Color::white());
    g.drawFrameH(0, 0, 4, 1, nullptr, Color::white());
    g.drawFrameV(0, 0, 4, 1, nullptr, Color::white());
    g.drawFrameGrid(0, 0, 2, 2, 1, nullptr, Color::white(), true);
    EXPECT_EQ(g.callsOf("drawImage").size(), 1u);

    g.drawOutline(0, 0, nullptr, Color::white(), 2, 0.1f);
    g.drawTexturedOutline(0, 0, &pic, nullptr, 2, 0.1f);
    EXPECT_TRUE(g.callsOf("drawOutline").empty());
    EXPECT_TRUE(g.callsOf("drawTexturedOutline").empty());

    g.drawRect(IntRect(1, 2, 10, 20), Color::black());
    auto lines = g.callsOf("drawLine");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].args, (std::vector<float>{11, 2, 1, 2, 1, 1}));
    EXPECT_EQ(lines[3].args, (std::vector<float>{1, 2, 1, 22, 1, 1}));
}
