#pragma once

#include <QString>
#include <cstdint>

// What lies where the record should be, found out before SQLite is let near it: SQLite would
// block for ever on a FIFO, follow a link anywhere, and read a huge file at length.
namespace varnel {

// A record of a few hundred thousand games fits well within this; anything larger is not one
// the game wrote, and reading it would hold the game up.
inline constexpr std::int64_t kRecordSizeLimit = 16 * 1024 * 1024;

struct RecordFileCheck {
    enum class Verdict {
        Missing,  // no file yet: a new record may be made
        Empty,    // a file of no bytes, left by a game that stopped while making its record
        Ours,     // this game's record, of schema `version` (never newer than the game knows)
        Damaged,  // not a database, or a record whose header is broken: may be moved aside
        Refused,  // anything else, left alone for this run
    };
    Verdict verdict = Verdict::Refused;
    int version = 0;
    // Whether the file, and the folder where SQLite keeps its journal, may be written; the
    // player who takes the write permission away from a file means it, so a file with no write
    // permission for anyone is read-only even to root.
    bool writable = false;
    QString why;  // for Damaged and Refused, and for a place that is not writable
};

RecordFileCheck checkRecordFile(const QString& path);

// Makes the folder and any missing folder above it, for the player alone. "" or why not.
QString makeRecordFolder(const QString& folder);

}  // namespace varnel
