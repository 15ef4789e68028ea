#include "engine/screens/ScreenBase.hpp"

#include <algorithm>
#include <sstream>

#include "engine/core/Log.hpp"
#include "engine/screens/StateStack.hpp"
#include "engine/core/EngineContext.hpp"
#include "engine/config/Config.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/resources/LeakTracker.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/transitions/EmptyTransition.hpp"
#include "engine/widgets/MouseListeningWidget.hpp"
#include "engine/widgets/WidgetManager.hpp"

ScreenBase::ScreenBase(const std::string& name)
    : widgetManager_(std::make_unique<WidgetManager>(this)),
      resources_(std::make_unique<ResourceManager>()),
      enterTransition_(std::make_unique<EmptyTransition>()),
      leaveTransition_(std::make_unique<EmptyTransition>()),
      offsetX_(Config::instance().getOffsetX()),
      offsetY_(Config::instance().getOffsetY()),
      name_(name) {}

ScreenBase::~ScreenBase() {
    logDebug("remove all widgets ! = %zu", widgets_.size());
    for (Widget* widget : widgets_) {
        widgetManager_->remove(widget);
        delete widget;
    }
    widgets_.clear();
    removalQueue_.clear();
    if (Log::instance().enabled(Log::Debug)) {
        std::ostringstream report;
        LeakTracker::instance().report(report);
        logDebug("%s", report.str().c_str());
    }
}

void ScreenBase::onKeyEvent(const KeyEvent& event) {
    widgetManager_->onKeyEvent(event);
}

void ScreenBase::onMouseEvent(const MouseEvent& event) {
    widgetManager_->onMouseEvent(event);
}

const Widget* ScreenBase::getCatchAll() const {
    return catchAll_;
}

void ScreenBase::start(StateStack* app) {
    if (replacement_ != nullptr) {
        GameState* replacement = replacement_;
        replacement_ = nullptr;
        app->pushState(replacement);
        return;
    }
    build();
    app->pushState(this);
}

void ScreenBase::enter(StateStack* /*app*/) {
    catchAll_ = new MouseListeningWidget(this);
    catchAll_->setBounds(WidgetBounds(0, 0, 0, EngineContext::instance().screenWidth(), EngineContext::instance().screenHeight()));
    addWidget(catchAll_);
    onEnter();
    enabled_ = true;
    phase_ = Entering;
    if (enterTransition_) {
        enterTransition_->start(this, EnterTransitionId);
    }
}

void ScreenBase::leave(StateStack* /*app*/) {
    enabled_ = false;
    delete this;
}

void ScreenBase::pause(StateStack* /*app*/) {
    enabled_ = false;
}

void ScreenBase::resume(StateStack* /*app*/) {
    enabled_ = true;
}

template <typename Layer>
void ScreenBase::drawLayer(Graphics* graphics, Layer layer) {
    graphics->pushMatrix();
    graphics->loadIdentity();
    graphics->translate(static_cast<float>(offsetX_), static_cast<float>(offsetY_));
    layer();
    graphics->popMatrix();
}

void ScreenBase::draw(Graphics* graphics) {
    Transition* transition = phase_ == Entering  ? enterTransition_.get()
                             : phase_ == Leaving ? leaveTransition_.get()
                                                 : nullptr;
    if (transition != nullptr) {
        drawLayer(graphics, [&] { transition->drawLower(graphics); });
    }
    drawLayer(graphics, [&] { drawBackground(graphics); });
    drawLayer(graphics, [&] { widgetManager_->draw(graphics, this); });
    drawLayer(graphics, [&] { drawForeground(graphics); });
    if (transition != nullptr) {
        drawLayer(graphics, [&] { transition->drawUpper(graphics); });
    }
}

void ScreenBase::update(int milliseconds) {
    widgetManager_->update(milliseconds, this);
    processRemovalQueue();
    onUpdate(milliseconds);
    if (phase_ == Entering) {
        if (enterTransition_ && enterTransition_->isRunning()) {
            enterTransition_->update(milliseconds);
        } else {
            becomeShown();
        }
    } else if (phase_ == Leaving) {
        if (leaveTransition_ && leaveTransition_->isRunning()) {
            leaveTransition_->update(milliseconds);
        } else {
            phase_ = Shown;
            // onLeft usually takes the screen off the stack, which deletes it.
            onLeft(leaveResult_);
            return;
        }
    }
}

void ScreenBase::processRemovalQueue() {
    if (removalQueue_.empty()) {
        return;
    }
    for (Widget* widget : removalQueue_) {
        logDebug("safe widget in list to delete =%p", static_cast<const void*>(widget));
    }
    std::vector<Widget*> queue;
    queue.swap(removalQueue_);
    for (Widget* widget : queue) {
        widgets_.erase(std::remove(widgets_.begin(), widgets_.end(), widget), widgets_.end());
        if (widget == catchAll_) {
            catchAll_ = nullptr;
        }
        delete widget;
    }
}

void ScreenBase::releaseGraphics() {
    resources_->releaseAll(ResourceManager::AllKinds);
}

void ScreenBase::restoreGraphics() {
    resources_->restoreAll(ResourceManager::AllKinds);
}

void ScreenBase::onTransitionFinished(int transitionId) {
    if (transitionId == EnterTransitionId) {
        becomeShown();
    }
}

void ScreenBase::becomeShown() {
    phase_ = Shown;
    widgetManager_->setInputEnabled(true);
    onEntered();
}

void ScreenBase::addWidget(Widget* widget) {
    if (widget == nullptr) {
        return;
    }
    widgets_.push_back(widget);
    widgetManager_->add(widget);
}

void ScreenBase::removeWidget(Widget* widget) {
    widgetManager_->remove(widget);
    widgets_.erase(std::remove(widgets_.begin(), widgets_.end(), widget), widgets_.end());
    if (widget == catchAll_) {
        catchAll_ = nullptr;
    }
}

void ScreenBase::deleteWidget(Widget* widget) {
    removeWidget(widget);
    delete widget;
}

void ScreenBase::safeRemoveWidget(Widget* widget) {
    if (widget == nullptr || std::find(removalQueue_.begin(), removalQueue_.end(), widget) != removalQueue_.end()) {
        return;
    }
    widgetManager_->remove(widget);
    removalQueue_.push_back(widget);
    logDebug("safe remove widget = %p", static_cast<const void*>(widget));
}

void ScreenBase::startLeave(int result, bool disableInput) {
    phase_ = Leaving;
    if (disableInput) {
        widgetManager_->setInputEnabled(false);
    }
    leaveResult_ = result;
    if (leaveTransition_) {
        leaveTransition_->start(this, LeaveTransitionId);
    }
}

void ScreenBase::relayout() {
    const EngineContext& context = EngineContext::instance();
    if (catchAll_ != nullptr && context.screenWidth() > 0) {
        catchAll_->setGeometry(0, 0, context.screenWidth(), context.screenHeight());
    }
}

void ScreenBase::setOffsets(int x, int y) {
    offsetX_ = x;
    offsetY_ = y;
    widgetManager_->setOffsets(x, y);
}

void ScreenBase::setEnterTransition(Transition* transition) {
    enterTransition_.reset(transition);
}

void ScreenBase::setLeaveTransition(Transition* transition) {
    leaveTransition_.reset(transition);
}
