// goalscript: writes the input script that plays one location scene in the
// real game, clicking every goal once at a visible pixel.
//
//   goalscript --content DIR (--scene ID | --save FILE) --seed N [--step MS] [--finds K] [--answer] --out FILE
//
// With --finds the script stops after K goals; with --answer it then clicks
// the first button of the message the scene shows. Messages on the way are
// answered, and the script ends where the scene ends its visit: a present
// scene after its last step, a past scene after its second (its portal opens
// at the tenth find; from then on each step ends the visit). The real run must use the
// same content, seed and step, and reach the scene the way the script
// expects: straight (chrona --content DIR --scene ID --seed N --fixed-step MS
// --script FILE), or through the game for the first visit of the scene.
//
// With --save the scene is the one the save file's current player left off
// in, played from where they left it, as "Continue" opens it in the real game
// (the file is only read). The last line printed names the code the visit
// ended with ("ends with CODE"), so a caller knows what screen follows.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "GoalBot.hpp"
#include "engine/config/Config.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/persistence/FileSaveGame.hpp"
#include "engine/persistence/SaveGameIdSource.hpp"
#include "game/persistence/GameSaveEntries.hpp"
#include "engine/render/CpuTextureFactory.hpp"
#include "game/persistence/PlayerProfiles.hpp"
#include "game/scene/ChronaScene.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/data/SceneIndex.hpp"
#include "game/scene/play/SceneTrial.hpp"
#include "support/LogCapture.hpp"
#include "game/story/cutscenes/SceneIntro.hpp"
#include "game/story/flow/GameFlow.hpp"
#include "support/RecordingScreenFactory.hpp"
#include "support/TestApp.hpp"

namespace {

const int kFrameLimit = 60 * 60 * 30;

int usage() {
    std::cout << "usage: goalscript --content DIR (--scene ID | --save FILE) --seed N [--step MS] [--finds K] "
                 "[--answer] --out FILE\n";
    return 2;
}

struct GameId : SaveGameIdSource {
    const char* saveGameId() const override { return "ID_001"; }
};

// The scene the save file's current player is in, or -1 when the file
// cannot be read or its player is in none. The store keeps the profiles it
// read for as long as it lives.
int savedScene(FileSaveGame& store) {
    GameSaveEntries::registerAll(store, 0, 0);
    if (!store.load()) {
        return -1;
    }
    const PlayerProfile* player = PlayerProfiles::instance().currentProfile();
    return player ? player->currentScene : -1;
}

// "ends with CODE" from the scene's trace lines, or -1 when it did not end.
int endCode(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        const std::size_t at = line.find("ends with ");
        if (at != std::string::npos) {
            return std::atoi(line.c_str() + at + 10);
        }
    }
    return -1;
}

// The game's caption over the opening scene, and no other screen.
class IntroOnly : public RecordingScreenFactory {
public:
    ScreenBase* sceneIntro(int sceneId, SceneIntroListener* listener) override {
        return new SceneIntro(SceneIntro::captionOf(sceneId), listener);
    }
};

}  // namespace

int main(int argc, char** argv) {
    std::string content;
    std::string out;
    std::string save;
    int sceneId = -1;
    unsigned long seed = 0;
    int step = 16;
    int finds = 0;
    bool answer = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--answer") {
            answer = true;
            continue;
        }
        if (i + 1 >= argc) {
            return usage();
        }
        const std::string value = argv[++i];
        if (option == "--content") {
            content = value;
        } else if (option == "--scene") {
            sceneId = std::atoi(value.c_str());
        } else if (option == "--seed") {
            seed = std::strtoul(value.c_str(), nullptr, 10);
        } else if (option == "--step") {
            step = std::atoi(value.c_str());
        } else if (option == "--finds") {
            finds = std::atoi(value.c_str());
        } else if (option == "--save") {
            save = value;
        } else if (option == "--out") {
            out = value;
        } else {
            return usage();
        }
    }
    if (content.empty() || out.empty() || (sceneId < 0) == save.empty() || step <= 0) {
        return usage();
    }
    Config::instance().setContentFolder(content);
    if (!Config::instance().load(ContentPath::resolve("content/config/config.xml"))) {
        std::cout << "goalscript: cannot read the configuration of " << content << "\n";
        return 1;
    }
    const ConfigFile parameters(ContentPath::resolve("content/config/GameParameters.cfg"));
    SceneIndex::instance().load(ChronaScene::ConfigPath + std::string("sceneIndex.xml"));
    GameId id;
    FileSaveGame store(save, &id);
    if (!save.empty()) {
        sceneId = savedScene(store);
        if (sceneId < 0) {
            std::cout << "goalscript: " << save << " holds no player in a scene\n";
            return 1;
        }
    }
    TestApp app(Config::instance().getWidth(), Config::instance().getHeight());
    LogCapture trace(Log::Info);
    ChronaScene* scene = save.empty() ? SceneTrial::start(sceneId) : ChronaScene::forScene(sceneId);
    // The scene opens under its caption, as in the game.
    GameFlow::instance().setScreenFactory(std::make_unique<IntroOnly>());
    scene->drawChoicesFrom(static_cast<std::uint32_t>(seed));
    scene->setTextureFactory(std::make_unique<CpuTextureFactory>());
    scene->setGameParameters(&parameters);
    scene->setSaveAction([] {});
    app.startState(scene);

    std::ofstream script(out);
    script << "# Plays scene " << sceneId << ", one click on every goal (written by goalscript).\n"
           << "seed " << seed << "\n";
    GoalBot bot(app, *scene, script, step);
    bool played = bot.play(kFrameLimit, finds);
    if (played && answer) {
        played = bot.answerNotice(60 * 30);
    }
    // The last flight, the fade and the next screen take at most a few seconds.
    script << "wait 300\n";
    std::cout << "goalscript: scene " << sceneId << ", " << bot.finds() << " finds, " << bot.clicks()
              << " clicks over " << bot.frames()
              << " frames" << (played ? "" : ", the scene did not get to its end") << "\n";
    for (const std::string& line : trace.lines()) {
        if (line.find("looks for") != std::string::npos) {
            std::cout << "goalscript: " << line << "\n";
        }
    }
    const int code = endCode(trace.lines());
    if (code >= 0) {
        std::cout << "goalscript: scene " << sceneId << " ends with " << code << "\n";
    }
    app.leaveAllStates();
    ItemRegistry::instance().clear();
    return played && script ? 0 : 1;
}
