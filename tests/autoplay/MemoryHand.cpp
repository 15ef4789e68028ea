#include "MemoryHand.hpp"

#include <algorithm>

#include "ScreenLook.hpp"
#include "game/minigames/memory/MgMemory.hpp"
#include "game/minigames/memory/MgMemoryItem.hpp"

MemoryHand::MemoryHand(MgMemory& game, std::mt19937& random, PlayRecord& record)
    : game_(game),
      random_(random),
      record_(record),
      states_(game.getCards().size(), MgMemoryItem::FaceDown),
      turns_(game.getCards().size(), 0) {}

bool MemoryHand::solved() const {
    return game_.isWon();
}

void MemoryHand::look() {
    const std::vector<MgMemoryItem*>& cards = game_.getCards();
    for (std::size_t i = 0; i < cards.size() && i < states_.size(); ++i) {
        const int state = cards[i]->getState();
        if (state == MgMemoryItem::FaceUp || state == MgMemoryItem::Fading) {
            seen_[static_cast<int>(i)] = cards[i]->getPairId();
        }
        if (states_[i] == MgMemoryItem::FaceDown && state != MgMemoryItem::FaceDown) {
            record_.cardTurnsMost = std::max(record_.cardTurnsMost, ++turns_[i]);
        }
        states_[i] = state;
    }
}

int MemoryHand::known(int pairId, int except) const {
    for (const auto& [place, pair] : seen_) {
        if (pair == pairId && place != except && states_[static_cast<std::size_t>(place)] == MgMemoryItem::FaceDown) {
            return place;
        }
    }
    return -1;
}

int MemoryHand::choose(int open) {
    if (open >= 0) {
        const int partner = known(seen_.at(open), open);
        if (partner >= 0) {
            return partner;
        }
    } else {
        for (const auto& [place, pair] : seen_) {
            if (states_[static_cast<std::size_t>(place)] == MgMemoryItem::FaceDown && known(pair, place) >= 0) {
                return place;
            }
        }
    }
    std::vector<int> unseen;
    for (std::size_t i = 0; i < states_.size(); ++i) {
        if (states_[i] == MgMemoryItem::FaceDown && !seen_.count(static_cast<int>(i))) {
            unseen.push_back(static_cast<int>(i));
        }
    }
    if (unseen.empty()) {
        return -1;
    }
    return unseen[std::uniform_int_distribution<std::size_t>(0, unseen.size() - 1)(random_)];
}

std::string MemoryHand::play(BotHands& hands) {
    look();
    if (!ScreenLook::takesInput(game_) || game_.isWon()) {
        return std::string();
    }
    int open = -1;
    int faceUp = 0;
    for (std::size_t i = 0; i < states_.size(); ++i) {
        if (states_[i] == MgMemoryItem::Opening || states_[i] == MgMemoryItem::Closing) {
            return std::string();
        }
        if (states_[i] == MgMemoryItem::FaceUp) {
            open = static_cast<int>(i);
            ++faceUp;
        }
    }
    if (faceUp > 1) {
        // A pair that does not match lies open until it turns back.
        return std::string();
    }
    const int card = choose(open);
    if (card < 0) {
        return "MgMemory: no card is left to turn though the game goes on";
    }
    Point at;
    if (ScreenLook::pressable(game_, game_.getCards()[static_cast<std::size_t>(card)], &at)) {
        hands.click(static_cast<int>(at.x), static_cast<int>(at.y));
        hands.wait(2);
    }
    return std::string();
}
