#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FakeFont.hpp"

namespace {

std::string wrapWords(const Font& font, const std::string& text, int width) {
    std::string out = "untouched";
    font.wrapWords(text, out, width);
    return out;
}

std::string wrapText(const Font& font, const std::string& text, int width) {
    std::string out = "untouched";
    font.wrapText(text, out, width);
    return out;
}

}  // namespace

TEST(Font, BoxAlignsEachLineHorizontallyAndTheBlockVertically) {
    const IntRect box(10, 100, 200, 101);
    const std::vector<std::vector<int>> expected = {
        // hAlign, vAlign, x of "abc", x of "de", y of the first line
        {Font::kAlignLeft, Font::kAlignTop, 10, 10, 100},
        {Font::kAlignRight, Font::kAlignTop, 180, 190, 100},
        {Font::kAlignCenter, Font::kAlignMiddle, 95, 100, 130},  // (101 - 40) / 2 = 30
        {Font::kAlignCenter, Font::kAlignBottom, 95, 100, 161},
        {7, 3, 10, 10, 100},  // unknown values fall back to left and top
    };
    for (const auto& e : expected) {
        FakeFont font;
        font.drawTextInBox(static_cast<Graphics*>(nullptr), box, "abc\nde", Color::white(), e[0], e[1], false);
        ASSERT_EQ(font.lines.size(), 2u);
        EXPECT_EQ(font.lines[0].x, e[2]) << e[0] << "/" << e[1];
        EXPECT_EQ(font.lines[1].x, e[3]) << e[0] << "/" << e[1];
        EXPECT_EQ(font.lines[0].y, e[4]) << e[0] << "/" << e[1];
        EXPECT_EQ(font.lines[1].y, e[4] + 20);
        EXPECT_EQ(font.lines[0].text, "abc");
    }

    // A centred line wider than its box overhangs both sides equally.
    FakeFont wide;
    wide.drawTextInBox(static_cast<ImageGraphics*>(nullptr), IntRect(0, 0, 20, 20), "abcd", Font::kAlignCenter,
                       Font::kAlignMiddle, false, true);
    ASSERT_EQ(wide.lines.size(), 1u);
    EXPECT_EQ(wide.lines[0].x, -10);
    EXPECT_EQ(wide.lines[0].y, 0);
}

TEST(Font, BoxWrapsAtWordsAndKeepsBlankLinesButNotATrailingFeed) {
    FakeFont font;
    font.drawTextInBox(static_cast<Graphics*>(nullptr), IntRect(0, 0, 80, 200), "one two three", Color::white(),
                       Font::kAlignLeft, Font::kAlignTop, true);
    ASSERT_EQ(font.lines.size(), 2u);
    EXPECT_EQ(font.lines[0].text, "one two");
    EXPECT_EQ(font.lines[1].text, "three");

    FakeFont blank;
    blank.drawTextInBox(static_cast<Graphics*>(nullptr), IntRect(0, 0, 80, 100), "a\n\nb\n", Color::white(),
                        Font::kAlignLeft, Font::kAlignMiddle, false);
    ASSERT_EQ(blank.lines.size(), 3u);
    EXPECT_EQ(blank.lines[0].y, 20);  // (100 - 3 * 20) / 2
    EXPECT_EQ(blank.lines[2].text, "b");
}

TEST(Font, WrapWordsBreaksGreedilyAtSpaces) {
    FakeFont font;
    EXPECT_EQ(wrapWords(font, "", 50), "");
    EXPECT_EQ(wrapWords(font, "unbreakableword", 50), "unbreakableword");
    // "aa bb" is exactly 50: not greater than the limit, so it stays together.
    EXPECT_EQ(wrapWords(font, "aa bb cc", 50), "aa bb\ncc");
    EXPECT_EQ(wrapWords(font, "aa bb cc", 49), "aa\nbb\ncc");
    // A word wider than the limit gets a line of its own.
    EXPECT_EQ(wrapWords(font, "a verylongword b", 50), "a\nverylongword\nb");
    EXPECT_EQ(wrapWords(font, "verylongword a b", 50), "verylongword\na b");
    // Line feeds of the text stay; each paragraph is wrapped on its own.
    EXPECT_EQ(wrapWords(font, "aa bb\ncc dd ee", 50), "aa bb\ncc dd\nee");
    EXPECT_EQ(wrapWords(font, "aa\n\nbb", 50), "aa\n\nbb");
}

TEST(Font, WrapTextBreaksAtTheLastBlankBeforeTheLimitAndKeepsLineFeeds) {
    FakeFont font;
    EXPECT_EQ(wrapText(font, "", 50), "");
    // The line ends as soon as its width reaches the limit (at least, not above).
    EXPECT_EQ(wrapText(font, "aa bbb cc", 50), "aa\nbbb\ncc");
    EXPECT_EQ(wrapText(font, "aa bb cc", 60), "aa bb\ncc");
    EXPECT_EQ(wrapText(font, "aa\tbb cc", 40), "aa\nbb\ncc");
    // No blank inside the line: it runs over the limit.
    EXPECT_EQ(wrapText(font, "abcdefgh ij", 50), "abcdefgh\nij");
    // A blank at the very start of a line is no break point.
    EXPECT_EQ(wrapText(font, " abcdef", 30), " abcdef");
    EXPECT_EQ(wrapText(font, "ab\ncd ef gh", 60), "ab\ncd ef\ngh");
    EXPECT_EQ(wrapText(font, "a\n\nb", 50), "a\n\nb");
}
