#include "game/story/pieces/LumoraPieceFoundScreen.hpp"

#include "engine/actions/TinyActionDelay.hpp"
#include "engine/actions/TinyActionSequence.hpp"
#include "engine/actions/TinyParalelAction.hpp"
#include "engine/actions/TinyRelIncrementator.hpp"
#include "engine/actions/TinySetter.hpp"
#include "engine/animation/Animation2D.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/app/GameApp.hpp"
#include "engine/audio/Music.hpp"
#include "engine/core/Log.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/text/Font.hpp"
#include "engine/transitions/FadeInTransition.hpp"
#include "engine/transitions/FadeOutTransition.hpp"
#include "game/app/MyApp.hpp"
#include "game/app/SharedResources.hpp"
#include "game/menus/MenuLook.hpp"
#include "game/menus/MenuServices.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/map/StoryText.hpp"
#include "game/story/pieces/PieceStory.hpp"

namespace {

constexpr int kEffectId = 0;
constexpr int kEffectDepth = 120;
constexpr const char* kBackground = "content/images/LumoraPieces/LumoraBGEmpty.png";

PlayerProfile* profile() {
    return PlayerProfiles::instance().currentProfile();
}

// The application's global pictures (none in tests without an application).
ResourceManager* globalResources() {
    return gameApp() ? gameApp()->getResourceManager() : nullptr;
}

Texture* globalTexture(const char* key) {
    ResourceManager* global = globalResources();
    return global ? global->getTexture(key) : nullptr;
}

}  // namespace

LumoraPieceFoundScreen::LumoraPieceFoundScreen(bool viewOnly, int locationNumber)
    : ScreenBase("LumoraPieceFoundScreen"), viewOnly_(viewOnly), location_(locationNumber) {
    MenuServices& services = MenuServices::current();
    setEnterTransition(new FadeInTransition(services.parameter("HOScene.FadeInTransition", 500)));
    setLeaveTransition(new FadeOutTransition(services.parameter("HOScene.FadeOutTransition", 500)));
    if (viewOnly_) {
        showOnly();
    }
}

LumoraPieceFoundScreen::~LumoraPieceFoundScreen() {
    // The application stops drawing them before they go.
    if (MyApp* app = myApp()) {
        app->setOverlay(nullptr);
        app->setBackdrop(nullptr);
    }
    if (ResourceManager* global = globalResources()) {
        for (const char* key : {UnlockedKey, GrabKey}) {
            global->deleteTexture(key);
        }
    }
}

void LumoraPieceFoundScreen::showOnly() {
    viewOnly_ = true;
    bigVisible_ = false;
    darkVisible_ = false;
    glowVisible_ = false;
    congratulationVisible_ = false;
    promptVisible_ = true;
}

void LumoraPieceFoundScreen::build() {
    TextureFactory& textures = MenuServices::current().textures();
    getResourceManager()->addTexture("LUMORA_BACKGROUND", textures.load(kBackground, nullptr, Texture::KeepNothing));
    loadPieces();
    PlayerProfile* player = profile();
    if (player) {
        shown_ = player->piecesShown;
    }
    if (viewOnly_) {
        return;
    }
    if (PieceStory::isComplete(shown_) || !player) {
        showOnly();
        return;
    }
    unlocked_ = PieceStory::unlockNext(*player);
    if (unlocked_ < 0) {
        showOnly();
        return;
    }
    const std::string big = file_.bigPieceImage(unlocked_);
    bigPiece_ = textures.load(big, nullptr, Texture::KeepNothing);
    getResourceManager()->addTexture("LUMORA_BIG_PIECE", bigPiece_);
    const auto record = pieces_.find(unlocked_);
    if (bigPiece_->getWidth() == 0 && record != pieces_.end()) {
        // The enlarged picture is missing: the small piece is shown enlarged.
        logWarning("%s: the enlarged piece is missing; the piece is shown scaled up", big.c_str());
        bigPiece_ = record->second.texture;
    }
}

