#include <iostream>
#include <string>
#include <vector>

#include "engine/core/Log.hpp"
#include "game/app/CommandLine.hpp"
#include "game/app/ExecutablePath.hpp"
#include "game/app/MyApp.hpp"
#include "game/app/StartupError.hpp"
#include "game/content/ContentChecker.hpp"

int main(int argc, char** argv) {
    const CommandLine cl = CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc));
    Log::instance().applyEnvironment();
    if (cl.verbose) {
        Log::instance().setThreshold(Log::Debug);
    }
    switch (cl.outcome) {
        case CommandLine::Outcome::Help:
            std::cout << CommandLine::helpText();
            return 0;
        case CommandLine::Outcome::Version:
            std::cout << "chrona " << CHRONA_VERSION << std::endl;
            return 0;
        case CommandLine::Outcome::Error:
            std::cerr << "chrona: " << cl.error << std::endl;
            return 2;
        case CommandLine::Outcome::CheckContent: {
            const ContentReport report =
                ContentChecker(cl.checkFolder.empty() ? executableFolder() + "/content" : cl.checkFolder).run();
            report.print(std::cout);
            return report.clean() ? 0 : 1;
        }
        case CommandLine::Outcome::Run:
            break;
    }
    RunOptions options = cl.run;
    if (!cl.scriptFile.empty()) {
        if (!options.script.load(cl.scriptFile)) {
            for (const std::string& error : options.script.errors()) {
                std::cerr << error << std::endl;
            }
            return 2;
        }
        options.hasScript = true;
    }
    if (options.contentDir.empty()) {
        options.contentDir = executableFolder() + "/content";
    }
    try {
        MyApp app(options);
        app.init();
        app.run();
        return app.getExitCode();
    } catch (const StartupError& e) {
        logError("%s", e.what());
        return 1;
    }
}
