#pragma once

#include <QString>
#include <QTimer>
#include <cstdint>
#include <optional>

#include "app/GameMenus.h"
#include "board/Board.h"
#include "display/BoardArea.h"
#include "play/Game.h"

namespace varnel {

// Puts the state of play into words for screen readers, as the board's description: what just
// happened (a pair taken or put back, a new board, a hint), the tile under the keyboard cursor
// with its face and whether it is free, the selected tile, the tiles left and the end of the
// game. The words follow the game at every step; a move that takes several steps is announced
// once, when the window's event loop next turns.
class BoardNarrator {
  public:
    BoardNarrator(const Game& game, BoardArea& board, const GameMenus& menus);

    // Something on the board may have changed.
    void update();
    // A hint frames this tile; the first of a hint names the pair.
    void hintShown(int16_t tile);

  private:
    // Clears what happened before once the player has moved on (or asked for a new hint), and
    // notes what happened now.
    void follow(bool newHint = false);
    QString words() const;
    QString faceOf(int8_t face) const;
    QString tileWords(int16_t tile) const;
    // Where on the board a tile lies, in thirds: "top left", "middle", "bottom".
    QString placeOf(int16_t tile) const;
    void scheduleAnnouncement(bool evenIfSame);

    const Game& game_;
    BoardArea& board_;
    const GameMenus& menus_;
    Board seen_;  // the board as last described
    int16_t seenCursor_ = -1;
    std::optional<int16_t> seenSelection_;
    bool stuck_ = false;      // tiles left and no pair to take
    QString happened_;        // the last move's outcome, until the player moves on
    QString hint_;            // the pair a hint shows, until the player moves on
    bool announced_ = false;  // happened_ and hint_ have been announced
    bool announceEvenIfSame_ = false;
    QTimer announcement_;
};

}  // namespace varnel
