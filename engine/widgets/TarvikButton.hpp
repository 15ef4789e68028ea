#pragma once

#include <memory>
#include <string>

#include "engine/actions/ActionListener.hpp"
#include "engine/widgets/TarvikButtonStyle.hpp"
#include "engine/widgets/Widget.hpp"

class ButtonTooltip;
class TarvikButtonListener;
template <typename T>
class TinyRelIncrementator;

// The game's main button. It shows one of four appearances (normal, pointer
// over, pressed, inactive) and glides from one to the next over the style's
// change time. It reports press, release over the button, pointer enter and
// pointer leave (codes 0-3) to its listener, plays "BUTTON_PRESS" and
// "BUTTON_OVER", and shows its tooltip while the pointer rests on it. An
// inactive button keeps reporting enter and leave but ignores presses. With
// an overlay order of 1 or more it draws in the manager's overlay pass.
class TarvikButton : public Widget, public kve::ActionListener {
public:
    // Tooltips are drawn in the overlay pass with this order, above overlay buttons.
    static constexpr int TooltipOrder = 1000000;

    TarvikButton(TarvikButtonListener* listener, int id, const TarvikButtonStyle& style,
                 const std::string& tooltip = std::string());
    ~TarvikButton() override;

    void update(int milliseconds, ScreenBase* screen) override;
    void draw(Graphics* graphics, ScreenBase* screen) override;
    void drawOverlay(Graphics* graphics, ScreenBase* screen) override;
    bool hitTest(int x, int y) const override;
    void onMousePress(const MouseEvent& event) override;
    void onMouseRelease(const MouseEvent& event) override;
    void onMouseEnter() override;
    void onMouseLeave() override;
    void activate() override;
    void deactivate() override;
    void actionFinished(int tag) override;

    void setOverlayOrder(int order) { overlayOrder_ = order; }
    int getOverlayOrder() const { return overlayOrder_; }
    void setCaption(const std::string& caption) { style_.caption = caption; }
    void setPressSound(const std::string& name) { pressSound_ = name; }
    void setOverSound(const std::string& name) { overSound_ = name; }

    int getId() const { return id_; }
    bool isActive() const { return active_; }
    bool isPressed() const { return pressed_; }
    bool isPointerOver() const { return pointerOver_; }
    int getAppearance() const { return current_; }
    int getPreviousAppearance() const { return previous_; }
    // How far the change from the previous appearance has come (1 = done).
    float getChangeProgress() const { return progress_; }
    // The look drawn now, between the previous and the current appearance.
    TarvikButtonAppearance currentLook() const;
    const ButtonTooltip* getTooltip() const { return tooltip_.get(); }
    const TarvikButtonStyle& getStyle() const { return style_; }

private:
    void refresh();
    void notify(int code);
    void paint(Graphics* graphics);
    void paintImage(Graphics* graphics, const TarvikButtonAppearance& look, Texture* image, float fade);

    std::string pressSound_ = "BUTTON_PRESS";
    std::string overSound_ = "BUTTON_OVER";
    TarvikButtonStyle style_;
    int current_ = TarvikButtonStyle::Normal;
    int previous_ = TarvikButtonStyle::Normal;
    bool pressed_ = false;
    bool pointerOver_ = false;
    bool active_ = true;
    std::string tooltipText_;
    std::unique_ptr<ButtonTooltip> tooltip_;
    TarvikButtonListener* listener_;
    int id_;
    int overlayOrder_ = 0;
    float progress_ = 1.0f;
    std::unique_ptr<TinyRelIncrementator<float>> change_;
};
