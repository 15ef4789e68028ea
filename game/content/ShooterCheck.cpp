#include "game/content/ShooterCheck.hpp"

#include <map>

#include "game/content/ContentFiles.hpp"
#include "game/minigames/shooter/MgShooter.hpp"
#include "game/minigames/shooter/ShooterConfig.hpp"

void ShooterCheck::run() {
    const std::string file = ShooterConfig::File;
    if (!files_.exists(file)) {
        return;
    }
    ShooterConfig config;
    if (!config.load(file)) {
        return;
    }
    for (const char* picture : {MgShooter::Background, MgShooter::Mask, MgShooter::Disc, MgShooter::TargetList}) {
        files_.require(picture, file, 0, "the gallery's picture");
    }
    std::map<int, int> perLine;
    std::map<std::string, int> lineOf;  // by picture
    for (const ShooterConfig::Item& item : config.items) {
        files_.require(config.itemPath + item.fileName, file, item.fileLine, "the picture");
        ++perLine[item.line];
        // The plaque shows only the picture: on two lines the player could not tell which to shoot.
        const auto seen = lineOf.emplace(item.fileName, item.line);
        if (!seen.second && seen.first->second != item.line) {
            files_.report().add(files_.path(file), item.fileLine,
                                "the picture \"" + item.fileName + "\" rides line " +
                                    std::to_string(seen.first->second) +
                                    " as well: the goal plaque cannot tell which one to shoot");
        }
    }
    for (std::size_t i = 0; i < config.lines.size(); ++i) {
        // The pictures stand a band's width apart over count - 1 gaps: fewer than three all fit in view.
        const int count = perLine[static_cast<int>(i)];
        if (count < 3) {
            files_.report().add(files_.path(file), config.lines[i].fileLine,
                                "line " + std::to_string(i) + " carries " + std::to_string(count) +
                                    " pictures: it needs at least 3 so that one is always out of view");
        }
    }
}
