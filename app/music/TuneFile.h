#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnel {

// The tune is a few kilobytes; a file larger than this is not a background tune.
inline constexpr std::size_t kLargestTuneBytes = 4 * 1024 * 1024;

// The bytes of a tune file the sequencer can play, or nothing: the file is missing, is not an
// ordinary file (a pipe or a device would block or never end), is far too large for a
// background tune, cannot be read, or is not a well-formed Standard MIDI File.
std::optional<std::vector<uint8_t>> readTuneFile(const std::string& path);

}  // namespace varnel
