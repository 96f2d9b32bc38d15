#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/music/FluidSynthLibrary.h"
#include "app/music/MusicDevice.h"
#include "app/music/SoundFontLoader.h"
#include "app/music/SoundFontSubset.h"
#include "app/music/TuneFile.h"
#include "app/music/TunePresets.h"

namespace varnel {
namespace {

// The first seconds of the tune as the game renders them, from the whole font or from a subset.
std::vector<float> render(const std::vector<uint8_t>& tune, const std::string& font,
                          std::shared_ptr<const SoundFontSubset> subset, int seconds) {
    const FluidSynthLibrary& fs = *loadFluidSynth();
    fluid_settings_t* settings = fs.new_fluid_settings();
    fs.fluid_settings_setnum(settings, "synth.sample-rate", MusicDevice::SampleRate);
    fs.fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_synth_t* synth = fs.new_fluid_synth(settings);
    if (subset) loadAsSubset(fs, settings, synth, std::move(subset));
    fluid_player_t* player = fs.new_fluid_player(synth);
    std::vector<float> left(MusicDevice::SampleRate * seconds), right(left.size());
    if (fs.fluid_synth_sfload(synth, font.c_str(), 1) != FLUID_FAILED &&
        fs.fluid_player_add_mem(player, tune.data(), tune.size()) == FLUID_OK &&
        fs.fluid_player_play(player) == FLUID_OK) {
        for (std::size_t at = 0; at < left.size(); at += 1024) {
            const int n = static_cast<int>(std::min<std::size_t>(1024, left.size() - at));
            fs.fluid_synth_write_float(synth, n, &left[at], 0, 1, &right[at], 0, 1);
        }
    }
    fs.delete_fluid_player(player);
    fs.delete_fluid_synth(synth);
    fs.delete_fluid_settings(settings);
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

TEST(SoundFontSubset, TheTuneSoundsTheSameFromItsOwnInstrumentsAlone) {
    ASSERT_NE(loadFluidSynth(), nullptr);
    const std::vector<uint8_t> tune =
        readTuneFile(VARNEL_TUNE_PATH).value_or(std::vector<uint8_t>{});
    const auto presets = presetsOfTune(tune);
    ASSERT_TRUE(presets);
    EXPECT_EQ(*presets, (std::set<PresetNumber>{{0, 0}, {0, 32}, {0, 46}, {0, 49}}))
        << "piano, bass, harp and strings";
    const std::string font = MusicDevice::defaultSoundFonts().first().toStdString();
    std::shared_ptr<const SoundFontSubset> subset = SoundFontSubset::make(font, *presets);
    ASSERT_TRUE(subset);
    const std::vector<float> whole = render(tune, font, nullptr, 20);
    EXPECT_GT(*std::max_element(whole.begin(), whole.end()), 0.05F) << "the tune sounds";
    EXPECT_TRUE(render(tune, font, subset, 20) == whole) << "sample for sample";

    // A preset the font lacks, a file that is no sound font: no subset, the whole font is used.
    EXPECT_FALSE(SoundFontSubset::make(font, {{0, 0}, {7, 7}}));
    EXPECT_FALSE(SoundFontSubset::make(VARNEL_TUNE_PATH, *presets));
    // A tune that picks its own banks is not cut down to guesses.
    std::vector<uint8_t> banked = tune;
    const uint8_t volume[] = {0xB0, 7};  // the piano's volume, set at the start
    auto control = std::search(banked.begin(), banked.end(), volume, volume + 2);
    ASSERT_NE(control, banked.end());
    control[1] = 0;  // now a bank select
    EXPECT_FALSE(presetsOfTune(banked));
}

}  // namespace
}  // namespace varnel
