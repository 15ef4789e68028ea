#include "game/menus/MainMenu.hpp"

#include <algorithm>
#include <vector>

#include "engine/app/GameApp.hpp"
#include "engine/audio/Music.hpp"
#include "engine/dialogs/MessageQuestionDialog.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/text/Font.hpp"
#include "engine/transitions/FadeInTransition.hpp"
#include "engine/transitions/FadeOutTransition.hpp"
#include "engine/widgets/TarvikButton.hpp"
#include "engine/widgets/TextLabel.hpp"
#include "game/app/SharedResources.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/menus/MenuServices.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ResultCodes.hpp"
#include "game/story/map/MapPins.hpp"

namespace {

// The column of text buttons, centred on the canvas.
constexpr int kColumnCentre = 512;
constexpr int kButtonWidth = 220;
constexpr int kButtonHeight = 60;

struct MenuEntry {
    int id;
    const char* label;
    int y;
};

const MenuEntry kEntries[] = {
    {MainMenu::Play, "PLAY", 270},
    {MainMenu::Continue, "CONTINUE_GAME", 350},
    {MainMenu::Options, "OPTIONS", 430},
    {MainMenu::ChangeProfile, "CHANGE_PROFILE", 510},
    {MainMenu::ExitGame, "EXIT_GAME", 590},
};

// The painting hangs on the right, beside the column; the map lies on the left.
constexpr int kPaintingX = 842;
constexpr int kPaintingY = 566;
constexpr int kMapX = 62;
constexpr int kMapY = 566;

const Color kWelcomeColor(246, 232, 200);
const Color kShadowColor(20, 12, 6, 200);

}  // namespace

MainMenu::MainMenu() : ScreenBase("MainMenu") {
    setEnterTransition(new FadeInTransition(FadeMilliseconds));
    setLeaveTransition(new FadeOutTransition(FadeMilliseconds));
}

void MainMenu::build() {
    TextureFactory& textures = MenuServices::current().textures();
    background_ = textures.load(Background, nullptr, Texture::KeepNothing);
    getResourceManager()->addTexture("MAIN_MENU_BG", background_);
}

void MainMenu::onEnter() {
    for (const MenuEntry& entry : kEntries) {
        const int x = kColumnCentre - kButtonWidth / 2;
        addButton(entry.id, new TarvikButton(this, entry.id, MenuLook::button(entry.label)), x, entry.y);
    }
    addPictureButton(Painting, PaintingNormal, PaintingOver, kPaintingX, kPaintingY);
    addPictureButton(WorldMap, MapNormal, MapOver, kMapX, kMapY);

    Font* font = SharedResources::instance().aldine26;
    welcomeLabel_ = new TextLabel(MenuLook::label("WELCOME"), font, kWelcomeColor);
    welcomeLabel_->setShadowColor(kShadowColor);
    const int welcomeWidth = font ? font->textWidth(welcomeLabel_->getText()) : 0;
    const int lineHeight = font ? font->getLineHeight() : 0;
    welcomeLabel_->setGeometry(111, 740 - lineHeight, welcomeWidth, lineHeight);
    addWidget(welcomeLabel_);
    nameLabel_ = new TextLabel(std::string(), font, kWelcomeColor);
    nameLabel_->setShadowColor(kShadowColor);
    nameLabel_->setGeometry(111 + welcomeWidth, 740 - lineHeight, 400, lineHeight);
    addWidget(nameLabel_);
    refresh();
    playMusic();
}

void MainMenu::addButton(int id, TarvikButton* button, int x, int y) {
    button->setGeometry(x, y, kButtonWidth, kButtonHeight);
    buttons_[id] = button;
    addWidget(button);
}

void MainMenu::addPictureButton(int id, const char* normal, const char* over, int x, int y) {
    TextureFactory& textures = MenuServices::current().textures();
    Texture* normalTexture = textures.load(normal, nullptr, Texture::KeepAlphaMap);
    Texture* overTexture = textures.load(over, nullptr, Texture::KeepNothing);
    getResourceManager()->addTexture(normal, normalTexture);
    getResourceManager()->addTexture(over, overTexture);
    TarvikButtonStyle style = TarvikButtonStyle::standard(normalTexture, overTexture, nullptr, std::string());
    style.hitMask = normalTexture;
    auto* button = new TarvikButton(this, id, style);
    addButton(id, button, x, y);
    button->setGeometry(x, y, normalTexture->getWidth(), normalTexture->getHeight());
}

