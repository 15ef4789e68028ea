#include "game/story/map/NewMapScreen.hpp"

#include <string>

#include "engine/app/GameApp.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/text/Font.hpp"
#include "engine/transitions/FadeInTransition.hpp"
#include "engine/transitions/FadeOutTransition.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "game/app/SharedResources.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/menus/MenuServices.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/persistence/SessionRecord.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ScreenTypes.hpp"
#include "game/story/map/MapPins.hpp"
#include "game/story/map/MapTextures.hpp"
#include "game/story/map/NewMapScreenListener.hpp"
#include "game/story/map/StoryText.hpp"

namespace {

// Where the map writes: the view's title on top, the description of the
// scene under the pointer in the strip at the bottom, and the location's
// picture with its name in the bottom-right corner.
constexpr int kTitleY = 18;
constexpr int kDescriptionX = 236;
constexpr int kDescriptionY = 630;
constexpr int kDescriptionWidth = 540;
constexpr int kDescriptionHeight = 56;
constexpr int kCardX = 784;
constexpr int kCardY = 478;
// The text buttons use the menus' parchment button.
constexpr int kButtonWidth = 220;
constexpr int kButtonHeight = 60;

PlayerProfile* profile() {
    return PlayerProfiles::instance().currentProfile();
}

std::string sceneLabel(const char* prefix, int sceneId) {
    return MenuLook::label(prefix + std::to_string(sceneId));
}

}  // namespace

NewMapScreen::NewMapScreen(NewMapScreenListener* caller, int view, int mode)
    : ScreenBase("NewMapScreen"), caller_(caller), view_(view), mode_(mode) {
    setEnterTransition(new FadeInTransition(FadeMilliseconds));
    setLeaveTransition(new FadeOutTransition(FadeMilliseconds));
}

void NewMapScreen::build() {
    MapTextures::load(*getResourceManager(), MenuServices::current().textures());
}

void NewMapScreen::onEnter() {
    ResourceManager& resources = *getResourceManager();
    Font* font = SharedResources::instance().trajanPro14;
    auto* switchView = new TarvikButton(this, SwitchView,
                                        TarvikButtonStyle::standard(resources.getTexture("MAP_SWITCH_TIME_N"),
                                                                    resources.getTexture("MAP_SWITCH_TIME_O"),
                                                                    font, std::string()));
    const Texture* switchPicture = resources.getTexture("MAP_SWITCH_TIME_N");
    controls_[SwitchView] = switchView;
    addWidget(switchView);
    switchView->setGeometry(14, 624, switchPicture->getWidth(), switchPicture->getHeight());
    addControl(Back, new TarvikButton(this, Back, MenuLook::button("BACK")), 0, 712);
    addControl(Progress, new TarvikButton(this, Progress, MenuLook::button("PLAYER_PROGRES")),
               MenuLook::screenWidth() - kButtonWidth, 712);
    addControl(MainMenu, new TarvikButton(this, MainMenu, MenuLook::button("MAIN_MENU")), 378, 688);
    if (!caller_) {
        controls_[Back]->deactivate();
    }
    addPins();
    applyView();
}

void NewMapScreen::addControl(int id, TarvikButton* button, int x, int y) {
    button->setGeometry(x, y, kButtonWidth, kButtonHeight);
    controls_[id] = button;
    addWidget(button);
}

void NewMapScreen::addPins() {
    file_.load();
    TextureFactory& textures = MenuServices::current().textures();
    ResourceManager& resources = *getResourceManager();
    const PlayerProfile* player = profile();
    for (const MapFile::Pin& entry : file_.pins()) {
        Texture* normal = textures.load(file_.path() + entry.normal, nullptr, Texture::KeepNothing);
        Texture* highlighted = textures.load(file_.path() + entry.highlighted, nullptr, Texture::KeepNothing);
        resources.addTexture("MAP_LOCATION_N_" + std::to_string(entry.sceneId), normal);
        resources.addTexture("MAP_LOCATION_O_" + std::to_string(entry.sceneId), highlighted);
        cards_[entry.sceneId] = {normal, highlighted};

        const MapPins::Choice choice = MapPins::choose(player, entry.sceneId, mode_);
        const char* key = MapPins::textureKey(choice.look);
        Texture* picture = key ? resources.getTexture(key) : nullptr;
        if (!picture || picture->getWidth() == 0) {
            continue;
        }
        TarvikButtonStyle style = TarvikButtonStyle::standard(picture, picture, nullptr, std::string());
        style.appearances[TarvikButtonStyle::Over].scale = 1.2f;
        auto* pin = new TarvikButton(this, entry.sceneId, style);
        pin->setGeometry(entry.x - picture->getWidth() / 2, entry.y - picture->getHeight() / 2,
                         picture->getWidth(), picture->getHeight());
        if (!choice.active) {
            pin->deactivate();
        }
        pins_[entry.sceneId] = pin;
        addWidget(pin);
    }
}

void NewMapScreen::applyView() {
    for (const auto& [sceneId, pin] : pins_) {
        const bool shown = MapPins::isShownIn(view_, sceneId);
        pin->setVisible(shown);
        pin->setEnabled(shown);
    }
}

