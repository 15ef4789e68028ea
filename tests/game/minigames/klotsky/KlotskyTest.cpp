#include <gtest/gtest.h>

#include <iostream>
#include <string>

#include "game/minigames/MinigameFixture.hpp"
#include "game/minigames/klotsky/KlotskiPuzzle.hpp"
#include "game/minigames/klotsky/KlotskyPiece.hpp"
#include "game/minigames/klotsky/KlotskySolver.hpp"
#include "game/minigames/klotsky/MgKlotsky.hpp"
#include "game/story/flow/ResultCodes.hpp"

namespace {

using Klotsky = MinigameFixture;

MouseEvent mouse(int kind, int x, int y, int relX = 0, int relY = 0) {
    MouseEvent event;
    event.kind = kind;
    event.x = x;
    event.y = y;
    event.relX = relX;
    event.relY = relY;
    event.buttons = MouseEvent::Left;
    return event;
}

// Drags a piece from its middle by (dx, dy) in one motion, without letting go.
void drag(KlotskyPiece& piece, int dx, int dy) {
    const int x = piece.getX() + piece.getWidth() / 2;
    const int y = piece.getY() + piece.getHeight() / 2;
    if (!piece.isHeld()) {
        piece.onMousePress(mouse(MouseEvent::Press, x, y));
    }
    piece.onMouseMove(mouse(MouseEvent::Move, x + dx, y + dy, dx, dy));
}

void release(KlotskyPiece& piece) {
    piece.onMouseRelease(mouse(MouseEvent::Release, piece.getX(), piece.getY()));
}

TEST_F(Klotsky, MovesFollowTheAxisTheWallsTheEdgesAndTheOtherPieces) {
    KlotskiPuzzle puzzle;
    ASSERT_TRUE(puzzle.load(data("small.xml")));
    EXPECT_FALSE(puzzle.isSolved());
    // The upright piece blocks the goal piece; a two-cell piece moving along
    // its length is blocked only by the cell ahead.
    EXPECT_FALSE(puzzle.canMove(0, KlotskiPuzzle::Right));
    EXPECT_FALSE(puzzle.canMove(1, KlotskiPuzzle::Up));  // the top edge
    EXPECT_TRUE(puzzle.canMove(1, KlotskiPuzzle::Down));
    EXPECT_FALSE(puzzle.canMove(3, KlotskiPuzzle::Up));  // (3,4) is a wall
    EXPECT_FALSE(puzzle.canMove(3, 4));
    puzzle.moveMarker(1, KlotskiPuzzle::Down);
    EXPECT_EQ(puzzle.field({1, 3})->occupant, -1);
    EXPECT_EQ(puzzle.field({3, 3})->occupant, 1);
    EXPECT_EQ(puzzle.markerPixelY(1), 100 + 90);
    puzzle.moveMarker(1, KlotskiPuzzle::Down);
    EXPECT_FALSE(puzzle.canMove(1, KlotskiPuzzle::Down));  // the bottom edge
    puzzle.moveMarker(0, KlotskiPuzzle::Right);
    EXPECT_FALSE(puzzle.isSolved());
    puzzle.moveMarker(0, KlotskiPuzzle::Right);
    EXPECT_TRUE(puzzle.isSolved());
    EXPECT_EQ(puzzle.markerPixelX(0), 100 + 2 * 90);
}

TEST_F(Klotsky, BrokenBoardsAreNamedByFileAndLine) {
    for (const char* name : {"overlap.xml", "outside.xml", "stuckgoal.xml", "cut.xml", "missing.xml"}) {
        KlotskiPuzzle puzzle;
        EXPECT_FALSE(puzzle.load(data(name))) << name;
        EXPECT_FALSE(puzzle.isSolved()) << name;
        const std::string text = log.takeText();
        EXPECT_NE(text.find(name), std::string::npos) << name << ": " << text;
    }
    EXPECT_EQ(KlotskySolver::solve(KlotskiPuzzle()).solvable, false);
}

TEST_F(Klotsky, DraggingMovesAPieceACellPerQuarterOfItsExtentAlongItsAxisOnly) {
    auto* game = new MgKlotsky(data("small.xml"), false, &textures);
    show(game);
    ASSERT_EQ(game->getPieces().size(), 4u);
    KlotskyPiece& goal = *game->getPieces()[0];
    KlotskyPiece& upright = *game->getPieces()[1];
    KlotskyPiece& both = *game->getPieces()[2];
    EXPECT_EQ(upright.getX(), 100 + 2 * 90);
    EXPECT_EQ(upright.getY(), 100);
    // The pictures are 64 pixels: a quarter of that is 16.
    drag(upright, 0, 15);
    EXPECT_EQ(game->marker(1).positions.front(), KlotskiPuzzle::Cell(1, 3));
    // A drag released half-way starts from nothing next time.
    release(upright);
    drag(upright, 0, 15);
    EXPECT_EQ(game->marker(1).positions.front(), KlotskiPuzzle::Cell(1, 3));
    drag(upright, 0, 1);
    EXPECT_EQ(game->marker(1).positions.front(), KlotskiPuzzle::Cell(2, 3));
    EXPECT_EQ(upright.getY(), 100 + 90);
    EXPECT_EQ(upright.getDy(), -8);
    release(upright);
    // Sideways out of its column cancels the drag and keeps the piece.
    drag(upright, 70, 20);
    EXPECT_FALSE(upright.isDragging());
    EXPECT_EQ(game->marker(1).positions.front(), KlotskiPuzzle::Cell(2, 3));
    release(upright);
    // A piece with both flags moves sideways only.
    drag(both, 0, 30);
    EXPECT_EQ(game->marker(2).positions.front(), KlotskiPuzzle::Cell(1, 1));
    release(both);
    drag(both, 20, 0);
    EXPECT_EQ(game->marker(2).positions.front(), KlotskiPuzzle::Cell(1, 2));
    release(both);
    // Blocked by the upright piece, the goal piece stays.
    drag(goal, 20, 0);
    EXPECT_EQ(game->marker(0).positions.front(), KlotskiPuzzle::Cell(2, 1));
    release(goal);
    drag(upright, 0, 20);
    release(upright);
    EXPECT_FALSE(game->isPuzzleSolved());
    drag(goal, 20, 0);
    drag(goal, 30, 0);
    EXPECT_TRUE(game->isSolved());
    EXPECT_TRUE(game->isPuzzleSolved());
    release(goal);
    // The congratulation follows, then the flow goes on.
    closeCongratulation(game);
}

TEST_F(Klotsky, AnUnreadableBoardIsPassedOverAndResetRereadsTheFile) {
    auto* broken = new MgKlotsky(data("overlap.xml"), false, &textures);
    app.startState(broken);
    EXPECT_NE(log.takeText().find("overlap.xml"), std::string::npos);
    run(600);
    EXPECT_EQ(broken->getLeaveCode(), ResultCodes::MinigameSkip);
    EXPECT_FALSE(broken->isPuzzleSolved());
    runUntilGone(broken);
    EXPECT_EQ(topName(), "after the minigame");
    app.popState();

    auto* game = new MgKlotsky(data("small.xml"), true, &textures);
    show(game);
    game->moveMarker(1, KlotskiPuzzle::Down);
    game->onTarvikButton(ResultCodes::MinigameReset, 1);
    runUntilGone(game);
    auto* fresh = dynamic_cast<MgKlotsky*>(app.topState());
    ASSERT_NE(fresh, nullptr);
    EXPECT_FALSE(fresh->isFromExtrasMenu());
    EXPECT_EQ(fresh->getConfigFile(), data("small.xml"));
    EXPECT_EQ(fresh->marker(1).positions.front(), KlotskiPuzzle::Cell(1, 3));
}

TEST_F(Klotsky, EveryShippedBoardIsSolvableInFiveMovesOrMoreAndTheSolutionWorks) {
    int previous = 0;
    for (const char* name : {"klotsky01.xml", "klotsky02.xml", "klotsky03.xml"}) {
        KlotskiPuzzle puzzle;
        ASSERT_TRUE(puzzle.load(std::string(CHRONA_CONTENT_DIR) + "/config/minigames/Klotsky/" + name)) << name;
        const KlotskySolver::Result result = KlotskySolver::solve(puzzle);
        ASSERT_TRUE(result.solvable) << name;
        EXPECT_GE(result.moves.size(), 5u) << name;
        std::cout << name << ": the shortest solution takes " << result.moves.size() << " moves\n";
        // From easy to hard.
        EXPECT_GT(static_cast<int>(result.moves.size()), previous) << name;
        previous = static_cast<int>(result.moves.size());
        for (const KlotskySolver::Move& move : result.moves) {
            ASSERT_TRUE(puzzle.canMove(move.marker, move.direction));
            EXPECT_EQ(puzzle.marker(move.marker).movesHorizontally(), move.direction <= KlotskiPuzzle::Right);
            puzzle.moveMarker(move.marker, move.direction);
        }
        EXPECT_TRUE(puzzle.isSolved()) << name;
    }
}

}  // namespace
