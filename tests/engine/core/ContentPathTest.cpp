#include <gtest/gtest.h>

#include <fstream>

#include "engine/config/Config.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/core/ContentPath.hpp"

namespace {

TEST(ContentPathTest, ContentPathsMapOntoTheChosenFolder) {
    Config::reset();
    EXPECT_EQ("content/config/config.xml", ContentPath::resolve("content/config/config.xml"));

    Config::instance().setContentFolder("/games/chrona/data");
    EXPECT_EQ("/games/chrona/data/config/config.xml", ContentPath::resolve("content/config/config.xml"));
    EXPECT_EQ("/games/chrona/data", ContentPath::resolve("content"));
    EXPECT_EQ("contents/x.png", ContentPath::resolve("contents/x.png"));
    EXPECT_EQ("/tmp/content/x.png", ContentPath::resolve("/tmp/content/x.png"));
    EXPECT_EQ("saves/content/x", ContentPath::resolve("saves/content/x"));
    const std::string once = ContentPath::resolve("content/images/a.png");
    EXPECT_EQ(once, ContentPath::resolve(once));

    Config::instance().setContentFolder("build/content/");
    EXPECT_EQ("build/content/fonts/PH_big.fnt", ContentPath::resolve("content/fonts/PH_big.fnt"));
    Config::instance().setContentFolder("content");
    EXPECT_EQ("content/fonts/PH_big.fnt", ContentPath::resolve("content/fonts/PH_big.fnt"));
}

TEST(ContentPathTest, ParameterFileIsOpenedInTheContentFolder) {
    Config::reset();
    const std::string folder = ::testing::TempDir();
    std::ofstream(folder + "/tuning.cfg") << "Points.ItemFound = 100\n";
    Config::instance().setContentFolder(folder);
    const ConfigFile file("content/tuning.cfg");
    EXPECT_EQ(100, file.readInt("Points.ItemFound", 0));
}

}  // namespace
