#include "game/minigames/shooter/TargetLine.hpp"

TargetLine::TargetLine(int index, int x, int y, int width, int height, int orientation, int speed, int value)
    : index_(index), x_(x), y_(y), width_(width), height_(height), orientation_(orientation), speed_(speed),
      value_(value) {}

void TargetLine::addTarget(int width, int height) {
    Target target;
    target.id = static_cast<int>(targets_.size());
    target.line = index_;
    target.width = width;
    target.height = height;
    targets_.push_back(target);
}

void TargetLine::layOut() {
    const int count = static_cast<int>(targets_.size());
    next_ = 0;
    last_ = count - 1;
    spacing_ = count >= 2 ? width_ / (count - 1) : width_;
    const int startX = orientation_ == Leftwards ? spacing_ / 2 + x_ + width_ : x_ - spacing_ / 2;
    const int step = orientation_ == Leftwards ? spacing_ : -spacing_;
    const int centreY = y_ + height_ / 2;
    for (Target& target : targets_) {
        const int id = target.id;
        const int width = target.width;
        const int height = target.height;
        target = Target();
        target.id = id;
        target.line = index_;
        target.width = width;
        target.height = height;
        target.x = startX + id * step;
        target.y = centreY - height / 2;
    }
}

void TargetLine::comeRound(Target& target) {
    const Target& last = targets_[static_cast<std::size_t>(last_)];
    target.x = orientation_ == Leftwards ? last.x + last.width + spacing_ : last.x - last.width - spacing_;
    target.finished = false;
    next_ = (target.id + 1) % static_cast<int>(targets_.size());
    last_ = target.id;
}

void TargetLine::move(bool endPhase, int endSpeed, int discWidth) {
    const bool leftwards = orientation_ == Leftwards;
    const int dx = endPhase ? 2 * endSpeed : speed_;
    for (Target& target : targets_) {
        const bool inPlay = leftwards ? target.x + target.width >= x_ : target.x <= x_ + width_;
        if (!inPlay) {
            if (!endPhase) {
                comeRound(target);
            }
            continue;
        }
        target.x += leftwards ? -dx : dx;
        target.finished = leftwards ? target.x + discWidth < x_ : target.x > x_ + width_;
    }
}

void TargetLine::update(int milliseconds) {
    for (Target& target : targets_) {
        target.update(milliseconds);
    }
}

bool TargetLine::holds(const Target& target) const {
    return target.x >= x_ && target.x + target.width <= x_ + width_ && target.y >= y_;
}

bool TargetLine::allFinished() const {
    for (const Target& target : targets_) {
        if (!target.finished) {
            return false;
        }
    }
    return true;
}
