#include "game/app/MyApp.hpp"


#include <iostream>

#include "engine/app/KeyboardHook.hpp"
#include "engine/core/ProcessRandom.hpp"
#include "engine/audio/catalogue/SceneMusicTable.hpp"
#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/audio/SoundSystem.hpp"
#include "engine/app/VideoModes.hpp"
#include "engine/config/Config.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/config/FileNotFoundError.hpp"
#include "engine/persistence/AppDataFolder.hpp"
#include "engine/persistence/FileSaveGame.hpp"
#include "engine/persistence/GenericEntry.hpp"
#include "engine/render/Graphics.hpp"
#include "engine/render/Texture.hpp"
#include "engine/screens/ScreenBase.hpp"
#include "engine/core/Log.hpp"
#include "engine/text/LabelManager.hpp"
#include "engine/widgets/WidgetManager.hpp"
#include "game/app/SharedResources.hpp"
#include "game/app/StartupError.hpp"
#include "game/app/GameScreens.hpp"
#include "game/persistence/GameSaveEntries.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/scene/ChronaScene.hpp"
#include "game/scene/play/SceneTrial.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/pieces/PiecesFile.hpp"

namespace {

MyApp* g_myApp = nullptr;

const char* const kConfigFile = "content/config/config.xml";
const char* const kParameterFile = "content/config/GameParameters.cfg";
const char* const kSoundCatalogue = "content/config/sfx.xml";
const char* const kMusicCatalogue = "content/config/scene/music.xml";
const char* const kSceneIndex = "content/config/scene/sceneIndex.xml";
const char* const kPiecesFile = "content/images/LumoraPieces/Pieces.xml";
// The optional keyboard-hook library, looked up next to the program.
const char* const kKeyboardHookLibrary = "chrona-input.so";

}  // namespace

MyApp* myApp() {
    return g_myApp;
}

MyApp::MyApp(const RunOptions& options)
    : SDLGameApp(options), sceneMusic_(std::make_unique<SceneMusicTable>(ProcessRandom::instance())) {
    g_myApp = this;
    Config& config = Config::instance();
    config.setContentFolder(options.contentDir);
    if (!config.load(kConfigFile)) {
        throw StartupError(ContentPath::resolve(kConfigFile) + ": cannot be read; the game cannot start without it");
    }
    if (!config.hasResolution()) {
        throw StartupError(ContentPath::resolve(kConfigFile) +
                           ": Config/Application/ScreenResolution is missing (width, height, bitDepth)");
    }
    labels_->load(config.getLabelsFile());
    setWindowCaption(config.getWindowCaption());
    keyboardHook_ = std::make_unique<KeyboardHook>(options.contentDir + "/../" + kKeyboardHookLibrary);
    keyboardHook_->install();
    SceneIndex::instance().load(kSceneIndex);
    openSettings(options);
    try {
        parameters_ = std::make_unique<ConfigFile>(kParameterFile);
    } catch (const FileNotFoundError&) {
        throw StartupError(ContentPath::resolve(kParameterFile) + ": missing; the game cannot start without its tuning parameters");
    }
}

void MyApp::openSettings(const RunOptions& options) {
    const Config& config = Config::instance();
    const std::string base = AppDataFolder::base(options.saveDir);
    const std::string folder = config.getSaveGameFolder().empty() ? "Chrona" : config.getSaveGameFolder();
    const std::string file = config.getSaveGameFileName().empty() ? "chrona.sav" : config.getSaveGameFileName();
    setScreenshotFolder(base + "/" + folder + "/ScreenShots/");
    PiecesFile pieces;
    pieces.load(kPiecesFile);
    PlayerProfiles::instance().setContent(SceneIndex::instance(), pieces);
    // The profiles carry the flow position: linked before they are read.
    GameFlow::linkProfiles(PlayerProfiles::instance());
    settings_ = std::make_unique<FileSaveGame>(AppDataFolder::saveFilePath(base, folder, file), this);
    GameSaveEntries::registerAll(*settings_, config.getSoundVolume(), config.getMusicVolume());
    // The log line names the file and the reason; the player reads why play
    // goes on unsaved, once, over whatever screen is up.
    settings_->setSaveFailedHandler([this](const std::string&) {
        notice_.show(labels_->getLabel("SAVE_FAILED"));
        logInfo("The player is told: %s", notice_.text().c_str());
    });
    settings_->loadOrWriteFresh();
}

