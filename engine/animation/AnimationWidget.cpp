#include "engine/animation/AnimationWidget.hpp"

#include <algorithm>

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"

AnimationWidget::AnimationWidget(const std::string& path, int id, AnimationListener* listener,
                                 TextureFactory* textures)
    : id_(id), listener_(listener), player_(std::make_unique<AnimationPlayer>(this, textures)) {
    animation_ = player_->loadAnimation(path, id_);
    if (animation_ != nullptr) {
        setGeometry(0, 0, animation_->getWidth(), animation_->getHeight());
    }
}

AnimationWidget::AnimationWidget(const Sheet& sheet, bool loop, int id, AnimationListener* listener)
    : id_(id), listener_(listener), sheet_(sheet), loop_(loop) {
    sheet_.frames = std::max(1, sheet_.frames);
    if (sheet_.texture != nullptr) {
        setGeometry(0, 0, sheet_.texture->getWidth() / std::max(1, sheet_.columns),
                    sheet_.texture->getHeight() / std::max(1, sheet_.rows));
    }
}

AnimationWidget::~AnimationWidget() = default;

void AnimationWidget::play() {
    stop();
    playing_ = true;
    finished_ = false;
    if (player_) {
        player_->playAnimation(id_);
    }
}

void AnimationWidget::stop() {
    if (player_) {
        player_->stopAnimation(id_);
    }
    playing_ = false;
    frame_ = 0;
    elapsed_ = 0;
}

void AnimationWidget::update(int milliseconds, ScreenBase* screen) {
    if (!playing_) {
        return;
    }
    if (animation_ != nullptr) {
        animation_->update(milliseconds, screen);
        return;
    }
    if (sheet_.frameDuration <= 0) {
        return;
    }
    elapsed_ += milliseconds;
    while (playing_ && elapsed_ >= sheet_.frameDuration) {
        elapsed_ -= sheet_.frameDuration;
        if (frame_ + 1 < sheet_.frames) {
            ++frame_;
        } else if (loop_) {
            frame_ = 0;
        } else {
            end();
        }
    }
}

void AnimationWidget::draw(Graphics* graphics, ScreenBase* screen) {
    if (finished_) {
        return;
    }
    if (animation_ != nullptr) {
        animation_->draw(graphics, screen);
        return;
    }
    if (Texture* texture = sheet_.texture) {
        const Rect cell = Graphics::frameGrid(texture->getWidth(), texture->getHeight(), sheet_.columns,
                                              sheet_.rows, frame_, true);
        graphics->drawImage(0, 0, static_cast<unsigned>(getWidth()), static_cast<unsigned>(getHeight()), texture,
                            cell, Color::white());
    }
}

void AnimationWidget::animationFinished(int /*id*/) {
    end();
}

void AnimationWidget::end() {
    playing_ = false;
    finished_ = true;
    if (listener_ != nullptr) {
        listener_->animationFinished(id_);
    }
}
