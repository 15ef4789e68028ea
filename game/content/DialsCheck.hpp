#pragma once

#include <string>

class ContentFiles;

// The dials boards of a content folder: every board under
// "content/config/minigames/ConcentricDials/" and every one the game flow
// names is read as the game reads it, its pictures must exist and its rings
// be of one size, and the search must find a way to turn every ring home
// that takes at least MinTurns turns.
class DialsCheck {
public:
    static constexpr const char* Folder = "content/config/minigames/ConcentricDials/";
    static constexpr int MinTurns = 3;

    explicit DialsCheck(const ContentFiles& files) : files_(files) {}

    void run();
    // One board; the number of turns that solve it, -1 when there is no way.
    int check(const std::string& contentPath);

private:
    const ContentFiles& files_;
};
