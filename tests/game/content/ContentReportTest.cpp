#include <gtest/gtest.h>

#include <sstream>

#include "game/content/ContentReport.hpp"

namespace {

TEST(ContentReport, LoaderLinesBecomeProblemsWithTheirFileAndLineAndRepeatsAreKeptOnce) {
    ContentReport report;
    report.addLine("/c/config/sfx.xml:12: the effect has no name; skipped");
    report.addLine("/c/config/x.xml: the file is missing");
    report.addLine("/c/dir:with:colons/f.xml:3: a Rule needs a renderer");
    report.addLine("/c/f.xml: not read at 12:30: today");
    report.addLine("/c/config/sfx.xml:12: the effect has no name; skipped");
    report.add("/c/config/x.xml", 0, "the file is missing");
    report.addLine("no file named");

    ASSERT_EQ(report.problems().size(), 5u);
    const auto& p = report.problems();
    EXPECT_EQ(p[0].file, "/c/config/sfx.xml");
    EXPECT_EQ(p[0].line, 12);
    EXPECT_EQ(p[0].what, "the effect has no name; skipped");
    EXPECT_EQ(p[1].file, "/c/config/x.xml");
    EXPECT_EQ(p[1].line, 0);
    EXPECT_EQ(p[2].file, "/c/dir:with:colons/f.xml");
    EXPECT_EQ(p[2].line, 3);
    EXPECT_EQ(p[3].file, "/c/f.xml");
    EXPECT_EQ(p[3].what, "not read at 12:30: today");
    EXPECT_EQ(p[4].file, "");
    EXPECT_EQ(p[4].what, "no file named");

    std::ostringstream printed;
    report.print(printed);
    EXPECT_EQ(printed.str().substr(0, printed.str().find('\n')),
              "/c/config/sfx.xml:12: the effect has no name; skipped");
}

}  // namespace
