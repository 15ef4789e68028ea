#include "game/content/ContentChecker.hpp"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "engine/core/ProcessRandom.hpp"
#include "engine/animation/AnimationPlayer.hpp"
#include "engine/audio/catalogue/SceneMusicTable.hpp"
#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/audio/Sound.hpp"
#include "engine/config/Config.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/config/FileNotFoundError.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/core/Log.hpp"
#include "engine/core/RandomSource.hpp"
#include "engine/core/XmlFile.hpp"
#include "game/content/DialsCheck.hpp"
#include "game/content/FontCheck.hpp"
#include "game/content/LabelCheck.hpp"
#include "game/content/MapCheck.hpp"
#include "game/content/PieceCheck.hpp"
#include "game/content/MinigameCheck.hpp"
#include "game/content/SceneCheck.hpp"
#include "game/content/ShooterCheck.hpp"
#include "game/content/StoryCheck.hpp"
#include "game/content/UndecodedTextures.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "game/story/flow/ScreenTypes.hpp"

namespace {

// While the checker runs, "content/..." names the checked folder and every
// line the loaders write becomes a problem of the report.
class LoaderCapture {
public:
    LoaderCapture(const std::string& folder, ContentReport& report)
        : folder_(ContentPath::folder()), capture_(Log::instance().capture()), threshold_(Log::instance().threshold()) {
        ContentPath::setFolder(folder);
        Log::instance().setThreshold(std::min(threshold_, Log::Warning));
        Log::instance().setCapture([&report, this](Log::Level level, const std::string& line) {
            if (level >= Log::Warning) {
                report.addLine(line);
            } else if (capture_) {
                capture_(level, line);
            }
        });
    }
    ~LoaderCapture() {
        Log::instance().setCapture(capture_);
        Log::instance().setThreshold(threshold_);
        ContentPath::setFolder(folder_);
    }
    LoaderCapture(const LoaderCapture&) = delete;
    LoaderCapture& operator=(const LoaderCapture&) = delete;

private:
    std::string folder_;
    Log::Capture capture_;
    Log::Level threshold_;
};

}  // namespace

ContentChecker::ContentChecker(const std::string& folder) : files_(folder, report_) {}

const std::map<std::string, bool>& ContentChecker::tuningKeys() {
    static const std::map<std::string, bool> keys = {
        {"PlayerName.Length", true},
        {"StackedRenderer.Configuration1.rows", true},
        {"StackedRenderer.Configuration1.columns", true},
        {"SilhouetteRenderer.RenderedItemNameCount", true},
        {"SilhouetteRenderer.SilhouetteWidth", true},
        {"SilhouetteRenderer.BgPosX", true},
        {"SilhouetteRenderer.BgPosY", true},
        {"Game.Images.Silhouettes.Prefix", false},
        {"Points.ItemFound", true},
        {"Points.GoldBadgeBonusPoints", true},
        {"Points.SilverBadgeBonusPoints", true},
        {"Points.BronzeBadgeBonusPoints", true},
        {"Points.TimePortalPermanentlyOpen", true},
        {"HOScene.FadeInTransition", true},
        {"HOScene.FadeOutTransition", true},
        {"HOScene.HintBtn.FillUpDuratin.Normal", true},
        {"MiniGameBase.SkipBtn.CountDownDuration.Normal", true},
        {"MgShooter.FirstLineValue", true},
        {"MgShooter.SecondLineValue", true},
        {"MgShooter.ThirdLineValue", true},
    };
    return keys;
}

ContentReport ContentChecker::run() {
    const LoaderCapture capture(files_.folder(), report_);
    const std::string language = checkConfig();
    checkParameters();
    FontCheck fonts(files_);
    fonts.run();
    LabelCheck labels(files_);
    labels.load();
    checkSounds();
    checkAnimations();
    checkFlow();
    PieceCheck(files_).run();
    MapCheck(files_, labels).run();
    MinigameCheck(files_).run();
    DialsCheck(files_).run();
    ShooterCheck(files_).run();
    SceneCheck(files_, labels, parameters_, language).run();
    StoryCheck(files_, labels).run();
    labels.finish(fonts.glyphs());
    return report_;
}

