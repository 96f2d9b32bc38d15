#pragma once

#include <fluidsynth.h>

namespace varnel {

// FluidSynth and the sixty-odd libraries it brings (audio servers, codecs, GLib) are loaded
// only when music is first wanted: a game started with music off never maps them, and one
// started with music on shows its window before paying for them.
//
// Each member has the type of the FluidSynth function of the same name.
// clang-format off
#define VARNEL_FLUIDSYNTH_FUNCTIONS(X) \
    X(fluid_set_log_function)          \
    X(new_fluid_settings)              \
    X(delete_fluid_settings)           \
    X(fluid_settings_setnum)           \
    X(fluid_settings_setint)           \
    X(fluid_settings_setstr)           \
    X(new_fluid_synth)                 \
    X(delete_fluid_synth)              \
    X(fluid_is_soundfont)              \
    X(fluid_synth_sfload)              \
    X(new_fluid_defsfloader)           \
    X(fluid_sfloader_set_callbacks)    \
    X(fluid_synth_add_sfloader)        \
    X(fluid_synth_write_float)         \
    X(fluid_synth_system_reset)        \
    X(fluid_synth_all_sounds_off)      \
    X(new_fluid_player)                \
    X(delete_fluid_player)             \
    X(fluid_player_add_mem)            \
    X(fluid_player_play)               \
    X(fluid_player_seek)               \
    X(fluid_player_set_tick_callback)  \
    X(fluid_player_get_total_ticks)    \
    X(fluid_player_get_status)         \
    X(new_fluid_audio_driver)          \
    X(delete_fluid_audio_driver)
// clang-format on

struct FluidSynthLibrary {
#define VARNEL_DECLARE_MEMBER(name) decltype(&::name) name = nullptr;
    VARNEL_FLUIDSYNTH_FUNCTIONS(VARNEL_DECLARE_MEMBER)
#undef VARNEL_DECLARE_MEMBER
};

// Loads the library on first use, from any thread, and silences its own log and that of the
// sound libraries under it; nullptr when it cannot be loaded or lacks a function. The library
// stays loaded until the program ends.
const FluidSynthLibrary* loadFluidSynth();

}  // namespace varnel
