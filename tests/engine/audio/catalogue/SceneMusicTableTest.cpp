#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "engine/core/RandomSource.hpp"
#include "engine/audio/catalogue/SceneMusicTable.hpp"

namespace {

std::string writeFile(const std::string& name, const std::string& text) {
    const std::string path = std::string(CHRONA_BINARY_DIR) + "/" + name;
    std::ofstream(path) << text;
    return path;
}

}  // namespace

TEST(SceneMusicTable, CommaListsShareTheirFilesAndUnknownIndexesHaveNone) {
    SeededRandom random(3);
    SceneMusicTable table(random);
    ASSERT_TRUE(table.load(writeFile("music_table.xml", R"(
<SceneMusic path="content/music/">
  <Scene index="3,7">
    <Music file="a.ogg"/>
    <Music/>
    <Music file="b.ogg"/>
  </Scene>
  <Scene index=" 9 ,x,12"><Music file="c.ogg"/></Scene>
  <Scene><Music file="orphan.ogg"/></Scene>
  <Scene index="7"><Music file="d.ogg"/></Scene>
</SceneMusic>)")));
    EXPECT_EQ(table.getBasePath(), "content/music/");
    EXPECT_EQ(table.filesFor(3), (std::vector<std::string>{"a.ogg", "b.ogg"}));
    EXPECT_EQ(table.filesFor(7), (std::vector<std::string>{"a.ogg", "b.ogg", "d.ogg"}));
    // Pieces are read like atoi: leading blanks skipped, text gives 0.
    EXPECT_EQ(table.filesFor(9), std::vector<std::string>{"c.ogg"});
    EXPECT_EQ(table.filesFor(0), std::vector<std::string>{"c.ogg"});
    EXPECT_EQ(table.filesFor(12), std::vector<std::string>{"c.ogg"});

    SeededRandom reference(3);
    std::set<std::string> seen;
    for (int i = 0; i < 20; ++i) {
        const std::string chosen = table.musicFor(3);
        EXPECT_EQ(chosen, reference.next() % 2 == 0 ? "content/music/a.ogg" : "content/music/b.ogg");
        seen.insert(chosen);
    }
    EXPECT_EQ(seen.size(), 2u);

    EXPECT_EQ(table.musicFor(5), "");
    EXPECT_EQ(table.musicFor(-1), "");
    EXPECT_EQ(table.musicFor(9), "content/music/c.ogg");
}

TEST(SceneMusicTable, BrokenFilesAddNothing) {
    SeededRandom random(1);
    SceneMusicTable table(random);
    EXPECT_FALSE(table.load(writeFile("music_broken.xml", "<SceneMusic path=\"x/\"><Scene index=\"1\">")));
    EXPECT_FALSE(table.load(writeFile("music_foreign.xml", "<Music><Scene index=\"1\"><Music file=\"a\"/></Scene></Music>")));
    EXPECT_FALSE(table.load(std::string(CHRONA_BINARY_DIR) + "/no_such_music.xml"));
    EXPECT_EQ(table.musicFor(1), "");
    EXPECT_EQ(table.getBasePath(), "");
}
