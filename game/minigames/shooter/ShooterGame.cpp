#include "game/minigames/shooter/ShooterGame.hpp"

#include "engine/core/RandomSource.hpp"

bool ShooterGame::qualifies(const TargetLine& line, const Target& target) const {
    return !target.hit && !line.holds(target);
}

void ShooterGame::drawGoal() {
    goalLine_ = goalItem_ = -1;
    if (lines_.empty()) {
        return;
    }
    for (int draw = 0; draw < GoalDraws; ++draw) {
        const TargetLine& line = lines_[static_cast<std::size_t>(random_.below(static_cast<int>(lines_.size())))];
        if (line.targets().empty()) {
            continue;
        }
        const Target& target =
            line.targets()[static_cast<std::size_t>(random_.below(static_cast<int>(line.targets().size())))];
        if (qualifies(line, target)) {
            goalLine_ = line.getIndex();
            goalItem_ = target.id;
            return;
        }
    }
    // Unlucky draws: the first picture that qualifies.
    for (const TargetLine& line : lines_) {
        for (const Target& target : line.targets()) {
            if (qualifies(line, target)) {
                goalLine_ = line.getIndex();
                goalItem_ = target.id;
                return;
            }
        }
    }
}

const Target* ShooterGame::goal() const {
    if (goalLine_ < 0) {
        return nullptr;
    }
    return &lines_[static_cast<std::size_t>(goalLine_)].targets()[static_cast<std::size_t>(goalItem_)];
}

void ShooterGame::startRound() {
    if (round_ >= MaxRounds) {
        over_ = true;
        return;
    }
    ++round_;
    clock_ = 0;
    for (TargetLine& line : lines_) {
        line.layOut();
    }
    // The goal may have been hit away or be waiting wholly inside a band no more.
    if (!goal() || goal()->hit) {
        drawGoal();
    }
}

void ShooterGame::update(int milliseconds) {
    if (!isPlaying()) {
        return;
    }
    const int endSpeed = lines_.empty() ? 0 : lines_.back().getSpeed();
    for (TargetLine& line : lines_) {
        line.move(isEndPhase(), endSpeed, discWidth_);
        line.update(milliseconds);
    }
    clock_ += milliseconds;
    if (clock_ >= RoundTime + EndPhaseTime) {
        startRound();
    }
}

const Target* ShooterGame::targetAt(int x, int y) const {
    if (covered_ && covered_(x, y)) {
        return nullptr;
    }
    for (const TargetLine& line : lines_) {
        for (const Target& target : line.targets()) {
            if (!target.hit && target.contains(x, y)) {
                return &target;
            }
        }
    }
    return nullptr;
}

ShooterGame::Shot ShooterGame::shoot(int x, int y) {
    if (!isPlaying() || (covered_ && covered_(x, y))) {
        return Elsewhere;
    }
    const Target* target = targetAt(x, y);
    if (!target) {
        // A shot into a band that hits no picture is a miss; anywhere else it is not.
        for (const TargetLine& line : lines_) {
            if (x >= line.getX() && x < line.getX() + line.getWidth() && y >= line.getY() &&
                y < line.getY() + line.getHeight()) {
                return Missed;
            }
        }
        return Elsewhere;
    }
    if (target->line != goalLine_ || target->id != goalItem_) {
        return Missed;
    }
    TargetLine& line = lines_[static_cast<std::size_t>(goalLine_)];
    line.targets()[static_cast<std::size_t>(goalItem_)].strike();
    score_ += line.getValue();
    ++hits_;
    if (isWon()) {
        over_ = true;
        goalLine_ = goalItem_ = -1;
        return Hit;
    }
    drawGoal();
    return Hit;
}
