#pragma once

#include <string>
#include <vector>

// The shooting gallery's file: the target lines (bands across the screen,
// centred, each with its travel direction and an optional speed of its own)
// and the pictures that ride on them. load names the file and line of
// whatever makes the gallery unplayable: a missing or broken file, no line,
// a line without a size, a direction other than left or right, a speed of
// zero or less (lines after the third have none of their own, so they need
// one), a picture that names no line or no file or is out of order, a line
// with no pictures.
class ShooterConfig {
public:
    struct Line {
        int y = -1;
        int width = -1;
        int height = -1;
        int orientation = 0;  // 0 leftwards, 1 rightwards
        int speed = 0;        // pixels per tick, from the line's place unless given
        int fileLine = 0;     // where the TargetLine stands in the file
    };
    struct Item {
        int id = -1;
        int line = -1;
        std::string fileName;
        int fileLine = 0;
    };

    static constexpr const char* File = "content/config/minigames/Shooter/shooter.xml";
    static constexpr int MaxLines = 8;
    // Far beyond any screen: larger values would overflow the line's arithmetic.
    static constexpr int MaxExtent = 4096;
    static constexpr int MaxSpeed = 1000;

    // The speed a line has from its place: 1, 3 and 4 pixels a tick for the
    // first three, none after them.
    static int speedOf(int lineIndex);

    bool load(const std::string& path);

    std::string imagePath;
    std::string itemPath;
    std::vector<Line> lines;
    std::vector<Item> items;
};
