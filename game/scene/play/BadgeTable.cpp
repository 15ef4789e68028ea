#include "game/scene/play/BadgeTable.hpp"

namespace {

const BadgeAward kAwards[] = {
    {0, "Points.GoldBadgeBonusPoints", "GOLD_REWARD_BADGE", 0},
    {1, "Points.BronzeBadgeBonusPoints", "SILVER_REWARD_BADGE", 1},
    {2, "Points.SilverBadgeBonusPoints", "BRONZE_REWARD_BADGE", 2},
};

}  // namespace

const BadgeAward* BadgeTable::forAttempt(int attempt) {
    if (attempt < 1 || attempt > 3) {
        return nullptr;
    }
    return &kAwards[attempt - 1];
}
