#include <gtest/gtest.h>

#include <string>

#include "game/app/SystemNotice.hpp"
#include "support/FakeFont.hpp"
#include "support/RecordingGraphics.hpp"

TEST(SystemNotice, ShowsOverTheTopOfTheCanvasFadesAndGoes) {
    SystemNotice notice;
    RecordingGraphics graphics;
    FakeFont font;
    notice.draw(&graphics, &font, 1024);
    EXPECT_TRUE(graphics.calls.empty()) << "nothing to say, nothing drawn";

    // Long enough to need two lines of the 10-pixel font in a 976-pixel box.
    const std::string text = std::string(60, 'a') + " " + std::string(60, 'b');
    notice.show(text);
    notice.update(SystemNotice::ShowMs - SystemNotice::FadeMs);
    notice.draw(&graphics, &font, 1024);
    ASSERT_EQ(graphics.calls.size(), 1u);
    EXPECT_EQ(graphics.calls[0].op, "fillRect");
    EXPECT_EQ(graphics.calls[0].args, (std::vector<float>{0, 0, 1024, SystemNotice::BandHeight}));
    ASSERT_EQ(font.lines.size(), 2u) << "the text wraps inside the band";
    for (const FakeFont::Line& line : font.lines) {
        EXPECT_GE(line.y, 0);
        EXPECT_LE(line.y + font.getLineHeight(), SystemNotice::BandHeight);
        EXPECT_GE(line.x, 0);
        EXPECT_LE(line.x + font.textWidth(line.text), 1024);
    }
    EXPECT_EQ(font.lines[0].text, std::string(60, 'a'));
    const int full = graphics.calls[0].color.a;

    // Half-way through the fade the band is about half as strong.
    notice.update(SystemNotice::FadeMs / 2);
    EXPECT_NEAR(notice.opacity(), 127, 2);
    graphics.calls.clear();
    notice.draw(&graphics, &font, 1024);
    ASSERT_EQ(graphics.calls.size(), 1u);
    EXPECT_LT(graphics.calls[0].color.a, full * 3 / 4);
    EXPECT_GT(graphics.calls[0].color.a, full / 4);

    // Time up: gone, and a negative frame time never brings it back.
    notice.update(SystemNotice::FadeMs);
    notice.update(-5000);
    EXPECT_FALSE(notice.visible());
    graphics.calls.clear();
    font.lines.clear();
    notice.draw(&graphics, &font, 1024);
    EXPECT_TRUE(graphics.calls.empty());
    EXPECT_TRUE(font.lines.empty());

    // A new message starts its full time again.
    notice.show("again");
    EXPECT_TRUE(notice.visible());
    EXPECT_EQ(notice.opacity(), 255);
    EXPECT_EQ(notice.text(), "again");
}
