#pragma once

#include <memory>
#include <string>

#include "engine/actions/ActionListener.hpp"
#include "engine/render/Color.hpp"
#include "engine/widgets/Widget.hpp"

class Font;
class TinyAction;

// The points that float up from where an object was found and fade out over
// 1.5 s. One widget is kept and shown again for every find; it never takes
// input. The font is not owned.
class ScoreNotificationWidget : public Widget, public kve::ActionListener {
public:
    static constexpr int Length = 1500;
    static constexpr int Rise = 100;

    explicit ScoreNotificationWidget(Font* font);
    ~ScoreNotificationWidget() override;

    // Shows text centred on (x, y), restarting the rise and fade.
    void show(int x, int y, const std::string& text, const Color& color);
    void update(int milliseconds, ScreenBase* screen) override;
    void draw(Graphics* graphics, ScreenBase* screen) override;
    void actionFinished(int tag) override;

    bool isHidden() const { return hidden_; }
    int getAlpha() const { return alpha_; }
    const Color& getColor() const { return color_; }

private:
    Font* font_;
    std::string text_;
    Color color_;
    int alpha_ = 0;
    int y_ = 0;
    bool hidden_ = true;
    std::unique_ptr<TinyAction> action_;
};
