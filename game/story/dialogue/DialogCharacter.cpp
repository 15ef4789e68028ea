#include "game/story/dialogue/DialogCharacter.hpp"

#include "engine/actions/TinyActionDelay.hpp"
#include "engine/actions/TinyActionSequence.hpp"
#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/actions/TinySetter.hpp"
#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/render/Color.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/text/Font.hpp"

namespace {

// The panel under the words, as dark as the words are visible.
constexpr int kPanelAlpha = 150;

unsigned char byte(int value) {
    return static_cast<unsigned char>(value < 0 ? 0 : (value > 255 ? 255 : value));
}

}  // namespace

DialogCharacter::DialogCharacter() = default;
DialogCharacter::~DialogCharacter() = default;

void DialogCharacter::attach(AnimationPlayer* player, WidgetManager* manager, int slotBase) {
    player_ = player;
    manager_ = manager;
    slotBase_ = slotBase;
}

void DialogCharacter::playAnimation(int index) {
    if (!player_ || index < 0 || index >= AnimationCount || animations[static_cast<std::size_t>(index)].empty()) {
        return;
    }
    for (int other = 0; other < AnimationCount; ++other) {
        if (other == index) {
            continue;
        }
        if (Animation2D* shown = player_->getAnimation(slotBase_ + other)) {
            player_->stopAnimation(slotBase_ + other);
            shown->setVisible(false);
        }
    }
    const int slot = slotBase_ + index;
    Animation2D* animation = player_->loadAnimation(animations[static_cast<std::size_t>(index)], slot);
    if (!animation) {
        return;
    }
    animation->setVisible(true);
    player_->stopAnimation(slot);
    player_->playAnimation(slot, 0, x, y, manager_);
}

int DialogCharacter::animationLength(int index) const {
    const Animation2D* animation = player_ ? player_->getAnimation(slotBase_ + index) : nullptr;
    return animation ? animation->getLength() : 0;
}

void DialogCharacter::talk(const std::string& text, bool newSpeaker) {
    text_ = text;
    if (newSpeaker) {
        playAnimation(BeginTalkAnimation);
    }
    fade(0, animationLength(BeginTalkAnimation) / 2, 255);
}

void DialogCharacter::endTalk() {
    playAnimation(EndTalkAnimation);
    fade(255, 0, -255);
}

void DialogCharacter::fade(int from, int delay, int delta) {
    textAlpha_ = from;
    fade_ = std::make_unique<TinyActionSequence>();
    fade_->addAction(new TinySetter<int>(&textAlpha_, from));
    if (delay > 0) {
        fade_->addAction(new TinyActionDelay(delay));
    }
    fade_->addAction(new TinyRelIncrementator<int>(TextFadeMilliseconds, &textAlpha_, delta));
    fade_->start(nullptr, 0);
}

void DialogCharacter::update(int milliseconds) {
    if (fade_ && fade_->isRunning()) {
        fade_->update(milliseconds);
    }
}

void DialogCharacter::drawSpeech(Graphics* graphics, Font* font, const std::string& shownName) const {
    if (!font || textAlpha_ <= 0) {
        return;
    }
    const Color panel(0, 0, 0, byte(kPanelAlpha * textAlpha_ / 255));
    const Color ink(255, 255, 255, byte(textAlpha_));
    for (const IntRect& box : {textBox, nameBox}) {
        if (box.w > 0 && box.h > 0) {
            graphics->fillRect(box.x, box.y, box.w, box.h, panel);
        }
    }
    font->drawTextInBox(graphics, textBox, text_, ink, Font::kAlignCenter, Font::kAlignMiddle, true);
    font->drawTextInBox(graphics, nameBox, shownName, ink, Font::kAlignCenter, Font::kAlignMiddle, false);
}
