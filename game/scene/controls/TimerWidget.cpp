#include "game/scene/controls/TimerWidget.hpp"

#include <algorithm>

#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"

TimerWidget::TimerWidget(int x, int y, const Pictures& pictures, std::function<void()> ranOut)
    : pictures_(pictures), ranOut_(std::move(ranOut)) {
    const Texture* frame = pictures.background;
    setGeometry(x, y, frame ? frame->getWidth() : 0, frame ? frame->getHeight() : 0);
    // Only a display: presses go through to the scene.
    setEnabled(false);
}

void TimerWidget::start(int total, int remaining) {
    total_ = std::max(total, 1);
    remaining_ = std::max(remaining, 0);
    running_ = true;
    paused_ = false;
}

void TimerWidget::update(int milliseconds, ScreenBase* /*screen*/) {
    if (!running_ || paused_) {
        return;
    }
    remaining_ = std::max(remaining_ - milliseconds, 0);
    if (remaining_ == 0) {
        running_ = false;
        if (ranOut_) {
            ranOut_();
        }
    }
}

void TimerWidget::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    if (pictures_.background) {
        graphics->drawImage(0, 0, pictures_.background, Color::white());
    }
    Texture* rail = pictures_.rail;
    if (!rail) {
        return;
    }
    // The rail is centred in the frame; fill and thumb follow it.
    const int railX = (getWidth() - rail->getWidth()) / 2;
    const int railY = (getHeight() - rail->getHeight()) / 2;
    graphics->drawImage(railX, railY, rail, Color::white());
    const int shown = static_cast<int>(static_cast<long long>(rail->getWidth()) * remaining_ / total_);
    if (pictures_.fill && shown > 0) {
        Texture* fill = pictures_.fill;
        graphics->drawImage(railX, railY, static_cast<unsigned>(shown), static_cast<unsigned>(fill->getHeight()), fill,
                            Rect(0.0f, 0.0f, static_cast<float>(shown), static_cast<float>(fill->getHeight())),
                            Color::white());
    }
    if (pictures_.thumb) {
        graphics->drawImage(railX + shown - pictures_.thumb->getWidth() / 2,
                            railY + rail->getHeight() / 2 - pictures_.thumb->getHeight() / 2, pictures_.thumb,
                            Color::white());
    }
}
