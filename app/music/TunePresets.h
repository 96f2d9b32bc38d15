#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <set>
#include <span>

namespace varnel {

// A preset of a General MIDI sound font: bank 0 holds the instruments, bank 128 the drum kits.
struct PresetNumber {
    int bank = 0;
    int program = 0;
    friend auto operator<=>(const PresetNumber&, const PresetNumber&) = default;
};

// The presets a well-formed Standard MIDI File sounds with: each program it selects, and the
// first preset of the bank of every channel that plays a note (a channel plays that one until
// told otherwise; channel 10 is the drum channel). Nothing when the tune selects banks itself.
std::optional<std::set<PresetNumber>> presetsOfTune(std::span<const uint8_t> midi);

}  // namespace varnel
