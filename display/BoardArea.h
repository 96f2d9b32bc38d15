#pragma once

#include <QLabel>
#include <QObject>

#include "board/Board.h"
#include "display/BoardGeometry.h"
#include "display/BoardSurfaces.h"
#include "display/BoardWidget.h"
#include "display/CursorFrame.h"
#include "display/MatchPanel.h"
#include "display/SelectionFrame.h"
#include "play/LayoutTable.h"

namespace varnel {

// The board and everything that lies on it: the tiles, the tiles-left caption and count, the
// selection frame, the keyboard cursor, and the end-of-game panel beside it. It keeps the
// board's geometry and pictures, and draws a board in tile numbers where the geometry puts it.
// Its widgets are named for tests and tools: "board", "tilesLeftCaption", "tilesLeft",
// "timePlayed", "solverNote", "pausedNote", "selectionFrame", "keyboardCursor" and "matchPanel".
class BoardArea : public QObject {
    Q_OBJECT
  public:
    // Lays the board out on the form at the design size.
    BoardArea(QWidget* form, float pixelRatio, SheetCache sheetCache);

    const BoardGeometry& geometry() const { return geometry_; }
    const BoardSurfaces& surfaces() const { return surfaces_; }

    // Lays the board and everything on it out for a placement of the design. Sharp draws the
    // tile sets at the new size now; quick stretches what is drawn, for a window being resized,
    // and sharpen() finishes the job once the size holds still. The caller redraws the board.
    enum class Drawing { Sharp, Quick };
    void place(const DesignPlacement& placement, int tileSetInUse, Drawing drawing);
    void sharpen(int tileSetInUse);
    // The screen's device pixels per pixel of the window, for a window moved to another screen.
    void setPixelRatio(float ratio, int tileSetInUse);
    float pixelRatio() const { return surfaces_.pixelRatio(); }
    // The places of this layout's tiles and labels.
    void useLayout(const LayoutRow& layout);
    // The colour behind the tiles, 0x00BBGGRR as the settings keep it.
    void setBackground(int32_t colour);
    // Puts a picture file's sheet in the fifth tile-set slot, fitted to the board.
    void usePictureSheet(const QImage& picture);

    // Composes the board from its present tiles, from the sheet of that tile set, and shows it.
    void redraw(const Board& board, int tileSet);
    void setTilesLeft(int16_t tilesLeft);
    void setCaptionText(const QString& text);
    void setCaptionVisible(bool visible);
    // The time played, under the tiles-left count when the player wants it shown.
    void setTimeShown(bool shown);
    void setTimeText(const QString& text);
    // A line of the solver's below the labels (a pair that lost the game); "" for none.
    void setNoteText(const QString& text);
    // A paused game's board shows no tile, only the background and a word on how to go on.
    void setPaused(bool paused, const Board& board, int tileSet);
    void showSelectionFrame(int16_t tile);
    void showHintFrame(int16_t tile);
    void hideFrame();
    void showCursor(int16_t tile);
    void hideCursor();
    void setMatchPanelVisible(bool visible);
    // While the board is rebuilt, or a hint or the winning blink waits, clicks are ignored.
    void setAcceptsClicks(bool accepts) { board_->setAcceptsClicks(accepts); }

    // The state of play in words for screen readers, and the one announcement of a move.
    void describe(const QString& description) { board_->setDescription(description); }
    void announceDescription(bool evenIfSame = false) { board_->announceDescription(evenIfSame); }

    QWidget* boardWidget() const { return board_; }
    // The board as it is painted on screen, in device pixels.
    QImage picture() const { return board_->picture(); }

  signals:
    // A click on the board at this place in the board's pixels.
    void clicked(float x, float y);
    void panelNewGame();
    void panelShuffle();
    void panelQuit();

  private:
    enum class FrameKind { Selection, Hint };

    void placeWidgets();
    void showFrame(FrameKind kind, int16_t tile);

    QWidget* form_;
    BoardGeometry geometry_;
    BoardSurfaces surfaces_;
    BoardWidget* board_;
    SelectionFrame* frame_;
    CursorFrame* cursor_;
    QLabel* caption_;
    QLabel* tilesLeft_;
    QLabel* spare_;  // laid out with the others, never written to
    QLabel* note_;   // the solver's note
    QLabel* time_;
    QLabel* pausedNote_;
    bool paused_ = false;
    MatchPanel* panel_;
    LabelSet labels_ = LabelSet::Stacked;
    // What the frame and the cursor mark, so that they follow their tiles to a new size.
    FrameKind frameKind_ = FrameKind::Selection;
    int16_t frameTile_ = -1;   // -1: hidden
    int16_t cursorTile_ = -1;  // -1: hidden
};

}  // namespace varnel
