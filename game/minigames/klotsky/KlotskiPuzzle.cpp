#include "game/minigames/klotsky/KlotskiPuzzle.hpp"

#include "engine/audio/catalogue/SfxContainer.hpp"
#include "engine/core/XmlFile.hpp"

namespace {

using tinyxml2::XMLElement;

bool validDirection(int direction) {
    return direction >= KlotskiPuzzle::Left && direction <= KlotskiPuzzle::Down;
}

std::string cellText(const KlotskiPuzzle::Cell& cell) {
    return "row " + std::to_string(cell.first) + ", column " + std::to_string(cell.second);
}

}  // namespace

const KlotskiPuzzle::Cell& KlotskiPuzzle::Field::neighbour(int direction) const {
    switch (direction) {
        case Left:
            return left;
        case Right:
            return right;
        case Up:
            return up;
        default:
            return down;
    }
}

KlotskiPuzzle::~KlotskiPuzzle() = default;

const KlotskiPuzzle::Field* KlotskiPuzzle::field(const Cell& cell) const {
    const auto it = fields_.find(cell);
    return it == fields_.end() ? nullptr : it->second.get();
}

KlotskiPuzzle::Field* KlotskiPuzzle::fieldAt(const Cell& cell) {
    const auto it = fields_.find(cell);
    return it == fields_.end() ? nullptr : it->second.get();
}

bool KlotskiPuzzle::load(const std::string& path) {
    XmlFile file(path, "Game");
    if (!file.root() || !readGame(file) || !readMarkers(file) || !checkGoal(file)) {
        return false;
    }
    loaded_ = true;
    return true;
}

bool KlotskiPuzzle::readGame(const XmlFile& file) {
    const XMLElement* game = file.root();
    if (!file.hasAll(game, {"xOffset", "yOffset", "widthInFields", "heightInFields", "fieldSizeInPixels",
                            "goalMarkerID", "goalFieldID"})) {
        return false;
    }
    xOffset_ = XmlFile::number(game, "xOffset", -1);
    yOffset_ = XmlFile::number(game, "yOffset", -1);
    widthInFields_ = XmlFile::number(game, "widthInFields", -1);
    heightInFields_ = XmlFile::number(game, "heightInFields", -1);
    fieldSize_ = XmlFile::number(game, "fieldSizeInPixels", -1);
    goalMarker_ = XmlFile::number(game, "goalMarkerID", -1);
    goalField_ = XmlFile::number(game, "goalFieldID", -1);
    if (xOffset_ < 0 || yOffset_ < 0 || widthInFields_ < 1 || heightInFields_ < 1 || fieldSize_ < 1 ||
        goalMarker_ < 0 || goalField_ < 0 || widthInFields_ > 64 || heightInFields_ > 64) {
        file.warn(game, "the board needs offsets, a size in fields and pixels and a goal, none of them negative");
        return false;
    }
    for (const XMLElement* e = game->FirstChildElement("Field"); e; e = e->NextSiblingElement("Field")) {
        if (!file.hasAll(e, {"id", "row", "column", "active"})) {
            return false;
        }
        auto f = std::make_unique<Field>();
        f->id = XmlFile::number(e, "id");
        f->row = XmlFile::number(e, "row");
        f->column = XmlFile::number(e, "column");
        f->active = XmlFile::number(e, "active") != 0;
        if (f->row < 1 || f->row > heightInFields_ || f->column < 1 || f->column > widthInFields_) {
            file.warn(e, "the field at " + cellText({f->row, f->column}) + " lies outside the " +
                             std::to_string(widthInFields_) + " x " + std::to_string(heightInFields_) + " board");
            return false;
        }
        const int r = f->row;
        const int c = f->column;
        f->left = c > 1 ? Cell{r, c - 1} : Cell{-1, -1};
        f->right = c < widthInFields_ ? Cell{r, c + 1} : Cell{-1, -1};
        f->up = r > 1 ? Cell{r - 1, c} : Cell{-1, -1};
        f->down = r < heightInFields_ ? Cell{r + 1, c} : Cell{-1, -1};
        fields_[Cell{r, c}] = std::move(f);
    }
    if (fields_.empty()) {
        file.warn(game, "the board has no Field");
        return false;
    }
    return true;
}

