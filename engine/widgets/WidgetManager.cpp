#include "engine/widgets/WidgetManager.hpp"

#include <algorithm>

#include "engine/core/Log.hpp"
#include "engine/core/EngineContext.hpp"
#include "engine/config/Config.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/widgets/Widget.hpp"

namespace {
const void* address(const Widget* widget) {
    return static_cast<const void*>(widget);
}
}  // namespace

WidgetManager::WidgetManager(ScreenBase* owner)
    : offsetX_(Config::instance().getOffsetX()), offsetY_(Config::instance().getOffsetY()), owner_(owner) {}

bool WidgetManager::contains(const Widget* widget) const {
    return widget != nullptr && std::find(widgets_.begin(), widgets_.end(), widget) != widgets_.end();
}

int WidgetManager::largestZ() const {
    int largest = 0;
    for (const Widget* widget : widgets_) {
        largest = std::max(largest, widget->getZ());
    }
    return largest;
}

void WidgetManager::sortByDepth() {
    std::stable_sort(widgets_.begin(), widgets_.end(),
                     [](const Widget* a, const Widget* b) { return a->getZ() > b->getZ(); });
}

void WidgetManager::add(Widget* widget) {
    if (widget == nullptr || contains(widget)) {
        return;
    }
    if (widget->getZ() < 1) {
        WidgetBounds bounds = widget->getBounds();
        bounds.z = largestZ() + 1;
        widget->setBounds(bounds);
    }
    widgets_.insert(widgets_.begin(), widget);
    sortByDepth();
    widget->manager_ = this;
    widget->onAttached();
    logDebug("widgets manager adds NEW widget= %p, new size = %zu", address(widget), widgets_.size());
    refreshHover(widget, false);
    listChanged_ = true;
}

void WidgetManager::remove(Widget* widget) {
    listChanged_ = true;
    if (!contains(widget)) {
        return;
    }
    if (focused_ == widget) {
        setFocus(nullptr);
    }
    widget->onDetached();
    widget->manager_ = nullptr;
    widgets_.erase(std::find(widgets_.begin(), widgets_.end(), widget));
    if (hovered_ == widget) {
        hovered_ = nullptr;
    }
    if (captured_ == widget) {
        captured_ = nullptr;
    }
    logDebug("widgets manager removes widget := %p, new size = %zu", address(widget), widgets_.size());
}

void WidgetManager::bringToFront(Widget* widget) {
    if (!contains(widget)) {
        return;
    }
    WidgetBounds bounds = widget->getBounds();
    bounds.z = largestZ() + 1;
    widget->setBounds(bounds);
    sortByDepth();
    refreshHover(widget, true);
}

void WidgetManager::setFocus(Widget* widget) {
    if (widget == focused_) {
        return;
    }
    Widget* old = focused_;
    focused_ = nullptr;
    if (old != nullptr) {
        old->onFocusLost();
    }
    focused_ = stillManaged(widget);
    if (focused_ != nullptr) {
        focused_->onFocusGained();
    }
}

Widget* WidgetManager::widgetAt(int x, int y) const {
    for (Widget* widget : widgets_) {
        if (widget->hitTest(x, y) && widget->isEnabled()) {
            return widget;
        }
    }
    return nullptr;
}

void WidgetManager::requestOverlay(Widget* widget, int order) {
    overlayRequests_.emplace_back(widget, order);
}

bool WidgetManager::update(int milliseconds, ScreenBase* screen) {
    if (screen == nullptr) {
        return false;
    }
    listChanged_ = false;
    for (std::size_t i = widgets_.size(); i-- > 0;) {
        widgets_[i]->update(milliseconds, screen);
        if (listChanged_) {
            // A removed widget has already dropped its hover; a hovered widget
            // that is still here keeps it, so it is not entered a second time.
            hovered_ = stillManaged(hovered_);
            return false;
        }
    }
    return true;
}

