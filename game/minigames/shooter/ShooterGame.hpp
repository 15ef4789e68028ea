#pragma once

#include <functional>
#include <vector>

#include "game/minigames/shooter/TargetLine.hpp"

class RandomSource;

// The rules of the shooting gallery without any drawing. Rounds of 30 s (a
// banner for the first 3 s) are followed by a 5 s end phase in which every
// line runs fast and empties; then the next round lays the lines out afresh.
// One goal picture at a time is drawn at random among those not hit and not
// yet wholly in their band; a shot on it scores its line's value and draws the
// next goal, any other shot is a miss. The player wins with GoalsToWin hits;
// a gallery that runs through MaxRounds rounds ends as well.
class ShooterGame {
public:
    enum Shot { Hit = 0, Missed = 1, Elsewhere = 2 };

    static constexpr int RoundTime = 30000;
    static constexpr int BannerTime = 3000;
    static constexpr int EndPhaseTime = 5000;
    static constexpr int MaxRounds = 10;
    static constexpr int GoalsToWin = 10;
    static constexpr int GoalDraws = 1000;

    // random draws the goals; it must outlive the game.
    explicit ShooterGame(RandomSource& random) : random_(random) {}

    void addLine(const TargetLine& line) { lines_.push_back(line); }
    // True where the frame over the gallery hides what lies under it.
    void setMask(std::function<bool(int, int)> covered) { covered_ = std::move(covered); }
    void setDiscWidth(int width) { discWidth_ = width; }

    // Picks the next goal; none when no picture qualifies.
    void drawGoal();
    // Starts the next round, or ends the game after the last one.
    void startRound();
    // One tick: travel, the hit pictures' fall and the round's clock.
    void update(int milliseconds);
    // A shot at (x, y) on the screen.
    Shot shoot(int x, int y);

    bool isOver() const { return over_; }
    bool isWon() const { return hits_ >= GoalsToWin; }
    bool isPlaying() const { return round_ > 0 && !over_; }
    bool isBannerShown() const { return isPlaying() && clock_ < BannerTime; }
    bool isEndPhase() const { return isPlaying() && clock_ >= RoundTime; }
    int getScore() const { return score_; }
    int getHits() const { return hits_; }
    int getRound() const { return round_; }
    int getClock() const { return clock_; }
    // The goal's line and picture, -1 without a goal.
    int getGoalLine() const { return goalLine_; }
    int getGoalItem() const { return goalItem_; }
    const Target* goal() const;
    std::vector<TargetLine>& lines() { return lines_; }
    const std::vector<TargetLine>& lines() const { return lines_; }
    // The picture a shot at (x, y) lands on, null for none (or the frame).
    const Target* targetAt(int x, int y) const;

private:
    bool qualifies(const TargetLine& line, const Target& target) const;

    RandomSource& random_;
    std::vector<TargetLine> lines_;
    std::function<bool(int, int)> covered_;
    int discWidth_ = 0;
    int goalLine_ = -1;
    int goalItem_ = -1;
    int score_ = 0;
    int hits_ = 0;
    int round_ = 0;
    int clock_ = 0;
    bool over_ = false;
};
