#pragma once
// FluidSynth, looked up the first time a piece of music is played. The game
// is not linked with it: the library brings two dozen others (SDL, JACK,
// readline, Wayland...) that every start would load for nothing when the
// music is off.

#include <fluidsynth.h>

namespace zx::media {

#define ZX_FLUIDSYNTH_FUNCTIONS(X)                                                                          \
    X(fluid_set_log_function)                                                                               \
    X(new_fluid_settings) X(delete_fluid_settings) X(fluid_settings_setnum) X(fluid_settings_setint)        \
    X(fluid_settings_setstr) X(new_fluid_synth) X(delete_fluid_synth) X(fluid_synth_sfload)                 \
    X(fluid_synth_all_sounds_off) X(fluid_synth_system_reset) X(fluid_synth_write_s16)                      \
    X(fluid_synth_write_float) X(new_fluid_player) X(delete_fluid_player) X(fluid_player_add_mem)           \
    X(fluid_player_play) X(fluid_player_stop) X(fluid_player_get_status) X(fluid_player_get_total_ticks)    \
    X(fluid_player_get_current_tick)

// The functions the game uses, under their own names.
struct FluidSynthLibrary {
#define ZX_FLUIDSYNTH_POINTER(name) decltype(&::name) name = nullptr;
    ZX_FLUIDSYNTH_FUNCTIONS(ZX_FLUIDSYNTH_POINTER)
#undef ZX_FLUIDSYNTH_POINTER
};

// Loads the library on the first call, from any thread; null when it is
// missing or lacks a function (the music then stays silent). Tried once.
const FluidSynthLibrary* FluidSynth();

}  // namespace zx::media
