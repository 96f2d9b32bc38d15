#include "record/RecordSchema.h"

#include <array>

namespace varnel {
namespace {

// Version 1: the games with their help; the first record the game kept.
const QStringList kVersion1 = {
    QStringLiteral("PRAGMA application_id = %1").arg(kRecordApplicationId),
    QStringLiteral("CREATE TABLE games ("
                   " id INTEGER PRIMARY KEY,"
                   " layout INTEGER NOT NULL CHECK (layout BETWEEN 0 AND 2),"
                   " deal INTEGER CHECK (deal BETWEEN 0 AND 4294967295),"
                   " started_utc INTEGER NOT NULL,"
                   " seconds INTEGER NOT NULL CHECK (seconds >= 0),"
                   " pairs_taken INTEGER NOT NULL CHECK (pairs_taken >= 1),"
                   " ending TEXT NOT NULL CHECK (ending IN ('won', 'stuck', 'abandoned')),"
                   " hints INTEGER NOT NULL CHECK (hints >= 0),"
                   " undos INTEGER NOT NULL CHECK (undos >= 0),"
                   " shuffles INTEGER NOT NULL CHECK (shuffles >= 0))"),
    QStringLiteral("CREATE INDEX games_by_layout ON games (layout, id)"),
};

// Version 2: the two settings a game was played with. Games kept before were played by a game
// that had neither, so they read as off.
const QStringList kVersion2 = {
    QStringLiteral("ALTER TABLE games ADD COLUMN winnable_deals INTEGER NOT NULL DEFAULT 0"
                   " CHECK (winnable_deals IN (0, 1))"),
    QStringLiteral("ALTER TABLE games ADD COLUMN warn_losing_move INTEGER NOT NULL DEFAULT 0"
                   " CHECK (warn_losing_move IN (0, 1))"),
};

const std::array<const QStringList*, kRecordVersion> kSteps = {&kVersion1, &kVersion2};

// In the order of GameEnding.
const std::array<const char*, 3> kEndings = {"won", "stuck", "abandoned"};

}  // namespace

QStringList upgradeStatements(int from) {
    QStringList statements;
    for (int version = from + 1; version <= kRecordVersion; ++version)
        statements += *kSteps[static_cast<std::size_t>(version - 1)];
    if (from < kRecordVersion)
        statements += QStringLiteral("PRAGMA user_version = %1").arg(kRecordVersion);
    return statements;
}

QString selectGamesStatement(int version) {
    const QString settings =
        version >= 2 ? QStringLiteral("winnable_deals, warn_losing_move") : QStringLiteral("0, 0");
    return QStringLiteral(
               "SELECT layout, deal, started_utc, seconds, pairs_taken, ending, hints, undos,"
               " shuffles, %1 FROM games ORDER BY id")
        .arg(settings);
}

QString endingText(GameEnding ending) {
    return QString::fromLatin1(kEndings.at(static_cast<std::size_t>(ending)));
}

std::optional<GameEnding> endingFromText(const QString& text) {
    for (std::size_t i = 0; i < kEndings.size(); ++i)
        if (text == QLatin1String(kEndings[i])) return static_cast<GameEnding>(i);
    return std::nullopt;
}

}  // namespace varnel
