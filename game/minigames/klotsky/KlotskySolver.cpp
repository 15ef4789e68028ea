#include "game/minigames/klotsky/KlotskySolver.hpp"

#include <algorithm>
#include <map>
#include <sstream>

#include "game/minigames/klotsky/KlotskiPuzzle.hpp"

namespace {

using Cell = KlotskiPuzzle::Cell;
// A position: how far each piece has slid from where it started.
using Position = std::vector<int>;

struct Visit {
    int parent;
    KlotskySolver::Move move;
};

class Search {
public:
    explicit Search(const KlotskiPuzzle& puzzle) : puzzle_(puzzle) {}

    // The cells a piece covers after sliding by shift along its axis.
    Cell shifted(int marker, const Cell& cell, int shift) const {
        return puzzle_.marker(marker).movesHorizontally() ? Cell{cell.first, cell.second + shift}
                                                          : Cell{cell.first + shift, cell.second};
    }

    // Which piece covers each cell in a position; free cells are absent.
    std::map<Cell, int> occupancy(const Position& position) const {
        std::map<Cell, int> taken;
        for (int m = 0; m < puzzle_.markerCount(); ++m) {
            for (const Cell& cell : puzzle_.marker(m).positions) {
                taken[shifted(m, cell, position[static_cast<std::size_t>(m)])] = m;
            }
        }
        return taken;
    }

    bool fits(int marker, int shift, const std::map<Cell, int>& taken) const {
        for (const Cell& cell : puzzle_.marker(marker).positions) {
            const Cell to = shifted(marker, cell, shift);
            const KlotskiPuzzle::Field* f = puzzle_.field(to);
            const auto it = taken.find(to);
            if (!f || !f->active || (it != taken.end() && it->second != marker)) {
                return false;
            }
        }
        return true;
    }

    bool solved(const Position& position) const {
        const int goal = puzzle_.goalMarker();
        for (const Cell& cell : puzzle_.marker(goal).positions) {
            const KlotskiPuzzle::Field* f = puzzle_.field(shifted(goal, cell, position[static_cast<std::size_t>(goal)]));
            if (f && f->id == puzzle_.goalField()) {
                return true;
            }
        }
        return false;
    }

private:
    const KlotskiPuzzle& puzzle_;
};

}  // namespace

KlotskySolver::Result KlotskySolver::solve(const KlotskiPuzzle& puzzle, int maxPositions) {
    Result result;
    if (!puzzle.isLoaded()) {
        return result;
    }
    const Search search(puzzle);
    std::vector<Position> positions{Position(static_cast<std::size_t>(puzzle.markerCount()), 0)};
    std::vector<Visit> visits{{-1, {-1, -1}}};
    std::map<Position, int> seen{{positions.front(), 0}};
    int found = search.solved(positions.front()) ? 0 : -1;
    for (std::size_t next = 0; found < 0 && next < positions.size(); ++next) {
        const Position here = positions[next];
        const std::map<Cell, int> taken = search.occupancy(here);
        for (int m = 0; m < puzzle.markerCount() && found < 0; ++m) {
            const bool sideways = puzzle.marker(m).movesHorizontally();
            for (const int step : {-1, 1}) {
                Position there = here;
                there[static_cast<std::size_t>(m)] += step;
                if (seen.count(there) || !search.fits(m, there[static_cast<std::size_t>(m)], taken)) {
                    continue;
                }
                if (static_cast<int>(positions.size()) >= maxPositions) {
                    result.gaveUp = true;
                    result.positionsVisited = static_cast<int>(positions.size());
                    return result;
                }
                const int direction = sideways ? (step < 0 ? KlotskiPuzzle::Left : KlotskiPuzzle::Right)
                                               : (step < 0 ? KlotskiPuzzle::Up : KlotskiPuzzle::Down);
                seen[there] = static_cast<int>(positions.size());
                positions.push_back(there);
                visits.push_back({static_cast<int>(next), {m, direction}});
                if (search.solved(there)) {
                    found = static_cast<int>(positions.size()) - 1;
                    break;
                }
            }
        }
    }
    result.positionsVisited = static_cast<int>(positions.size());
    if (found < 0) {
        return result;
    }
    result.solvable = true;
    for (int at = found; visits[static_cast<std::size_t>(at)].parent >= 0; at = visits[static_cast<std::size_t>(at)].parent) {
        result.moves.push_back(visits[static_cast<std::size_t>(at)].move);
    }
    std::reverse(result.moves.begin(), result.moves.end());
    return result;
}

std::string KlotskySolver::script(const KlotskiPuzzle& puzzle, const std::vector<Move>& moves) {
    // How far each piece has slid from where the board starts it, in cells.
    std::vector<Cell> slid(static_cast<std::size_t>(puzzle.markerCount()), Cell{0, 0});
    std::ostringstream out;
    for (const Move& move : moves) {
        const KlotskiPuzzle::Marker& piece = puzzle.marker(move.marker);
        Cell& offset = slid[static_cast<std::size_t>(move.marker)];
        const int cells = static_cast<int>(piece.positions.size());
        const int size = puzzle.fieldSizeInPixels();
        const bool sideways = piece.movesHorizontally();
        const int width = sideways ? cells * size : size;
        const int height = sideways ? size : cells * size;
        const int x = puzzle.markerPixelX(move.marker) + offset.second * size + width / 2;
        const int y = puzzle.markerPixelY(move.marker) + offset.first * size + height / 2;
        const int step = (sideways ? width : height) / 3;
        const int dx = move.direction == KlotskiPuzzle::Left ? -1 : move.direction == KlotskiPuzzle::Right ? 1 : 0;
        const int dy = move.direction == KlotskiPuzzle::Up ? -1 : move.direction == KlotskiPuzzle::Down ? 1 : 0;
        out << "press " << x << ' ' << y << "\nwait 1\nmove " << x + dx * step << ' ' << y + dy * step
            << "\nwait 1\nrelease " << x + dx * step << ' ' << y + dy * step << "\nwait 1\n";
        offset.first += dy;
        offset.second += dx;
    }
    return out.str();
}
