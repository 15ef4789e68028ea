#pragma once

#include <string>
#include <vector>

// The painting-pieces file "content/images/LumoraPieces/Pieces.xml": the piece
// images with their places in the painting (for the piece screen) and the
// piece ids that every new profile shuffles into its hand-out order.
class PiecesFile {
public:
    struct Piece {
        int id = 0;
        std::string image;  // under imagePath()
        int x = 0;
        int y = 0;
        int line = 0;  // of its Item in the file
    };

    // A missing or broken file leaves everything empty and says so in one
    // line; the result tells whether the file was read.
    bool load(const std::string& fileName);

    const std::string& imagePath() const { return imagePath_; }
    const std::string& bigPiecesPath() const { return bigPiecesPath_; }
    // The drawable pieces: none unless both folders are given, and they end
    // at the first Item with an empty image or without id, x or y.
    const std::vector<Piece>& pieces() const { return pieces_; }
    // Every Item's id in file order up to the first Item without one.
    const std::vector<int>& pieceIds() const { return pieceIds_; }

    // The enlarged image of piece n: "Piece01.png" for piece 0, "Piece10.png"
    // for piece 9, under bigPiecesPath().
    std::string bigPieceImage(int id) const;

private:
    std::string imagePath_;
    std::string bigPiecesPath_;
    std::vector<Piece> pieces_;
    std::vector<int> pieceIds_;
};
