#include "SceneHand.hpp"

#include <algorithm>
#include <sstream>

#include <vector>

#include "SceneEyes.hpp"
#include "ScreenLook.hpp"
#include "game/scene/ChronaScene.hpp"
#include "game/scene/controls/HintButton.hpp"
#include "game/scene/controls/TimerWidget.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/play/MissPenalty.hpp"
#include "game/scene/renderers/ItemRenderer.hpp"

namespace {

// Frames a goal stays findable before it is clicked, so that a replay a
// frame or two apart still finds it.
const int kSettle = 4;
// Frames between two finds.
const int kGap = 3;
// A click whose goal is still a goal by then missed it (a flight lasts 3 ms a
// pixel, at most a few seconds).
const int kClickTaken = 600;
// Frames with nothing to find, no message and no flight before the visit is stuck.
const long kStuck = 3000;
// Which visits of a hasty play-through do what, and after how many finds.
const int kPenaltyVisit = 2;
const int kTimeOutFromVisit = 4;
const int kMenuQuitVisit = 7;
const int kFindsBeforeTrick = 2;
const int kMissesForPenalty = 5;
// The id of the scene's menu button.
const int kMenuButton = 0;

}  // namespace

void SceneHand::arrive(ChronaScene& scene) {
    if (&scene == scene_) {
        return;
    }
    scene_ = &scene;
    ++visits_;
    idleSince_ = 0;
    findsThisVisit_ = 0;
    seen_.clear();
    clicked_.clear();
    hintUsed_ = false;
    waitingForTimeOut_ = false;
    if (style_ == PlayStyle::Hasty) {
        if (visits_ == kPenaltyVisit && penalty_ == Later) {
            penalty_ = Now;
        }
        if (visits_ >= kTimeOutFromVisit && timeOut_ == Later) {
            timeOut_ = Now;
        }
        if (visits_ == kMenuQuitVisit && menuQuit_ == Later) {
            menuQuit_ = Now;
        }
    }
}

std::string SceneHand::play(ChronaScene& scene, BotHands& hands, long frame) {
    if (idleSince_ == 0) {
        idleSince_ = frame;
    }
    Point at;
    if (SceneEyes::messageButton(scene)) {
        if (SceneEyes::noticeButton(scene, &at)) {
            hands.wait(kSettle);
            hands.click(static_cast<int>(at.x), static_cast<int>(at.y));
            hands.wait(kGap);
        }
        idleSince_ = frame;
        return std::string();
    }
    const std::vector<Item*>& goals = ItemRegistry::instance().items(ItemRegistry::Goals, scene.getSceneId());
    for (const auto& [goal, when] : clicked_) {
        if (frame - when > kClickTaken && std::find(goals.begin(), goals.end(), goal) != goals.end()) {
            return "the click on goal \"" + goal->description().name + "\" of scene " +
                   std::to_string(scene.getSceneId()) + " did not find it";
        }
    }
    if (!ScreenLook::takesInput(scene) || scene.getPenalty().isRunning() || scene.isEnding()) {
        idleSince_ = frame;
        return std::string();
    }
    if (waitingForTimeOut_) {
        idleSince_ = frame;
        return std::string();
    }
    if (style_ == PlayStyle::Hasty && hastyTurn(scene, hands)) {
        idleSince_ = frame;
        return std::string();
    }
    std::vector<Item*> ready;
    for (Item* goal : goals) {
        ItemRenderer* renderer = goal->getRenderer();
        if (clicked_.count(goal) || !renderer || !renderer->isEnabled()) {
            continue;
        }
        const long seen = seen_.emplace(goal, frame).first->second;
        if (frame - seen >= kSettle) {
            ready.push_back(goal);
        }
    }
    std::shuffle(ready.begin(), ready.end(), random_);
    for (Item* goal : ready) {
        if (SceneEyes::visiblePixel(scene, goal, &at)) {
            hands.snap(static_cast<int>(at.x), static_cast<int>(at.y));
            hands.wait(kGap);
            clicked_[goal] = frame;
            ++findsThisVisit_;
            ++record_.goalsClicked;
            idleSince_ = frame;
            return std::string();
        }
    }
    if (frame - idleSince_ > kStuck) {
        return hiddenGoals(scene);
    }
    return std::string();
}

bool SceneHand::hastyTurn(ChronaScene& scene, BotHands& hands) {
    if (findsThisVisit_ < kFindsBeforeTrick) {
        return false;
    }
    Point at;
    if (penalty_ == Now && SceneEyes::emptyPixel(scene, &at)) {
        for (int i = 0; i < kMissesForPenalty; ++i) {
            hands.snap(static_cast<int>(at.x), static_cast<int>(at.y));
            hands.wait(kGap);
        }
        record_.misses += kMissesForPenalty;
        ++record_.penalties;
        penalty_ = Done;
        return true;
    }
    if (timeOut_ == Now && scene.isPresent() && scene.getTimer() && scene.getTimer()->isRunning()) {
        waitingForTimeOut_ = true;
        ++record_.timeOuts;
        timeOut_ = Done;
        return true;
    }
    if (menuQuit_ == Now && ScreenLook::pressable(scene, ScreenLook::button(scene, kMenuButton), &at)) {
        hands.click(static_cast<int>(at.x), static_cast<int>(at.y));
        hands.wait(kGap);
        menuQuit_ = Asked;
        return true;
    }
    HintButton* hint = scene.getHintButton();
    if (!hintUsed_ && hint && !hint->isRecharging() && ScreenLook::pressable(scene, hint, &at)) {
        hands.click(static_cast<int>(at.x), static_cast<int>(at.y));
        hands.wait(kGap);
        hintUsed_ = true;
        ++record_.hints;
        return true;
    }
    return false;
}

std::string SceneHand::hiddenGoals(ChronaScene& scene) const {
    std::ostringstream out;
    out << "scene " << scene.getSceneId() << " is stuck in step " << scene.getCurrentStep() + 1 << " of "
        << scene.getMechanics().size() << ":";
    for (Item* goal : ItemRegistry::instance().items(ItemRegistry::Goals, scene.getSceneId())) {
        if (!clicked_.count(goal) && goal->getRenderer()) {
            const IntRect& bounds = goal->getRenderer()->getBounds();
            out << " goal \"" << goal->description().name << "\" at (" << bounds.x << ", " << bounds.y << ", "
                << bounds.w << " x " << bounds.h << ") is "
                << (goal->getRenderer()->isEnabled() ? "nowhere visible" : "not on the panel") << ";";
        }
    }
    return out.str();
}
