#include "game/scene/controls/RewardWidget.hpp"

#include <algorithm>

#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/config/Config.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/text/Font.hpp"
#include "engine/widgets/WidgetManager.hpp"

namespace {
const char* const kAnimations[] = {"content/animations/RewardBadges/Gold/BadgeAnimGold.xml",
                                   "content/animations/RewardBadges/Silver/BadgeAnimSilver.xml",
                                   "content/animations/RewardBadges/Bronze/BadgeAnimBronze.xml"};
const char* const kSounds[] = {"GOLD_REWARD_EFFECT", "SILVER_REWARD_EFFECT", "BRONZE_REWARD_EFFECT"};
}  // namespace

RewardWidget::RewardWidget(RewardWidgetListener* listener, int badge, const std::string& text, Font* font,
                           TextureFactory* textures)
    : listener_(listener),
      badge_(std::clamp(badge, static_cast<int>(Gold), static_cast<int>(Bronze))),
      text_(text),
      font_(font),
      player_(std::make_unique<AnimationPlayer>(this, textures)) {
    setGeometry(0, 0, Config::instance().getWidth(), Config::instance().getHeight());
}

RewardWidget::~RewardWidget() = default;

const char* RewardWidget::animationFile(int badge) {
    return kAnimations[std::clamp(badge, 0, 2)];
}

const char* RewardWidget::soundName(int badge) {
    return kSounds[std::clamp(badge, 0, 2)];
}

void RewardWidget::play() {
    if (getManager()) {
        getManager()->setInputEnabled(false);
    }
    player_->loadAnimation(ContentPath::resolve(animationFile(badge_)), AnimationId);
    player_->playAnimation(AnimationId, AnimationId);
    playing_ = true;
    SfxContainer::instance().play(soundName(badge_));
    if (listener_) {
        listener_->rewardStarted(this);
    }
}

void RewardWidget::update(int milliseconds, ScreenBase* /*screen*/) {
    // The badge is drawn by this widget, above the dimmed screen.
    Animation2D* animation = player_->getAnimation(AnimationId);
    if (animation) {
        animation->update(milliseconds, nullptr);
    }
    // A badge animation that could not be read must not hold the screen.
    if (playing_ && (!animation || animation->getLength() <= 0 || !player_->isPlaying(AnimationId))) {
        animationFinished(AnimationId);
    }
}

void RewardWidget::draw(Graphics* graphics, ScreenBase* /*screen*/) {
    graphics->fillRect(0, 0, getWidth(), getHeight(), Color(32, 32, 32, 100));
    if (font_) {
        font_->drawTextInBox(graphics, IntRect(0, getHeight() / 2 + 170, getWidth(), 32), text_, Color::white(),
                             Font::kAlignCenter, Font::kAlignMiddle, false);
    }
    if (Animation2D* animation = player_->getAnimation(AnimationId)) {
        animation->draw(graphics, nullptr);
    }
}

void RewardWidget::animationFinished(int /*id*/) {
    playing_ = false;
    if (getManager()) {
        getManager()->setInputEnabled(true);
    }
    if (listener_) {
        listener_->rewardEnded(this);
    }
}
