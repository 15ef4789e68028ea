#pragma once

#include <map>
#include <random>
#include <set>
#include <string>

#include "BotHands.hpp"
#include "PlayRecord.hpp"
#include "PlayStyle.hpp"

class ChronaScene;
class Item;

// Plays a hidden-object scene visit: clicks the goals the panel lists where
// they are really visible (in a seeded random order), answers the scene's
// messages, and, playing hasty, misses until the penalty runs, uses the
// hint, lets one time challenge run out and once leaves through the menu.
class SceneHand {
public:
    SceneHand(PlayStyle style, std::mt19937& random, PlayRecord& record)
        : style_(style), random_(random), record_(record) {}

    // A scene came on top: a new visit, or the same one after a screen above it.
    void arrive(ChronaScene& scene);
    // The visit's scene, until it has left the screen stack (then null).
    const ChronaScene* visiting() const { return scene_; }
    void left() { scene_ = nullptr; }
    // Queues this frame's input; returns why the visit cannot go on, or
    // an empty text.
    std::string play(ChronaScene& scene, BotHands& hands, long frame);
    // The visit asked for the in-game menu to leave for the main menu.
    bool leavingThroughMenu() const { return menuQuit_ == Asked; }
    void leftThroughMenu() { menuQuit_ = Done; }

private:
    enum Plan { Later, Now, Asked, Done };
    bool hastyTurn(ChronaScene& scene, BotHands& hands);
    std::string hiddenGoals(ChronaScene& scene) const;

    PlayStyle style_;
    std::mt19937& random_;
    PlayRecord& record_;
    const ChronaScene* scene_ = nullptr;
    int visits_ = 0;
    int findsThisVisit_ = 0;
    long idleSince_ = 0;
    std::map<Item*, long> seen_;
    std::map<Item*, long> clicked_;
    bool hintUsed_ = false;
    Plan penalty_ = Later;
    Plan timeOut_ = Later;
    Plan menuQuit_ = Later;
    bool waitingForTimeOut_ = false;
};
