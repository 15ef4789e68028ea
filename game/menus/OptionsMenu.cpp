#include "game/menus/OptionsMenu.hpp"

#include <SDL/SDL_keysym.h>

#include "engine/app/GameApp.hpp"
#include "engine/app/GlobalEventManager.hpp"
#include "engine/persistence/GenericEntry.hpp"
#include "engine/persistence/SaveGame.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/text/Font.hpp"
#include "engine/widgets/CustomCheckBox.hpp"
#include "engine/widgets/CustomSliderWidget.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "engine/widgets/TextLabel.hpp"
#include "game/app/SharedResources.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/menus/MenuServices.hpp"
#include "game/persistence/GameSaveEntries.hpp"
#include "game/story/flow/GameFlow.hpp"

namespace {

const char* const kOpening = "content/animations/OptionsMenu/DialogStart.xml";
const char* const kClosing = "content/animations/OptionsMenu/DialogClose.xml";

// Layout inside the 560 x 600 frame.
constexpr int kLabelX = 84;
constexpr int kControlX = 262;
constexpr int kTrackWidth = 220;
constexpr int kTrackHeight = 18;
constexpr int kKnobY = -6;
constexpr int kBoxSize = 36;

const Color kTitleColor(94, 44, 18);
const Color kTextColor(62, 38, 22);

template <typename T>
GenericEntry<T>* entry(const char* name) {
    SaveGame* store = MenuServices::current().settings();
    return store ? dynamic_cast<GenericEntry<T>*>(store->findEntry(name)) : nullptr;
}

}  // namespace

OptionsMenu::OptionsMenu() : AnimatedDialogScreen("OptionsMenu", kOpening, kClosing, Width, Height) {}

OptionsMenu::~OptionsMenu() {
    if (GlobalEventManager* events = MenuServices::current().globalEvents()) {
        events->removeListener(eventRegistration_);
    }
}

void OptionsMenu::onEnter() {
    soundVolume_ = entry<int>(GameSaveEntries::kSoundVolume);
    musicVolume_ = entry<int>(GameSaveEntries::kMusicVolume);
    fullScreen_ = entry<char>(GameSaveEntries::kFullScreen);
    hardwareCursor_ = entry<char>(GameSaveEntries::kHardwareCursor);
    if (GlobalEventManager* events = MenuServices::current().globalEvents()) {
        eventRegistration_ = events->addListener(this);
        events->subscribe(eventRegistration_, GlobalEventManager::VideoModeChanged);
    }
    AnimatedDialogScreen::onEnter();
}

Texture* OptionsMenu::texture(const char* path) {
    ResourceManager* resources = getResourceManager();
    Texture* loaded = resources->getTexture(path);
    if (!loaded) {
        loaded = MenuServices::current().textures().load(path, nullptr, Texture::KeepNothing);
        resources->addTexture(path, loaded);
    }
    return loaded;
}

void OptionsMenu::addText(const std::string& text, Font* font, int x, int y, int mode) {
    auto* label = new TextLabel(text, font, mode == TextLabel::kModeTopLeft ? kTextColor : kTitleColor, mode);
    const int height = font ? font->getLineHeight() : 20;
    label->setGeometry(0, 0, mode == TextLabel::kModeTopLeft ? kControlX - x : Width, height);
    addControl(label, x, y);
}

void OptionsMenu::createContent() {
    const SharedResources& shared = SharedResources::instance();
    addText(MenuLook::label("OPTIONS"), shared.trajanPro22, 0, 56, TextLabel::kModeCenteredX);
    soundSlider_ = addSlider(SoundSlider, "SOUND", 140, soundVolume_);
    musicSlider_ = addSlider(MusicSlider, "MUSIC", 210, musicVolume_);
    cursorBox_ = addCheckBox(CustomCursorBox, "CUSTOM_CURSOR", 280, hardwareCursor_);
    fullScreenBox_ = addCheckBox(FullScreenBox, "FULL_SCREEN", 340, fullScreen_);

    auto* ok = new TarvikButton(this, OkButton, MenuLook::button("OK"));
    ok->setGeometry(0, 0, 220, 60);
    addControl(ok, 50, 420);
    auto* credits = new TarvikButton(this, CreditsButton, MenuLook::button("CREDITS"));
    credits->setGeometry(0, 0, 220, 60);
    addControl(credits, 290, 420);
    addText(MenuLook::label("VERSION") + " " + CHRONA_VERSION, shared.myriadPro16, 0, 512,
            TextLabel::kModeCenteredX);
}

