#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/core/RandomSource.hpp"
#include "game/minigames/MinigameFixture.hpp"
#include "game/minigames/memory/MemoryBoard.hpp"
#include "game/minigames/memory/MgMemory.hpp"
#include "game/minigames/memory/MgMemoryItem.hpp"
#include "game/story/flow/ResultCodes.hpp"

namespace {

class Memory : public MinigameFixture {
protected:
    MgMemory* start(const std::string& file = "memory.xml") {
        auto* game = new MgMemory(data(file), false, &textures, &random);
        show(game);
        return game;
    }
    static void click(MgMemoryItem* card) { card->onMousePress(MouseEvent{}); }
    // The two cards of each pair, by pair id.
    static std::map<int, std::vector<MgMemoryItem*>> pairs(const MgMemory& game) {
        std::map<int, std::vector<MgMemoryItem*>> byPair;
        for (MgMemoryItem* card : game.getCards()) {
            byPair[card->getPairId()].push_back(card);
        }
        return byPair;
    }

    SeededRandom random{77};
};

TEST_F(Memory, TheShuffledGridHoldsEachPairTwiceCentredOnTheScreen) {
    MgMemory* game = start();
    ASSERT_EQ(game->getCards().size(), 6u);
    const auto byPair = pairs(*game);
    ASSERT_EQ(byPair.size(), 3u);
    for (const auto& entry : byPair) {
        EXPECT_EQ(entry.second.size(), 2u);
    }
    // 64-pixel cards: x0 = trunc(0.5 * (1024 - 2 * 10 - 3 * 64)) = 406, y0 = (768 - 20 - 128) / 2 = 310.
    EXPECT_EQ(game->getCards()[0]->getX(), 406);
    EXPECT_EQ(game->getCards()[0]->getY(), 310);
    EXPECT_EQ(game->getCards()[4]->getX(), 406 + 74);
    EXPECT_EQ(game->getCards()[4]->getY(), 310 + 84);
    // Another seed gives another deal.
    SeededRandom other(5);
    std::vector<int> first;
    std::vector<int> second;
    auto* again = new MgMemory(data("memory.xml"), false, &textures, &other);
    show(again);
    for (std::size_t i = 0; i < 6; ++i) {
        first.push_back(game->getCards()[i]->getPairId());
        second.push_back(again->getCards()[i]->getPairId());
    }
    EXPECT_NE(first, second);
}

TEST_F(Memory, AMatchFadesAwayAndAMissTurnsBackAfterItsDelayWhileNothingElseTurns) {
    MgMemory* game = start();
    auto byPair = pairs(*game);
    MgMemoryItem* a = byPair[0][0];
    MgMemoryItem* b = byPair[1][0];
    MgMemoryItem* c = byPair[2][0];
    click(a);
    EXPECT_EQ(a->getState(), MgMemoryItem::Opening);
    run(200);
    EXPECT_EQ(a->getState(), MgMemoryItem::Opening);
    run(200);
    EXPECT_EQ(a->getState(), MgMemoryItem::FaceUp);
    // Clicking an open card does nothing.
    click(a);
    EXPECT_EQ(a->getState(), MgMemoryItem::FaceUp);
    click(b);
    EXPECT_FALSE(c->isEnabled());
    click(c);  // a third card never turns
    EXPECT_EQ(c->getState(), MgMemoryItem::FaceDown);
    run(400);
    EXPECT_EQ(b->getState(), MgMemoryItem::FaceUp);
    run(500);
    EXPECT_EQ(a->getState(), MgMemoryItem::FaceUp) << "the miss waits 700 ms";
    click(c);
    EXPECT_EQ(c->getState(), MgMemoryItem::FaceDown);
    run(300);
    EXPECT_EQ(a->getState(), MgMemoryItem::Closing);
    EXPECT_EQ(b->getState(), MgMemoryItem::Closing);
    click(c);
    EXPECT_EQ(c->getState(), MgMemoryItem::FaceDown);
    run(400);
    EXPECT_EQ(a->getState(), MgMemoryItem::FaceDown);
    EXPECT_EQ(b->getState(), MgMemoryItem::FaceDown);
    EXPECT_TRUE(c->isEnabled());
    EXPECT_EQ(game->getMatched(), 0);

    // Both cards of a pair: they fade over 200 ms and are gone.
    click(byPair[2][0]);
    click(byPair[2][1]);
    run(400);
    EXPECT_EQ(byPair[2][0]->getState(), MgMemoryItem::Fading);
    EXPECT_EQ(byPair[2][1]->getState(), MgMemoryItem::Fading);
    EXPECT_EQ(game->getMatched(), 1);
    EXPECT_TRUE(a->isEnabled());
    run(300);
    EXPECT_EQ(byPair[2][0]->getState(), MgMemoryItem::Gone);
    EXPECT_FALSE(game->isWon());
}

TEST_F(Memory, TheLastPairWinsAndTheCongratulationLeadsOn) {
    MgMemory* game = start();
    auto byPair = pairs(*game);
    for (int pair = 0; pair < 3; ++pair) {
        click(byPair[pair][0]);
        click(byPair[pair][1]);
        run(400);
        EXPECT_EQ(game->isWon(), pair == 2) << pair;
    }
    EXPECT_EQ(game->getSolvedDialog(), nullptr);
    closeCongratulation(game);
}

TEST_F(Memory, ResetDealsAFreshGameFromTheSameFile) {
    MgMemory* game = start();
    click(game->getCards()[0]);
    game->onTarvikButton(ResultCodes::MinigameReset, 1);
    runUntilGone(game);
    auto* fresh = dynamic_cast<MgMemory*>(app.topState());
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->getConfigFile(), data("memory.xml"));
    for (const MgMemoryItem* card : fresh->getCards()) {
        EXPECT_EQ(card->getState(), MgMemoryItem::FaceDown);
    }
}

TEST_F(Memory, BoardsWithoutPairsOrPicturesAreNamedAndPassedOver) {
    for (const char* name : {"memory-odd.xml", "memory-odd-pairs.xml", "memory-nocard.xml", "missing.xml"}) {
        MemoryBoard board;
        EXPECT_FALSE(board.load(data(name))) << name;
        const std::string text = log.takeText();
        EXPECT_NE(text.find(name), std::string::npos) << name << ": " << text;
    }
    auto* game = new MgMemory(data("memory-odd.xml"), false, &textures, &random);
    app.startState(game);
    run(600);
    EXPECT_FALSE(game->isWon());
    EXPECT_TRUE(game->getCards().empty());
    EXPECT_EQ(game->getLeaveCode(), ResultCodes::MinigameSkip);
    runUntilGone(game);
    EXPECT_EQ(topName(), "after the minigame");
}

}  // namespace