void LumoraPieceFoundScreen::loadPieces() {
    file_.load(PiecesFileName);
    TextureFactory& textures = MenuServices::current().textures();
    for (const PiecesFile::Piece& piece : file_.pieces()) {
        Texture* texture = textures.load(file_.imagePath() + piece.image, nullptr, Texture::KeepNothing);
        getResourceManager()->addTexture("LUMORA_PIECE_" + std::to_string(piece.id), texture);
        pieces_[piece.id] = PieceRecord{piece.x, piece.y, texture};
    }
}

const Texture* LumoraPieceFoundScreen::pieceTexture(int id) const {
    const auto found = pieces_.find(id);
    return found != pieces_.end() ? found->second.texture : nullptr;
}

void LumoraPieceFoundScreen::onEnter() {
    if (Music* music = MenuServices::current().sceneMusic(PieceStory::PaintingMusic)) {
        getResourceManager()->addMusic("LUMORA_MUSIC", music);
        music->load();
        music->play(-1);
    }
    if (!viewOnly_) {
        buildReveal();
    }
}

void LumoraPieceFoundScreen::buildReveal() {
    effect_ = std::make_unique<AnimationPlayer>(this, &MenuServices::current().textures());
    effect_->loadAnimation(EffectFile, kEffectId);
    const int bigWidth = bigPiece_ ? bigPiece_->getWidth() : 0;
    const int bigHeight = bigPiece_ ? bigPiece_->getHeight() : 0;
    bigX_ = static_cast<int>(MenuLook::screenWidth() * 0.5f - bigWidth * 0.5f);
    bigY_ = static_cast<int>(MenuLook::screenHeight() * 0.5f - bigHeight * 0.5f);
    // Without a record of the piece it stays where it is and keeps its size.
    int targetX = bigX_;
    int targetY = bigY_;
    float targetScale = 1.0f;
    const auto record = pieces_.find(unlocked_);
    if (record != pieces_.end() && bigWidth > 0) {
        targetX = record->second.x;
        targetY = record->second.y;
        targetScale = static_cast<float>(record->second.texture->getWidth()) / static_cast<float>(bigWidth);
    }
    auto* flight = new TinyParalelAction();
    flight->addAction(new TinyRelIncrementator<int>(1000, &darkAlpha_, -darkAlpha_));
    flight->addAction(new TinyRelIncrementator<int>(1000, &bigX_, targetX - bigX_));
    flight->addAction(new TinyRelIncrementator<int>(1000, &bigY_, targetY - bigY_));
    flight->addAction(new TinyRelIncrementator<float>(1000, &bigScale_, targetScale - 1.0f));
    reveal_ = std::make_unique<TinyActionSequence>();
    reveal_->addAction(new TinyRelIncrementator<int>(1500, &grabAlpha_, -255));
    reveal_->addAction(new TinySetter<bool>(&startEffect_, true));
    reveal_->addAction(new TinyActionDelay(1100));
    reveal_->addAction(new TinySetter<bool>(&glowVisible_, false));
    reveal_->addAction(new TinyActionDelay(1100));
    reveal_->addAction(flight);
}

void LumoraPieceFoundScreen::onEntered() {
    if (!viewOnly_ && reveal_) {
        reveal_->start(this, RevealTag);
    }
    if (MyApp* app = myApp()) {
        // The frozen scene moves from behind every screen into this one.
        grab_ = globalTexture(GrabKey);
        app->setBackdrop(nullptr);
        app->setOverlay(nullptr);
    }
}

void LumoraPieceFoundScreen::onUpdate(int milliseconds) {
    if (reveal_ && reveal_->isRunning()) {
        reveal_->update(milliseconds);
    }
    if (startEffect_) {
        startEffect_ = false;
        if (Animation2D* burst = effect_->getAnimation(kEffectId)) {
            // The burst is only seen: a click goes through it to the screen.
            burst->setEnabled(false);
            effect_->playAnimation(kEffectId, kEffectDepth,
                                   static_cast<int>(MenuLook::screenWidth() * 0.5f - burst->getWidth() * 0.5f),
                                   static_cast<int>(MenuLook::screenHeight() * 0.5f - burst->getHeight() * 0.5f),
                                   getWidgetManager());
        }
    }
}

