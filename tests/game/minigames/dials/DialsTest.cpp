#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/RandomSource.hpp"
#include "engine/widgets/ImageWidget.hpp"
#include "game/content/AlphaPicture.hpp"
#include "game/minigames/MinigameFixture.hpp"
#include "game/minigames/dials/DialRing.hpp"
#include "game/minigames/dials/DialWidget.hpp"
#include "game/minigames/dials/DialsBoard.hpp"
#include "game/minigames/dials/DialsPuzzle.hpp"
#include "game/minigames/dials/DialsSolver.hpp"
#include "game/minigames/dials/MgConcentricDials.hpp"
#include "game/scene/controls/SkipButton.hpp"
#include "game/story/flow/ResultCodes.hpp"
#include "support/MouseEvents.hpp"

namespace {

TEST(DialRing, TurnsByThePointersTurnTimesTheFactorWithoutJumpsAndWrapsIntoAFullTurn) {
    DialRing doubled(100.0f, 1.0f, 2.0f);
    doubled.press(30.0f);
    EXPECT_FLOAT_EQ(doubled.drag(40.0f), 10.0f);
    EXPECT_FLOAT_EQ(doubled.getRotation(), 120.0f);

    // Across the left-hand half line atan2 jumps from 179 to -179: a 2 degree step.
    DialRing ring(50.0f, 1.0f, 1.0f);
    ring.press(178.0f);
    EXPECT_FLOAT_EQ(ring.drag(-179.0f), 3.0f);
    EXPECT_FLOAT_EQ(ring.getRotation(), 53.0f);
    EXPECT_FLOAT_EQ(ring.drag(178.0f), -3.0f);
    EXPECT_FLOAT_EQ(ring.getRotation(), 50.0f);

    // Reaching 360 exactly is stored as 0; going below 0 comes back from 360.
    DialRing nearlyRound(350.0f, 1.0f, 1.0f);
    nearlyRound.press(0.0f);
    nearlyRound.drag(10.0f);
    EXPECT_FLOAT_EQ(nearlyRound.getRotation(), 0.0f);
    nearlyRound.drag(5.0f);
    EXPECT_FLOAT_EQ(nearlyRound.getRotation(), 355.0f);

    // Not held: the pointer's moves turn nothing.
    DialRing idle(90.0f, 1.0f, 1.0f);
    EXPECT_FLOAT_EQ(idle.drag(45.0f), 0.0f);
    EXPECT_FLOAT_EQ(idle.getRotation(), 90.0f);
}

TEST(DialRing, OneWayRingsIgnoreForwardStepsAndKeepWhereThePointerWas) {
    DialRing ring(90.0f, 1.0f, 1.0f);
    ring.setDirectionMode(DialRing::OneWay);
    ring.press(0.0f);
    ring.drag(20.0f);
    EXPECT_FLOAT_EQ(ring.getRotation(), 90.0f);
    // The forward step was not taken as the new reference: back to -10 is -10 from 0.
    ring.drag(-10.0f);
    EXPECT_FLOAT_EQ(ring.getRotation(), 80.0f);
}

TEST(DialRing, SnapsHomeOnlyStrictlyInsideTheToleranceAndThenLocks) {
    const auto releasedAt = [](float rotation) {
        DialRing ring(rotation, 5.0f, 1.0f);
        ring.press(0.0f);
        const bool snapped = ring.release();
        return std::make_pair(snapped, ring);
    };
    for (const float inside : {4.9f, 355.1f, 0.5f}) {
        const auto [snapped, ring] = releasedAt(inside);
        EXPECT_TRUE(snapped) << inside;
        EXPECT_TRUE(ring.isSolved()) << inside;
        EXPECT_FLOAT_EQ(ring.getRotation(), 0.0f);
        EXPECT_FALSE(ring.isActive());
    }
    for (const float outside : {5.0f, 355.0f, 180.0f, 20.0f}) {
        const auto [snapped, ring] = releasedAt(outside);
        EXPECT_FALSE(snapped) << outside;
        EXPECT_FALSE(ring.isSolved()) << outside;
        EXPECT_TRUE(ring.isActive());
        EXPECT_FALSE(ring.isDragging());
    }
    // A locked ring ignores every press and drag.
    DialRing locked(2.0f, 5.0f, 1.0f);
    locked.release();
    locked.press(0.0f);
    EXPECT_FLOAT_EQ(locked.drag(90.0f), 0.0f);
    EXPECT_FALSE(locked.release());
    EXPECT_TRUE(locked.isSolved());
}

TEST(DialRing, ThePointerAngleIsSeenFromTheRingsWholePixelMiddle) {
    // A 101-pixel ring at (10, 20): its middle is (60, 70).
    EXPECT_NEAR(DialRing::pointerAngle(110, 70, 10, 20, 101, 101), 0.0f, 1e-4);
    EXPECT_NEAR(DialRing::pointerAngle(60, 120, 10, 20, 101, 101), 90.0f, 1e-4);
    EXPECT_NEAR(DialRing::pointerAngle(10, 70, 10, 20, 101, 101), 180.0f, 1e-4);
    EXPECT_NEAR(DialRing::pointerAngle(60, 20, 10, 20, 101, 101), -90.0f, 1e-4);
}

std::string data(const std::string& name) {
    return std::string(CHRONA_TEST_DATA_DIR) + "/minigames/" + name;
}

TEST(DialsBoard, ReadsTheRingsAndNamesEveryUnplayableFileByLine) {
    DialsBoard board;
    ASSERT_TRUE(board.load(data("dials.xml")));
    // NumberOfDials counts: the fourth Piece is not a ring.
    EXPECT_EQ(board.dials, (std::vector<std::string>{"Outer.png", "Middle.png", "Inner.png"}));
    EXPECT_FLOAT_EQ(board.tolerance, 4.0f);
    EXPECT_EQ(board.x, 300);
    EXPECT_EQ(board.y, 200);
    EXPECT_FALSE(board.hasFinal);
    EXPECT_EQ(board.pictures().front(), "images/Bg.png");

    DialsBoard final;
    ASSERT_TRUE(final.load(data("dials-final.xml")));
    EXPECT_FLOAT_EQ(final.factor, 2.0f);
    EXPECT_FLOAT_EQ(final.tolerance, 8.0f);
    EXPECT_EQ(final.pictures().back(), "images/Whole.png");

    LogCapture log;
    struct Fault {
        const char* file;
        const char* where;
    };
    for (const Fault& fault : {Fault{"dials-noring.xml", "dials-noring.xml:3: the Piece names no ring picture"},
                               Fault{"dials-short.xml", "dials-short.xml:1: NumberOfDials is 3 but there are only 2"},
                               Fault{"dials-factor.xml", "dials-factor.xml:1: AngleTolerance should lie"},
                               Fault{"dials-nofinal.xml", "dials-nofinal.xml:1: hasFinal is set"},
                               Fault{"dials-cut.xml", "dials-cut.xml:"}, Fault{"no-such-dials.xml", "no-such-dials.xml"}}) {
        DialsBoard bad;
        EXPECT_FALSE(bad.load(data(fault.file))) << fault.file;
        const std::vector<std::string> lines = log.take();
        ASSERT_EQ(lines.size(), 1u) << fault.file;
        EXPECT_NE(lines.front().find(fault.where), std::string::npos) << lines.front();
    }
}

TEST(DialsPuzzle, DealsEveryRingAwayFromHomeAndIsSolvedOnlyWhenAllAreHome) {
    DialsBoard board;
    ASSERT_TRUE(board.load(data("dials.xml")));
    // A source that draws home and its neighbours: they move to the far side.
    class Near : public RandomSource {
    public:
        int next() override { return values[i++ % 3]; }
        int values[3] = {0, 359, 11};
        int i = 0;
    } near;
    DialsPuzzle puzzle;
    puzzle.deal(board, near);
    ASSERT_EQ(puzzle.rings().size(), 3u);
    EXPECT_FLOAT_EQ(puzzle.rings()[0].getRotation(), 180.0f);
    EXPECT_FLOAT_EQ(puzzle.rings()[1].getRotation(), 179.0f);
    EXPECT_FLOAT_EQ(puzzle.rings()[2].getRotation(), 191.0f);
    SeededRandom random(3);
    for (int i = 0; i < 500; ++i) {
        const int angle = DialsPuzzle::startAngle(random);
        ASSERT_TRUE(angle >= DialsPuzzle::MinStartDistance && angle <= 360 - DialsPuzzle::MinStartDistance) << angle;
    }
    EXPECT_FALSE(puzzle.isSolved());
    for (std::size_t i = 0; i < 3; ++i) {
        DialRing& ring = puzzle.rings()[i];
        ring.press(0.0f);
        ring.drag(DialRing::fold(-ring.getRotation()));
        ring.release();
        EXPECT_EQ(puzzle.isSolved(), i == 2) << i;
    }
    // Dealing again is a reset: every ring turns again.
    puzzle.deal(board, random);
    EXPECT_FALSE(puzzle.isSolved());
    EXPECT_TRUE(puzzle.rings()[0].isActive());
}

// A ring picture: size x size, solid where the distance from the middle lies in [inner, outer).
AlphaPicture annulus(int size, double inner, double outer) {
    AlphaPicture picture;
    picture.width = size;
    picture.height = size;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double r = std::hypot(x - size / 2 + 0.5, y - size / 2 + 0.5);
            picture.alpha.push_back(r >= inner && r < outer ? 255 : 0);
        }
    }
    return picture;
}