void NewMapScreen::onEntered() {
    const PlayerProfile* player = profile();
    const SessionRecord* session = player ? player->currentSessionRecord() : nullptr;
    openedAt_ = session ? session->mapScene : -1;
}

TarvikButton* NewMapScreen::pin(int sceneId) const {
    const auto found = pins_.find(sceneId);
    return found != pins_.end() ? found->second : nullptr;
}

TarvikButton* NewMapScreen::control(int id) const {
    const auto found = controls_.find(id);
    return found != controls_.end() ? found->second : nullptr;
}

void NewMapScreen::onTarvikButton(int id, int code) {
    const bool isPin = pins_.count(id) != 0;
    if (code == 2) {
        if (isPin) {
            hoveredScene_ = id;
        } else if (id == MainMenu || id == Back || id == Progress) {
            hoveredControl_ = id;
        }
        return;
    }
    if (code == 3) {
        selected_ = -1;
        hoveredScene_ = -1;
        hoveredControl_ = -1;
        return;
    }
    if (code != 1 || getPhase() != Shown) {
        return;
    }
    if (isPin) {
        choose(id);
    } else if (id == SwitchView) {
        view_ = view_ == MapPins::PastView ? MapPins::PresentView : MapPins::PastView;
        applyView();
    } else if (id == Progress) {
        FlowParameters overlay;
        overlay.set("overlay", 1);
        if (ScreenBase* progress = GameFlow::instance().createScreen(ScreenTypes::PlayerProgress, overlay)) {
            gameApp()->startState(progress);
        }
    } else {
        startLeave(id, true);
    }
}

void NewMapScreen::choose(int sceneId) {
    selected_ = sceneId;
    const PlayerProfile* player = profile();
    if (!player || MapPins::isUntouched(*player, sceneId) || MapPins::isCompleted(*player, sceneId)) {
        return;
    }
    startLeave(Play, true);
}

void NewMapScreen::drawBackground(Graphics* graphics) {
    Texture* map = getResourceManager()->getTexture(view_ == MapPins::PastView ? "MAP_BG_PAST" : "MAP_BG_PRESENT");
    graphics->drawImage(0, 0, map, Color::white());
}

void NewMapScreen::drawForeground(Graphics* graphics) {
    const SharedResources& shared = SharedResources::instance();
    if (Font* title = shared.trajanPro22FX) {
        StoryText::centredLine(graphics, title, kTitleY,
                               MenuLook::label(view_ == MapPins::PastView ? "PAST_LOCATIONS" : "PRESENT_LOCATIONS"));
    }
    const int shownScene = hoveredScene_ >= 0 ? hoveredScene_ : selected_;
    std::string text = MenuLook::label("COMPLETE_LOCATIONS_HINT");
    if (shownScene >= 0) {
        text = sceneLabel("SCENE_DESCRIPTION_", shownScene);
    } else if (hoveredControl_ == Progress) {
        text = MenuLook::label("GAME_PROGRESS_HINT");
    }
    if (Font* font = shared.trajanPro14) {
        StoryText::box(graphics, font, IntRect(kDescriptionX, kDescriptionY, kDescriptionWidth, kDescriptionHeight),
                     text, Font::kAlignMiddle);
    }
    if (shownScene >= 0) {
        drawLocationCard(graphics, shownScene, shownScene == hoveredScene_);
    }
}

void NewMapScreen::drawLocationCard(Graphics* graphics, int sceneId, bool highlighted) {
    const auto card = cards_.find(sceneId);
    if (card == cards_.end()) {
        return;
    }
    Texture* picture = highlighted ? card->second.second : card->second.first;
    graphics->drawImage(kCardX, kCardY, picture, Color::white());
    if (Font* font = SharedResources::instance().trajanPro12FX) {
        StoryText::box(graphics, font, IntRect(kCardX, kCardY - font->getLineHeight() - 4, picture->getWidth(),
                                             font->getLineHeight()),
                     sceneLabel("SCENE_", sceneId), Font::kAlignTop);
    }
}

void NewMapScreen::onLeft(int result) {
    // Popping deletes this screen: what is needed afterwards is copied first.
    NewMapScreenListener* caller = caller_;
    const int selected = selected_;
    const int openedAt = openedAt_;
    StateStack* stack = gameApp();
    if (result == MainMenu) {
        if (caller) {
            stack->popState();
            caller->mapAction(NewMapScreenListener::MainMenu, -1);
        } else {
            ScreenFactory* screens = GameFlow::instance().screens();
            GameFlow::instance().handOver(stack, screens ? screens->mainMenu() : nullptr);
        }
    } else if (result == Play) {
        if (caller) {
            stack->popState();
            caller->mapAction(selected != openedAt ? NewMapScreenListener::OtherScene
                                                   : NewMapScreenListener::SameScene,
                              selected);
        } else {
            GameFlow::instance().handOver(stack, GameFlow::instance().chooseLocation(selected));
        }
    } else {
        stack->popState();
        if (caller) {
            caller->mapAction(NewMapScreenListener::Closed, -1);
        }
    }
}
