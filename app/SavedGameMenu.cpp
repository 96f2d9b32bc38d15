#include <QFile>

#include "Conversions.h"
#include "SavedGame.h"
#include "frmVarnel.h"

// S&ave Game and &Restore Game: one saved game, "varnel.sav" in the program's folder.
namespace varnel {
namespace {

std::filesystem::path SavePath(const QString& appPath) {
    return QFile::encodeName(appPath + QString::fromUtf8(kSavedGameFileName)).toStdString();
}

}  // namespace

void frmVarnel::mnuSave_Click() {
    const std::filesystem::path path = SavePath(AppPath_);
    const SaveResult result = WriteSavedGame(path, state_);
    if (!result) ShowWarning(QString::fromStdString(SaveFailedMessage(path, result.reason)));
}

void frmVarnel::mnuRestore_Click() {
    const std::filesystem::path path = SavePath(AppPath_);
    const ReadResult result = ReadSavedGame(path);
    if (!result) {
        // The game in progress goes on exactly as it was, its undo included.
        ShowWarning(QString::fromStdString(RestoreFailedMessage(path, result.reason)));
        return;
    }
    mnuUndo->setEnabled(false);  // the undo copy belonged to the game being put away
    ApplySavedGame(*result.game, state_);
    RestoreLayout();
}

void frmVarnel::RestoreLayout() {
    // The saved faces and flags stay; positions and pictures are rebuilt for this layout.
    state_.KeepDeal = true;
    game_.NewGame();
    state_.KeepDeal = false;
    SetLayoutChecked(state_.CurrentLayout);
    WriteSetting("Layout", Str(state_.CurrentLayout));
}

}  // namespace varnel
