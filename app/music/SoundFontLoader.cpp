#include "app/music/SoundFontLoader.h"

#include <map>
#include <mutex>
#include <string>

namespace varnel {
namespace {

// FluidSynth's file callbacks carry no data of their own: the subsets are found by path.
std::mutex subsetsMutex;
std::map<std::string, std::shared_ptr<const SoundFontSubset>> subsets;

struct OpenFile {
    std::shared_ptr<const SoundFontSubset> subset;  // null: the file read as it is
    std::FILE* file = nullptr;
    int64_t size = 0;
    int64_t at = 0;
};

void* open(const char* path) {
    std::shared_ptr<const SoundFontSubset> subset;
    {
        std::lock_guard lock(subsetsMutex);
        if (auto found = subsets.find(path); found != subsets.end()) subset = found->second;
    }
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return nullptr;
    auto* open = new OpenFile{subset, file};
    if (subset) {
        open->size = subset->Size();
    } else if (std::fseek(file, 0, SEEK_END) == 0) {
        open->size = std::ftell(file);
    }
    return open;
}

int read(void* into, fluid_long_long_t count, void* handle) {
    auto* open = static_cast<OpenFile*>(handle);
    if (count < 0 || open->at + count > open->size) return FLUID_FAILED;
    const bool read = open->subset
                          ? open->subset->read(open->file, open->at, into, count)
                          : std::fseek(open->file, static_cast<long>(open->at), SEEK_SET) == 0 &&
                                std::fread(into, 1, static_cast<size_t>(count), open->file) ==
                                    static_cast<size_t>(count);
    if (!read) return FLUID_FAILED;
    open->at += count;
    return FLUID_OK;
}

int seek(void* handle, fluid_long_long_t offset, int origin) {
    auto* open = static_cast<OpenFile*>(handle);
    const int64_t base = origin == SEEK_SET ? 0 : origin == SEEK_CUR ? open->at : open->size;
    if (base + offset < 0 || base + offset > open->size) return FLUID_FAILED;
    open->at = base + offset;
    return FLUID_OK;
}

fluid_long_long_t tell(void* handle) {
    return static_cast<OpenFile*>(handle)->at;
}

int close(void* handle) {
    auto* open = static_cast<OpenFile*>(handle);
    std::fclose(open->file);
    delete open;
    return FLUID_OK;
}

}  // namespace

void loadAsSubset(const FluidSynthLibrary& fs, fluid_settings_t* settings, fluid_synth_t* synth,
                  std::shared_ptr<const SoundFontSubset> subset) {
    fluid_sfloader_t* loader = fs.new_fluid_defsfloader(settings);
    if (loader == nullptr) return;
    fs.fluid_sfloader_set_callbacks(loader, &open, &read, &seek, &tell, &close);
    {
        std::lock_guard lock(subsetsMutex);
        subsets[subset->path()] = std::move(subset);
    }
    // The synthesiser owns its loaders and tries the one added last first.
    fs.fluid_synth_add_sfloader(synth, loader);
}

}  // namespace varnel
