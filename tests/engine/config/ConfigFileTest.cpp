#include <gtest/gtest.h>

#include <fstream>

#include "engine/config/Config.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/config/FileNotFoundError.hpp"

namespace {

std::string writeFile(const std::string& name, const std::string& text) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path) << text;
    return path;
}

class ConfigFileTest : public ::testing::Test {
protected:
    void SetUp() override { Config::reset(); }
};

TEST_F(ConfigFileTest, ValuesAreTrimmedAndCutAtTheComment) {
    const ConfigFile file(writeFile("basic.cfg",
                                    "# tuning\n"
                                    "  Points.ItemFound =  1   # a note\n"
                                    "Name=Lumora = painting\n"
                                    "Tabbed\t=\tx\r\n"
                                    "\r\n"
                                    "no separator here\n"
                                    "Points.ItemFound = 3\n"
                                    "Count = 12abc\n"
                                    "Word = many\n"));
    EXPECT_EQ(3, file.readInt("Points.ItemFound", -1));
    EXPECT_EQ("Lumora = painting", file.readString("Name", ""));
    EXPECT_EQ("x", file.readString("Tabbed", ""));
    EXPECT_EQ(12, file.readInt("Count", -1));
    EXPECT_EQ(0, file.readInt("Word", -1));
    EXPECT_EQ(-1, file.readInt("points.itemfound", -1));
    EXPECT_EQ("fallback", file.readString("Missing", "fallback"));
    EXPECT_TRUE(file.readBool("Missing", true));
    EXPECT_FALSE(file.readBool("Missing", false));
    EXPECT_FALSE(file.hasKey("no separator here"));
}

TEST_F(ConfigFileTest, FollowingLinesContinueAValueUntilABlankOrKeyLine) {
    const ConfigFile file(writeFile("continued.cfg",
                                    "Text = first\n"
                                    "  second line  \n"
                                    "# only a comment\n"
                                    "third # with a note\n"
                                    "Next = 2\n"
                                    "Short = a\n"
                                    "   \n"
                                    "orphan line\n"
                                    "Last = z\n"
                                    "tail"));
    EXPECT_EQ("first\n  second line  \nthird", file.readString("Text", ""));
    EXPECT_EQ(2, file.readInt("Next", 0));
    EXPECT_EQ("a", file.readString("Short", ""));
    EXPECT_EQ("z\ntail", file.readString("Last", ""));
}

TEST_F(ConfigFileTest, NothingIsReadFromTheEndMarkerOn) {
    const ConfigFile file(writeFile("ended.cfg",
                                    "A = 1\n"
                                    "B = long\n"
                                    "value # EndConfigFile in a comment does not count\n"
                                    "C = 3 EndConfigFile D = 4\n"
                                    "E = 5\n"));
    EXPECT_EQ(1, file.readInt("A", 0));
    EXPECT_EQ("long\nvalue", file.readString("B", ""));
    EXPECT_FALSE(file.hasKey("C"));
    EXPECT_FALSE(file.hasKey("D"));
    EXPECT_FALSE(file.hasKey("E"));

    const ConfigFile continued(writeFile("ended2.cfg", "A = x\nEndConfigFile\nB = 2\n"));
    EXPECT_EQ("x", continued.readString("A", ""));
    EXPECT_FALSE(continued.hasKey("B"));
}

TEST_F(ConfigFileTest, BooleanWordsOfNoMeanFalseInAnyCase) {
    const ConfigFile file(writeFile("bools.cfg",
                                    "a = no\nb = N\nc = NoNe\nd = FALSE\ne = f\ng = 0\n"
                                    "h = yes\ni = 2\nj = off\nk = True\n"));
    for (const char* key : {"a", "b", "c", "d", "e", "g"}) {
        EXPECT_FALSE(file.readBool(key, true)) << key;
    }
    for (const char* key : {"h", "i", "j", "k"}) {
        EXPECT_TRUE(file.readBool(key, false)) << key;
    }
}

TEST_F(ConfigFileTest, OtherMarkersAndAMissingFile) {
    const ConfigFile file(writeFile("markers.cfg", "a : 1 ; note\nb = 2\nSTOP\nc : 3\n"), true, ":", ";", "STOP");
    EXPECT_EQ("1 \nb = 2", file.readString("a", ""));
    EXPECT_EQ(1, file.readInt("a", 0));
    EXPECT_FALSE(file.hasKey("b"));
    EXPECT_FALSE(file.hasKey("c"));

    const std::string missing = ::testing::TempDir() + "no-such-parameters.cfg";
    try {
        ConfigFile absent(missing);
        FAIL() << "a missing parameter file must be reported";
    } catch (const FileNotFoundError& error) {
        EXPECT_EQ(missing, error.fileName());
    }
    ConfigFile later(missing, false);
    EXPECT_THROW(later.load(), FileNotFoundError);
    EXPECT_EQ(7, later.readInt("a", 7));
}

}  // namespace
