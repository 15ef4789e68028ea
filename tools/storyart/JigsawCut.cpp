#include "tools/storyart/JigsawCut.hpp"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

// The knob's outline along an edge of length 1 (u along, v across): a neck,
// a round head and a neck back, symmetric about its middle so the edge drawn
// backwards is the same curve.
struct Control {
    double u1, v1, u2, v2, u, v;
};
constexpr double KnobStart = 0.36;
constexpr Control Knob[] = {
    {0.40, 0.00, 0.42, 0.06, 0.38, 0.12},
    {0.32, 0.22, 0.42, 0.28, 0.50, 0.28},
    {0.58, 0.28, 0.68, 0.22, 0.62, 0.12},
    {0.58, 0.06, 0.60, 0.00, 0.64, 0.00},
};
constexpr double KnobHeight = 0.28;

}  // namespace

JigsawCut::JigsawCut(int width, int height, int columns, int rows, unsigned seed)
    : width_(width), height_(height), columns_(columns), rows_(rows) {
    const double longest = std::max(static_cast<double>(width) / columns, static_cast<double>(height) / rows);
    knobReach_ = static_cast<int>(std::ceil(longest * KnobHeight)) + 2;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> side(0, 1);
    std::uniform_real_distribution<double> shift(-0.06, 0.06);
    auto draw = [&] { return Edge{side(random) ? 1 : -1, shift(random)}; };
    for (int i = 0; i < rows * (columns - 1); ++i) {
        vertical_.push_back(draw());
    }
    for (int i = 0; i < (rows - 1) * columns; ++i) {
        horizontal_.push_back(draw());
    }
}

int JigsawCut::columnX(int column) const {
    return static_cast<int>(std::lround(static_cast<double>(column) * width_ / columns_));
}

int JigsawCut::rowY(int row) const {
    return static_cast<int>(std::lround(static_cast<double>(row) * height_ / rows_));
}

JigsawCut::Box JigsawCut::bounds(int piece) const {
    const int column = piece % columns_;
    const int row = piece / columns_;
    const int left = std::max(0, columnX(column) - knobReach_);
    const int top = std::max(0, rowY(row) - knobReach_);
    const int right = std::min(width_, columnX(column + 1) + knobReach_);
    const int bottom = std::min(height_, rowY(row + 1) + knobReach_);
    return Box{left, top, right - left, bottom - top};
}

void JigsawCut::addEdge(cairo_t* cr, double ax, double ay, double bx, double by, int outward, double shift) {
    const double dx = bx - ax;
    const double dy = by - ay;
    // Outward of a clockwise outline (y down) is (dy, -dx).
    auto at = [&](double u, double v, double& x, double& y) {
        u += shift;
        x = ax + dx * u + dy * v * outward;
        y = ay + dy * u - dx * v * outward;
    };
    double x = 0;
    double y = 0;
    if (outward != 0) {
        at(KnobStart, 0, x, y);
        cairo_line_to(cr, x, y);
        for (const Control& c : Knob) {
            double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            at(c.u1, c.v1, x1, y1);
            at(c.u2, c.v2, x2, y2);
            at(c.u, c.v, x, y);
            cairo_curve_to(cr, x1, y1, x2, y2, x, y);
        }
    }
    cairo_line_to(cr, bx, by);
}

void JigsawCut::addOutline(cairo_t* cr, int piece) const {
    const int column = piece % columns_;
    const int row = piece / columns_;
    const double left = columnX(column);
    const double right = columnX(column + 1);
    const double top = rowY(row);
    const double bottom = rowY(row + 1);
    // A shared edge is stored once, pointing right or down; seen from the
    // piece on its other side the knob points the other way and the edge is
    // walked backwards, so its shift turns round too.
    const Edge none;
    const Edge& above = row > 0 ? horizontal_[(row - 1) * columns_ + column] : none;
    const Edge& below = row < rows_ - 1 ? horizontal_[row * columns_ + column] : none;
    const Edge& before = column > 0 ? vertical_[row * (columns_ - 1) + column - 1] : none;
    const Edge& after = column < columns_ - 1 ? vertical_[row * (columns_ - 1) + column] : none;
    cairo_move_to(cr, left, top);
    addEdge(cr, left, top, right, top, -above.side, above.shift);
    addEdge(cr, right, top, right, bottom, after.side, after.shift);
    addEdge(cr, right, bottom, left, bottom, below.side, -below.shift);
    addEdge(cr, left, bottom, left, top, -before.side, -before.shift);
    cairo_close_path(cr);
}
