#include "game/content/PieceCheck.hpp"

#include <algorithm>
#include <climits>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "game/content/AlphaPicture.hpp"
#include "game/story/pieces/PiecesFile.hpp"

void PieceCheck::run() {
    const std::string file = files_.path(File);
    if (!files_.exists(File)) {
        files_.report().add(file, 0, "the painting's pieces file is missing");
        return;
    }
    PiecesFile pieces;
    pieces.load(File);
    const std::vector<PiecesFile::Piece>& list = pieces.pieces();
    if (static_cast<int>(list.size()) != PieceCount) {
        files_.report().add(file, 0,
                            "the painting needs " + std::to_string(PieceCount) + " pieces, the file gives " +
                                std::to_string(list.size()));
    }
    std::set<int> ids;
    std::vector<std::pair<const PiecesFile::Piece*, std::unique_ptr<AlphaPicture>>> pictures;
    for (const PiecesFile::Piece& piece : list) {
        if (piece.id < 0 || piece.id >= PieceCount || !ids.insert(piece.id).second) {
            files_.report().add(file, piece.line,
                                "the piece id " + std::to_string(piece.id) + " is not one of 0..19 used once");
        }
        files_.require(pieces.bigPieceImage(piece.id), File, piece.line, "the enlarged piece");
        if (files_.require(pieces.imagePath() + piece.image, File, piece.line, "the piece picture")) {
            pictures.emplace_back(&piece,
                                  std::make_unique<AlphaPicture>(files_.path(pieces.imagePath() + piece.image)));
        }
    }
    if (pictures.empty()) {
        return;
    }
    // The painting is the box round all the pieces.
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const auto& [piece, picture] : pictures) {
        left = std::min(left, piece->x);
        top = std::min(top, piece->y);
        right = std::max(right, piece->x + picture->width);
        bottom = std::max(bottom, piece->y + picture->height);
    }
    const int width = right - left;
    const int height = bottom - top;
    std::vector<int> total(static_cast<std::size_t>(width) * height, 0);
    std::vector<const PiecesFile::Piece*> owner(total.size(), nullptr);
    std::set<std::pair<int, int>> overlaps;
    for (const auto& [piece, picture] : pictures) {
        for (int y = 0; y < picture->height; ++y) {
            for (int x = 0; x < picture->width; ++x) {
                const int alpha = picture->at(x, y);
                const std::size_t at = static_cast<std::size_t>(piece->y - top + y) * width + (piece->x - left + x);
                total[at] += alpha;
                if (alpha < SolidAlpha) {
                    continue;
                }
                if (owner[at] && overlaps.insert({owner[at]->id, piece->id}).second) {
                    files_.report().add(file, piece->line,
                                        "the piece " + std::to_string(piece->id) + " overlaps the piece " +
                                            std::to_string(owner[at]->id) + " at (" + std::to_string(piece->x + x) +
                                            ", " + std::to_string(piece->y + y) + ")");
                }
                owner[at] = piece;
            }
        }
    }
    const auto gap = std::find_if(total.begin(), total.end(), [](int alpha) { return alpha < CoveredAlpha; });
    if (gap != total.end()) {
        const int at = static_cast<int>(gap - total.begin());
        files_.report().add(file, 0,
                            "the pieces leave the painting uncovered at (" + std::to_string(left + at % width) +
                                ", " + std::to_string(top + at / width) + ")");
    }
}
