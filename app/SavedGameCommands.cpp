#include "app/SavedGameCommands.h"

#include <QFile>

#include "app/help/AppInfo.h"
#include "app/savegame/SavePlace.h"
#include "app/savegame/SavedDealNumber.h"
#include "app/savegame/SavedGame.h"
#include "display/MessageBox.h"

namespace varnel {
namespace {

std::filesystem::path folder(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::filesystem::path savePath(const Environment& environment) {
    return savedGamePath({folder(environment.appPath), folder(environment.dataPath)},
                         environment.canWriteIn ? environment.canWriteIn : playerCanWriteIn);
}

}  // namespace

SavedGameCommands::SavedGameCommands(const Environment& environment, Game& game, QWidget* parent)
    : environment_(environment), game_(game), parent_(parent) {}

void SavedGameCommands::warn(const std::string& text) {
    showMessageBox(parent_, QMessageBox::Warning, QString::fromUtf8(AppTitle),
                   QString::fromStdString(text), QMessageBox::Ok);
}

void SavedGameCommands::save() {
    const std::filesystem::path path = savePath(environment_);
    std::string why = makeFolderFor(path);
    if (why.empty()) why = writeSavedGame(path, game_.layout(), game_.board()).reason;
    if (!why.empty()) warn(saveFailedMessage(path, why));
}

void SavedGameCommands::restore() {
    const std::filesystem::path path = savePath(environment_);
    const ReadResult result = readSavedGame(path);
    if (!result) {
        // The game in progress goes on exactly as it was, its undo included.
        warn(restoreFailedMessage(path, result.reason));
        return;
    }
    // The saved faces and flags stay; the places are the layout's.
    const SavedGame& saved = *result.game;
    std::optional<uint32_t> number = keptDealNumber(path, saved.layout(), saved.board());
    if (number && *number > Game::kLastDealNumber) number.reset();
    if (!game_.restoreGame(saved.layout(), saved.board(), number))
        warn(restoreFailedMessage(path, "it does not make a game of its layout"));
}

}  // namespace varnel
