#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "record/PlayedGame.h"

// The layout of "record.sqlite" through its versions. The version is the database's
// user_version; the application id marks the file as this game's, so another program's database
// that happens to carry the name is never taken for a record.
namespace varnel {

inline constexpr int kRecordVersion = 2;
inline constexpr std::uint32_t kRecordApplicationId = 0x56524E4C;  // "VRNL"

// The statements that bring a record of version `from` (0 for a new, empty file) to
// kRecordVersion, the new user_version included. Run them in one transaction.
QStringList upgradeStatements(int from);

// Reads every game of a record of the given version, oldest first, with the columns in the
// order RecordDatabase reads them.
QString selectGamesStatement(int version);

// Text forms of how a game ended, as stored.
QString endingText(GameEnding ending);
std::optional<GameEnding> endingFromText(const QString& text);  // none for a text never written

}  // namespace varnel
