#pragma once

#include <string>

class ContentFiles;
class XmlFile;

// The minigame boards of a content folder: every sliding-block board under
// "content/config/minigames/Klotsky/" and every one the game flow names is
// read as the game reads it, its pictures must exist, and its shortest
// solution (found by search) must exist and take at least MinMoves moves.
class MinigameCheck {
public:
    static constexpr const char* KlotskyFolder = "content/config/minigames/Klotsky/";
    static constexpr int MinMoves = 5;

    explicit MinigameCheck(const ContentFiles& files) : files_(files) {}

    void run();
    // One board; the shortest solution's length, -1 when there is none.
    int checkKlotsky(const std::string& contentPath);

private:
    void requireKlotskyPictures(const XmlFile& file, const std::string& contentPath);

    const ContentFiles& files_;
};
