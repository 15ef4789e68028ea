#pragma once

#include <map>
#include <ostream>
#include <set>

#include "engine/render/Point.hpp"

class ChronaScene;
class Item;
class TestApp;

// Plays a hidden-object scene in this process the way a player with perfect
// eyes would, and writes what it did as an input script for the real game:
// every goal the panel lists is clicked once, at a pixel where the goal is
// really visible (topmost under the pointer, its picture opaque there, no
// control above it). Time advances in fixed frames, so the real game run
// with the same content, seed and step goes through the same states.
class GoalBot {
public:
    GoalBot(TestApp& app, ChronaScene& scene, std::ostream& script, int step)
        : app_(app), scene_(scene), script_(script), step_(step) {}

    // Plays until the scene ends its visit (after its last step, or earlier
    // by its rules) or findLimit goals have been clicked (when it is above 0),
    // answering the messages on the way; false when the goals ran out of
    // sight or frameLimit frames passed.
    bool play(int frameLimit, int findLimit = 0);
    // Waits for the scene's message (a notification) and clicks its first
    // button once it can be pressed; false when none shows within frameLimit.
    // Messages that show while the goals are played are answered the same way.
    bool answerNotice(int frameLimit);
    int clicks() const { return clicks_; }
    // The goals clicked (the other clicks answered messages).
    int finds() const { return static_cast<int>(clicked_.size()); }
    int frames() const { return frames_; }

private:
    void tick();
    // Whether the scene is still on the stack: a scene that ends its visit
    // hands over and is deleted.
    bool onStack() const;
    void click(const Point& at);
    // Names the goals still to find, for a run that got stuck.
    void reportHidden() const;

    TestApp& app_;
    ChronaScene& scene_;
    std::ostream& script_;
    int step_;
    int frames_ = 0;
    int pendingWait_ = 0;
    int clicks_ = 0;
    std::set<Item*> clicked_;
    // The frame at which each goal was first seen findable.
    std::map<Item*, int> seen_;
};