TEST(DialsSolver, GrabsEachRingWhereNoUnlockedRingAboveCoversIt) {
    // Rings side by side: one turn each, every grab point on its own ring.
    const std::vector<AlphaPicture> rings{annulus(80, 28, 40), annulus(80, 14, 28), annulus(80, 0, 14)};
    const DialsSolver::Result result = DialsSolver::solve(rings);
    ASSERT_TRUE(result.solvable);
    ASSERT_EQ(result.turns.size(), 3u);
    for (const DialsSolver::Turn& turn : result.turns) {
        const AlphaPicture& ring = rings[static_cast<std::size_t>(turn.ring)];
        EXPECT_EQ(ring.at(turn.grabX, turn.grabY), 255) << turn.ring;
    }
    // A full disc above a core: the disc has to be locked first, then the core shows.
    const DialsSolver::Result covered = DialsSolver::solve({annulus(80, 0, 12), annulus(80, 0, 40)});
    ASSERT_TRUE(covered.solvable);
    ASSERT_EQ(covered.turns.size(), 2u);
    EXPECT_EQ(covered.turns[0].ring, 1);
    EXPECT_EQ(covered.turns[1].ring, 0);
    // A ring too thin to be grabbed, or rings of different sizes, cannot be solved.
    EXPECT_FALSE(DialsSolver::solve({annulus(80, 20, 40), annulus(80, 10, 12)}).solvable);
    EXPECT_FALSE(DialsSolver::solve({annulus(80, 20, 40), annulus(60, 0, 20)}).solvable);
}

