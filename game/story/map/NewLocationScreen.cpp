#include "game/story/map/NewLocationScreen.hpp"

#include "engine/actions/TinyActionSequence.hpp"
#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/app/GameApp.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/text/Font.hpp"
#include "engine/transitions/FadeOutTransition.hpp"
#include "game/app/SharedResources.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/menus/MenuServices.hpp"
#include "game/story/cutscenes/StoryMusic.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/map/MapFile.hpp"
#include "game/story/map/MapTextures.hpp"
#include "game/story/map/StoryText.hpp"

namespace {

// The location's picture sits in the bottom-right corner, its description
// in a box across the middle of the map.
constexpr int kPictureX = 784;
constexpr int kPictureY = 478;
constexpr int kTextX = 212;
constexpr int kTextY = 520;
constexpr int kTextWidth = 561;
constexpr int kTextHeight = 120;

}  // namespace

NewLocationScreen::NewLocationScreen(const std::string& caption, int sceneId, int musicId, bool advance)
    : ScreenBase("NewLocationScreen"), caption_(caption), sceneId_(sceneId), musicId_(musicId), advance_(advance) {
    setLeaveTransition(new FadeOutTransition(MenuServices::current().parameter("HOScene.FadeOutTransition", 500)));
}

NewLocationScreen::~NewLocationScreen() = default;

void NewLocationScreen::build() {
    MapTextures::load(*getResourceManager(), MenuServices::current().textures());
}

void NewLocationScreen::onEnter() {
    blink_ = std::make_unique<TinyActionSequence>();
    blink_->addAction(new TinyRelIncrementator<int>(BlinkStepMilliseconds, &pinAlpha_, -255));
    blink_->addAction(new TinyRelIncrementator<int>(BlinkStepMilliseconds, &pinAlpha_, 255));

    MapFile file;
    file.load();
    TextureFactory& textures = MenuServices::current().textures();
    for (const MapFile::Pin& pin : file.pins()) {
        Texture* picture = textures.load(file.path() + pin.normal, nullptr, Texture::KeepNothing);
        getResourceManager()->addTexture("NEW_LOCATION_" + std::to_string(pictures_.size()), picture);
        pictures_.push_back(picture);
        pins_.emplace_back(pin.x, pin.y);
    }
    StoryMusic::play(*getResourceManager(), musicId_);
}

void NewLocationScreen::onEntered() {
    blink_->start(this, BlinkTag);
}

void NewLocationScreen::actionFinished(int tag) {
    if (tag == BlinkTag) {
        blink_->start(this, BlinkTag);
    }
}

void NewLocationScreen::onUpdate(int milliseconds) {
    if (blink_) {
        blink_->update(milliseconds);
    }
}

const std::pair<int, int>* NewLocationScreen::pinPosition() const {
    const int location = locationNumber();
    return location >= 0 && location < static_cast<int>(pins_.size()) ? &pins_[location] : nullptr;
}

void NewLocationScreen::drawBackground(Graphics* graphics) {
    graphics->drawImage(0, 0, getResourceManager()->getTexture("MAP_BG_PRESENT"), Color::white());
}

void NewLocationScreen::drawForeground(Graphics* graphics) {
    const SharedResources& shared = SharedResources::instance();
    if (Font* title = shared.trajanPro22FX) {
        const int titleY = static_cast<int>(1.5f * title->getLineHeight());
        StoryText::centredLine(graphics, title, titleY, MenuLook::label("NEW_LOCATION"));
        if (!caption_.empty()) {
            StoryText::centredLine(graphics, title, titleY + title->getLineHeight(), caption_);
        }
        const std::string description = MenuLook::label("SCENE_DESCRIPTION_" + std::to_string(sceneId_));
        Font* font = title->textWidth(description) < LargeTextWidth || !shared.trajanPro14FX ? title
                                                                                            : shared.trajanPro14FX;
        StoryText::box(graphics, font, IntRect(kTextX, kTextY, kTextWidth, kTextHeight), description,
                       Font::kAlignMiddle);
    }
    const std::pair<int, int>* pin = pinPosition();
    Texture* pinPicture = getResourceManager()->getTexture("MAP_PINPOINT");
    if (pin && pinPicture) {
        graphics->drawImage(pin->first - pinPicture->getWidth() / 2, pin->second - pinPicture->getHeight() / 2,
                            pinPicture, Color(255, 255, 255, static_cast<unsigned char>(pinAlpha_)));
    }
    if (Font* prompt = shared.trajanPro14) {
        StoryText::centredLine(graphics, prompt, MenuLook::screenHeight() - prompt->getLineHeight(),
                        MenuLook::label("CLICK_TO_CONTINUE"));
    }
    const int location = locationNumber();
    if (location >= 0 && location < static_cast<int>(pictures_.size())) {
        graphics->drawImage(kPictureX, kPictureY, pictures_[location], Color::white());
    }
}

void NewLocationScreen::onMouseReleased(const MouseEvent& /*event*/) {
    if (getPhase() == Shown) {
        startLeave(0, true);
    }
}

void NewLocationScreen::onLeft(int /*result*/) {
    GameFlow::instance().handOver(gameApp(), GameFlow::instance().nextScreen(advance_));
}