bool KlotskiPuzzle::readMarkers(const XmlFile& file) {
    const XMLElement* game = file.root();
    if (!game->FirstChildElement("Marker")) {
        file.warn(game, "the board has no Marker");
        return false;
    }
    for (const XMLElement* e = game->FirstChildElement("Marker"); e; e = e->NextSiblingElement("Marker")) {
        if (!file.hasAll(e, {"id", "horizontalMovement", "verticalMovement"})) {
            return false;
        }
        auto m = std::make_unique<Marker>();
        m->id = XmlFile::number(e, "id");
        m->horizontal = XmlFile::number(e, "horizontalMovement") != 0;
        m->vertical = XmlFile::number(e, "verticalMovement") != 0;
        // Pieces are told apart by their id on the fields: it is their place in the file.
        if (m->id != static_cast<int>(markers_.size())) {
            file.warn(e, "Marker id " + std::to_string(m->id) + " should be " + std::to_string(markers_.size()) +
                             ", its place among the markers");
            return false;
        }
        if (!e->FirstChildElement("Position")) {
            file.warn(e, "the Marker covers no Position");
            return false;
        }
        for (const XMLElement* p = e->FirstChildElement("Position"); p; p = p->NextSiblingElement("Position")) {
            if (!file.hasAll(p, {"fieldId", "fieldRow", "fieldColumn"})) {
                return false;
            }
            const Cell cell{XmlFile::number(p, "fieldRow"), XmlFile::number(p, "fieldColumn")};
            Field* f = fieldAt(cell);
            if (!f) {
                file.warn(p, "no Field at " + cellText(cell));
                return false;
            }
            if (f->occupant >= 0) {
                file.warn(p, "the field at " + cellText(cell) + " is covered by Marker " +
                                 std::to_string(f->occupant) + " already");
                return false;
            }
            f->occupant = m->id;
            m->positions.push_back(cell);
        }
        markers_.push_back(std::move(m));
    }
    return true;
}

bool KlotskiPuzzle::checkGoal(const XmlFile& file) {
    const XMLElement* game = file.root();
    if (goalMarker_ >= markerCount()) {
        file.warn(game, "goalMarkerID " + std::to_string(goalMarker_) + " names no Marker");
        return false;
    }
    const Field* goal = nullptr;
    for (const auto& entry : fields_) {
        if (entry.second->id == goalField_) {
            goal = entry.second.get();
        }
    }
    if (!goal || !goal->active) {
        file.warn(game, "goalFieldID " + std::to_string(goalField_) + " names no active Field");
        return false;
    }
    // The goal piece must be able to slide onto the goal along its own axis.
    const Marker& piece = marker(goalMarker_);
    for (const Cell& cell : piece.positions) {
        const bool inLine = piece.movesHorizontally() ? cell.first == goal->row : cell.second == goal->column;
        if (inLine) {
            return true;
        }
    }
    file.warn(game, "the goal piece (Marker " + std::to_string(goalMarker_) + ") cannot move towards its goal at " +
                        cellText({goal->row, goal->column}));
    return false;
}

bool KlotskiPuzzle::isSolved() const {
    if (!loaded_) {
        return false;
    }
    for (const Cell& cell : marker(goalMarker_).positions) {
        const Field* f = field(cell);
        if (f && f->id == goalField_) {
            return true;
        }
    }
    return false;
}

bool KlotskiPuzzle::canMove(int index, int direction) const {
    if (!validDirection(direction) || index < 0 || index >= markerCount()) {
        return false;
    }
    const Marker& m = marker(index);
    for (const Cell& cell : m.positions) {
        const Field* here = field(cell);
        const Field* next = here ? field(here->neighbour(direction)) : nullptr;
        if (!next || !next->active || (next->occupant != -1 && next->occupant != m.id)) {
            return false;
        }
    }
    SfxContainer& effects = SfxContainer::instance();
    if (effects.isLoaded()) {
        effects.play("ITEM_MOVED");
    }
    return true;
}

void KlotskiPuzzle::moveMarker(int index, int direction) {
    if (!validDirection(direction)) {
        return;
    }
    Marker& m = *markers_[static_cast<std::size_t>(index)];
    std::vector<Cell> moved;
    for (const Cell& cell : m.positions) {
        moved.push_back(fieldAt(cell)->neighbour(direction));
    }
    for (const Cell& cell : m.positions) {
        fieldAt(cell)->occupant = -1;
    }
    for (const Cell& cell : moved) {
        fieldAt(cell)->occupant = m.id;
    }
    m.positions = std::move(moved);
}

int KlotskiPuzzle::markerPixelX(int index) const {
    return (marker(index).positions.front().second - 1) * fieldSize_ + xOffset_;
}

int KlotskiPuzzle::markerPixelY(int index) const {
    return (marker(index).positions.front().first - 1) * fieldSize_ + yOffset_;
}
