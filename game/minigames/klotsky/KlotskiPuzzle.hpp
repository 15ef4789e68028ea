#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class XmlFile;

// The rules of the sliding-block puzzle without any drawing: cells (fields)
// on a grid, rectangular pieces (markers) on them, each moving along one
// axis a cell at a time into free active cells, and a goal piece that wins
// when one of its cells stands on the goal cell. Rows and columns count from 1.
class KlotskiPuzzle {
public:
    using Cell = std::pair<int, int>;  // row, column; -1, -1 off the board
    enum Direction { Left = 0, Right = 1, Up = 2, Down = 3 };

    struct Field {
        int id = -1;
        int row = 0;
        int column = 0;
        bool active = false;
        int occupant = -1;  // the id of the marker that covers it
        Cell left{-1, -1};
        Cell right{-1, -1};
        Cell up{-1, -1};
        Cell down{-1, -1};

        const Cell& neighbour(int direction) const;
    };

    struct Marker {
        int id = -1;
        bool horizontal = false;
        bool vertical = false;
        std::vector<Cell> positions;

        // A piece with both flags moves sideways, one with neither up and down.
        bool movesHorizontally() const { return horizontal; }
    };

    virtual ~KlotskiPuzzle();

    // Reads the puzzle; a file that is missing, cut short or describes a board
    // that cannot be played (pieces outside the grid or on top of each other,
    // a goal the goal piece cannot reach along its axis) is reported as
    // FILE:LINE and gives false.
    virtual bool load(const std::string& path);
    virtual bool isSolved() const;
    virtual bool canMove(int marker, int direction) const;
    // Moves without checking: the caller asks canMove first.
    virtual void moveMarker(int marker, int direction);
    virtual int markerCount() const { return static_cast<int>(markers_.size()); }
    virtual int markerPixelX(int marker) const;
    virtual int markerPixelY(int marker) const;

    bool isLoaded() const { return loaded_; }
    const Field* field(const Cell& cell) const;
    const Marker& marker(int index) const { return *markers_[static_cast<std::size_t>(index)]; }
    const std::map<Cell, std::unique_ptr<Field>>& fields() const { return fields_; }
    int widthInFields() const { return widthInFields_; }
    int heightInFields() const { return heightInFields_; }
    int fieldSizeInPixels() const { return fieldSize_; }
    int goalMarker() const { return goalMarker_; }
    int goalField() const { return goalField_; }

private:
    bool readGame(const XmlFile& file);
    bool readMarkers(const XmlFile& file);
    bool checkGoal(const XmlFile& file);
    Field* fieldAt(const Cell& cell);

    std::map<Cell, std::unique_ptr<Field>> fields_;
    std::vector<std::unique_ptr<Marker>> markers_;
    int xOffset_ = -1;
    int yOffset_ = -1;
    int fieldSize_ = -1;
    int widthInFields_ = -1;
    int heightInFields_ = -1;
    int goalMarker_ = -1;
    int goalField_ = -1;
    bool loaded_ = false;
};
