#pragma once

#include <QString>

// The check a settings file passes before anything reads it. The game keeps four short numbers
// there; a file that could hang the reader (a pipe, a device), swamp it (megabytes) or crash it
// (the nested values Qt's reader decodes recursively) is not one the game wrote.
namespace varnel {

// Ample for four keys, however often a player has edited the file by hand.
inline constexpr qint64 kLargestSettingsFileBytes = 16 * 1024;

enum class SettingsFileState {
    Absent,    // nothing there yet: the game starts with the defaults and may write one
    Readable,  // an ordinary file of a sane size with only plain values
    Refused,   // anything else: neither read nor written
};

SettingsFileState checkSettingsFile(const QString& path);

}  // namespace varnel
