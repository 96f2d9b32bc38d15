#include "app/TileSetChooser.h"

#include "display/MessageBox.h"
#include "display/PictureChooser.h"
#include "display/PictureFile.h"
#include "app/help/AppInfo.h"

namespace varnel {

TileSetChooser::TileSetChooser(BoardArea& board, GameMenus& menus, Settings& settings, Game& game,
                               std::function<void()> redraw, std::function<void()> beep,
                               QWidget* parent)
    : board_(board),
      menus_(menus),
      settings_(settings),
      game_(game),
      redraw_(std::move(redraw)),
      beep_(std::move(beep)),
      parent_(parent) {}

void TileSetChooser::startWithRemembered() {
    current_ = settings_.readChoice("TileSet", 0, 0, kTileSetCount - 1);
    menus_.checkTileSet(current_);
}

bool TileSetChooser::loadPicture(const QString& path, QString* reason) {
    const QImage picture = readPictureFile(path, reason);
    if (picture.isNull()) return false;
    board_.usePictureSheet(picture);
    return true;
}

void TileSetChooser::choose(int tileSet, const QString& appPath) {
    current_ = tileSet;
    menus_.checkTileSet(tileSet);
    if (tileSet == kPictureSlot) {
        // The fifth set is the program's own picture file, read afresh each time it is chosen.
        picturePath_ = appPath + QStringLiteral("varnel.bmp");
        if (!loadPicture(picturePath_, nullptr)) {
            showMessageBox(parent_, QMessageBox::NoIcon, QString::fromUtf8(AppTitle),
                           QStringLiteral("Could not find picture file, ") + picturePath_,
                           QMessageBox::Ok);
            return;
        }
    }
    redraw_();
    settings_.writeNumber("TileSet", current_);
}

void TileSetChooser::loadPictureFile() {
    game_.discardUndo();
    PictureChooser chooser(
        [this](const QString& path, QString* reason) {
            picturePath_ = path;
            if (!loadPicture(path, reason)) return false;
            // A picture of the player's own: no menu entry names it, and it is not remembered.
            menus_.checkTileSet(-1);
            current_ = kPictureSlot;
            redraw_();
            return true;
        },
        beep_, parent_);
    chooser.exec();
}

}  // namespace varnel