int MyApp::settingInt(const char* name, int fallback) const {
    auto* entry = dynamic_cast<GenericEntry<int>*>(settings_ ? settings_->findEntry(name) : nullptr);
    return entry ? entry->value : fallback;
}

bool MyApp::settingFlag(const char* name, bool fallback) const {
    auto* entry = dynamic_cast<GenericEntry<char>*>(settings_ ? settings_->findEntry(name) : nullptr);
    return entry ? entry->value != 0 : fallback;
}

void MyApp::setSettingFlag(const char* name, bool value) {
    if (auto* entry = dynamic_cast<GenericEntry<char>*>(settings_ ? settings_->findEntry(name) : nullptr)) {
        entry->value = value ? 1 : 0;
    }
}

MyApp::~MyApp() {
    keyboardHook_->uninstall();
    if (g_myApp == this) {
        g_myApp = nullptr;
    }
}

void MyApp::init() {
    Config& config = Config::instance();
    if (!startSDL()) {
        return;
    }
    const bool wide = getVideoModes().isWide();
    config.setWideDisplay(wide);
    int width = config.getWidth();
    if (!wide) {
        // A narrow desktop gets a 1024-wide window with the canvas centred in it.
        config.setOffsets((1024 - config.getWidth()) / 2, 0);
        width = 1024;
    }
    rebuildResolutionText(config.getWidth(), config.getHeight());
    if (!initVideo(width, config.getHeight(), config.getBitDepth())) {
        return;
    }
    ProcessRandom::instance().seed(getRunSeed());
    GameFlow& flow = GameFlow::instance();
    flow.load(GameFlow::FlowFile, SceneIndex::instance());
    flow.setScreenFactory(std::make_unique<GameScreens>());
    SharedResources::instance().preload(*resources_, getTextureFactory());
    SfxContainer::instance().load(kSoundCatalogue);
    sceneMusic_->load(kMusicCatalogue);
    applyCursorSetting(settingFlag(GameSaveEntries::kHardwareCursor, true));
    const bool fullScreen =
        options_.fullScreen >= 0 ? options_.fullScreen == 1 : settingFlag(GameSaveEntries::kFullScreen, false);
    setFullScreen(fullScreen);
    applyVolumes();
    if (options_.startScene >= 0) {
        ChronaScene* scene = SceneTrial::start(options_.startScene);
        scene->drawChoicesFrom(getRunSeed());
        startState(scene);
    } else if (!options_.minigameType.empty()) {
        startMinigame(flow);
    } else {
        startState(flow.screens()->logos());
    }
}

void MyApp::beforeVideoInit() {
    setWindowIcon("content/Icon/Icon.png");
}

void MyApp::applyCursorSetting(bool custom) {
    customCursor_ = custom;
    setSettingFlag(GameSaveEntries::kHardwareCursor, custom);
    if (custom && Config::instance().setCursor(0)) {
        setSystemCursorVisible(false);
        return;
    }
    setCursorTexture(nullptr);
    setSystemCursorVisible(true);
}

void MyApp::startMinigame(GameFlow& flow) {
    FlowParameters parameters;
    parameters.set("configFile", options_.minigameFile);
    parameters.set("caption", options_.minigameFile);
    const std::vector<FlowEntry>& entries = flow.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // A minigame with a fixed file (the shooter) has none in its entry.
        const std::string file = entries[i].parameters.text("configFile");
        if (entries[i].type == options_.minigameType && (file == options_.minigameFile || file.empty())) {
            flow.setPosition(static_cast<int>(i));
            break;
        }
    }
    // A seeded run deals the same cards and draws the same choices every time.
    ProcessRandom::instance().seed(getRunSeed());
    ScreenBase* minigame = flow.createScreen(options_.minigameType, parameters);
    if (!minigame) {
        logError("--minigame: there is no minigame of the type %s", options_.minigameType.c_str());
        minigame = flow.screens()->logos();
    }
    startState(minigame);
}

void MyApp::startOpeningCutscene() {
    GameFlow& flow = GameFlow::instance();
    ScreenBase* first = flow.firstStoryScreen();
    startState(first ? first : flow.screens()->mainMenu());
}

