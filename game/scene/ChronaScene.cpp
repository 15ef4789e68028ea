#include "game/scene/ChronaScene.hpp"

#include "engine/core/Log.hpp"

#include <algorithm>
#include <fstream>
#include <map>

#include "engine/app/GameApp.hpp"
#include "engine/audio/MixMusic.hpp"
#include "engine/audio/catalogue/SceneMusicTable.hpp"
#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/config/Config.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/core/ProcessRandom.hpp"
#include "engine/dialogs/MessageDialogSimple.hpp"
#include "engine/dialogs/MessageQuestionDialog.hpp"
#include "engine/persistence/FileSaveGame.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/render/TextureFactory.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/text/AngelFont.hpp"
#include "engine/text/LabelManager.hpp"
#include "engine/transitions/EmptyTransition.hpp"
#include "engine/transitions/PortalEffectTransition.hpp"
#include "engine/widgets/TarvikButtonStyle.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/app/MyApp.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/scene/controls/HintButton.hpp"
#include "game/scene/controls/ScoreNotificationWidget.hpp"
#include "game/scene/controls/ScoreWidget.hpp"
#include "game/scene/controls/TimerWidget.hpp"
#include "game/scene/data/GoalChooser.hpp"
#include "game/scene/data/Item.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/scene/play/BadgeTable.hpp"
#include "game/scene/play/SceneExit.hpp"
#include "game/scene/play/SceneProgress.hpp"
#include "game/scene/renderers/CollectableItemRenderer.hpp"
#include "game/scene/renderers/CountStackGoalRenderer.hpp"
#include "game/scene/renderers/ItemRendererFactory.hpp"
#include "game/scene/renderers/SilhouetteGoalRenderer.hpp"
#include "game/story/flow/FlowParameters.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ResultCodes.hpp"
#include "game/story/pieces/PiecesFile.hpp"

