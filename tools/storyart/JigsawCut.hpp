#pragma once

#include <cairo.h>

#include <vector>

// The jigsaw cut of a picture: a grid of columns × rows whose inner edges
// carry a round knob, pointing to one side or the other and sitting a little
// off the edge's middle, both chosen from a seed so the same cut comes back
// every time. Neighbouring pieces share the very same edge curve, so together
// they cover the picture exactly once.
class JigsawCut {
public:
    struct Box {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };

    JigsawCut(int width, int height, int columns, int rows, unsigned seed);

    int count() const { return columns_ * rows_; }
    // The picture area piece n (row by row) may touch, knobs included.
    Box bounds(int piece) const;
    // Adds the outline of piece n, in picture coordinates, to the path of cr.
    void addOutline(cairo_t* cr, int piece) const;

private:
    struct Edge {
        int side = 0;        // +1 the knob points right / down, -1 left / up, 0 a border
        double shift = 0.0;  // of the knob from the edge's middle, in edge lengths
    };

    int columnX(int column) const;
    int rowY(int row) const;
    // Draws from (ax, ay) to (bx, by); the knob points to the left of the
    // direction of travel when outward is +1, to the right when -1.
    static void addEdge(cairo_t* cr, double ax, double ay, double bx, double by, int outward, double shift);

    int width_;
    int height_;
    int columns_;
    int rows_;
    int knobReach_;
    std::vector<Edge> vertical_;    // (columns - 1) per row, between column c and c + 1
    std::vector<Edge> horizontal_;  // columns per inner row line, between row r and r + 1
};