void LumoraPieceFoundScreen::actionFinished(int tag) {
    if (tag != RevealTag) {
        return;
    }
    bigVisible_ = false;
    shown_[unlocked_] = true;
    promptVisible_ = true;
    congratulationVisible_ = false;
}

void LumoraPieceFoundScreen::drawBackground(Graphics* graphics) {
    graphics->drawImage(0, 0, getResourceManager()->getTexture("LUMORA_BACKGROUND"), Color::white());
    for (const auto& [id, record] : pieces_) {
        const auto shown = shown_.find(id);
        if (shown != shown_.end() && shown->second) {
            graphics->drawImage(record.x, record.y, record.texture, Color::white());
        }
    }
    if (darkVisible_) {
        graphics->fillRect(0, 0, MenuLook::screenWidth(), MenuLook::screenHeight(),
                           Color(0, 0, 0, static_cast<unsigned char>(darkAlpha_)));
    }
}

void LumoraPieceFoundScreen::drawCentred(Graphics* graphics, Texture* texture, const Color& color) const {
    graphics->drawImage(static_cast<int>(MenuLook::screenWidth() * 0.5f - texture->getWidth() * 0.5f),
                        static_cast<int>(MenuLook::screenHeight() * 0.5f - texture->getHeight() * 0.5f), texture, color);
}

void LumoraPieceFoundScreen::drawPrompt(Graphics* graphics, const std::string& key) const {
    Font* font = SharedResources::instance().trajanPro14;
    if (!font) {
        return;
    }
    StoryText::centredLine(graphics, font, MenuLook::screenHeight() - font->getLineHeight(),
                           MenuLook::label(key));
}

void LumoraPieceFoundScreen::drawForeground(Graphics* graphics) {
    const Color faded(255, 255, 255, static_cast<unsigned char>(grabAlpha_ > 0 ? grabAlpha_ : 0));
    if (grab_ && grabAlpha_ > 0) {
        graphics->drawImage(0, 0, grab_, faded);
    }
    if (Texture* unlocked = globalTexture(UnlockedKey); unlocked && grabAlpha_ > 0) {
        drawCentred(graphics, unlocked, faded);
    }
    if (Texture* glow = SharedResources::instance().unlockedPieceEffect; glow && glowVisible_) {
        drawCentred(graphics, glow, Color::white());
    }
    if (bigVisible_ && bigPiece_ && bigScale_ > 0.0f) {
        graphics->pushMatrix();
        graphics->scale(bigScale_, bigScale_);
        graphics->drawImage(static_cast<int>(bigX_ / bigScale_), static_cast<int>(bigY_ / bigScale_), bigPiece_,
                            Color(255, 255, 255, static_cast<unsigned char>(bigAlpha_)));
        graphics->popMatrix();
    }
    if (congratulationVisible_) {
        drawPrompt(graphics, "PIECE_FOUND_CONGRATULATION");
    }
    if (promptVisible_) {
        drawPrompt(graphics, "CLICK_TO_CONTINUE");
    }
}

void LumoraPieceFoundScreen::onMousePressed(const MouseEvent& /*event*/) {
    if (getPhase() != Shown) {
        return;
    }
    // The painting opened from the main menu goes back there; after a
    // location (even with the painting already whole) the story goes on.
    startLeave(location_ < 0 ? PieceStory::BackToMenu : PieceStory::leaveCode(profile(), location_), true);
}

void LumoraPieceFoundScreen::onLeft(int result) {
    MenuServices::current().saveSettings();
    GameFlow::instance().handOver(gameApp(), PieceStory::next(result));
}
