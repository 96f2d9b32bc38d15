#pragma once

#include <cstdint>
#include <span>

namespace varnel {

// Whether a file has the chunk structure of a Standard MIDI File the sequencer can play: a
// header chunk of format 0, 1 or 2 counting time in ticks per quarter note, then as many track
// chunks as the header announces, each lying wholly inside the file and closed by an End of
// Track event. Chunks of other kinds are skipped, as every reader must. A truncated or damaged
// tune fails here before the synthesiser ever sees it.
bool isWellFormedMidiFile(std::span<const uint8_t> bytes);

}  // namespace varnel
