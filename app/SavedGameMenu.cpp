#include <QFile>

#include "Conversions.h"
#include "SavePlace.h"
#include "SavedGame.h"
#include "frmVarnel.h"

// S&ave Game and &Restore Game: one saved game, "varnel.sav" in the program's folder, or in the
// player's data folder when the program's folder is not the player's to write.
namespace varnel {
namespace {

std::filesystem::path Folder(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::filesystem::path SavePath(const VarnelEnvironment& environment) {
    return SavedGamePath({Folder(environment.appPath), Folder(environment.dataPath)},
                         environment.canWriteIn ? environment.canWriteIn : CanWriteIn);
}

}  // namespace

void frmVarnel::mnuSave_Click() {
    const std::filesystem::path path = SavePath(environment_);
    std::string why = MakeFolderFor(path);
    if (why.empty()) {
        const SaveResult result = WriteSavedGame(path, state_);
        why = result.reason;
    }
    if (!why.empty()) ShowWarning(QString::fromStdString(SaveFailedMessage(path, why)));
}

void frmVarnel::mnuRestore_Click() {
    const std::filesystem::path path = SavePath(environment_);
    const ReadResult result = ReadSavedGame(path);
    if (!result) {
        // The game in progress goes on exactly as it was, its undo included.
        ShowWarning(QString::fromStdString(RestoreFailedMessage(path, result.reason)));
        return;
    }
    // The saved faces and flags stay; positions and pictures are rebuilt for its layout.
    const SavedGame& saved = *result.game;
    if (!game_.RestoreGame(saved.CurrentLayout(), saved.TilesLeft(), saved.Tiles()))
        ShowWarning(QString::fromStdString(
            RestoreFailedMessage(path, "it does not make a game of its layout")));
}

}  // namespace varnel
