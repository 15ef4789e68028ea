#pragma once

#include <vector>

// Places glyph cells on square power-of-two pages in shelves (rows of cells,
// tallest first), with a gap between cells so that linear filtering never
// samples a neighbour. Uses the smallest page side that holds every cell on
// one page, else as many pages of the largest side as needed.
class PagePacker {
public:
    struct Cell {
        int width = 0;
        int height = 0;
        int x = 0;
        int y = 0;
        int page = 0;
    };

    PagePacker(int gap, int maxSide) : gap_(gap), maxSide_(maxSide) {}

    // Fills in x, y and page of every cell; returns false when a cell is larger
    // than the largest page.
    bool pack(std::vector<Cell>& cells);
    int getPageWidth() const { return side_; }
    // Heights of the pages, trimmed to the power of two that holds their rows.
    const std::vector<int>& getPageHeights() const { return pageHeights_; }

private:
    bool packInto(std::vector<Cell>& cells, int side, bool manyPages);

    int gap_;
    int maxSide_;
    int side_ = 0;
    std::vector<int> pageHeights_;
};
