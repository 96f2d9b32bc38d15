#pragma once

#include <QWidget>

#include "app/Environment.h"
#include "play/Game.h"

namespace varnel {

// "S&ave Game" and "&Restore Game": one saved game, "varnel.sav" in the program's folder, or in
// the player's data folder when the program's folder is not the player's to write. A failure is
// told in a message box and leaves the game in progress as it was.
class SavedGameCommands {
  public:
    SavedGameCommands(const Environment& environment, Game& game, QWidget* parent);

    void save();
    void restore();

  private:
    void warn(const std::string& text);

    const Environment& environment_;
    Game& game_;
    QWidget* parent_;
};

}  // namespace varnel
