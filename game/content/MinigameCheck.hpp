#pragma once

#include <set>
#include <string>

class ContentFiles;
class XmlFile;

// The minigame boards of a content folder: every board under
// "content/config/minigames/Klotsky/" and ".../Memory/" and every one the
// game flow names is read as the game reads it and its pictures must exist;
// a sliding-block board's shortest solution (found by search) must exist and
// take at least MinMoves moves.
class MinigameCheck {
public:
    static constexpr const char* KlotskyFolder = "content/config/minigames/Klotsky/";
    static constexpr const char* MemoryFolder = "content/config/minigames/Memory/";
    static constexpr int MinMoves = 5;

    explicit MinigameCheck(const ContentFiles& files) : files_(files) {}

    void run();
    // One board; the shortest solution's length, -1 when there is none.
    int checkKlotsky(const std::string& contentPath);
    void checkMemory(const std::string& contentPath);
    // The boards of one type: the files of its folder and those the flow names.
    std::set<std::string> boards(const char* folder, const std::string& type) const;
    // Reports a board at where that is solved in fewer than minimum steps
    // (counted in unit: "moves", "turns"); gives the steps.
    int reportShort(const std::string& where, int steps, int minimum, const std::string& unit) const;

private:
    void requireKlotskyPictures(const XmlFile& file, const std::string& contentPath);

    const ContentFiles& files_;
};
