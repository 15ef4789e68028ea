#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/scene/data/SceneIndex.hpp"
#include "engine/core/XmlNumber.hpp"
#include "support/LogCapture.hpp"

namespace {
const std::string kData = CHRONA_TEST_DATA_DIR;
}

TEST(SceneIndex, KeepsCompleteEntriesFirstComeInFileOrder) {
    SceneIndex index;
    ASSERT_TRUE(index.load(kData + "/scene/sceneIndex.xml"));
    EXPECT_EQ(index.idsInFileOrder(), (std::vector<int>{103, 203, 100, 112, 50, 220, 219}));
    EXPECT_EQ(index.entries().size(), 7u);

    const SceneIndexEntry* square = index.find(100);
    ASSERT_NE(square, nullptr);
    EXPECT_EQ(square->fileName, "square") << "the first of two entries with one id stays";
    EXPECT_EQ(square->path, "content/scenes/square/");
    EXPECT_EQ(square->width, 0);
    EXPECT_EQ(square->xOffset, 0);
    EXPECT_EQ(index.find(107), nullptr) << "an Index without path is skipped";
    EXPECT_EQ(index.find(150), nullptr) << "only Index elements count";
    ASSERT_NE(index.find(112), nullptr) << "the leading number of the id counts";
    EXPECT_EQ(index.find(112)->fileName, "mill");

    EXPECT_EQ(square->itemFilePath("EN"), "content/scenes/square/square.xml");
    EXPECT_EQ(square->itemFilePath("DE"), "content/scenes/square/squareDE.xml");
    EXPECT_EQ(square->itemFilePath("en"), "content/scenes/square/squareen.xml");

    // Reading again starts from an empty table; a broken file leaves it empty.
    LogCapture captured1;
    EXPECT_FALSE(index.load(kData + "/scene/broken.xml"));
    const std::string said = captured1.takeText();
    EXPECT_NE(said.find("broken.xml"), std::string::npos) << said;
    EXPECT_TRUE(index.entries().empty());
    EXPECT_TRUE(index.idsInFileOrder().empty());
    LogCapture captured2;
    EXPECT_FALSE(index.load(kData + "/scene/missing.xml"));
    EXPECT_NE(captured2.takeText().find("missing.xml"), std::string::npos);
}

TEST(SceneIndex, NumbersAreReadFromTheirLeadingDigits) {
    EXPECT_EQ(XmlNumber::leadingInt("42"), 42);
    EXPECT_EQ(XmlNumber::leadingInt("  -7px"), -7);
    EXPECT_EQ(XmlNumber::leadingInt("abc"), 0);
    EXPECT_EQ(XmlNumber::leadingInt(""), 0);
    EXPECT_EQ(XmlNumber::leadingInt(nullptr), 0);
    EXPECT_EQ(XmlNumber::leadingInt("99999999999"), 2147483647);
    EXPECT_EQ(XmlNumber::leadingInt("-99999999999"), -2147483647 - 1);
}