CustomSliderWidget* OptionsMenu::addSlider(int id, const char* labelKey, int y, GenericEntry<int>* volume) {
    addText(MenuLook::label(labelKey), SharedResources::instance().trajanPro17B, kLabelX, y - 2,
            TextLabel::kModeTopLeft);
    Texture* knob = texture("content/images/widgets/SliderKnob.png");
    auto* slider = new CustomSliderWidget(this, id, knob, texture("content/images/widgets/SliderKnobOver.png"),
                                          IntRect(0, 0, kTrackWidth, kTrackHeight), 0, kKnobY);
    slider->setTrackImage(texture("content/images/widgets/SliderTrack.png"));
    slider->setGeometry(0, 0, kTrackWidth + knob->getWidth(), kTrackHeight);
    slider->setValue(volume ? static_cast<float>(volume->value) / 100.0f : 0.0f);
    return addControl(slider, kControlX, y);
}

CustomCheckBox* OptionsMenu::addCheckBox(int id, const char* labelKey, int y, GenericEntry<char>* setting) {
    addText(MenuLook::label(labelKey), SharedResources::instance().trajanPro17B, kLabelX, y + 6,
            TextLabel::kModeTopLeft);
    auto* box = new CustomCheckBox(this, id, texture("content/images/widgets/CheckBoxOff.png"),
                                   texture("content/images/widgets/CheckBoxOn.png"));
    box->setGeometry(0, 0, kBoxSize, kBoxSize);
    box->setChecked(setting && setting->value != 0);
    return addControl(box, kControlX, y);
}

void OptionsMenu::onSliderChanged(int id, float value) {
    const int volume = static_cast<int>(value * 100.0f);
    if (id == MusicSlider) {
        if (musicVolume_) {
            musicVolume_->value = volume;
        }
        MenuServices::current().setMusicVolume(volume);
    } else if (id == SoundSlider) {
        if (soundVolume_) {
            soundVolume_->value = volume;
        }
        MenuServices::current().setSoundVolume(volume);
    }
}

void OptionsMenu::onCheckBoxChanged(int id, bool checked) {
    if (id == FullScreenBox && fullScreen_) {
        fullScreen_->value = checked ? 1 : 0;
    } else if (id == CustomCursorBox) {
        if (hardwareCursor_) {
            hardwareCursor_->value = checked ? 1 : 0;
        }
        MenuServices::current().applyCursor(checked);
    }
}

void OptionsMenu::onTarvikButton(int id, int code) {
    if (code != 1 || getState() != Open) {
        return;
    }
    if (id == OkButton) {
        closeDialog(0);
    } else if (id == CreditsButton) {
        ScreenFactory* screens = GameFlow::instance().screens();
        if (ScreenBase* credits = screens ? screens->credits() : nullptr) {
            gameApp()->startState(credits);
        }
    }
}

void OptionsMenu::onKeyEvent(const KeyEvent& event) {
    if (event.action == KeyEvent::Press && event.key == SDLK_ESCAPE && getState() == Open) {
        closeDialog(0);
        return;
    }
    AnimatedDialogScreen::onKeyEvent(event);
}

void OptionsMenu::onGlobalEvent(int eventCode, int /*argument*/) {
    if (eventCode == GlobalEventManager::VideoModeChanged && getState() == Open && fullScreenBox_ && fullScreen_) {
        fullScreenBox_->setChecked(fullScreen_->value != 0);
    }
}

void OptionsMenu::onLeft(int /*result*/) {
    MenuServices& services = MenuServices::current();
    services.saveSettings();
    if (fullScreen_) {
        services.setFullScreen(fullScreen_->value != 0);
    }
    gameApp()->popState();
}