TEST(DialsSolver, TheScriptsLastPointerAngleBringsTheRingHome) {
    DialsBoard board;
    ASSERT_TRUE(board.load(data("dials-final.xml")));  // rotation factor 2
    board.tolerance = 1.0f;
    const std::vector<AlphaPicture> rings{annulus(200, 50, 100), annulus(200, 0, 50)};
    const DialsSolver::Result result = DialsSolver::solve(rings);
    ASSERT_TRUE(result.solvable);
    for (const int start : {13, 170, 190, 347}) {
        const std::string script = DialsSolver::script(board, rings, {start, start}, {result.turns[0]});
        // Replay the pointer through a ring as the widget does.
        DialRing ring(static_cast<float>(start), board.tolerance, board.factor);
        std::istringstream lines(script);
        std::string op;
        int x = 0;
        int y = 0;
        int moves = 0;
        while (lines >> op) {
            if (op == "wait") {
                lines >> x;
                continue;
            }
            lines >> x >> y;
            const float angle = DialRing::pointerAngle(x, y, board.x, board.y, 200, 200);
            if (op == "press") {
                ring.press(angle);
            } else {
                ring.drag(angle);
                moves += op == "move";
                if (op == "release") {
                    EXPECT_TRUE(ring.release()) << start << " ends at " << ring.getRotation();
                }
            }
        }
        EXPECT_TRUE(ring.isSolved()) << start;
        if (std::fabs(DialRing::fold(-static_cast<float>(start))) > 60.0f) {
            EXPECT_GE(moves, 2) << "the pointer goes round in steps: " << start;
        }
    }
}

class Dials : public MinigameFixture {
protected:
    MgConcentricDials* start(const std::string& file) {
        auto* game = new MgConcentricDials(data(file), false, &textures, &random);
        show(game);
        return game;
    }
    void mouse(const MouseEvent& event) { app.deliverMouse(event); }
    // Turns the topmost unlocked ring home with the pointer: the rings are
    // 64 x 64 at (300, 200), so their middle is (332, 232).
    void turnHome(const DialRing& ring, float factor = 1.0f) {
        const float way = DialRing::fold(-ring.getRotation()) / factor;
        mouse(mouseEvent(MouseEvent::Move, 362, 232));
        mouse(mouseEvent(MouseEvent::Press, 362, 232, MouseEvent::Left));
        // Three steps round a 30-pixel circle; the last is as close as whole pixels get.
        for (int s = 1; s <= 3; ++s) {
            const double a = way * s / 3 * 3.1415927 / 180.0;
            mouse(mouseEvent(MouseEvent::Move, 332 + static_cast<int>(std::lround(30 * std::cos(a))),
                             232 + static_cast<int>(std::lround(30 * std::sin(a))), MouseEvent::Left));
        }
        mouse(mouseEvent(MouseEvent::Release, 332 + static_cast<int>(std::lround(30 * std::cos(way * 3.1415927 / 180))),
                         232 + static_cast<int>(std::lround(30 * std::sin(way * 3.1415927 / 180))), MouseEvent::Left));
    }

