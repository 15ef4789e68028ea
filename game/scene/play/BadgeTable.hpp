#pragma once

// The badge a present scene earns when its challenge is met, by the visit it
// was met on: gold on the first, silver on the second, bronze on the third,
// nothing later. The silver badge pays the bronze bonus and the bronze badge
// the silver one.
struct BadgeAward {
    int badge;                   // RewardWidget::Badge
    const char* bonusParameter;  // tuning key of the bonus points
    const char* label;           // the text under the badge
    int newState;                // what the scene's badge state becomes
};

namespace BadgeTable {

constexpr int NoBadgeYet = 3;

// The award for an attempt (1 to 3), or null.
const BadgeAward* forAttempt(int attempt);

}  // namespace BadgeTable
