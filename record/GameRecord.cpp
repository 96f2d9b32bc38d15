#include "record/GameRecord.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "record/RecordDatabase.h"
#include "record/RecordFileCheck.h"
#include "record/RecordSchema.h"

namespace varnel {
namespace {

const QString kSessionKept =
    QStringLiteral("Games of this session are kept until the game closes.");

QString couldNotRead(const QString& why) {
    return QStringLiteral("The record of games could not be read: %1. %2").arg(why, kSessionKept);
}

QString couldNotStart(const QString& why) {
    return QStringLiteral("The record of games could not be started: %1. %2")
        .arg(why, kSessionKept);
}

QString couldNotWrite(const QString& why) {
    return QStringLiteral("The record of games could not be written: %1. %2")
        .arg(why, kSessionKept);
}

QString cannotWrite(const QString& why) {
    return QStringLiteral(
               "The record of games cannot be written: %1. Its games are shown, and those of this "
               "session are kept until the game closes.")
        .arg(why);
}

std::vector<PlayedGame> joined(std::vector<PlayedGame> first, const std::vector<PlayedGame>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

// A name beside the record that nothing has yet, saying what happened and when.
QString damagedName(const QString& path) {
    const QFileInfo record(path);
    const QString stem =
        QStringLiteral("%1/record.damaged-%2")
            .arg(record.absolutePath(),
                 QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    QString name = stem + QStringLiteral(".sqlite");
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = QStringLiteral("%1-%2.sqlite").arg(stem).arg(n);
    return name;
}

}  // namespace

GameRecord::GameRecord(QObject* parent) : QObject(parent) {}

GameRecord::~GameRecord() = default;

void GameRecord::open(const QString& folder) {
    if (opened_) return;
    opened_ = true;
    openFile(folder);
    emit changed();
}

void GameRecord::openFile(const QString& folder) {
    path_ = QDir(folder).absoluteFilePath(QString::fromLatin1(kRecordFileName));
    // The games ended before the record was opened.
    std::vector<PlayedGame> session = std::move(games_);
    games_ = session;
    if (const QString why = makeRecordFolder(folder); !why.isEmpty()) {
        setAside(couldNotStart(why));
        return;
    }

    const RecordFileCheck check = checkRecordFile(path_);
    using Verdict = RecordFileCheck::Verdict;
    switch (check.verdict) {
        case Verdict::Refused:
            setAside(couldNotRead(check.why));
            return;
        case Verdict::Missing:
        case Verdict::Empty:
            if (!check.writable) {
                setAside(couldNotStart(check.why));
                return;
            }
            if (const QString why = startNewRecord(session); !why.isEmpty())
                setAside(couldNotStart(why));
            return;
        case Verdict::Damaged:
            moveAsideDamaged(check, check.why, session);
            return;
        case Verdict::Ours:
            break;
    }

    auto database = std::make_unique<RecordDatabase>(path_, !check.writable);
    std::vector<PlayedGame> kept;
    const bool read =
        database->open() && database->check() &&
        (!check.writable || check.version == kRecordVersion || database->upgrade(check.version)) &&
        database->load(check.writable ? kRecordVersion : check.version, kept);
    if (!read) {
        const RecordDatabase::Failure failure = database->lastFailure();
        const QString why = database->lastReason();
        database.reset();
        if (failure == RecordDatabase::Failure::Damaged) {
            moveAsideDamaged(check, why, session);
        } else {
            setAside(couldNotRead(why));
        }
        return;
    }
    games_ = joined(std::move(kept), session);
    if (!check.writable) {
        setAside(cannotWrite(check.why));
        return;
    }
    if (!session.empty() && !database->insert(session)) {
        setAside(couldNotWrite(database->lastReason()));
        return;
    }
    database->changedElsewhere();
    database_ = std::move(database);
}

QString GameRecord::startNewRecord(const std::vector<PlayedGame>& kept) {
    games_ = kept;
    auto database = std::make_unique<RecordDatabase>(path_, false);
    if (!database->open() || !database->upgrade(0) || (!kept.empty() && !database->insert(kept)))
        return database->lastReason();
    database->changedElsewhere();
    database_ = std::move(database);
    return {};
}

void GameRecord::moveAsideDamaged(const RecordFileCheck& check, const QString& why,
                                  const std::vector<PlayedGame>& session) {
    const QString damage =
        QStringLiteral("\u201C%1\u201D is damaged (%2)").arg(QDir::toNativeSeparators(path_), why);
    // A file the player made read-only stays where it is, damaged or not.
    if (!check.writable) {
        setAside(couldNotRead(damage));
        return;
    }
    const QString aside = damagedName(path_);
    if (!QFile::rename(path_, aside)) {
        setAside(couldNotRead(damage + QStringLiteral(" and could not be moved aside")));
        return;
    }
    // A journal left beside it belongs with it: SQLite finds it by the name.
    const QString journal = path_ + QStringLiteral("-journal");
    if (QFileInfo(journal).isFile()) QFile::rename(journal, aside + QStringLiteral("-journal"));

    // Whatever can still be read of a damaged record is carried over to the new one.
    std::vector<PlayedGame> saved;
    if (check.verdict == RecordFileCheck::Verdict::Ours) {
        RecordDatabase old(aside, true);
        if (old.open()) old.load(check.version, saved);
    }
    const QString failed = startNewRecord(joined(saved, session));
    QString notice =
        QStringLiteral("The record of games was damaged (%1); it was moved to \u201C%2\u201D")
            .arg(why, QDir::toNativeSeparators(aside));
    if (!failed.isEmpty()) {
        notice += QStringLiteral(", but a new record could not be started: %1. %2")
                      .arg(failed, kSessionKept);
    } else if (saved.empty()) {
        notice += QStringLiteral(" and a new record was started.");
    } else {
        notice += QStringLiteral(
                      " and a new record was started with the %1 games that could still be read.")
                      .arg(saved.size());
    }
    notice_ = notice;
}

void GameRecord::setAside(const QString& notice) {
    notice_ = notice;
    database_.reset();
}

bool GameRecord::add(const PlayedGame& game) {
    if (!game.worthKeeping()) return false;
    if (database_) {
        reloadIfChangedElsewhere();
        if (!database_->insert({&game, 1})) setAside(couldNotWrite(database_->lastReason()));
    }
    games_.push_back(game);
    emit changed();
    return true;
}

std::vector<PlayedGame> GameRecord::games() const {
    reloadIfChangedElsewhere();
    return games_;
}

std::vector<PlayedGame> GameRecord::games(int layout) const {
    reloadIfChangedElsewhere();
    std::vector<PlayedGame> chosen;
    std::copy_if(games_.begin(), games_.end(), std::back_inserter(chosen),
                 [layout](const PlayedGame& game) { return game.layout == layout; });
    return chosen;
}

void GameRecord::reset(int layout) {
    forget(layout);
}

void GameRecord::resetAll() {
    forget(std::nullopt);
}

void GameRecord::forget(std::optional<int> layout) {
    if (database_ && !database_->remove(layout)) setAside(couldNotWrite(database_->lastReason()));
    std::erase_if(games_,
                  [layout](const PlayedGame& game) { return !layout || game.layout == *layout; });
    emit changed();
}

void GameRecord::reloadIfChangedElsewhere() const {
    if (!database_ || !database_->changedElsewhere()) return;
    std::vector<PlayedGame> games;
    if (database_->load(kRecordVersion, games)) games_ = std::move(games);
}

}  // namespace varnel