std::string ContentChecker::checkConfig() {
    const std::string file = "content/config/config.xml";
    Config config;
    if (!config.load(file)) {
        return "EN";
    }
    if (!config.getLabelsFile().empty()) {
        files_.require(config.getLabelsFile(), file, config.getLabelsLine(), "the labels file");
    }
    for (const Config::Cursor& cursor : config.getCursors()) {
        files_.require(config.getCursorFolder() + cursor.imageFile, file, cursor.line, "the cursor image");
    }
    if (!config.getCreditsFile().empty()) {
        files_.require(config.getCreditsFile(), file, config.getCreditsLine(), "the credits file");
    }
    for (const Config::LogoScreen& logo : config.getLogoScreens()) {
        std::string folder = logo.folder;
        if (!folder.empty() && folder.back() != '/') {
            folder += "/";
        }
        files_.require(folder + logo.fileName, file, logo.line, "the logo screen");
    }
    return config.getActiveLanguage().empty() ? "EN" : config.getActiveLanguage();
}

void ContentChecker::checkParameters() {
    const std::string contentPath = "content/config/GameParameters.cfg";
    const std::string file = files_.path(contentPath);
    try {
        const ConfigFile parameters(contentPath);
        for (const auto& [key, numeric] : tuningKeys()) {
            if (!parameters.hasKey(key)) {
                report_.add(file, 0, "the tuning key " + key + " is missing");
                continue;
            }
            const std::string value = parameters.readString(key, "");
            parameters_[key] = value;
            char* end = nullptr;
            std::strtol(value.c_str(), &end, 10);
            if (value.empty() || (numeric && *end != '\0')) {
                report_.add(file, parameters.lineOf(key),
                            "the tuning key " + key + (numeric ? " needs a whole number" : " needs a value"));
            }
        }
    } catch (const FileNotFoundError&) {
        report_.add(file, 0, "the file is missing");
    }
}

void ContentChecker::checkSounds() {
    SfxContainer effects(ProcessRandom::instance(), [](const std::string&) { return std::unique_ptr<Sound>(); });
    effects.load("content/config/sfx.xml");
    SceneMusicTable music(ProcessRandom::instance());
    music.load("content/config/scene/music.xml");
}

void ContentChecker::checkAnimations() {
    std::vector<std::string> animations;
    std::error_code error;
    const std::filesystem::path base = files_.path("content/animations");
    for (auto it = std::filesystem::recursive_directory_iterator(base, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (it->path().extension() == ".xml") {
            animations.push_back("content/animations/" + std::filesystem::relative(it->path(), base).generic_string());
        }
    }
    std::sort(animations.begin(), animations.end());
    UndecodedTextures textures;
    AnimationPlayer player(nullptr, &textures);
    int id = 0;
    for (const std::string& animation : animations) {
        player.loadAnimation(animation, id++);
    }
}

void ContentChecker::checkFlow() {
    const std::string flowFile = GameFlow::FlowFile;
    if (!files_.exists(flowFile)) {
        return;
    }
    SceneIndex index;
    index.load("content/config/scene/sceneIndex.xml");
    GameFlow flow;
    flow.load(flowFile, index);
    // Dialogues and minigame files that do not exist yet are shown as
    // placeholders by the game; the rule files of the scenes are needed.
    for (const FlowEntry& entry : flow.entries()) {
        if (entry.type != ScreenTypes::Scene && entry.type != ScreenTypes::GamePartSession) {
            continue;
        }
        const std::string folder = entry.parameters.text("configPath");
        for (const char* rules : {"itemRendererConf", "itemGroupConf"}) {
            files_.require(folder + entry.parameters.text(rules), flowFile, entry.line, std::string("the ") + rules);
        }
    }
}