    SeededRandom random{41};
};

TEST_F(Dials, DraggingEveryRingHomeSolvesOnTheLastReleaseAndTheFlowGoesOn) {
    MgConcentricDials* game = start("dials.xml");
    ASSERT_EQ(game->getDials().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(game->getDials()[i]->getId(), DialWidget::FirstId + static_cast<int>(i));
        EXPECT_EQ(game->getDials()[i]->getX(), 300);
    }
    // A release away from home turns the ring but locks nothing.
    const DialRing& top = game->getDials()[2]->getRing();
    const float before = top.getRotation();
    mouse(mouseEvent(MouseEvent::Move, 362, 232));
    mouse(mouseEvent(MouseEvent::Press, 362, 232, MouseEvent::Left));
    mouse(mouseEvent(MouseEvent::Move, 332, 262, MouseEvent::Left));
    mouse(mouseEvent(MouseEvent::Release, 332, 262, MouseEvent::Left));
    EXPECT_NEAR(top.getRotation(), std::fmod(before + 90.0f, 360.0f), 0.01f);
    EXPECT_TRUE(top.isActive());
    // Top ring first; a locked ring lets the pointer through to the one below.
    for (int i = 2; i >= 0; --i) {
        const DialRing& ring = game->getDials()[static_cast<std::size_t>(i)]->getRing();
        turnHome(ring);
        EXPECT_TRUE(ring.isSolved()) << i << " at " << ring.getRotation();
        EXPECT_FALSE(game->getDials()[static_cast<std::size_t>(i)]->isEnabled());
        EXPECT_EQ(game->isPuzzleSolved(), i == 0) << i;
    }
    closeCongratulation(game);
}

TEST_F(Dials, TheFinalPictureFadesInOverTheRingsBeforeTheCongratulation) {
    MgConcentricDials* game = start("dials-final.xml");
    ASSERT_NE(game->getFinalImage(), nullptr);
    EXPECT_EQ(game->getFinalImage()->getColor().a, 0);
    for (int i = 1; i >= 0; --i) {
        turnHome(game->getDials()[static_cast<std::size_t>(i)]->getRing(), 2.0f);
    }
    ASSERT_TRUE(game->isPuzzleSolved());
    // In front of the rings, behind the skip button.
    EXPECT_GT(game->getFinalImage()->getZ(), game->getDials()[1]->getZ());
    EXPECT_GT(game->getSkipButton()->getZ(), game->getFinalImage()->getZ());
    run(480);
    EXPECT_GT(game->getFinalImage()->getColor().a, 60);
    EXPECT_LT(game->getFinalImage()->getColor().a, 200);
    run(600);
    EXPECT_EQ(game->getFinalImage()->getColor().a, 255);
    EXPECT_EQ(game->getSolvedDialog(), nullptr) << "the congratulation waits a second after the fade";
    closeCongratulation(game);
}

TEST_F(Dials, ResetDealsTheSameBoardAfreshAndABrokenBoardIsPassedOver) {
    MgConcentricDials* game = start("dials.xml");
    turnHome(game->getDials()[2]->getRing());
    game->onTarvikButton(ResultCodes::MinigameReset, 1);
    runUntilGone(game);
    auto* fresh = dynamic_cast<MgConcentricDials*>(app.topState());
    ASSERT_NE(fresh, nullptr);
    show(fresh);
    EXPECT_EQ(fresh->getConfigFile(), data("dials.xml"));
    for (const DialWidget* dial : fresh->getDials()) {
        EXPECT_TRUE(dial->getRing().isActive());
        EXPECT_FALSE(dial->getRing().isSolved());
    }

    auto* broken = new MgConcentricDials(data("dials-noring.xml"), false, &textures, &random);
    app.startState(broken);
    run(600);
    EXPECT_TRUE(broken->getDials().empty());
    EXPECT_EQ(broken->getLeaveCode(), ResultCodes::MinigameSkip);
    EXPECT_NE(log.takeText().find("dials-noring.xml:3:"), std::string::npos);
    runUntilGone(broken);
    EXPECT_EQ(topName(), "after the minigame");
}

}  // namespace
