#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "app/GameMenus.h"
#include "app/Settings.h"
#include "display/BoardArea.h"
#include "play/Game.h"

namespace varnel {

// The Tiles menu: the five built-in sets, the program's own picture file as the fifth, and a
// sheet loaded from any picture file through the chooser. A change of tile set changes only the
// pictures, never the game; the set chosen from the menu is remembered as "TileSet".
class TileSetChooser {
  public:
    TileSetChooser(BoardArea& board, GameMenus& menus, Settings& settings, Game& game,
                   std::function<void()> redraw, std::function<void()> beep, QWidget* parent);

    // The remembered set, read at start-up.
    void startWithRemembered();
    int current() const { return current_; }
    // The picture file last loaded, or tried, into the fifth slot.
    const QString& picturePath() const { return picturePath_; }

    void choose(int tileSet, const QString& appPath);
    // Opens the picture chooser; a picture it hands back becomes the fifth set.
    void loadPictureFile();
    // Loads a picture file as the fifth tile set, fitted to the board; false, with the reason,
    // when the file is not a picture the game can use. Nothing changes then.
    bool loadPicture(const QString& path, QString* reason);

  private:
    BoardArea& board_;
    GameMenus& menus_;
    Settings& settings_;
    Game& game_;
    std::function<void()> redraw_;
    std::function<void()> beep_;
    QWidget* parent_;
    int current_ = 0;
    QString picturePath_;
};

}  // namespace varnel
