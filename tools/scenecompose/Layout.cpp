#include "tools/scenecompose/Layout.hpp"

#include <algorithm>

bool Layout::above(const Drawable& a, const Drawable& b) {
    return a.layer != b.layer ? a.layer > b.layer : a.order > b.order;
}

std::vector<int> Layout::newlyCovered(const Drawable& lower, const Entry& entry, const Drawable& upper) {
    std::vector<int> pixels;
    const int left = std::max(lower.x, upper.x);
    const int top = std::max(lower.y, upper.y);
    const int right = std::min(lower.x + lower.mask.width, upper.x + upper.mask.width);
    const int bottom = std::min(lower.y + lower.mask.height, upper.y + upper.mask.height);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const int lx = x - lower.x;
            const int ly = y - lower.y;
            const int index = ly * lower.mask.width + lx;
            if (lower.mask.at(lx, ly) >= OpaqueAlpha && !entry.covered[static_cast<std::size_t>(index)] &&
                upper.mask.at(x - upper.x, y - upper.y) > 0) {
                pixels.push_back(index);
            }
        }
    }
    return pixels;
}

bool Layout::tryAdd(const Drawable& drawable) {
    Entry entry;
    entry.covered.assign(drawable.mask.alpha.size(), false);
    for (std::uint8_t a : drawable.mask.alpha) {
        entry.opaque += a >= OpaqueAlpha ? 1 : 0;
    }
    if (drawable.findable && entry.opaque == 0) {
        return false;
    }
    // What already lies above the newcomer covers it.
    for (std::size_t i = 0; i < drawables_.size(); ++i) {
        if (above(drawables_[i], drawable)) {
            for (int index : newlyCovered(drawable, entry, drawables_[i])) {
                entry.covered[static_cast<std::size_t>(index)] = true;
                ++entry.coveredCount;
            }
        }
    }
    const auto keepsShare = [this](int opaque, int covered) {
        return opaque == 0 || static_cast<double>(opaque - covered) >= minimumShare_ * opaque;
    };
    if (drawable.findable && !keepsShare(entry.opaque, entry.coveredCount)) {
        return false;
    }
    // The newcomer covers the findable pictures below it.
    std::vector<std::pair<std::size_t, std::vector<int>>> changes;
    for (std::size_t i = 0; i < drawables_.size(); ++i) {
        if (!drawables_[i].findable || above(drawables_[i], drawable)) {
            continue;
        }
        std::vector<int> pixels = newlyCovered(drawables_[i], entries_[i], drawable);
        if (!keepsShare(entries_[i].opaque, entries_[i].coveredCount + static_cast<int>(pixels.size()))) {
            return false;
        }
        if (!pixels.empty()) {
            changes.emplace_back(i, std::move(pixels));
        }
    }
    for (auto& [i, pixels] : changes) {
        for (int index : pixels) {
            entries_[i].covered[static_cast<std::size_t>(index)] = true;
        }
        entries_[i].coveredCount += static_cast<int>(pixels.size());
    }
    drawables_.push_back(drawable);
    entries_.push_back(std::move(entry));
    return true;
}

void Layout::reserve(int x, int y, int width, int height) {
    Drawable panel;
    panel.mask = AlphaMask(width, height, 255);
    panel.x = x;
    panel.y = y;
    panel.layer = PanelLayer;
    panel.order = static_cast<int>(drawables_.size());
    tryAdd(panel);
}

double Layout::visibleShare(std::size_t index) const {
    const Entry& entry = entries_.at(index);
    return entry.opaque == 0 ? 0.0 : static_cast<double>(entry.opaque - entry.coveredCount) / entry.opaque;
}
