#include "game/app/CommandLine.hpp"

#include <cerrno>
#include <cstdlib>

namespace {

bool toLong(const std::string& text, long min, long& out) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < min) {
        return false;
    }
    out = value;
    return true;
}

}  // namespace

std::string CommandLine::helpText() {
    return "Usage: chrona [options]\n"
           "\n"
           "Options:\n"
           "  --help                 show this text and exit\n"
           "  --version              show the version and exit\n"
           "  --content DIR          read the game's content from DIR (default: content/ next to chrona)\n"
           "  --save-dir DIR         keep the save file and screenshots under DIR\n"
           "  --windowed             start in a window\n"
           "  --fullscreen           start full screen\n"
           "  --seed N               seed the random generator with N instead of the time\n"
           "  --fixed-step MS        advance the game clock by exactly MS milliseconds every frame\n"
           "  --frames N             quit cleanly after N frames\n"
           "  --screenshot N:FILE    save frame N (counting from 1) as a PNG picture; repeatable\n"
           "  --script FILE          replay the input script FILE (see README), then quit\n"
           "  --record FILE          write this session's input to FILE as a replayable script\n"
           "  --stats                print the run's timing and memory figures at exit\n"
           "  --stats-json FILE      write the same figures as JSON to FILE\n"
           "  --verbose              also print the engine's trace lines (as CHRONA_LOG=debug does)\n"
           "  --scene ID             start straight in scene ID, played by a profile made for this run\n"
           "  --minigame TYPE FILE   start straight in the minigame TYPE (MgKlotsky, ...) with its file\n"
           "  --check-content [DIR]  check every file of the content (default: the game's own) and\n"
           "                         print one line per problem; exit status 1 when there is any\n";
}

CommandLine CommandLine::parse(const std::vector<std::string>& args) {
    CommandLine cl;
    auto fail = [&cl](const std::string& message) {
        cl.outcome = Outcome::Error;
        cl.error = message;
        return cl;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        auto needValue = [&]() -> const std::string* { return hasValue ? &args[++i] : nullptr; };
        if (a == "--help" || a == "-h") {
            cl.outcome = Outcome::Help;
            return cl;
        }
        if (a == "--version") {
            cl.outcome = Outcome::Version;
            return cl;
        }
        if (a == "--check-content") {
            cl.outcome = Outcome::CheckContent;
            if (hasValue && args[i + 1].compare(0, 2, "--") != 0) {
                cl.checkFolder = args[++i];
            }
            continue;
        }
        if (a == "--windowed") {
            cl.run.fullScreen = 0;
        } else if (a == "--fullscreen") {
            cl.run.fullScreen = 1;
        } else if (a == "--content" || a == "--save-dir") {
            const std::string* v = needValue();
            if (!v || v->empty()) {
                return fail(a + " needs a folder");
            }
            (a == "--content" ? cl.run.contentDir : cl.run.saveDir) = *v;
        } else if (a == "--script" || a == "--record" || a == "--stats-json") {
            const std::string* v = needValue();
            if (!v || v->empty()) {
                return fail(a + " needs a file");
            }
            (a == "--script" ? cl.scriptFile : a == "--record" ? cl.run.recordFile : cl.run.statsJson) = *v;
        } else if (a == "--stats") {
            cl.run.stats = true;
        } else if (a == "--verbose") {
            cl.verbose = true;
        } else if (a == "--seed") {
            const std::string* v = needValue();
            long n = 0;
            if (!v || !toLong(*v, 0, n) || n > 0xFFFFFFFFL) {
                return fail("--seed needs a whole number from 0 to 4294967295");
            }
            cl.run.hasSeed = true;
            cl.run.seed = static_cast<std::uint32_t>(n);
        } else if (a == "--fixed-step") {
            const std::string* v = needValue();
            long n = 0;
            if (!v || !toLong(*v, 1, n) || n > 1000) {
                return fail("--fixed-step needs a number of milliseconds from 1 to 1000");
            }
            cl.run.fixedStep = static_cast<int>(n);
        } else if (a == "--frames") {
            const std::string* v = needValue();
            long n = 0;
            if (!v || !toLong(*v, 0, n)) {
                return fail("--frames needs a whole number of frames");
            }
            cl.run.frames = n;
        } else if (a == "--screenshot") {
            const std::string* v = needValue();
            const std::size_t colon = v ? v->find(':') : std::string::npos;
            long n = 0;
            if (!v || colon == std::string::npos || !toLong(v->substr(0, colon), 0, n) ||
                colon + 1 >= v->size()) {
                return fail("--screenshot needs FRAME:FILE.png");
            }
            cl.run.screenshots.emplace_back(n, v->substr(colon + 1));
        } else if (a == "--scene") {
            const std::string* v = needValue();
            long n = 0;
            if (!v || !toLong(*v, 0, n) || n > 0x7FFFFFFFL) {
                return fail("--scene needs a scene id (a whole number, 101 for the first location)");
            }
            cl.run.startScene = static_cast<int>(n);
        } else if (a == "--minigame") {
            if (i + 2 >= args.size() || args[i + 1].empty() || args[i + 2].empty()) {
                return fail("--minigame needs a type and a file (MgKlotsky content/config/minigames/Klotsky/klotsky01.xml)");
            }
            cl.run.minigameType = args[++i];
            cl.run.minigameFile = args[++i];
        } else {
            return fail("unknown option " + a + " (see chrona --help)");
        }
    }
    return cl;
}
