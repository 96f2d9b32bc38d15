#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/music/TunePresets.h"

namespace varnel {

// A SoundFont 2 file reduced to some of its presets, read as a file of its own: the header,
// information and sample data are the original file's, the preset tables ours and holding
// only those presets. A synthesiser loading it builds the instruments of those presets alone
// (a General MIDI font has over a hundred, each taking memory as it is loaded), and its
// samples sound exactly as from the whole file.
class SoundFontSubset {
  public:
    // Nothing when the file is not a sound font laid out as usual (preset data last) or lacks
    // one of the presets.
    static std::unique_ptr<const SoundFontSubset> make(const std::string& path,
                                                       const std::set<PresetNumber>& presets);

    const std::string& path() const { return path_; }
    int64_t Size() const { return pdtaStart_ + static_cast<int64_t>(pdta_.size()); }
    // Reads count bytes at offset at, taking the original's from file (the sound font, open
    // for reading); false when they are not all there.
    bool read(std::FILE* file, int64_t at, void* into, int64_t count) const;

  private:
    std::string path_;
    std::vector<char> riffHeader_;  // the first 12 bytes, with the reduced file's length
    int64_t pdtaStart_ = 0;         // where the preset data begins, in both files
    std::vector<char> pdta_;        // the reduced preset data, a whole LIST chunk
};

}  // namespace varnel
