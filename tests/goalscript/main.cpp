// goalscript: writes the input script that plays one location scene to its
// end in the real game, clicking every goal once at a visible pixel.
//
//   goalscript --content DIR --scene ID --seed N [--step MS] --out FILE
//
// The real run must use the same content, seed and step:
//   chrona --content DIR --scene ID --seed N --fixed-step MS --script FILE
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "GoalBot.hpp"
#include "engine/config/Config.hpp"
#include "engine/config/ConfigFile.hpp"
#include "engine/core/ContentPath.hpp"
#include "engine/render/CpuTextureFactory.hpp"
#include "game/scene/data/ItemRegistry.hpp"
#include "game/scene/TestScene.hpp"
#include "support/TestApp.hpp"

namespace {

const int kFrameLimit = 60 * 60 * 30;

int usage() {
    std::cout << "usage: goalscript --content DIR --scene ID --seed N [--step MS] --out FILE\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string content;
    std::string out;
    int sceneId = -1;
    unsigned long seed = 0;
    int step = 16;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--content") {
            content = value;
        } else if (option == "--scene") {
            sceneId = std::atoi(value.c_str());
        } else if (option == "--seed") {
            seed = std::strtoul(value.c_str(), nullptr, 10);
        } else if (option == "--step") {
            step = std::atoi(value.c_str());
        } else if (option == "--out") {
            out = value;
        } else {
            return usage();
        }
    }
    if (content.empty() || out.empty() || sceneId < 0 || step <= 0) {
        return usage();
    }
    Config::instance().setContentFolder(content);
    if (!Config::instance().load(ContentPath::resolve("content/config/config.xml"))) {
        std::cout << "goalscript: cannot read the configuration of " << content << "\n";
        return 1;
    }
    const ConfigFile parameters(ContentPath::resolve("content/config/GameParameters.cfg"));
    TestApp app(Config::instance().getWidth(), Config::instance().getHeight());
    TestScene* scene = TestScene::forLocation(sceneId, static_cast<std::uint32_t>(seed));
    scene->setTextureFactory(std::make_unique<CpuTextureFactory>());
    scene->setGameParameters(&parameters);
    app.startState(scene);

    std::ofstream script(out);
    script << "# Plays scene " << sceneId << " to its end, one click on every goal (written by goalscript).\n"
           << "seed " << seed << "\n";
    GoalBot bot(app, *scene, script, step);
    const bool ended = bot.play(kFrameLimit);
    // The last flight, the fade and the next screen take at most a few seconds.
    script << "wait 300\nexpect-screen TitleScreen\n";
    std::cout << "goalscript: scene " << sceneId << ", " << bot.clicks() << " clicks over " << bot.frames()
              << " frames" << (ended ? "" : ", the scene did not end") << "\n";
    app.leaveAllStates();
    ItemRegistry::instance().clear();
    return ended && script ? 0 : 1;
}
