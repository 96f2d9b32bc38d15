#pragma once

#include <cstdint>
#include <vector>

#include "tools/tunegen/SmfWriter.h"

// The game's background tune "varnel.mid": a calm piece in F major that the game plays in an
// endless loop, so it lands on the tonic and lets its last chord ring out before it ends.
namespace varnel {

// Ticks per quarter note of the tune.
inline constexpr uint16_t kTuneDivision = 480;

// The conductor track followed by the melody, harp, strings and bass tracks.
std::vector<MidiTrack> composeTune();

}  // namespace varnel
