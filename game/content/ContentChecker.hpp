#pragma once

#include <map>
#include <string>

#include "game/content/ContentFiles.hpp"
#include "game/content/ContentReport.hpp"

// `chrona --check-content`: reads every file of a content folder through the
// game's own loaders (configuration, tuning parameters, labels, fonts, sound
// and music catalogues, animations, scene index, item, rule and mechanics
// files), whose diagnostics become its report, and adds what only a view of
// all files shows: the files they name, the labels and glyphs the text needs
// and the goals a player can see. See SceneCheck for the scenes.
class ContentChecker {
public:
    explicit ContentChecker(const std::string& folder);

    ContentReport run();

    // The tuning keys the game reads, with whether the value must be a number.
    static const std::map<std::string, bool>& tuningKeys();

private:
    std::string checkConfig();
    void checkParameters();
    void checkSounds();
    void checkAnimations();
    void checkFlow();

    ContentReport report_;
    ContentFiles files_;
    std::map<std::string, std::string> parameters_;
};