int MainMenu::worldMapMode() {
    const PlayerProfile* profile = PlayerProfiles::instance().currentProfile();
    if (!profile) {
        return MapPins::AllPinsMode;
    }
    const std::vector<int>& scenes = SceneIndex::instance().idsInFileOrder();
    const bool allCompleted = !scenes.empty() && std::all_of(scenes.begin(), scenes.end(), [profile](int id) {
        return id < 100 || id > 219 || profile->isSceneCompleted(id);
    });
    return allCompleted ? MapPins::AllCheckedMode : MapPins::AllPinsMode;
}

void MainMenu::playMusic() {
    Music* music = MenuServices::current().sceneMusic(MusicIndex);
    if (music == nullptr) {
        return;
    }
    getResourceManager()->addMusic("MAIN_MUSIC", music);
    music->load();
    music->play(-1);
}

void MainMenu::onEntered() {
    if (PlayerProfiles::instance().count() == 0) {
        refresh();
    }
}

void MainMenu::resume(StateStack* app) {
    ScreenBase::resume(app);
    refresh();
}

void MainMenu::refresh() {
    const PlayerProfiles& profiles = PlayerProfiles::instance();
    const PlayerProfile* profile = profiles.currentProfile();
    if (nameLabel_) {
        nameLabel_->setText(profile ? profile->name : std::string());
    }
    if (TarvikButton* continueButton = button(Continue)) {
        if (profile && profile->currentSession != -1) {
            continueButton->activate();
        } else {
            continueButton->deactivate();
        }
    }
    if (profiles.count() == 0 && getPhase() == Shown) {
        if (ScreenFactory* screens = GameFlow::instance().screens()) {
            open(screens->profilesMenu());
        }
    }
}

TarvikButton* MainMenu::button(int id) const {
    const auto found = buttons_.find(id);
    return found != buttons_.end() ? found->second : nullptr;
}

void MainMenu::onTarvikButton(int id, int code) {
    if (code == 2 && id <= ExitGame) {
        hovered_ = id;
    } else if (code == 3 && id <= ExitGame) {
        hovered_ = -1;
    }
    if (code != 1 || getPhase() != Shown) {
        return;
    }
    ScreenFactory* screens = GameFlow::instance().screens();
    switch (id) {
        case Play:
            newGame();
            break;
        case Continue:
            startLeave(ResultCodes::MenuContinue, true);
            break;
        case Options:
            open(screens ? screens->options() : nullptr);
            break;
        case ChangeProfile:
            open(screens ? screens->profilesMenu() : nullptr);
            break;
        case ExitGame:
            if (ScreenBase* question = screens ? screens->quitDialog() : nullptr) {
                open(question);
            } else {
                startLeave(ResultCodes::MenuQuit, true);
            }
            break;
        case Painting:
            startLeave(ResultCodes::MenuPainting, true);
            break;
        case WorldMap:
            startLeave(worldMapMode(), true);
            break;
        default:
            break;
    }
}

void MainMenu::newGame() {
    const PlayerProfile* profile = PlayerProfiles::instance().currentProfile();
    if (!profile || !profile->started) {
        startLeave(ResultCodes::MenuNewGame, true);
        return;
    }
    addWidget(new MessageQuestionDialog(
        MenuLook::question("LOSE_PROGRESS_CAPTION", "LOSE_PROGRESS_MESSAGE", "NO", "YES"), this,
        LoseProgressDialogId));
}

void MainMenu::onDialogAnswer(int dialogId, int answer) {
    if (dialogId == LoseProgressDialogId && answer == 1) {
        startLeave(ResultCodes::MenuNewGame, true);
    }
}

void MainMenu::open(ScreenBase* screen) {
    if (screen) {
        gameApp()->startState(screen);
    }
}

void MainMenu::onLeft(int result) {
    GameFlow& flow = GameFlow::instance();
    GameApp* app = gameApp();
    switch (result) {
        case ResultCodes::MenuNewGame:
            flow.handOver(app, flow.newGame());
            break;
        case ResultCodes::MenuContinue:
            flow.handOver(app, flow.continueGame());
            break;
        case ResultCodes::MenuPainting:
            flow.handOver(app, flow.screens() ? flow.screens()->pieceFound(-1) : nullptr);
            break;
        case MapPins::AllPinsMode:
        case MapPins::AllCheckedMode:
            flow.handOver(app, flow.screens() ? flow.screens()->map(nullptr, MapPins::PresentView, result) : nullptr);
            break;
        default:
            app->popState();
            app->requestQuit();
            app->exitNow();
            break;
    }
}

void MainMenu::drawBackground(Graphics* graphics) {
    if (background_ && background_->getWidth() > 0) {
        graphics->drawImage(0, 0, background_, Color::white());
    }
}