namespace {

ChronaScene* g_current = nullptr;

const char* const kSceneGui = "content/images/scenegui/";
const char* const kPanelFont = "content/fonts/TrajanPro18.fnt";
const char* const kCaptionFont = "content/fonts/TrajanPro22.fnt";
const char* const kTextFont = "content/fonts/Aldine18.fnt";
const char* const kSpark = "content/images/effects/HintParticle.png";
const int kPenaltyCentreX = 400;
const int kPenaltyCentreY = 300;
// The round socket of the goal panel (200 pixels high) holds the hint button.
const int kPanelHeight = 200;
const int kHintSocketX = 90;
const int kHintSocketY = 124;
const int kHintSize = 110;
const int kCornerButton = 80;
const int kMargin = 8;

bool fileExists(const std::string& path) {
    return std::ifstream(ContentPath::resolve(path)).good();
}

// Where a scene visited before resumes. Every step asks for ten objects, so
// the objects found so far tell the step from the scene's own record, not
// from the one step value the profile shares among all scenes: fourteen
// found resume the second step with its stored goals, twenty start the
// third. A scene whose steps are one rule taken again on every visit stays
// on it. A completed scene, and one whose thirty objects are all found (its
// badge visit left completing to the next), has no step left and goes to its
// ending rule: replaying its last step would hand out objects beyond the
// thirty, and the scene could then never be completed.
int resumeStep(int sceneId, const std::string& mechanicsPath) {
    const PlayerProfile* player = PlayerProfiles::instance().currentProfile();
    const SceneState* state = SceneProgress::find(player, sceneId);
    if (!state || state->isUntouched()) {
        return 0;
    }
    SceneMechanics mechanics;
    mechanics.load(mechanicsPath);
    const int found = static_cast<int>(state->collectedItems.size());
    if (state->completed || found >= ChronaScene::ItemsToComplete) {
        return mechanics.size();
    }
    const int done = found / ChronaScene::ItemsToUnlock;
    return std::max(0, std::min(done, mechanics.size() - 1));
}

// The scene's name as the notifications show it: its label up to the first "-".
std::string shortName(const std::string& name) {
    std::string text = name.substr(0, name.find('-'));
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

std::string substitute(std::string text, const std::string& marker, const std::string& value) {
    const std::size_t at = text.find(marker);
    if (at != std::string::npos) {
        text.replace(at, marker.size(), value);
    }
    return text;
}

struct NotificationText {
    const char* text;
    const char* button;
};

const NotificationText kNotifications[] = {
    {"PAST_SCENE_UNLOCKED", "OK"},      {"PAST_SCENE_COMPLETED", "OK"}, {"PRESENT_SCENE_UNLOCKED", "OK"},
    {"PRESENT_SCENE_COMPLETED", "OK"},  {"TRY_AGAIN", "REPEAT"},
};

}  // namespace

ChronaScene::ChronaScene(int sceneId, const std::string& configPath, const std::string& itemRendererConf,
                         const std::string& mechanicsConf, const std::string& itemGroupConf)
    : HOScene(sceneId, configPath, itemRendererConf, mechanicsConf, itemGroupConf,
              resumeStep(sceneId, configPath + mechanicsConf)),
      timeLimit_(SceneProgress::ChallengeLength) {
    g_current = this;
    ItemRendererFactory::reset();
    ItemRendererFactory::instance().registerStandardCreators(ProcessRandom::instance());
    setLiftedItemsDrawnSeparately(true);
    if (myApp()) {
        parameters_ = myApp()->getGameParameters();
    }
}

ChronaScene::~ChronaScene() {
    releaseGrabs();
    if (g_current == this) {
        g_current = nullptr;
    }
}

ChronaScene* ChronaScene::fromParameters(const FlowParameters& parameters) {
    const int sceneId = parameters.number("sceneId", 0);
    return new ChronaScene(sceneId, parameters.text("configPath", ConfigPath),
                           parameters.text("itemRendererConf", RendererRules),
                           parameters.text("mechanicsConf", SceneMechanics::locationFileName(sceneId)),
                           parameters.text("itemGroupConf", GroupRules));
}

ChronaScene* ChronaScene::forScene(int sceneId) {
    return new ChronaScene(sceneId, ConfigPath, RendererRules, SceneMechanics::locationFileName(sceneId), GroupRules);
}

void ChronaScene::drawChoicesFrom(std::uint32_t runSeed) {
    choices_ = std::make_unique<SeededRandom>(runSeed ^ (static_cast<std::uint32_t>(getSceneId()) * 2654435761u));
    setRandomSource(choices_.get());
}

ChronaScene* ChronaScene::current() {
    return g_current;
}

bool ChronaScene::isPresent() const {
    return SceneProgress::isPresent(getSceneId());
}

PlayerProfile* ChronaScene::profile() const {
    return PlayerProfiles::instance().currentProfile();
}

SceneState* ChronaScene::state() const {
    return SceneProgress::find(profile(), getSceneId());
}

std::string ChronaScene::label(const std::string& key) const {
    const LabelManager* labels = gameApp() ? gameApp()->getLabelManager() : nullptr;
    return labels ? labels->getLabel(key) : key;
}

int ChronaScene::parameter(const char* key) const {
    return parameters_ ? parameters_->readInt(key, 0) : 0;
}

int ChronaScene::playSound(const std::string& name) const {
    SfxContainer& sounds = SfxContainer::instance();
    return sounds.isEnabled() ? sounds.play(name) : 0;
}

int ChronaScene::collectedCount() const {
    return static_cast<int>(registry().items(ItemRegistry::Collected, getSceneId()).size());
}

int ChronaScene::getTimeLimit() const {
    return timer_ && timer_->isRunning() ? timer_->getRemaining() : timeLimit_;
}

bool ChronaScene::hasTimeChallenge() const {
    return timer_ && timer_->isRunning();
}

bool ChronaScene::isTimeChallengePaused() const {
    return timer_ && timer_->isPaused();
}

void ChronaScene::onInitialise() {
    auto font = [&](const char* path, const char* name) -> Font* {
        if (!fileExists(path)) {
            return nullptr;
        }
        auto* loaded = new AngelFont(ContentPath::resolve(path), &textureFactory());
        getResourceManager()->addFont(name, loaded);
        return loaded;
    };
    font_ = font(kPanelFont, "FONT_TrajanPro18");
    captionFont_ = font(kCaptionFont, "FONT_TrajanPro22");
    textFont_ = font(kTextFont, "FONT_Aldine18");
    usePortalTransition();
}

void ChronaScene::usePortalTransition() {
    ResourceManager* global = gameApp() ? gameApp()->getResourceManager() : nullptr;
    Texture* presentGrab = global ? global->getTexture(PresentGrab) : nullptr;
    if (isPresent() || !presentGrab) {
        return;
    }
    // Coming through the portal: the present's last picture, with the past
    // showing through the spiral (grabbed from this scene's first frame).
    Texture* spark =
        getResourceManager()->sharedTexture("SCENEGUI_PORTAL_SPARK", kSpark, textureFactory(), Texture::KeepNothing);
    portal_ = new PortalEffectTransition(1, presentGrab, nullptr, nullptr, spark);
    setEnterTransition(portal_);
}

void ChronaScene::releaseGrabs() {
    ResourceManager* global = gameApp() ? gameApp()->getResourceManager() : nullptr;
    if (!global) {
        return;
    }
    // A present scene that went through the portal leaves its picture to the past.
    if (!isPresent() || !handedGrabOn_) {
        global->deleteTexture(PresentGrab);
    }
    if (!isPresent()) {
        global->deleteTexture(PastGrab);
    }
}

void ChronaScene::onItemsFirstLoaded() {
    const SceneState* kept = state();
    if (kept && !kept->isUntouched()) {
        const SceneProgress::Resumed resumed = SceneProgress::reapply(*kept, registry());
        timeLimit_ = resumed.timeLimit;
        collectedBefore_ = resumed.collectedBefore;
    }
}

void ChronaScene::onAfterLoad() {
    const SceneState* kept = state();
    attempt_ = kept ? kept->attempts + (kept->completed ? 0 : 1) : 1;
    const PlayerProfile* player = profile();
    locationFlag_ =
        player && player->locationFlag(SceneProgress::locationOf(getSceneId()), PlayerProfile::Flag::Third);
}

void ChronaScene::createControls() {
    ResourceManager& resources = *getResourceManager();
    auto picture = [&](const char* name, const char* file) {
        return resources.sharedTexture(name, std::string(kSceneGui) + file, textureFactory(), Texture::KeepNothing);
    };
    const Config& config = Config::instance();
    const TarvikButtonStyle hintStyle = TarvikButtonStyle::standard(
        picture("SCENEGUI_BTN_HINT_N", "BtnHintN.png"), picture("SCENEGUI_BTN_HINT_O", "BtnHintO.png"), nullptr, "",
        nullptr, picture("SCENEGUI_HINT_EMPTY", "HintEmpty.png"));
    hintButton_ = new HintButton(this, hintStyle, picture("SCENEGUI_HINT_FULL", "HintFull.png"), parameters_);
    hintButton_->setGeometry(kHintSocketX - kHintSize / 2,
                             config.getHeight() - kPanelHeight + kHintSocketY - kHintSize / 2, kHintSize, kHintSize);
    addWidget(hintButton_);
    menuButton_ = new TarvikButton(
        this, MenuButtonId,
        TarvikButtonStyle::standard(picture("SCENEGUI_BTN_MAIN_MENU_N", "BtnMenuN.png"),
                                    picture("SCENEGUI_BTN_MAIN_MENU_O", "BtnMenuO.png"), nullptr, ""));
    menuButton_->setGeometry(config.getWidth() - kCornerButton - kMargin, kMargin, kCornerButton, kCornerButton);
    addWidget(menuButton_);
    mapButton_ = new TarvikButton(
        this, MapButtonId,
        TarvikButtonStyle::standard(picture("SCENEGUI_BTN_MAP_SCREEN_N", "BtnMapN.png"),
                                    picture("SCENEGUI_BTN_MAP_SCREEN_O", "BtnMapO.png"), nullptr, ""));
    mapButton_->setGeometry(config.getWidth() - 2 * (kCornerButton + kMargin), kMargin, kCornerButton,
                            kCornerButton);
    addWidget(mapButton_);
    scoreWidget_ = new ScoreWidget(kMargin, kMargin, font_, picture(ScoreWidget::BackgroundName, "ScoreBg.png"),
                                   label("SCORE"));
    // The player's score so far; this visit's finds add to it.
    if (const PlayerProfile* player = profile()) {
        scoreWidget_->add(player->score);
    }
    addWidget(scoreWidget_);
    TimerWidget::Pictures timerPictures;
    timerPictures.background = picture("SCENEGUI_TIME_INDICATOR_BG", "TimeIndicatorBg.png");
    timerPictures.rail = picture("SCENEGUI_TIMER_RAIL", "TimerRail.png");
    timerPictures.fill = picture("SCENEGUI_TIMER_FILL", "TimerFill.png");
    timerPictures.thumb = picture("SCENEGUI_TIMER_THUMB", "TimerThumb.png");
    timer_ = new TimerWidget(0, kMargin, timerPictures, [this] { timeRanOut(); });
    timer_->setPosition((config.getWidth() - timer_->getWidth()) / 2, kMargin);
    timer_->setVisible(false);
    addWidget(timer_);
    scoreNotice_ = new ScoreNotificationWidget(captionFont_);
    addWidget(scoreNotice_);
}

void ChronaScene::onStarted() {
    playMusic();
    ScreenFactory* screens = GameFlow::instance().screens();
    ScreenBase* intro = screens ? screens->sceneIntro(getSceneId(), this) : nullptr;
    if (intro) {
        gameApp()->startState(intro);
    } else {
        sceneIntroEnded();
    }
}

void ChronaScene::playMusic() {
    SceneMusicTable* table = myApp() ? myApp()->getSceneMusic() : nullptr;
    const std::string path = table ? table->musicFor(getSceneId()) : std::string();
    if (path.empty()) {
        return;
    }
    auto* music = new MixMusic(path);
    getResourceManager()->addMusic("SCENE_MUSIC", music);
    music->play(-1);
}

void ChronaScene::sceneIntroEnded() {
    challengeCountdown_ = ChallengeDelay;
}

void ChronaScene::setUpTimeChallenge() {
    const SceneState* kept = state();
    PlayerProfile* player = profile();
    const int location = SceneProgress::locationOf(getSceneId());
    bool start = false;
    if (isPresent()) {
        const int badge = kept ? kept->badge : BadgeTable::NoBadgeYet;
        start = badge == BadgeTable::NoBadgeYet && attempt_ < 3;
        if (!start && player && !player->locationFlag(location, PlayerProfile::Flag::Second)) {
            player->setLocationFlag(location, PlayerProfile::Flag::Second, true);
        }
    } else {
        const bool open = player && player->locationFlag(location, PlayerProfile::Flag::First);
        start = !(kept && kept->completed) && !open;
    }
    noTimeChallenge_ = !start;
    if (!start || !timer_) {
        return;
    }
    timer_->start(SceneProgress::ChallengeLength, timeLimit_);
    timer_->setVisible(true);
    if (timeLimit_ == SceneProgress::ChallengeLength) {
        playSound("TIME_CHALLENGE_STARTED");
    }
}

void ChronaScene::pauseChallenge(bool paused) {
    if (timer_) {
        timer_->setPaused(paused);
    }
}

void ChronaScene::timeRanOut() {
    timeLimit_ = 0;
    // The scene leaves when the end sound has played, counted on the game
    // clock: a slow or paused audio device neither holds the scene nor
    // makes a replayed session end elsewhere.
    const int endSound = playSound("TIME_CHALLENGE_ENDED");
    if (isPresent()) {
        timeUp_ = true;
        timeUpLeft_ = endSound;
    } else {
        // The past gives another chance at once: look again or go back to the map.
        setStopped(true);
        showNotification(TryAgain);
    }
}

void ChronaScene::onSceneUpdate(int milliseconds) {
    penaltyTick(milliseconds);
    if (challengeCountdown_ >= 0) {
        challengeCountdown_ -= milliseconds;
        if (challengeCountdown_ <= 0) {
            challengeCountdown_ = -1;
            setUpTimeChallenge();
        }
    }
    if (timeUp_ && (timeUpLeft_ -= milliseconds) <= 0) {
        timeUp_ = false;
        finish(ResultCodes::SceneStepDone);
    }
    if (pieceFading_) {
        pieceFade_ = std::min(pieceFade_ + milliseconds, PieceFadeLength);
        if (pieceFade_ == PieceFadeLength) {
            pieceFading_ = false;
            finish(ResultCodes::ScenePieceUnlocked, PieceGrab);
        }
    }
    // Without a drawn frame to grab the scene leaves all the same.
    if (grab_ && ++grabFrames_ > 2) {
        grab_ = nullptr;
        leaveNow();
    }
}

void ChronaScene::penaltyTick(int milliseconds) {
    if (!penalty_.isRunning()) {
        return;
    }
    const int originX = getOffsetX();
    const int originY = getOffsetY();
    if (penalty_.update(milliseconds)) {
        gameApp()->warpMouse(originX + random().below(800), originY + random().below(600));
        getWidgetManager()->setInputEnabled(true);
        return;
    }
    const Point offset = penalty_.offset();
    gameApp()->warpMouse(originX + kPenaltyCentreX + static_cast<int>(offset.x),
                         originY + kPenaltyCentreY + static_cast<int>(offset.y));
}

void ChronaScene::onItemMissed() {
    if (ending_) {
        return;
    }
    playSound("ITEM_MISSED");
    const Point at = gameApp()->getLastMousePosition();
    logInfo("scene %d: nothing to find at (%g, %g)", getSceneId(), at.x, at.y);
    if (penalty_.miss()) {
        getWidgetManager()->setInputEnabled(false);
        penaltyTick(0);
    }
}

void ChronaScene::addPoints(int points) {
    if (PlayerProfile* player = profile()) {
        player->score += points;
    }
    sceneScore_ += points;
    if (scoreWidget_) {
        scoreWidget_->add(points);
    }
}

void ChronaScene::onItemCollected(Item* item) {
    penalty_.found();
    ++flightsPending_;
    const int typeId = item->description().typeId;
    const char* sound = typeId == RuneTypeId        ? "VO_RUNE_COLLECTED"
                        : typeId == MagicItemTypeId ? "VO_MAGIC_ITEM_FOUND"
                                                    : "ITEM_COLLECTED";
    if (scoreWidget_) {
        const int points = parameter("Points.ItemFound");
        addPoints(points);
        const ItemRenderer* renderer = item->getRenderer();
        if (scoreWidget_->getValue() > 0 && renderer && scoreNotice_) {
            const IntRect& bounds = renderer->getBounds();
            scoreNotice_->show(bounds.x + bounds.w / 2, bounds.y + bounds.h / 2,
                               substitute(label("SCORE_ITEM_FOUND"), "%d", std::to_string(points)), Color::white());
        }
    }
    playSound(sound);
}

void ChronaScene::onItemsChanged(Item* item) {
    if (!item) {
        return;
    }
    if (flightsPending_ > 0) {
        --flightsPending_;
    }
    if (ending_ || flightsPending_ > 0 || registry().hasItems(ItemRegistry::Goals, getSceneId())) {
        return;
    }
    if (timer_) {
        timeLimit_ = getTimeLimit();
        timer_->stop();
    }
    penalty_.stop();
    getWidgetManager()->setInputEnabled(true);
    if (!runEndingChecks()) {
        finish(ResultCodes::SceneStepDone);
    }
}

bool ChronaScene::runEndingChecks() {
    endingChecksRan_ = true;
    const bool badge = checkBadge();
    const bool portal = checkPortal();
    const bool completion = checkCompletion();
    return badge || portal || completion;
}

bool ChronaScene::checkBadge() {
    SceneState* kept = state();
    const int badgeState = kept ? kept->badge : BadgeTable::NoBadgeYet;
    const BadgeAward* award = BadgeTable::forAttempt(attempt_);
    if (!isPresent() || badgeAwarded_ || badgeState != BadgeTable::NoBadgeYet || !award) {
        return false;
    }
    addPoints(parameter(award->bonusParameter));
    if (kept) {
        kept->badge = award->newState;
    }
    badgeAwarded_ = true;
    setStopped(true);
    auto* reward = new RewardWidget(this, award->badge, label(award->label), captionFont_, &textureFactory());
    addWidget(reward);
    reward->play();
    notice_ = reward;
    return true;
}

void ChronaScene::rewardEnded(RewardWidget* reward) {
    safeRemoveWidget(reward);
    notice_ = nullptr;
    setStopped(false);
    advance(true);
}

bool ChronaScene::checkPortal() {
    PlayerProfile* player = profile();
    const int location = SceneProgress::locationOf(getSceneId());
    if (isPresent() || collectedCount() != ItemsToUnlock ||
        (player && player->locationFlag(location, PlayerProfile::Flag::First))) {
        return false;
    }
    const int bonus = parameter("Points.TimePortalPermanentlyOpen");
    if (player) {
        player->setLocationFlag(location, PlayerProfile::Flag::First, true);
        player->score += bonus;
    }
    sceneScore_ += bonus;
    locationFlag_ = true;
    setStopped(true);
    showNotification(PastUnlocked);
    return true;
}

bool ChronaScene::checkCompletion() {
    PlayerProfile* player = profile();
    const int location = SceneProgress::locationOf(getSceneId());
    const int found = collectedCount();
    const bool portalOpen = player && player->locationFlag(location, PlayerProfile::Flag::First);
    // More than thirty found is a save from a game that handed out too many.
    const bool complete = found >= ItemsToComplete && (isPresent() ? !badgeAwarded_ : portalOpen);
    if (complete) {
        if (isPresent() && player) {
            player->setLocationFlag(location, PlayerProfile::Flag::First, true);
        }
        if (SceneState* kept = state()) {
            kept->completed = true;
        }
        locationFlag_ = true;
        setStopped(true);
        const int otherTime = isPresent() ? getSceneId() + 100 : getSceneId() - 100;
        const SceneState* other = SceneProgress::find(player, otherTime);
        if (other && other->completed) {
            startPieceSequence();
        } else {
            showNotification(isPresent() ? PresentCompleted : PastCompleted);
        }
        return true;
    }
    if (!isPresent()) {
        return false;
    }
    const int foundThisTime = attempt_ == 1 ? found : found - collectedBefore_;
    if (foundThisTime == ItemsToUnlock && !badgeAwarded_) {
        setStopped(true);
        showNotification(PresentUnlocked);
    }
    // A present scene always goes on with its next step here.
    return true;
}

void ChronaScene::startPieceSequence() {
    prepareUnlockedPiece();
    pieceFading_ = true;
    pieceFade_ = 0;
}

void ChronaScene::prepareUnlockedPiece() {
    ResourceManager* global = gameApp() ? gameApp()->getResourceManager() : nullptr;
    const PlayerProfile* player = profile();
    // Start-up has already said when the pieces file is missing.
    if (!global || !player || !fileExists(PiecesFileName)) {
        return;
    }
    PiecesFile pieces;
    pieces.load(PiecesFileName);
    const std::size_t next = static_cast<std::size_t>(player->pieceCursor + 1);
    if (next >= player->pieceOrder.size()) {
        return;
    }
    for (const PiecesFile::Piece& piece : pieces.pieces()) {
        if (piece.id == player->pieceOrder[next]) {
            global->addTexture(PieceTexture,
                               textureFactory().load(pieces.imagePath() + piece.image, nullptr, Texture::KeepNothing));
            return;
        }
    }
}

void ChronaScene::showNotification(int kind) {
    const NotificationText& text = kNotifications[kind];
    MessageDialogDescription description;
    description.openingAnimation = ContentPath::resolve(description.openingAnimation);
    description.closingAnimation = ContentPath::resolve(description.closingAnimation);
    description.caption = label("NOTIFICATION_DIALOG_CAPTION");
    description.message =
        substitute(label(text.text), "%s", shortName(label("SCENE_" + std::to_string(getSceneId()))));
    description.captionFont = captionFont_;
    description.messageFont = textFont_;
    description.buttonFont = font_;
    ResourceManager& resources = *getResourceManager();
    description.buttonImage =
        resources.sharedTexture("GTEX_BTN_PH_N", "content/images/menus/BtnN.png", textureFactory(), Texture::KeepAlphaMap);
    description.buttonOverImage =
        resources.sharedTexture("GTEX_BTN_PH_O", "content/images/menus/BtnO.png", textureFactory(), Texture::KeepAlphaMap);
    description.textures = &textureFactory();
    description.centreOn(Config::instance().getWidth(), Config::instance().getHeight());
    AnimatedDialog* dialog = nullptr;
    if (kind == TryAgain) {
        description.buttonTexts = {label("GO_TO_MAP"), label(text.button)};
        dialog = new MessageQuestionDialog(description, this, kind);
    } else {
        description.buttonTexts = {label(text.button), ""};
        description.buttonCount = 1;
        dialog = new MessageDialogSimple(description, this, kind);
    }
    pauseChallenge(true);
    addWidget(dialog);
    notice_ = dialog;
}

void ChronaScene::onDialogClosed(int /*dialogId*/, int /*answer*/) {
    // The notice has been read: the scene goes on to its next step or its end.
    notice_ = nullptr;
    pauseChallenge(false);
    setStopped(false);
    if (getCurrentStep() >= getMechanics().size()) {
        onAllStepsDone();
    } else {
        advance(true);
    }
}

void ChronaScene::onDialogAnswer(int dialogId, int answer) {
    notice_ = nullptr;
    if (dialogId == TryAgain) {
        finish(answer == 1 ? ResultCodes::SceneResume : ResultCodes::SceneGiveUp);
    } else if (dialogId == ConfirmMainMenuDialog && answer == 1) {
        finish(ResultCodes::SceneMainMenu);
    } else {
        pauseChallenge(false);
    }
}

bool ChronaScene::useHint() {
    playSound("HINT_USED");
    const std::vector<Item*> findable = findableGoals();
    if (findable.empty()) {
        return false;
    }
    ItemRenderer* chosen =
        findable[static_cast<std::size_t>(random().below(static_cast<int>(findable.size())))]->getRenderer();
    if (auto* collectable = dynamic_cast<CollectableItemRenderer*>(chosen)) {
        collectable->startHint();
    }
    return true;
}

void ChronaScene::onTarvikButton(int id, int code) {
    static const std::map<int, const char*> hoverSounds = {
        {MenuButtonId, "BUTTON_OVER"}, {HintButtonId, "BUTTON_OVER_HINT"}, {MapButtonId, "BUTTON_OVER_MAP_SCREEN"}};
    const auto hover = hoverSounds.find(id);
    if (code == 2 && hover != hoverSounds.end()) {
        playSound(hover->second);
    }
    // The hint button starts refilling as it goes down, so its press counts.
    if (id == HintButtonId && code == 0) {
        useHint();
    }
    if (code != 1 || ending_) {
        return;
    }
    ScreenFactory* screens = GameFlow::instance().screens();
    ScreenBase* over = nullptr;
    if (id == MenuButtonId) {
        over = screens ? screens->inGameMenu(this) : nullptr;
    } else if (id == MapButtonId) {
        over = screens ? screens->map(this, isPresent() ? 0 : 1, -1) : nullptr;
    } else if (id == SkipButtonId) {
        finish(ResultCodes::SceneMainMenu);
    }
    if (over) {
        pauseChallenge(true);
        gameApp()->startState(over);
    }
}

void ChronaScene::mapAction(int action, int sceneId) {
    if (action == NewMapScreenListener::OtherScene) {
        chosenScene_ = sceneId;
        finish(ResultCodes::SceneMapChoice);
    } else if (action == NewMapScreenListener::MainMenu) {
        finish(ResultCodes::SceneMainMenu);
    } else {
        pauseChallenge(false);
    }
}

void ChronaScene::inGameMenuClosed(int result) {
    if (result == InGameMenuListener::MainMenu) {
        finish(ResultCodes::SceneMainMenu);
    } else {
        pauseChallenge(false);
    }
}

void ChronaScene::setupGoalRenderer(const MechanicsStep& step) {
    if (PlayerProfile* player = profile()) {
        player->sceneCarryOver = getCurrentStep();
    }
    if (step.kind != MechanicsStep::CollectGroup || !registry().hasItems(ItemRegistry::Goals, getSceneId())) {
        return;
    }
    if (step.identifier == CountStackGoalRenderer::Identifier) {
        setGoalRenderer(new CountStackGoalRenderer(parameters_, font_));
    } else if (step.identifier == SilhouetteGoalRenderer::Identifier) {
        setGoalRenderer(new SilhouetteGoalRenderer(parameters_, font_));
    } else {
        setGoalRenderer(nullptr);
    }
}

void ChronaScene::fillGoals(const MechanicsStep& step) {
    GoalChooser(registry(), getSceneId(), random(), true).fill(step);
    std::string goals;
    for (const Item* goal : registry().items(ItemRegistry::Goals, getSceneId())) {
        goals += " " + std::to_string(goal->getIndex());
    }
    logInfo("scene %d: step %d looks for%s", getSceneId(), getCurrentStep(), goals.c_str());
}

void ChronaScene::onAllStepsDone() {
    // A visit that opens with every step played (a present scene whose
    // thirty objects were found on a visit that won a badge) finds nothing:
    // its completion is checked now, and its message read, before it ends.
    if (!endingChecksRan_ && collectedCount() > 0) {
        endingChecksRan_ = true;
        checkCompletion();
        if (notice_ || pieceFading_) {
            return;
        }
    }
    const int found = collectedCount();
    const bool finished = found >= ItemsToComplete || (found == ItemsToUnlock && attempt_ == 1) ||
                          (attempt_ == 2 && found - collectedBefore_ == ItemsToUnlock);
    if (!finished) {
        finish(ResultCodes::SceneResume);
    } else if (isPresent()) {
        // The past follows through the portal, which opens over this picture.
        finish(ResultCodes::SceneFinished, PresentGrab);
    } else {
        finish(ResultCodes::SceneFinished);
    }
}

void ChronaScene::finish(int result, const char* grab) {
    if (ending_) {
        return;
    }
    ending_ = true;
    result_ = result;
    logInfo("scene %d: ends with %d", getSceneId(), result);
    if (timer_) {
        timeLimit_ = getTimeLimit();
        timer_->stop();
    }
    penalty_.stop();
    if (grab && gameApp()) {
        grab_ = grab;
        grabFrames_ = 0;
    } else {
        leaveNow();
    }
}

void ChronaScene::leaveNow() {
    if (result_ == ResultCodes::SceneFinished && isPresent()) {
        handedGrabOn_ = true;
        setLeaveTransition(new EmptyTransition());
    }
    startLeave(result_, true);
}

void ChronaScene::onDrawOverlay(Graphics* graphics) {
    drawItems(graphics, true);
    Texture* piece = gameApp() && gameApp()->getResourceManager()
                         ? gameApp()->getResourceManager()->getTexture(PieceTexture)
                         : nullptr;
    if (pieceFade_ > 0) {
        const int alpha = pieceFade_ * 255 / PieceFadeLength;
        const Config& config = Config::instance();
        graphics->fillRect(0, 0, config.getWidth(), config.getHeight(), Color(0, 0, 0, alpha * 3 / 5));
        if (piece) {
            graphics->drawImage((config.getWidth() - piece->getWidth()) / 2,
                                (config.getHeight() - piece->getHeight()) / 2, piece, Color(255, 255, 255, alpha));
        }
    }
    ResourceManager* global = gameApp() ? gameApp()->getResourceManager() : nullptr;
    if (portal_ && global && !global->getTexture(PastGrab)) {
        if (Texture* past = gameApp()->captureScreen()) {
            global->addTexture(PastGrab, past);
            portal_->setPortalPicture(past);
        }
    }
    if (grab_ && global) {
        if (Texture* frame = gameApp()->captureScreen()) {
            global->addTexture(grab_, frame);
        }
        grab_ = nullptr;
        leaveNow();
    }
}

void ChronaScene::storeProgress() {
    SceneProgress::Visit visit;
    visit.sceneId = getSceneId();
    visit.attempt = attempt_;
    visit.endingChecksRan = endingChecksRan_;
    visit.locationFlag = locationFlag_;
    visit.timeLimit = getTimeLimit();
    visit.score = sceneScore_;
    setGoalRenderer(nullptr);
    clearDisplayed();
    SceneProgress::store(profile(), visit, registry());
    if (save_) {
        save_();
    } else if (myApp() && myApp()->getSettings()) {
        myApp()->getSettings()->save();
    }
}

void ChronaScene::onStepScreenResult(int result) {
    storeProgress();
    ScreenBase* next = SceneExit::next(result, getSceneId(), chosenScene_);
    // The hand-over deletes this scene: nothing of it may be touched afterwards.
    GameFlow::instance().handOver(gameApp(), next);
}
