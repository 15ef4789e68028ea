#include "SceneEyes.hpp"

#include "engine/dialogs/MessageDialog.hpp"
#include "engine/dialogs/MessageDialogSimple.hpp"
#include "engine/widgets/SimpleImageButton.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/scene/ChronaScene.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/renderers/ItemRenderer.hpp"

namespace {

// Pixels around the chosen point that must find the goal as well.
const int kFirm = 2;

bool pressFinds(const ChronaScene& scene, Item* goal, int x, int y) {
    // A control over the point takes the press before the scene sees it.
    const Widget* widget = scene.getWidgetManager()->widgetAt(x, y);
    return widget == scene.getCatchAll() && scene.itemAt(x, y) == goal;
}

// The test holds at (x, y) and kFirm pixels around it.
template <typename Test>
bool firmly(Test test, int x, int y) {
    for (int dy = -kFirm; dy <= kFirm; ++dy) {
        for (int dx = -kFirm; dx <= kFirm; ++dx) {
            if (!test(x + dx, y + dy)) {
                return false;
            }
        }
    }
    return true;
}

Point designPoint(const ChronaScene& scene, int x, int y) {
    return Point(static_cast<float>(x + scene.getOffsetX()), static_cast<float>(y + scene.getOffsetY()));
}

}  // namespace

namespace SceneEyes {

bool visiblePixel(const ChronaScene& scene, Item* goal, Point* at) {
    const IntRect& bounds = goal->getRenderer()->getBounds();
    const float centreX = bounds.x + bounds.w / 2.0f;
    const float centreY = bounds.y + bounds.h / 2.0f;
    bool found = false;
    float best = 0.0f;
    for (int y = bounds.y; y < bounds.y + bounds.h; ++y) {
        for (int x = bounds.x; x < bounds.x + bounds.w; ++x) {
            const bool firm = firmly([&](int px, int py) { return pressFinds(scene, goal, px, py); }, x, y);
            const float distance = (x - centreX) * (x - centreX) + (y - centreY) * (y - centreY);
            if (firm && (!found || distance < best)) {
                found = true;
                best = distance;
                *at = designPoint(scene, x, y);
            }
        }
    }
    return found;
}

bool emptyPixel(const ChronaScene& scene, Point* at) {
    const auto misses = [&scene](int x, int y) {
        if (scene.getWidgetManager()->widgetAt(x, y) != scene.getCatchAll()) {
            return false;
        }
        const Item* item = scene.itemAt(x, y);
        return !item || !item->getRenderer() || !item->getRenderer()->isEnabled();
    };
    for (int y = 120; y < 560; y += 37) {
        for (int x = 60; x < 960; x += 41) {
            if (firmly(misses, x, y)) {
                *at = designPoint(scene, x, y);
                return true;
            }
        }
    }
    return false;
}

const Widget* messageButton(const ChronaScene& scene) {
    if (auto* question = dynamic_cast<MessageDialog*>(scene.getNotice())) {
        return question->getButtons().empty() ? nullptr : question->getButtons().front();
    }
    if (auto* message = dynamic_cast<MessageDialogSimple*>(scene.getNotice())) {
        return message->getButton();
    }
    return nullptr;
}

bool noticeButton(const ChronaScene& scene, Point* at) {
    const Widget* button = messageButton(scene);
    if (!button) {
        return false;
    }
    const int x = button->getX() + button->getWidth() / 2;
    const int y = button->getY() + button->getHeight() / 2;
    if (scene.getWidgetManager()->isListChanged() || scene.getWidgetManager()->widgetAt(x, y) != button) {
        return false;
    }
    *at = designPoint(scene, x, y);
    return true;
}

}  // namespace SceneEyes
