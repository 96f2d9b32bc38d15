#pragma once

#include <memory>

#include "app/music/FluidSynthLibrary.h"
#include "app/music/SoundFontSubset.h"

namespace varnel {

// Has the synthesiser read the sound font at the subset's path as the subset, from now on and
// whenever it comes back for samples; other files it reads whole.
void loadAsSubset(const FluidSynthLibrary& fs, fluid_settings_t* settings, fluid_synth_t* synth,
                  std::shared_ptr<const SoundFontSubset> subset);

}  // namespace varnel
