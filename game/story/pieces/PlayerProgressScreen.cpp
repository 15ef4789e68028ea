#include "game/story/pieces/PlayerProgressScreen.hpp"

#include "engine/app/GameApp.hpp"
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
#include "game/persistence/LocationEntry.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/persistence/SessionRecord.hpp"
#include "game/story/flow/GameFlow.hpp"

namespace {

struct TextureEntry {
    const char* key;
    const char* file;
};

const TextureEntry kTextures[] = {
    {"PLAYER_PROGRESS_GOLD_ICON", "content/images/PlayerProgressScreen/Gold badge.png"},
    {"PLAYER_PROGRESS_SILVER_ICON", "content/images/PlayerProgressScreen/Silver badge.png"},
    {"PLAYER_PROGRESS_BRONZE_ICON", "content/images/PlayerProgressScreen/Bronze badge.png"},
    {"PLAYER_PROGRESS_BG", "content/images/PlayerProgressScreen/BG.png"},
    {"PLAYER_PROGRESS_BTN_N", "content/images/menus/BtnN.png"},
    {"PLAYER_PROGRESS_BTN_O", "content/images/menus/BtnO.png"},
};

const char* const kBadgeIcons[] = {"PLAYER_PROGRESS_GOLD_ICON", "PLAYER_PROGRESS_SILVER_ICON",
                                   "PLAYER_PROGRESS_BRONZE_ICON"};

// The rows: two columns of ten locations.
constexpr int kRowsPerColumn = 10;
constexpr int kRowHeight = 37;
constexpr int kFirstRowY = 240;
constexpr int kNameX[] = {30, 535};
constexpr int kPointsX[] = {335, 835};
constexpr int kBadgeX[] = {403, 905};
constexpr int kBadgeStep = 36;
constexpr int kOkY = 680;
const Color kInk(58, 36, 20);

PlayerProfile* profile() {
    return PlayerProfiles::instance().currentProfile();
}

// The first state of the scene in the profile's sessions, or none.
const SceneState* firstState(const PlayerProfile* player, int sceneId) {
    if (!player) {
        return nullptr;
    }
    for (const auto& session : player->sessions) {
        if (const SceneState* state = session->findSceneState(sceneId)) {
            return state;
        }
    }
    return nullptr;
}

int points(const PlayerProfile* player, int sceneId) {
    const SceneState* state = firstState(player, sceneId);
    return state ? state->points : 0;
}

}  // namespace

PlayerProgressScreen::PlayerProgressScreen(const std::string& caption, bool overlay)
    : ScreenBase("PlayerProgressScreen"), caption_(caption), overlay_(overlay) {
    setEnterTransition(new FadeInTransition(500));
    setLeaveTransition(new FadeOutTransition(500));
}

void PlayerProgressScreen::build() {
    TextureFactory& textures = MenuServices::current().textures();
    for (const TextureEntry& entry : kTextures) {
        getResourceManager()->addTexture(entry.key, textures.load(entry.file, nullptr, Texture::KeepNothing));
    }
}

void PlayerProgressScreen::onEnter() {
    const PlayerProfile* player = profile();
    for (int sceneId = 100; sceneId < 100 + Locations; ++sceneId) {
        const SceneState* state = firstState(player, sceneId);
        if (state && state->opened) {
            opened_.push_back(sceneId);
            badges_[sceneId] = state->badge;
        }
    }
    ResourceManager& resources = *getResourceManager();
    Texture* normal = resources.getTexture("PLAYER_PROGRESS_BTN_N");
    auto* ok = new TarvikButton(this, OkButton,
                                TarvikButtonStyle::standard(normal, resources.getTexture("PLAYER_PROGRESS_BTN_O"),
                                                            SharedResources::instance().trajanPro17B,
                                                            MenuLook::label("OK")));
    ok->setGeometry(MenuLook::screenWidth() / 2 - normal->getWidth() / 2, kOkY, normal->getWidth(),
                    normal->getHeight());
    addWidget(ok);
    addLine(caption_.empty() ? "Player: " + (player ? player->name : std::string()) : caption_, 100);
    addLine("Score: " + std::to_string(player ? player->score : 0), 150);
}

void PlayerProgressScreen::addLine(const std::string& text, int y) {
    Font* font = SharedResources::instance().trajanPro22FX;
    auto* label = new TextLabel(text, font, kInk, TextLabel::kModeCentered);
    label->setGeometry(0, y, MenuLook::screenWidth(), font ? font->getLineHeight() : 0);
    addWidget(label);
}

void PlayerProgressScreen::drawBackground(Graphics* graphics) {
    ResourceManager& resources = *getResourceManager();
    graphics->drawImage(0, 0, resources.getTexture("PLAYER_PROGRESS_BG"), Color::white());
    const SharedResources& shared = SharedResources::instance();
    const PlayerProfile* player = profile();
    for (int k = 0; k < Locations; ++k) {
        const int column = k / kRowsPerColumn;
        const int y = kFirstRowY + kRowHeight * (k % kRowsPerColumn);
        if (Font* names = shared.trajanPro14FX) {
            names->drawTextLine(graphics, kNameX[column], y, MenuLook::label("LOCATION_" + std::to_string(k)), kInk);
        }
        if (Font* numbers = shared.trajanPro14) {
            numbers->drawTextLine(graphics, kPointsX[column], y,
                                  std::to_string(points(player, 100 + k) + points(player, 200 + k)), kInk);
        }
        const auto badge = badges_.find(100 + k);
        if (badge != badges_.end() && badge->second >= 0 && badge->second < 3) {
            graphics->drawImage(kBadgeX[column] + kBadgeStep * badge->second, y - 7,
                                resources.getTexture(kBadgeIcons[badge->second]), Color::white());
        }
    }
}

void PlayerProgressScreen::onTarvikButton(int id, int code) {
    if (id != OkButton || code != 1 || getPhase() != Shown) {
        return;
    }
    if (overlay_) {
        startLeave(Close, true);
        return;
    }
    addWidget(new MessageQuestionDialog(MenuLook::question("PLAY_AGAIN_CAPTION", "PLAY_AGAIN_MESSAGE", "NO", "YES"),
                                        this, PlayAgainDialogId));
}

void PlayerProgressScreen::onDialogAnswer(int dialogId, int answer) {
    if (dialogId == PlayAgainDialogId) {
        startLeave(answer == 1 ? PlayAgainAccepted : PlayAgainRefused, true);
    }
}

void PlayerProgressScreen::onLeft(int result) {
    GameFlow& flow = GameFlow::instance();
    PlayerProfile* player = profile();
    if (player) {
        player->started = true;
    }
    ScreenFactory* screens = flow.screens();
    if (result == PlayAgainAccepted) {
        flow.handOver(gameApp(), flow.newGame());
    } else if (result == PlayAgainRefused) {
        flow.setPosition(0);
        if (player) {
            player->resetProgress(PlayerProfiles::instance().random());
            player->sceneCarryOver = 0;
        }
        flow.handOver(gameApp(), screens ? screens->mainMenu() : nullptr);
    } else if (overlay_) {
        gameApp()->popState();
    } else {
        flow.handOver(gameApp(), screens ? screens->mainMenu() : nullptr);
    }
}
