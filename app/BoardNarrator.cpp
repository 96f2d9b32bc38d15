#include "app/BoardNarrator.h"

#include <algorithm>

#include "art/FaceNames.h"
#include "layouts/LayoutUnits.h"
#include "play/PairSearch.h"

namespace varnel {
namespace {

// The tiles present on one board and not on the other. Boards of two layouts (their tile counts
// differ) have no tiles in common to compare.
std::vector<int16_t> goneFrom(const Board& before, const Board& after) {
    std::vector<int16_t> gone;
    if (before.tileCount() != after.tileCount()) return gone;
    for (int16_t i = 0; i < before.tileCount(); ++i)
        if (before[i].present() && !after[i].present()) gone.push_back(i);
    return gone;
}

bool samePlaces(const Board& a, const Board& b) {
    if (a.tileCount() != b.tileCount()) return false;
    for (int16_t i = 0; i < a.tileCount(); ++i)
        if (a[i].present() != b[i].present()) return false;
    return true;
}

bool sameFaces(const Board& a, const Board& b) {
    if (a.tileCount() != b.tileCount()) return false;
    for (int16_t i = 0; i < a.tileCount(); ++i)
        if (a[i].face != b[i].face) return false;
    return true;
}

}  // namespace

BoardNarrator::BoardNarrator(const Game& game, BoardArea& board, const GameMenus& menus)
    : game_(game), board_(board), menus_(menus) {
    announcement_.setSingleShot(true);
    announcement_.setInterval(0);
    QObject::connect(&announcement_, &QTimer::timeout, [this] {
        board_.announceDescription(announceEvenIfSame_);
        announceEvenIfSame_ = false;
        announced_ = true;
    });
}

void BoardNarrator::follow(bool newHint) {
    const Board& board = game_.board();
    const int16_t cursor = game_.cursorTile();
    const std::optional<int16_t> selection = game_.selectedTile();
    const bool boardChanged = !(board == seen_);
    // What happened last is told until the player moves on; a new move or hint replaces it.
    if (announced_ && (newHint || boardChanged || cursor != seenCursor_ || selection != seenSelection_)) {
        happened_.clear();
        hint_.clear();
        announced_ = false;
    }
    if (boardChanged) {
        // Freed tiles alone are no news: the tiles under the cursor and selected say so.
        const std::vector<int16_t> taken = goneFrom(seen_, board);
        const std::vector<int16_t> back = goneFrom(board, seen_);
        if (taken.size() == 2 && back.empty())
            happened_ = QStringLiteral("Pair taken: %1.").arg(faceOf(seen_[taken[0]].face));
        else if (back.size() == 2 && taken.empty())
            happened_ = QStringLiteral("Pair put back: %1.").arg(faceOf(board[back[0]].face));
        else if (samePlaces(seen_, board) && !sameFaces(seen_, board))
            happened_ = QStringLiteral("Tiles shuffled.");
        else if (!samePlaces(seen_, board))
            happened_ = QStringLiteral("New %1 board.").arg(QString::fromUtf8(game_.layoutRow().name));
        seen_ = board;
        stuck_ = board.tilesLeft() > 0 && countPairs(board, game_.layoutRow().rules) == 0;
    }
    seenCursor_ = cursor;
    seenSelection_ = selection;
}

void BoardNarrator::update() {
    follow();
    board_.describe(words());
    scheduleAnnouncement(false);
}

void BoardNarrator::hintShown(int16_t tile) {
    const auto pair = game_.lastHint();
    const bool newHint = pair && pair->first == tile;
    follow(newHint);
    if (newHint) {
        hint_ = QStringLiteral("Hint: %1, %2, and %3, %4.")
                    .arg(faceOf(game_.board()[pair->first].face), placeOf(pair->first),
                         faceOf(game_.board()[pair->second].face), placeOf(pair->second));
        board_.describe(words());
        scheduleAnnouncement(true);
    }
}

void BoardNarrator::scheduleAnnouncement(bool evenIfSame) {
    announceEvenIfSame_ = announceEvenIfSame_ || evenIfSame;
    announcement_.start();
}

QString BoardNarrator::faceOf(int8_t face) const {
    // A picture of the player's own has faces nobody has named: they go by their place.
    if (const char* name = art::faceName(menus_.checkedTileSet(), face)) return QString::fromUtf8(name);
    return QStringLiteral("Face %1").arg(face + 1);
}

QString BoardNarrator::tileWords(int16_t tile) const {
    const Tile& t = game_.board()[tile];
    return faceOf(t.face) + (t.free ? QStringLiteral(", free") : QStringLiteral(", blocked"));
}

QString BoardNarrator::placeOf(int16_t tile) const {
    const Layout& layout = game_.layoutRow().rules;
    const TilePlaces places = layout.places({units::kTileWidth, units::kTileHeight, 1, units::kBoardWidth});
    int left = places[0].x, right = left, top = places[0].y, bottom = top;
    for (int16_t i = 0; i < layout.tileCount(); ++i) {
        const TilePlace& p = places[static_cast<std::size_t>(i)];
        left = std::min<int>(left, p.x);
        right = std::max<int>(right, p.x);
        top = std::min<int>(top, p.y);
        bottom = std::max<int>(bottom, p.y);
    }
    auto third = [](int at, int low, int high) { return high > low ? std::clamp((at - low) * 3 / (high - low + 1), 0, 2) : 1; };
    const TilePlace& at = places[static_cast<std::size_t>(tile)];
    static const char* const kRows[3] = {"top", "", "bottom"};
    static const char* const kColumns[3] = {"left", "", "right"};
    const QString row = QString::fromLatin1(kRows[third(at.y, top, bottom)]);
    const QString column = QString::fromLatin1(kColumns[third(at.x, left, right)]);
    if (row.isEmpty() && column.isEmpty()) return QStringLiteral("middle");
    if (row.isEmpty() || column.isEmpty()) return row + column;
    return row + QLatin1Char(' ') + column;
}

QString BoardNarrator::words() const {
    const Board& board = game_.board();
    QStringList parts;
    if (!happened_.isEmpty()) parts << happened_;
    if (!hint_.isEmpty()) parts << hint_;
    const int16_t cursor = game_.cursorTile();
    const std::optional<int16_t> selection = game_.selectedTile();
    if (board.contains(cursor) && board[cursor].present())
        parts << tileWords(cursor) + (selection == cursor ? QStringLiteral(", selected.") : QStringLiteral("."));
    if (selection && *selection != cursor) parts << QStringLiteral("Selected: %1.").arg(tileWords(*selection));
    const int16_t left = board.tilesLeft();
    if (left == 0) {
        parts << QStringLiteral("No tiles left: you won.");
    } else {
        parts << (left == 1 ? QStringLiteral("1 tile left.") : QStringLiteral("%1 tiles left.").arg(left));
        if (stuck_)
            parts << (game_.layoutRow().stuckEnding == StuckEnding::MatchPanel
                          ? QStringLiteral("No matching tiles remain: New Game, Shuffle or Quit.")
                          : QStringLiteral("No matching tiles remain."));
    }
    return parts.join(QLatin1Char(' '));
}

}  // namespace varnel
