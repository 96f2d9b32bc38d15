#include "ColorDialog.h"
#include "Conversions.h"
#include "PictureFile.h"
#include "frmFile.h"
#include "frmVarnel.h"

// The Tiles menu (the five sets, and a sheet loaded from a picture file) and the background
// colour: changes of look that never change the game.
namespace varnel {

bool frmVarnel::LoadPictureAsTileSet(const QString& path, QString* reason) {
    const QImage picture = ReadPictureFile(path, reason);
    if (picture.isNull()) return false;
    surfaces_.picTile[4] = FitSheetToBoard(picture, state_, geometry_, surfaces_);
    surfaces_.builtIn[4] = false;
    return true;
}

void frmVarnel::mnuTileSet_Click(int16_t index) {
    CurrentTileSet_ = index;
    for (int i = 0; i < 5; ++i) mnuTileSet[i]->setChecked(i == index);
    if (index == 4) {
        // The fifth set is the program's own picture file, read afresh each time it is chosen.
        PicturePath_ = AppPath_ + QStringLiteral("varnel.bmp");
        if (!LoadPictureAsTileSet(PicturePath_, nullptr)) {
            ShowMessage("Could not find picture file, " + PicturePath_.toStdString());
            return;
        }
    }
    DisplayBoard();
    WriteSetting("TileSet", Str(CurrentTileSet_));
}

void frmVarnel::mnuTile_Click() {
    game_.DiscardUndo();
    frmFile chooser(
        [this](const QString& path, QString* reason) {
            PicturePath_ = path;
            if (!LoadPictureAsTileSet(path, reason)) return false;
            // A picture of the player's own: no menu entry names it, and it is not remembered.
            for (QAction* entry : mnuTileSet) entry->setChecked(false);
            CurrentTileSet_ = 4;
            DisplayBoard();
            return true;
        },
        environment_.beep, this);
    chooser.exec();
}

void frmVarnel::mnuBackground_Click() {
    const int32_t colour = ShowColor(this, BackgroundColour_, false);
    if (colour == -1) return;
    ApplyBackground(colour);
    WriteSetting("BackGround", Str(BackgroundColour_));
    DisplayBoard();
}

}  // namespace varnel
