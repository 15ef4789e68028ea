#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/labelbake/LabelConverter.hpp"

TEST(LabelConverter, TurnsUtf8IntoWindows1252AndRenamesTheEncoding) {
    std::vector<std::string> problems;
    const std::string source =
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<Strings><Label A=\"Caf\xC3\xA9 \xE2\x80\x99quoted\xE2\x80\x99 \xE2\x82\xAC"
        "5 \xE2\x80\x94 &#233;&#x152;&#10;&amp;\"/>"
        "</Strings>\n";
    const std::string out = LabelConverter::convert(source, "EN.xml", problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(out,
              "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n"
              "<Strings><Label A=\"Caf\xE9 \x92quoted\x92 \x80"
              "5 \x97 \xE9\x8C&#10;&amp;\"/></Strings>\n");
}

TEST(LabelConverter, ReportsWhatItCannotMapByFileAndLine) {
    std::vector<std::string> problems;
    const std::string source = "<Strings>\n<L A=\"ok\"/>\n<L B=\"\xE2\x86\x92 \xCE\xA9\"/>\n<L C=\"&#x2192;\xFF\"/>\n";
    const std::string out = LabelConverter::convert(source, "assets/labels/EN.xml", problems);
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_EQ(problems[0].rfind("assets/labels/EN.xml:3: U+2192", 0), 0u) << problems[0];
    EXPECT_EQ(problems[1].rfind("assets/labels/EN.xml:3: U+03A9", 0), 0u) << problems[1];
    EXPECT_EQ(problems[2].rfind("assets/labels/EN.xml:4: U+2192", 0), 0u) << problems[2];
    EXPECT_EQ(problems[3], "assets/labels/EN.xml:4: invalid UTF-8 byte sequence");
    EXPECT_EQ(out, "<Strings>\n<L A=\"ok\"/>\n<L B=\"? ?\"/>\n<L C=\"??\"/>\n");
}