bool MyApp::confirmQuit() {
    if (!quitDialogShown_) {
        if (ScreenBase* question = GameFlow::instance().screens()->quitDialog()) {
            quitDialogShown_ = true;
            startState(question);
        }
    }
    return false;
}

void MyApp::onExit() {
    settings_->save();
}

void MyApp::applyVolumes() {
    getSoundSystem()->setMusicVolume(settingInt(GameSaveEntries::kMusicVolume, Config::instance().getMusicVolume()));
    getSoundSystem()->setVolume(-1, settingInt(GameSaveEntries::kSoundVolume, Config::instance().getSoundVolume()));
}

void MyApp::onFocusGained() {
    getSoundSystem()->resume(settingInt(GameSaveEntries::kMusicVolume, Config::instance().getMusicVolume()),
                             settingInt(GameSaveEntries::kSoundVolume, Config::instance().getSoundVolume()));
}

void MyApp::onFocusLost() {
    getSoundSystem()->suspend();
}

void MyApp::beforeUpdate(int milliseconds) {
    notice_.update(milliseconds);
    if (maximiseRequested_) {
        maximiseRequested_ = false;
        setFullScreen(true);
    }
}

void MyApp::onWindowResized(int width, int height) {
    if (isFullScreen()) {
        return;
    }
    // The canvas has a fixed size: a window grown to (nearly) the whole desktop
    // was maximised and turns full screen on; any other size is put back.
    VideoMode largest;
    for (const VideoMode& m : getVideoModes().modes) {
        if (m.width > largest.width || m.height > largest.height) {
            largest = m;
        }
    }
    if (largest.width > 0 && (width * 10 >= largest.width * 9 || height * 10 >= largest.height * 9)) {
        maximiseRequested_ = true;
    } else if (width != getScreenWidth() || height != getScreenHeight()) {
        switchVideoMode(getScreenWidth(), getScreenHeight(), false);
    }
}

void MyApp::afterDraw(Graphics* graphics) {
    const Config& config = Config::instance();
    if (backdrop_) {
        graphics->drawImage(0, 0, backdrop_, Color::white());
    }
    // The glow behind a newly unlocked piece shows while the scene's frozen
    // picture stands behind it.
    Texture* glow = SharedResources::instance().unlockedPieceEffect;
    if (backdrop_ && glow) {
        graphics->drawImage(static_cast<int>(config.getWidth() * 0.5f - glow->getWidth() * 0.5f),
                            static_cast<int>(config.getHeight() * 0.5f - glow->getHeight() * 0.5f), glow,
                            Color::white());
    }
    if (overlay_) {
        graphics->drawImage(static_cast<int>(config.getWidth() * 0.5f - overlay_->getWidth() * 0.5f),
                            static_cast<int>(config.getHeight() * 0.5f - overlay_->getHeight() * 0.5f), overlay_,
                            Color::white());
    }
    notice_.draw(graphics, SharedResources::instance().myriadPro18, config.getWidth());
}

void MyApp::prepareFullScreen(bool /*fullScreen*/) {
    Config& config = Config::instance();
    if (getVideoModes().isWide()) {
        config.setWideDisplay(true);
        setScreenSize(config.getWidth(), config.getHeight());
    }
}

bool MyApp::onVideoModeChanged(int width, int height, bool fullScreen) {
    setSettingFlag(GameSaveEntries::kFullScreen, fullScreen);
    keyboardHook_->setEnabled(fullScreen);
    notifyAll(0);
    Config& config = Config::instance();
    const Letterbox box = Letterbox::centre(width, height, config.getWidth(), config.getHeight());
    config.setOffsets(box.offsetX, box.offsetY);
    for (GameState* state : getStates()) {
        if (auto* screen = dynamic_cast<ScreenBase*>(state)) {
            screen->setOffsets(box.offsetX, box.offsetY);
            screen->relayout();
        }
    }
    rebuildResolutionText(width, height);
    return true;
}

void MyApp::onFullScreenResumed() {
    keyboardHook_->setEnabled(true);
}

void MyApp::onFullScreenSuspended() {
    keyboardHook_->setEnabled(false);
}

void MyApp::rebuildResolutionText(int width, int height) {
    requestedWidth_ = width;
    requestedHeight_ = height;
    resolutionText_ = "Requested resolution:" + std::to_string(width) + " x " + std::to_string(height) + "\n";
}
