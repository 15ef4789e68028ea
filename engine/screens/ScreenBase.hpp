#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/screens/ButtonListener.hpp"
#include "engine/screens/GameState.hpp"
#include "engine/core/MouseListener.hpp"
#include "engine/transitions/TransitionListener.hpp"

class MouseListeningWidget;
class ResourceManager;
class Transition;
class Widget;
class WidgetManager;

// The base of every screen. It owns its widgets, widget manager, resource
// manager and its enter and leave transitions; it is built (build) before it
// is pushed, fills itself in onEnter, ends with startLeave and hears the end in
// onLeft. Leaving the state stack deletes it, so nothing of a screen may be
// touched after its onLeft has popped or replaced it.
class ScreenBase : public GameState, public TransitionListener, public ButtonListener, public MouseListener {
public:
    enum Phase { Entering = 0, Leaving = 1, Shown = 2 };
    static constexpr int EnterTransitionId = -1000;
    static constexpr int LeaveTransitionId = -1001;

    explicit ScreenBase(const std::string& name);
    ~ScreenBase() override;

    ScreenBase(const ScreenBase&) = delete;
    ScreenBase& operator=(const ScreenBase&) = delete;

    void onKeyEvent(const KeyEvent& event) override;
    void onMouseEvent(const MouseEvent& event) override;
    void start(StateStack* app) override;
    void enter(StateStack* app) override;
    void leave(StateStack* app) override;
    void pause(StateStack* app) override;
    void resume(StateStack* app) override;
    void draw(Graphics* graphics) override;
    void update(int milliseconds) override;
    void releaseGraphics() override;
    void restoreGraphics() override;

    void onTransitionFinished(int transitionId) override;
    void onButtonPressed(int /*buttonId*/, int /*argument*/) override {}
    void onButtonReleased(int /*buttonId*/, int /*argument*/) override {}
    void onMousePressed(const MouseEvent& /*event*/) override {}
    void onMouseMoved(const MouseEvent& /*event*/) override {}
    void onMouseReleased(const MouseEvent& /*event*/) override {}

    // The screen takes ownership.
    void addWidget(Widget* widget);
    // The caller takes ownership back.
    void removeWidget(Widget* widget);
    void deleteWidget(Widget* widget);
    // For a widget's own callbacks: out of the manager now, deleted at the
    // next update.
    void safeRemoveWidget(Widget* widget);

    // Begins leaving: the leave transition runs and onLeft(result) follows.
    void startLeave(int result, bool disableInput);
    // When set, start pushes that state instead of this screen.
    void setReplacement(GameState* state) { replacement_ = state; }
    // Stretches the catch-all widget over the application's screen size.
    void relayout();
    void setOffsets(int x, int y);

    WidgetManager* getWidgetManager() const { return widgetManager_.get(); }
    // The widget under all others that hands the screen every press no control takes.
    const Widget* getCatchAll() const;
    ResourceManager* getResourceManager() const { return resources_.get(); }
    Transition* getEnterTransition() const { return enterTransition_.get(); }
    Transition* getLeaveTransition() const { return leaveTransition_.get(); }
    // The screen takes ownership and deletes the previous transition.
    void setEnterTransition(Transition* transition);
    void setLeaveTransition(Transition* transition);
    int getOffsetX() const { return offsetX_; }
    int getOffsetY() const { return offsetY_; }
    const std::string& getName() const { return name_; }
    int getPhase() const { return phase_; }
    const std::vector<Widget*>& getWidgets() const { return widgets_; }

protected:
    virtual void build() = 0;
    virtual void onEnter() = 0;
    virtual void onUpdate(int /*milliseconds*/) {}
    virtual void drawForeground(Graphics* /*graphics*/) {}
    virtual void drawBackground(Graphics* /*graphics*/) {}
    virtual void onEntered() {}
    virtual void onLeft(int /*result*/) {}

private:
    void becomeShown();
    void processRemovalQueue();
    // Draws one layer with the matrix reset and translated by the offsets.
    template <typename Layer>
    void drawLayer(Graphics* graphics, Layer layer);

    MouseListeningWidget* catchAll_ = nullptr;
    std::vector<Widget*> widgets_;
    std::unique_ptr<WidgetManager> widgetManager_;
    std::unique_ptr<ResourceManager> resources_;
    std::unique_ptr<Transition> enterTransition_;
    std::unique_ptr<Transition> leaveTransition_;
    int offsetX_ = 0;
    int offsetY_ = 0;
    std::vector<Widget*> removalQueue_;
    GameState* replacement_ = nullptr;
    std::string name_;
    int leaveResult_ = 0;
    int phase_ = Entering;
};
