#include "GoalBot.hpp"

#include "SceneEyes.hpp"

#include <algorithm>
#include <iostream>

#include "engine/core/MouseEvent.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/scene/ChronaScene.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/renderers/ItemRenderer.hpp"
#include "support/TestApp.hpp"
#include "support/MouseEvents.hpp"

namespace {

// Frames a goal stays findable before it is clicked, so that a real run a
// frame or two apart from this one still finds it.
const int kSettle = 4;
// Frames between two clicks.
const int kGap = 3;

}  // namespace

void GoalBot::tick() {
    app_.updateStates(step_);
    ++frames_;
    ++pendingWait_;
}

void GoalBot::click(const Point& at) {
    if (pendingWait_ > 0) {
        script_ << "wait " << pendingWait_ << "\n";
        pendingWait_ = 0;
    }
    const int x = static_cast<int>(at.x);
    const int y = static_cast<int>(at.y);
    script_ << "move " << x << " " << y << "\n" << "click " << x << " " << y << "\n";
    clickAt([this](const MouseEvent& event) { app_.deliverMouse(event); }, x, y);
    ++clicks_;
}

bool GoalBot::play(int frameLimit, int findLimit) {
    // The caption over the opening scene takes the input until it has faded.
    while ((scene_.getPhase() == ScreenBase::Entering || app_.topState() != &scene_) && frames_ < frameLimit) {
        tick();
    }
    int idleSince = frames_;
    while (onStack() && scene_.getPhase() == ScreenBase::Shown && frames_ < frameLimit) {
        Item* target = nullptr;
        Point at;
        // A message stops the scene until it is answered (a badge only
        // until it has played).
        if (SceneEyes::messageButton(scene_)) {
            if (!answerNotice(frameLimit - frames_)) {
                break;
            }
            idleSince = frames_;
            continue;
        }
        // Between a change of the widget list and the next frame the
        // widgets ignore the pointer: a click then would be lost.
        const bool listening = !scene_.getWidgetManager()->isListChanged();
        for (Item* goal : ItemRegistry::instance().items(ItemRegistry::Goals, scene_.getSceneId())) {
            ItemRenderer* renderer = goal->getRenderer();
            if (clicked_.count(goal) || !renderer || !renderer->isEnabled()) {
                continue;
            }
            const int seen = seen_.emplace(goal, frames_).first->second;
            if (listening && frames_ - seen >= kSettle && SceneEyes::visiblePixel(scene_, goal, &at)) {
                target = goal;
                break;
            }
        }
        if (target) {
            click(at);
            if (target->getRenderer()->isEnabled()) {
                std::cout << "goalscript: the click at (" << at.x << ", " << at.y << ") did not find goal "
                          << target->getIndex() << " \"" << target->description().name << "\"\n";
                return false;
            }
            clicked_.insert(target);
            if (findLimit > 0 && static_cast<int>(clicked_.size()) >= findLimit) {
                return true;
            }
            idleSince = frames_;
            for (int i = 0; i < kGap; ++i) {
                tick();
            }
        } else if (frames_ - idleSince > 2000) {
            reportHidden();
            return false;
        } else {
            tick();
        }
    }
    // The scene may end its visit itself before its last step (a past scene
    // sends the player back to the present after a step).
    return !onStack() || scene_.getPhase() == ScreenBase::Leaving;
}

bool GoalBot::onStack() const {
    const std::vector<GameState*>& states = app_.getStates();
    return std::find(states.begin(), states.end(), &scene_) != states.end();
}

bool GoalBot::answerNotice(int frameLimit) {
    const int until = frames_ + frameLimit;
    Point at;
    while (frames_ < until && onStack()) {
        tick();
        if (onStack() && SceneEyes::noticeButton(scene_, &at)) {
            for (int i = 0; i < kSettle; ++i) {
                tick();
            }
            click(at);
            return true;
        }
    }
    return false;
}

void GoalBot::reportHidden() const {
    std::cout << "goalscript: stuck in step " << scene_.getCurrentStep() + 1 << " of "
              << scene_.getMechanics().size() << (scene_.isEnding() ? ", ending" : "")
              << (scene_.getNotice() ? ", a message on show" : "") << "\n";
    for (Item* goal : ItemRegistry::instance().items(ItemRegistry::Goals, scene_.getSceneId())) {
        if (!clicked_.count(goal) && goal->getRenderer()) {
            const IntRect& bounds = goal->getRenderer()->getBounds();
            std::cout << "goalscript: goal " << goal->getIndex() << " \"" << goal->description().name << "\" at ("
                      << bounds.x << ", " << bounds.y << ", " << bounds.w << " x " << bounds.h << ") is "
                      << (goal->getRenderer()->isEnabled() ? "nowhere visible" : "not on the panel") << "\n";
        }
    }
}
