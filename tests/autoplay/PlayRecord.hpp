#pragma once

#include <map>
#include <ostream>
#include <string>

// What happened in a play-through, for its summary: the screens reached, the
// bot's own choices, and the player's standing read from the profile.
struct PlayRecord {
    std::map<std::string, int> screens;  // screen type -> times it came on top
    int misses = 0;
    int penalties = 0;
    int hints = 0;
    int timeOuts = 0;
    int menuQuits = 0;
    int dialoguesSkipped = 0;
    int minigamesSolved = 0;
    int minigamesSkipped = 0;
    std::map<std::string, long> minigameFrames;  // minigame type -> frames it took to solve
    int cardTurnsMost = 0;                       // the most times one memory card was turned
    int shotsMissed = 0;                         // gallery shots at the goal that did not hit it
    int goalsClicked = 0;
    // Read from the profile when the progress screen shows.
    int scenesFinished = 0;
    std::map<std::string, int> badges;  // gold, silver, bronze
    int pieces = 0;
    int score = 0;
    bool progressSeen = false;
    bool creditsSeen = false;
    long frames = 0;
    int frameMs = 16;

    // The summary lines (without the wall time and the save file's hash).
    void print(std::ostream& out) const;
};
