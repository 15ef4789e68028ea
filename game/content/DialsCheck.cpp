#include "game/content/DialsCheck.hpp"

#include <vector>

#include "game/content/AlphaPicture.hpp"
#include "game/content/ContentFiles.hpp"
#include "game/content/MinigameCheck.hpp"
#include "game/minigames/dials/DialsBoard.hpp"
#include "game/minigames/dials/DialsSolver.hpp"
#include "game/story/flow/ScreenTypes.hpp"

void DialsCheck::run() {
    for (const std::string& board : MinigameCheck(files_).boards(Folder, ScreenTypes::MgConcentricDials)) {
        check(board);
    }
}

int DialsCheck::check(const std::string& contentPath) {
    DialsBoard board;
    if (!board.load(contentPath)) {
        return -1;
    }
    bool complete = true;
    for (const std::string& picture : board.pictures()) {
        complete = files_.require(picture, contentPath, 0, "the picture") && complete;
    }
    if (!complete) {
        return -1;
    }
    const std::string where = files_.path(contentPath);
    std::vector<AlphaPicture> rings;
    for (std::size_t i = 0; i < board.dials.size(); ++i) {
        rings.emplace_back(files_.path(board.imagePath + board.dials[i]));
        if (rings.back().width != rings.front().width || rings.back().height != rings.front().height) {
            files_.report().add(where, board.dialLines[i], "the ring picture is not as large as the first ring's");
            return -1;
        }
    }
    const DialsSolver::Result result = DialsSolver::solve(rings);
    if (!result.solvable) {
        files_.report().add(where, 0, "a ring can never be grabbed: no solid part of it is left free by the rings above");
        return -1;
    }
    return MinigameCheck(files_).reportShort(where, static_cast<int>(result.turns.size()), MinTurns, "turns");
}
