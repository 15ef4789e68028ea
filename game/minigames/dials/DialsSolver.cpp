#include "game/minigames/dials/DialsSolver.hpp"

#include <cmath>
#include <deque>
#include <sstream>

#include "game/content/AlphaPicture.hpp"
#include "game/minigames/dials/DialRing.hpp"
#include "game/minigames/dials/DialsBoard.hpp"

namespace {

// A grab point has this much of its own ring, uncovered, all round it, so a
// press there lands on the ring whatever the edges' soft pixels do.
const int kGrabMargin = 3;
// The pointer goes round in steps of at most this many degrees.
const float kDragStep = 15.0f;

bool opaque(const AlphaPicture& picture, int x, int y) {
    return x >= 0 && y >= 0 && x < picture.width && y < picture.height && picture.at(x, y) > 0;
}

// Which unlocked ring is on top at (x, y), -1 for none.
int topRing(const std::vector<AlphaPicture>& rings, unsigned locked, int x, int y) {
    for (int i = static_cast<int>(rings.size()) - 1; i >= 0; --i) {
        if (!(locked & (1u << i)) && opaque(rings[static_cast<std::size_t>(i)], x, y)) {
            return i;
        }
    }
    return -1;
}

// The grab point of a ring under the locked set, as far from the middle as
// can be (the pointer's angle is the most exact there); false when none.
bool grabPoint(const std::vector<AlphaPicture>& rings, unsigned locked, int ring, int& gx, int& gy) {
    const AlphaPicture& shape = rings[static_cast<std::size_t>(ring)];
    long best = -1;
    for (int y = kGrabMargin; y < shape.height - kGrabMargin; y += 2) {
        for (int x = kGrabMargin; x < shape.width - kGrabMargin; x += 2) {
            const long dx = x - shape.width / 2;
            const long dy = y - shape.height / 2;
            if (dx * dx + dy * dy <= best || topRing(rings, locked, x, y) != ring) {
                continue;
            }
            bool clear = true;
            for (int oy = -kGrabMargin; oy <= kGrabMargin && clear; oy += kGrabMargin) {
                for (int ox = -kGrabMargin; ox <= kGrabMargin && clear; ox += kGrabMargin) {
                    clear = topRing(rings, locked, x + ox, y + oy) == ring && shape.at(x + ox, y + oy) == 255;
                }
            }
            if (clear) {
                best = dx * dx + dy * dy;
                gx = x;
                gy = y;
            }
        }
    }
    return best >= 0;
}

}  // namespace

DialsSolver::Result DialsSolver::solve(const std::vector<AlphaPicture>& rings) {
    Result result;
    const int count = static_cast<int>(rings.size());
    if (count < 1 || count > 16) {
        return result;
    }
    for (const AlphaPicture& ring : rings) {
        if (ring.width != rings.front().width || ring.height != rings.front().height || ring.width < 1) {
            return result;
        }
    }
    const unsigned all = (1u << count) - 1;
    std::vector<int> parent(all + 1, -2);
    std::vector<Turn> turnInto(all + 1);
    std::deque<unsigned> queue{0};
    parent[0] = -1;
    while (!queue.empty() && parent[all] == -2) {
        const unsigned locked = queue.front();
        queue.pop_front();
        ++result.setsVisited;
        for (int ring = 0; ring < count; ++ring) {
            const unsigned next = locked | (1u << ring);
            Turn turn{ring, 0, 0};
            if (next == locked || parent[next] != -2 || !grabPoint(rings, locked, ring, turn.grabX, turn.grabY)) {
                continue;
            }
            parent[next] = static_cast<int>(locked);
            turnInto[next] = turn;
            queue.push_back(next);
        }
    }
    if (parent[all] == -2) {
        return result;
    }
    result.solvable = true;
    for (unsigned at = all; at != 0; at = static_cast<unsigned>(parent[at])) {
        result.turns.insert(result.turns.begin(), turnInto[at]);
    }
    return result;
}

std::string DialsSolver::script(const DialsBoard& board, const std::vector<AlphaPicture>& rings,
                                const std::vector<int>& startAngles, const std::vector<Turn>& turns) {
    std::ostringstream out;
    for (const Turn& turn : turns) {
        const AlphaPicture& shape = rings[static_cast<std::size_t>(turn.ring)];
        const int w = shape.width;
        const int h = shape.height;
        const int cx = board.x + w / 2;
        const int cy = board.y + h / 2;
        const int px = board.x + turn.grabX;
        const int py = board.y + turn.grabY;
        const float start = DialRing::pointerAngle(px, py, board.x, board.y, w, h);
        const float rotation = static_cast<float>(startAngles[static_cast<std::size_t>(turn.ring)]);
        // The pointer's way round that brings the ring home, the short way.
        const float way = DialRing::fold(-rotation) / board.factor;
        const double radius = std::hypot(px - cx, py - cy);
        out << "press " << px << ' ' << py << "\nwait 1\n";
        const int steps = static_cast<int>(std::ceil(std::fabs(way) / kDragStep));
        for (int s = 1; s < steps; ++s) {
            const double a = (start + way * s / steps) * 3.1415927 / 180.0;
            out << "move " << cx + static_cast<int>(std::lround(radius * std::cos(a))) << ' '
                << cy + static_cast<int>(std::lround(radius * std::sin(a))) << "\nwait 1\n";
        }
        // The last point: the pixel near the ideal one whose angle leaves the ring closest to home.
        const double end = (start + way) * 3.1415927 / 180.0;
        const int ex = cx + static_cast<int>(std::lround(radius * std::cos(end)));
        const int ey = cy + static_cast<int>(std::lround(radius * std::sin(end)));
        int bestX = ex;
        int bestY = ey;
        float bestMiss = 360.0f;
        for (int oy = -2; oy <= 2; ++oy) {
            for (int ox = -2; ox <= 2; ++ox) {
                const float angle = DialRing::pointerAngle(ex + ox, ey + oy, board.x, board.y, w, h);
                const float turned = way + DialRing::fold(angle - (start + way));
                const float miss = std::fabs(DialRing::fold(std::fmod(rotation + turned * board.factor, 360.0f)));
                if (miss < bestMiss) {
                    bestMiss = miss;
                    bestX = ex + ox;
                    bestY = ey + oy;
                }
            }
        }
        out << "move " << bestX << ' ' << bestY << "\nwait 1\nrelease " << bestX << ' ' << bestY << "\nwait 10\n";
    }
    return out.str();
}
