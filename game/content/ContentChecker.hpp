#pragma once

#include <map>
#include <string>

#include "game/content/ContentFiles.hpp"
#include "game/content/ContentReport.hpp"

// `chrona --check-content`: reads every file of a content folder the way the
// game will (configuration, tuning parameters, labels, fonts, sound and music
// catalogues, animations, game flow, scene index, item, rule and mechanics
// files), follows every file they name and reports each problem with its
// file and line. See SceneCheck for what is checked of the scenes.
class ContentChecker {
public:
    explicit ContentChecker(const std::string& folder);

    ContentReport run();

    // The tuning keys the game reads, with whether the value must be a number.
    static const std::map<std::string, bool>& tuningKeys();

private:
    std::string checkConfig();
    void checkCredits(const std::string& contentPath);
    void checkParameters();
    void checkSounds();
    void checkAnimations();
    void checkAnimation(const std::string& contentPath);
    void checkFlow();

    ContentReport report_;
    ContentFiles files_;
    std::map<std::string, std::string> parameters_;
};
