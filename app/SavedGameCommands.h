#pragma once

#include <QWidget>
#include <filesystem>

#include "app/Environment.h"
#include "app/savegame/SaveStamp.h"
#include "play/Game.h"

namespace varnel {

// "S&ave Game" and "&Restore Game": one saved game, "varnel.sav" in the program's folder, or in
// the player's data folder when the program's folder is not the player's to write. A failure is
// told in a message box and leaves the game in progress as it was.
//
// Two copies of the game (two players sharing the program's folder) share that one file. Each
// copy remembers the file as it last saw it (at its start, or when it last saved or restored);
// when another copy has written it since, Save asks before writing over it and Restore asks
// before loading the other copy's game. The file itself is the classic one, unchanged.
class SavedGameCommands {
  public:
    SavedGameCommands(const Environment& environment, Game& game, QWidget* parent);

    void save();
    void restore();

  private:
    void warn(const std::string& text);
    // Asks, when another copy has written the file since this one last saw it, whether to go
    // on; true when it has not or the player says Yes.
    bool mayGoOn(const std::filesystem::path& path, const SaveStamp& now, const char* question);
    void remember(const std::filesystem::path& path, const SaveStamp& stamp);

    const Environment& environment_;
    Game& game_;
    QWidget* parent_;
    std::filesystem::path knownPath_;
    SaveStamp known_;
};

}  // namespace varnel
