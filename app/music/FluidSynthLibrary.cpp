#include "app/music/FluidSynthLibrary.h"

#include <dlfcn.h>

#include <mutex>

namespace varnel {

namespace {

// ALSA prints its complaints (no sound card, an unknown device name) straight to standard
// error unless the program gives it a handler of its own.
using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int err,
                                  const char* format, ...);
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

void silenceAlsa(void* library) {
    using SetHandler = int (*)(AlsaErrorHandler);
    // Found through FluidSynth's own dependencies: ALSA is loaded only if FluidSynth uses it.
    if (auto set = reinterpret_cast<SetHandler>(dlsym(library, "snd_lib_error_set_handler"))) {
        set(&ignoreAlsaError);
    }
}

const FluidSynthLibrary* load() {
    void* library = dlopen(VARNEL_FLUIDSYNTH_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return nullptr;
    static FluidSynthLibrary api;
    bool complete = true;
#define VARNEL_RESOLVE_MEMBER(name)                                         \
    api.name = reinterpret_cast<decltype(api.name)>(dlsym(library, #name)); \
    complete = complete && api.name != nullptr;
    VARNEL_FLUIDSYNTH_FUNCTIONS(VARNEL_RESOLVE_MEMBER)
#undef VARNEL_RESOLVE_MEMBER
    if (!complete) return nullptr;
    // The game keeps no log: FluidSynth must not print either.
    for (int level = 0; level < LAST_LOG_LEVEL; ++level) {
        api.fluid_set_log_function(level, nullptr, nullptr);
    }
    silenceAlsa(library);
    return &api;
}

}  // namespace

const FluidSynthLibrary* loadFluidSynth() {
    static std::once_flag once;
    static const FluidSynthLibrary* library = nullptr;
    std::call_once(once, [] { library = load(); });
    return library;
}

}  // namespace varnel
