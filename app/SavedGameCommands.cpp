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

constexpr char kWrittenByAnother[] =
    "The saved game was written by another copy of Varnel Solitaire while this one was running.";
constexpr char kSaveOverIt[] = "Save this game over it?";
constexpr char kRestoreIt[] = "Restore the game it saved?";

}  // namespace

SavedGameCommands::SavedGameCommands(const Environment& environment, Game& game, QWidget* parent)
    : environment_(environment), game_(game), parent_(parent) {
    const std::filesystem::path path = savePath(environment_);
    remember(path, stampOf(path));
}

void SavedGameCommands::remember(const std::filesystem::path& path, const SaveStamp& stamp) {
    knownPath_ = path;
    known_ = stamp;
}

bool SavedGameCommands::mayGoOn(const std::filesystem::path& path, const SaveStamp& now,
                                const char* question) {
    if (path != knownPath_ || !replacedSince(known_, now)) return true;
    return showMessageBox(parent_, QMessageBox::Question, QString::fromUtf8(AppTitle),
                          QString::fromUtf8(kWrittenByAnother) + QStringLiteral("\n\n") +
                              QString::fromUtf8(question),
                          QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void SavedGameCommands::warn(const std::string& text) {
    showMessageBox(parent_, QMessageBox::Warning, QString::fromUtf8(AppTitle),
                   QString::fromStdString(text), QMessageBox::Ok);
}

void SavedGameCommands::save() {
    const std::filesystem::path path = savePath(environment_);
    if (!mayGoOn(path, stampOf(path), kSaveOverIt)) return;
    std::string why = makeFolderFor(path);
    if (why.empty()) why = writeSavedGame(path, game_.layout(), game_.board()).reason;
    if (!why.empty()) {
        warn(saveFailedMessage(path, why));
        return;
    }
    // Without its note the game still restores, only without its number: not worth a message.
    keepDealNumber(path, game_.layout(), game_.board(), game_.dealNumber());
    remember(path, stampOf(path));
}

void SavedGameCommands::restore() {
    const std::filesystem::path path = savePath(environment_);
    const SaveStamp now = stampOf(path);
    if (!mayGoOn(path, now, kRestoreIt)) return;
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
    if (!game_.restoreGame(saved.layout(), saved.board(), number)) {
        warn(restoreFailedMessage(path, "it does not make a game of its layout"));
        return;
    }
    remember(path, now);
}

}  // namespace varnel
