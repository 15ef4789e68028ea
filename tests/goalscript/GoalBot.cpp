#include "GoalBot.hpp"

#include <algorithm>
#include <iostream>

#include "engine/core/MouseEvent.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "engine/dialogs/MessageDialog.hpp"
#include "engine/dialogs/MessageDialogSimple.hpp"
#include "engine/widgets/SimpleImageButton.hpp"
#include "engine/widgets/TarvikButton.hpp"
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
// Pixels around the chosen point that must find the goal as well.
const int kFirm = 2;

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

bool GoalBot::pressFinds(Item* goal, int x, int y) const {
    // A control over the point takes the press before the scene sees it.
    const Widget* widget = scene_.getWidgetManager()->widgetAt(x, y);
    return widget == scene_.getCatchAll() && scene_.itemAt(x, y) == goal;
}

bool GoalBot::visiblePixel(Item* goal, Point* at) const {
    const IntRect& bounds = goal->getRenderer()->getBounds();
    const float centreX = bounds.x + bounds.w / 2.0f;
    const float centreY = bounds.y + bounds.h / 2.0f;
    bool found = false;
    float best = 0.0f;
    for (int y = bounds.y; y < bounds.y + bounds.h; ++y) {
        for (int x = bounds.x; x < bounds.x + bounds.w; ++x) {
            bool firm = true;
            for (int dy = -kFirm; dy <= kFirm && firm; ++dy) {
                for (int dx = -kFirm; dx <= kFirm && firm; ++dx) {
                    firm = pressFinds(goal, x + dx, y + dy);
                }
            }
            const float distance = (x - centreX) * (x - centreX) + (y - centreY) * (y - centreY);
            if (firm && (!found || distance < best)) {
                found = true;
                best = distance;
                *at = Point(static_cast<float>(x + scene_.getOffsetX()), static_cast<float>(y + scene_.getOffsetY()));
            }
        }
    }
    return found;
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
        if (messageButton()) {
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
            if (listening && frames_ - seen >= kSettle && visiblePixel(goal, &at)) {
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

const Widget* GoalBot::messageButton() const {
    if (auto* question = dynamic_cast<MessageDialog*>(scene_.getNotice())) {
        return question->getButtons().empty() ? nullptr : question->getButtons().front();
    }
    if (auto* message = dynamic_cast<MessageDialogSimple*>(scene_.getNotice())) {
        return message->getButton();
    }
    return nullptr;
}

bool GoalBot::noticeButton(Point* at) const {
    const Widget* button = messageButton();
    if (!button) {
        return false;
    }
    const int x = button->getX() + button->getWidth() / 2;
    const int y = button->getY() + button->getHeight() / 2;
    if (scene_.getWidgetManager()->isListChanged() || scene_.getWidgetManager()->widgetAt(x, y) != button) {
        return false;
    }
    *at = Point(static_cast<float>(x + scene_.getOffsetX()), static_cast<float>(y + scene_.getOffsetY()));
    return true;
}

bool GoalBot::answerNotice(int frameLimit) {
    const int until = frames_ + frameLimit;
    Point at;
    while (frames_ < until && onStack()) {
        tick();
        if (onStack() && noticeButton(&at)) {
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