void WidgetManager::draw(Graphics* graphics, ScreenBase* screen) {
    for (std::size_t i = widgets_.size(); i-- > 0;) {
        if (i >= widgets_.size()) {
            continue;
        }
        Widget* widget = widgets_[i];
        if (!widget->isVisible()) {
            continue;
        }
        graphics->pushMatrix();
        graphics->translate(static_cast<float>(widget->getX()), static_cast<float>(widget->getY()));
        widget->draw(graphics, screen);
        graphics->popMatrix();
    }
    std::stable_sort(overlayRequests_.begin(), overlayRequests_.end(),
                     [](const std::pair<Widget*, int>& a, const std::pair<Widget*, int>& b) {
                         return a.second < b.second;
                     });
    for (const auto& request : overlayRequests_) {
        Widget* widget = request.first;
        if (!contains(widget) || !widget->isVisible()) {
            continue;
        }
        graphics->pushMatrix();
        graphics->translate(static_cast<float>(widget->getX()), static_cast<float>(widget->getY()));
        widget->drawOverlay(graphics, screen);
        graphics->popMatrix();
    }
    overlayRequests_.clear();
}

void WidgetManager::onKeyEvent(const KeyEvent& event) {
    if (inputEnabled_ && focused_ != nullptr) {
        focused_->onKeyEvent(event);
    }
}

void WidgetManager::onMouseEvent(const MouseEvent& windowEvent) {
    if (!inputEnabled_ || listChanged_) {
        return;
    }
    MouseEvent event = windowEvent;
    event.x -= offsetX_;
    event.y -= offsetY_;
    Widget* target = widgetAt(event.x, event.y);
    switch (event.kind) {
        case MouseEvent::Press:
            handlePress(event, target);
            break;
        case MouseEvent::Release:
            handleRelease(event, target);
            break;
        case MouseEvent::Move:
            handleMove(event, target);
            break;
        default:
            break;
    }
}

void WidgetManager::handlePress(const MouseEvent& event, Widget* target) {
    if (target == nullptr) {
        if (hovered_ != nullptr && hovered_->isEnabled()) {
            hovered_->onMouseLeave();
        }
        hovered_ = nullptr;
        setFocus(nullptr);
        return;
    }
    target->onMousePress(event);
    hovered_ = stillManaged(target);
    setFocus(target);
}

// The release goes to the hovered widget, which is the dragged one while a
// drag is under way, so a press always ends where it began.
void WidgetManager::handleRelease(const MouseEvent& event, Widget* target) {
    captured_ = nullptr;
    Widget* receiver = hovered_ != nullptr ? hovered_ : target;
    if (receiver != nullptr) {
        receiver->onMouseRelease(event);
    }
    hovered_ = stillManaged(target);
}

void WidgetManager::handleMove(const MouseEvent& event, Widget* target) {
    if (target == hovered_) {
        if (captured_ != nullptr) {
            Widget* returning = captured_;
            captured_ = nullptr;
            returning->onMouseEnter();
        }
    } else {
        if (hovered_ != nullptr && hovered_->isEnabled()) {
            Widget* left = hovered_;
            left->onMouseLeave();
            if (event.buttons != 0) {
                // Dragging: the widget keeps the hover and hears every move.
                if (stillManaged(left) != nullptr) {
                    left->onMouseMove(event);
                }
                captured_ = stillManaged(left);
                return;
            }
        }
        logDebug(" pointed widget = %p", address(target));
        target = stillManaged(target);
        if (target != nullptr && target->isEnabled()) {
            target->onMouseEnter();
        }
        hovered_ = stillManaged(target);
    }
    if (hovered_ != nullptr) {
        hovered_->onMouseMove(event);
    }
}

void WidgetManager::refreshHover(Widget* widget, bool checkEnabled) {
    const EngineContext& context = EngineContext::instance();
    if (context.screenWidth() <= 0) {
        return;
    }
    const int x = static_cast<int>(context.pointerX()) - offsetX_;
    const int y = static_cast<int>(context.pointerY()) - offsetY_;
    if (widgetAt(x, y) != widget || (checkEnabled && !widget->isEnabled())) {
        return;
    }
    if (captured_ != nullptr) {
        Widget* dragged = captured_;
        captured_ = nullptr;
        hovered_ = nullptr;
        dragged->onMouseLeave();
        dragged->onMouseRelease(MouseEvent());
    }
    if (hovered_ != nullptr) {
        Widget* left = hovered_;
        hovered_ = nullptr;
        left->onMouseLeave();
    }
    widget->onMouseEnter();
    hovered_ = stillManaged(widget);
}
