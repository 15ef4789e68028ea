#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "game/story/pieces/PiecesFile.hpp"
#include "support/LogCapture.hpp"

namespace {
const std::string kData = CHRONA_TEST_DATA_DIR;
}

TEST(PiecesFile, DrawablePiecesStopAtTheFirstIncompleteItemAndIdsAtTheFirstWithoutId) {
    PiecesFile file;
    LogCapture said;
    ASSERT_TRUE(file.load(kData + "/story/Pieces.xml"));
    const std::vector<std::string> lines = said.take();
    ASSERT_EQ(lines.size(), 2u) << "one line where the pictures end, one where the ids end";
    EXPECT_NE(lines[0].find("Pieces.xml:5:"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("Pieces.xml:7:"), std::string::npos) << lines[1];
    EXPECT_EQ(file.pieces()[0].line, 3);
    EXPECT_EQ(file.imagePath(), "content/images/LumoraPieces/");
    EXPECT_EQ(file.bigPiecesPath(), "content/images/LumoraPieces/Big/");
    EXPECT_EQ(file.pieceIds(), (std::vector<int>{0, 7, 9, 3}));
    ASSERT_EQ(file.pieces().size(), 2u) << "the item with an empty image ends the drawable pieces";
    EXPECT_EQ(file.pieces()[1].id, 7);
    EXPECT_EQ(file.pieces()[1].image, "p7.png");
    EXPECT_EQ(file.pieces()[1].x, 110);
    EXPECT_EQ(file.pieces()[1].y, 120);

    EXPECT_EQ(file.bigPieceImage(0), "content/images/LumoraPieces/Big/Piece01.png");
    EXPECT_EQ(file.bigPieceImage(7), "content/images/LumoraPieces/Big/Piece08.png");
    EXPECT_EQ(file.bigPieceImage(9), "content/images/LumoraPieces/Big/Piece10.png");
    EXPECT_EQ(file.bigPieceImage(19), "content/images/LumoraPieces/Big/Piece20.png");

    ASSERT_TRUE(file.load(kData + "/story/PiecesNoFolders.xml"));
    EXPECT_TRUE(file.pieces().empty()) << "without bigPiecesPath nothing can be drawn";
    EXPECT_EQ(file.pieceIds(), (std::vector<int>{4, 2})) << "the ids are still handed out";

    LogCapture captured1;
    EXPECT_FALSE(file.load(kData + "/story/absent.xml"));
    EXPECT_NE(captured1.takeText().find("absent.xml"), std::string::npos);
    EXPECT_TRUE(file.pieceIds().empty());
    EXPECT_TRUE(file.imagePath().empty());
}

TEST(PiecesFile, TheLargestIdNamesItsBigImageWithoutOverflow) {
    PiecesFile file;
    ASSERT_TRUE(file.load(kData + "/story/PiecesHugeId.xml"));
    ASSERT_EQ(file.pieceIds(), (std::vector<int>{INT_MAX}));
    EXPECT_EQ(file.bigPieceImage(file.pieceIds()[0]), "content/images/LumoraPieces/Big/Piece2147483648.png");
}
