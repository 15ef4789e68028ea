#pragma once

#include <string>
#include <vector>

// The file of one memory board: the pictures (background, card back, the
// frame of an open card, the back as drawn, and the faces, all under one
// folder), the gaps between cards and the grid. A board is playable when the
// grid holds an even number of cards, at most 40, and there is a face for
// every pair; load names the file and line of whatever is wrong.
class MemoryBoard {
public:
    static constexpr int MaxCards = 40;

    bool load(const std::string& path);

    std::string imagePath;
    std::string background;
    std::string card;
    std::string cardFlipped;
    std::string cardOver;
    int deltaX = -1;
    int deltaY = -1;
    int rows = -1;     // itemsInColumn
    int columns = -1;  // itemsInRow
    std::vector<std::string> faces;

    int cardCount() const { return rows * columns; }
    int pairCount() const { return cardCount() / 2; }
    // Every picture the board names, with the folder in front.
    std::vector<std::string> pictures() const;
};
