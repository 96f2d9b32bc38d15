#include "play/KeyboardCursor.h"

#include <cmath>
#include <limits>

#include "layouts/LayoutUnits.h"

namespace varnel {
namespace {

constexpr CellSize kLayoutCell{units::kTileWidth, units::kTileHeight, 1, units::kBoardWidth};

struct Point {
    float x, y;
};

Point centreOf(const TilePlace& place) {
    return {place.x + units::kTileWidth / 2.0f, place.y + units::kTileHeight / 2.0f};
}

bool contains(const TilePlace& place, Point p) {
    return place.x < p.x && p.x < place.x + units::kTileWidth && place.y < p.y &&
           p.y < place.y + units::kTileHeight;
}

}  // namespace

void KeyboardCursor::useLayout(const Layout& layout) { places_ = layout.places(kLayoutCell); }

int16_t KeyboardCursor::neighbour(const Board& board, int16_t from, CursorDirection direction) const {
    if (!board.contains(from)) return -1;
    const Point origin = centreOf(places_[static_cast<std::size_t>(from)]);
    const bool across = direction == CursorDirection::Left || direction == CursorDirection::Right;
    const float sign =
        direction == CursorDirection::Right || direction == CursorDirection::Down ? 1.0f : -1.0f;
    // A tile lying on another is only 5 units off it: less than half a tile that way is the same
    // place, not a step.
    const float leastStep = (across ? units::kTileWidth : units::kTileHeight) / 2.0f;
    int16_t best = -1;
    float bestScore = std::numeric_limits<float>::max();
    for (int16_t i = 0; i < board.tileCount(); ++i) {
        if (i == from || !board[i].present()) continue;
        const Point p = centreOf(places_[static_cast<std::size_t>(i)]);
        const float along = sign * (across ? p.x - origin.x : p.y - origin.y);
        const float aside = std::fabs(across ? p.y - origin.y : p.x - origin.x);
        if (along < leastStep) continue;
        // Straight on is nearer than the same distance off to the side.
        const float score = along + 2 * aside;
        if (score < bestScore) {
            bestScore = score;
            best = i;
        }
    }
    if (best < 0) return -1;
    // Where tiles lie on each other, the cursor goes to the top one.
    const Point target = centreOf(places_[static_cast<std::size_t>(best)]);
    for (int16_t i = static_cast<int16_t>(board.tileCount() - 1); i > best; --i)
        if (board[i].present() && contains(places_[static_cast<std::size_t>(i)], target)) return i;
    return best;
}

int16_t KeyboardCursor::nearestTheMiddle(const Board& board) const {
    const Point middle{units::kBoardWidth / 2.0f, units::kBoardHeight / 2.0f};
    int16_t best = -1;
    float bestDistance = std::numeric_limits<float>::max();
    for (const bool freeOnly : {true, false}) {
        for (int16_t i = 0; i < board.tileCount(); ++i) {
            if (!board[i].present() || (freeOnly && !board[i].free)) continue;
            const Point p = centreOf(places_[static_cast<std::size_t>(i)]);
            const float distance = std::hypot(p.x - middle.x, p.y - middle.y);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = i;
            }
        }
        if (best >= 0) break;
    }
    return best;
}

}  // namespace varnel
