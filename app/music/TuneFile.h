#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnel {

// The bytes of a tune file the sequencer can play, or nothing: the file is missing, is not an
// ordinary file (a pipe or a device would block or never end), is far too large for a
// background tune, cannot be read, or is not a well-formed Standard MIDI File.
std::optional<std::vector<uint8_t>> ReadTuneFile(const std::string& path);

}  // namespace varnel
