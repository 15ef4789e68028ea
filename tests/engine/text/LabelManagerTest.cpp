#include <gtest/gtest.h>

#include <string>

#include "engine/text/LabelManager.hpp"

namespace {
const std::string kData = std::string(CHRONA_TEST_DATA_DIR) + "/labels/";
}

TEST(LabelManager, TakesTheFirstAttributeOfEveryElementAndLaterKeysWin) {
    LabelManager labels;
    labels.load(kData + "labels.xml");
    EXPECT_EQ(labels.getLabel("OK"), "Fine");
    EXPECT_FALSE(labels.hasLabel("X"));
    EXPECT_EQ(labels.getLabel("RESET"), "Reset the game");
    EXPECT_EQ(labels.getLabel("QUIT"), "Leave the game");
    EXPECT_EQ(labels.getLabel("MULTI"), "First line\nsecond line");
    // OK, RESET, QUIT, MULTI: the element without attributes adds nothing.
    EXPECT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels.getLabel("PLAY"), "error::label not found! -> PLAY");
}

TEST(LabelManager, PassesSingleByteTextThroughAndEmptiesOnAnUnreadableFile) {
    LabelManager labels;
    labels.load(kData + "latin1.xml");
    EXPECT_EQ(labels.getLabel("CAFE"), "Caf\xE9");

    labels.load(kData + "broken.xml");
    EXPECT_EQ(labels.size(), 0u);
    EXPECT_EQ(labels.getLabel("CAFE"), "error::label not found! -> CAFE");

    labels.load(kData + "labels.xml");
    labels.load(kData + "does-not-exist.xml");
    EXPECT_EQ(labels.size(), 0u);
}
