#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/core/ContentPath.hpp"
#include "game/content/ContentReport.hpp"
#include "game/content/PieceCheck.hpp"
#include "game/story/pieces/PiecesFile.hpp"
#include "support/PngImage.hpp"
#include "support/TempFolder.hpp"
#include "tools/storyart/PaintingCutter.hpp"

namespace {

const std::string kPainting = std::string(CHRONA_TEST_DATA_DIR) + "/../../assets/painting/";

// The check of a cut painting in a content folder, as one text.
std::string check(const std::string& folder) {
    const std::string before = ContentPath::folder();
    ContentPath::setFolder(folder);
    ContentReport report;
    const ContentFiles files(folder, report);
    PieceCheck(files).run();
    ContentPath::setFolder(before);
    std::ostringstream text;
    report.print(text);
    return text.str();
}

std::string readText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

}  // namespace

TEST(PaintingCutter, CutsTwentyPiecesThatCoverThePaintingOnceWithTheirEnlargedImages) {
    TempFolder content;
    ASSERT_TRUE(PaintingCutter::cut(kPainting + "Lumora.svg", kPainting + "Gallery.svg", content.path()));
    EXPECT_EQ(check(content.path()), "") << "the cut pieces neither overlap nor leave gaps";

    const std::string folder = content.path() + "/images/LumoraPieces/";
    const std::string before = ContentPath::folder();
    ContentPath::setFolder(content.path());
    PiecesFile pieces;
    ASSERT_TRUE(pieces.load(PieceCheck::File));
    ContentPath::setFolder(before);
    ASSERT_EQ(pieces.pieces().size(), 20u);
    for (const PiecesFile::Piece& piece : pieces.pieces()) {
        PngImage small;
        PngImage big;
        ASSERT_TRUE(small.load(folder + piece.image)) << piece.image;
        ASSERT_TRUE(big.load(folder + "Big/" + piece.image)) << piece.image;
        EXPECT_NEAR(big.width, small.width * PaintingCutter::BigScale, 1.0) << piece.image;
        EXPECT_NEAR(big.height, small.height * PaintingCutter::BigScale, 1.0) << piece.image;
        EXPECT_GE(piece.x, 0);
        EXPECT_LE(piece.x + small.width, PaintingCutter::ScreenWidth);
        EXPECT_GE(piece.y, PaintingCutter::CanvasTop);
        EXPECT_GT(small.distinctColours(), 8u) << piece.image << " shows the painting";
    }
    EXPECT_EQ(pieces.pieces()[9].image, "Piece10.png");
    PngImage empty;
    ASSERT_TRUE(empty.load(folder + "LumoraBGEmpty.png"));
    EXPECT_EQ(empty.width, 1024);
    EXPECT_EQ(empty.height, 768);
}

TEST(PaintingCutter, TheCheckFindsAMovedPieceAMissingPieceAndAMissingEnlargement) {
    TempFolder content;
    ASSERT_TRUE(PaintingCutter::cut(kPainting + "Lumora.svg", kPainting + "Gallery.svg", content.path()));
    const std::string xml = content.path() + "/images/LumoraPieces/Pieces.xml";
    const std::string original = readText(xml);

    std::string moved = original;
    const std::string first = "id=\"0\" x=\"162\"";
    ASSERT_NE(moved.find(first), std::string::npos) << original;
    moved.replace(moved.find(first), first.size(), "id=\"0\" x=\"180\"");
    writeText(xml, moved);
    std::string said = check(content.path());
    EXPECT_NE(said.find("Pieces.xml:6: the piece 1 overlaps the piece 0"), std::string::npos) << said;
    EXPECT_NE(said.find("the pieces leave the painting uncovered at (162, 104)"), std::string::npos) << said;

    std::string shortened = original;
    shortened.erase(shortened.rfind("  <Item"), shortened.rfind("</Scene>") - shortened.rfind("  <Item"));
    writeText(xml, shortened);
    said = check(content.path());
    EXPECT_NE(said.find("the painting needs 20 pieces, the file gives 19"), std::string::npos) << said;
    EXPECT_NE(said.find("uncovered"), std::string::npos) << said;

    writeText(xml, original);
    std::remove((content.path() + "/images/LumoraPieces/Big/Piece07.png").c_str());
    said = check(content.path());
    EXPECT_NE(said.find("Pieces.xml:11: the enlarged piece \"content/images/LumoraPieces/Big/Piece07.png\" does not exist"),
              std::string::npos)
        << said;
}

TEST(PaintingCutter, ABrokenPaintingIsNamedAndNothingIsWritten) {
    TempFolder content;
    writeText(content.file("broken.svg"), "<svg");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(PaintingCutter::cut(content.file("broken.svg"), kPainting + "Gallery.svg", content.path()));
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find("storyart " + content.file("broken.svg") + ":"), std::string::npos) << said;
    EXPECT_FALSE(TempFolder::exists(content.path() + "/images/LumoraPieces/Pieces.xml"));
}
