#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/minigames/MiniGameBase.hpp"
#include "game/minigames/memory/MemoryBoard.hpp"
#include "game/minigames/memory/MgMemoryListener.hpp"

namespace kve {
class Action;
}
class MgMemoryItem;
class RandomSource;

// The pairs game: the cards of the board lie face down in a shuffled grid;
// the player turns two at a time; a pair that matches fades away, two that
// do not turn back after 700 ms, and no third card turns meanwhile. The game
// is won when every pair is found. A board that cannot be read is passed
// over as if skipped, so the story goes on.
class MgMemory : public MiniGameBase, public MgMemoryListener {
public:
    static constexpr const char* Strip = "content/images/minigames/MgMemory/CardAnimStrip.png";
    static constexpr int MissDelay = 700;
    static constexpr int MissDelayTag = 2000;

    // The shuffle draws from random (the process's when none is given).
    explicit MgMemory(const std::string& configFile, bool fromExtrasMenu = false,
                      TextureFactory* textures = nullptr, RandomSource* random = nullptr);
    ~MgMemory() override;

    // The pair ids of the cards in grid order: each pair twice, shuffled.
    static std::vector<int> deal(int pairs, RandomSource& random);

    bool canSelect(int index) override;
    void cardOpened(int index, int pairId) override;
    void cardClosed(int index, int pairId) override;
    void actionFinished(int tag) override;

    const std::string& getConfigFile() const { return configFile_; }
    const std::vector<MgMemoryItem*>& getCards() const { return cards_; }
    int getMatched() const { return matched_; }
    bool isWon() const { return won_; }

protected:
    void build() override;
    void onEnter() override;
    void onUpdate(int milliseconds) override;
    void drawBackground(Graphics* graphics) override;
    ScreenBase* restarted() const override;

private:
    void layOut(const MemoryBoard& board);
    void enableCards(bool enabled);

    std::string configFile_;
    RandomSource* random_;
    Texture* strip_ = nullptr;
    Texture* background_ = nullptr;
    std::vector<MgMemoryItem*> cards_;
    int first_ = -1;
    int firstPair_ = -1;
    int second_ = -1;
    int secondPair_ = -1;
    int matched_ = 0;
    int pairs_ = 0;
    bool won_ = false;
    std::unique_ptr<kve::Action> missDelay_;
};
