// autoplay: plays the whole game in this process, from whatever the save
// folder holds (an empty one: the first start) to the credits, as a player
// would, and prints a summary of the play-through. The run has no window:
// textures stay in memory and every frame lasts 16 ms of game time, so a run
// is quick and the same seed and style play the same game every time.
//
//   autoplay --content DIR --save-dir DIR --seed N [--style careful|hasty]
//            [--record FILE] [--frame-limit N] [--minigame TYPE FILE]
//            [--status FILE] [--kill-at-frame F] [--kill-in-save N:M]
//            [--kill-on-screen NAME:F]
//
// --record writes the input as a script that `chrona --script` replays in
// the real game. --minigame starts the game in that minigame (MgKlotsky and
// its file, ...) and ends the run when the minigame has left. --status keeps
// the name of the screen on top in FILE.
// --kill-at-frame kills the process (SIGKILL) at the start of frame F;
// --kill-on-screen F frames after the screen NAME first comes on top;
// --kill-in-save kills it during its N-th save, at moment
// M (0 after opening the new file, 1 half-way through writing it, 2 before
// flushing, 3 before it replaces the old one, 4 just after). The first line
// tells what the save folder held at the start. The exit code is 0 when the
// credits were reached (or the minigame left).
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

#include "AutoPlayer.hpp"
#include "KillingFileSystem.hpp"
#include "engine/persistence/FileSaveGame.hpp"
#include "engine/core/Log.hpp"
#include "game/app/MyApp.hpp"
#include "game/app/StartupError.hpp"

namespace {

int usage() {
    std::cout << "usage: autoplay --content DIR --save-dir DIR --seed N [--style careful|hasty] [--record FILE] "
                 "[--frame-limit N] [--minigame TYPE FILE] [--status FILE] [--kill-at-frame F] "
                 "[--kill-in-save N:M] [--kill-on-screen NAME:F]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    RunOptions options;
    options.headless = true;
    options.fixedStep = 16;
    options.fullScreen = 0;
    options.hasSeed = true;
    PlayStyle style = PlayStyle::Careful;
    long frameLimit = 0;
    std::string status;
    int killSave = 0;
    long killFrame = 0;
    std::string killScreen;
    long killDelay = 0;
    int killMoment = 0;
    bool seeded = false;
    bool oneMinigame = false;
    for (int i = 1; i < argc; i += 2) {
        const std::string option = argv[i];
        if (i + 1 >= argc || (option == "--minigame" && i + 2 >= argc)) {
            return usage();
        }
        const std::string value = argv[i + 1];
        if (option == "--content") {
            options.contentDir = value;
        } else if (option == "--save-dir") {
            options.saveDir = value;
        } else if (option == "--seed") {
            options.seed = static_cast<std::uint32_t>(std::strtoul(value.c_str(), nullptr, 10));
            seeded = true;
        } else if (option == "--style" && (value == "careful" || value == "hasty")) {
            style = value == "hasty" ? PlayStyle::Hasty : PlayStyle::Careful;
        } else if (option == "--record") {
            options.recordFile = value;
        } else if (option == "--frame-limit") {
            frameLimit = std::atol(value.c_str());
        } else if (option == "--kill-at-frame") {
            killFrame = std::atol(value.c_str());
        } else if (option == "--kill-on-screen" && value.find(':') != std::string::npos) {
            killScreen = value.substr(0, value.find(':'));
            killDelay = std::atol(value.c_str() + value.find(':') + 1);
        } else if (option == "--minigame") {
            options.minigameType = value;
            options.minigameFile = argv[++i + 1];
            oneMinigame = true;
        } else if (option == "--status") {
            status = value;
        } else if (option == "--kill-in-save" && value.find(':') != std::string::npos) {
            killSave = std::atoi(value.c_str());
            killMoment = std::atoi(value.c_str() + value.find(':') + 1) % KillingFileSystem::MomentCount;
        } else {
            return usage();
        }
    }
    if (options.contentDir.empty() || options.saveDir.empty() || !seeded) {
        return usage();
    }
    Log::instance().applyEnvironment();
    const auto started = std::chrono::steady_clock::now();
    AutoPlayer bot(style, options.seed, std::cout);
    if (frameLimit > 0) {
        bot.setFrameLimit(frameLimit);
    }
    if (oneMinigame) {
        bot.stopAfterMinigame();
    }
    bot.setStatusFile(status);
    bot.setKillFrame(killFrame);
    bot.setKillScreen(killScreen, killDelay);
    options.driver = &bot;
    KillingFileSystem killer(killSave, static_cast<KillingFileSystem::Moment>(killMoment));
    try {
        MyApp app(options);
        if (killSave > 0) {
            app.getSettings()->setFileSystem(&killer);
        }
        app.init();
        app.run();
    } catch (const StartupError& e) {
        std::cout << "autoplay: " << e.what() << "\n";
        return 1;
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "autoplay: seed " << options.seed << ", " << (style == PlayStyle::Hasty ? "hasty" : "careful")
              << ", ended on " << bot.lastScreen() << "\n";
    bot.record().print(std::cout);
    std::cout << "wall time: " << static_cast<int>(wall) << " s\n";
    if (!bot.failure().empty()) {
        std::cout << "autoplay: FAILED " << bot.failure() << "\n";
        return 1;
    }
    return bot.record().creditsSeen || oneMinigame ? 0 : 1;
}
