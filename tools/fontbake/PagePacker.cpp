#include "tools/fontbake/PagePacker.hpp"

#include <algorithm>
#include <numeric>

bool PagePacker::pack(std::vector<Cell>& cells) {
    for (int side = 64; side < maxSide_; side *= 2) {
        if (packInto(cells, side, false)) {
            return true;
        }
    }
    return packInto(cells, maxSide_, true);
}

bool PagePacker::packInto(std::vector<Cell>& cells, int side, bool manyPages) {
    std::vector<std::size_t> order(cells.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&cells](std::size_t a, std::size_t b) { return cells[a].height > cells[b].height; });
    side_ = side;
    pageHeights_.assign(1, 0);
    int x = gap_;
    int y = gap_;
    int shelfHeight = 0;
    for (const std::size_t i : order) {
        Cell& cell = cells[i];
        if (cell.width + 2 * gap_ > side || cell.height + 2 * gap_ > side) {
            return false;
        }
        if (x + cell.width + gap_ > side) {
            x = gap_;
            y += shelfHeight + gap_;
            shelfHeight = 0;
        }
        if (y + cell.height + gap_ > side) {
            if (!manyPages) {
                return false;
            }
            pageHeights_.push_back(0);
            x = gap_;
            y = gap_;
            shelfHeight = 0;
        }
        cell.x = x;
        cell.y = y;
        cell.page = static_cast<int>(pageHeights_.size()) - 1;
        x += cell.width + gap_;
        shelfHeight = std::max(shelfHeight, cell.height);
        pageHeights_.back() = std::max(pageHeights_.back(), y + cell.height + gap_);
    }
    for (int& height : pageHeights_) {
        int rounded = 1;
        while (rounded < height) {
            rounded *= 2;
        }
        height = std::min(rounded, side);
    }
    return true;
}
