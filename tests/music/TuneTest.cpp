// The committed tune, read back by FluidSynth's own file loader rather than by the game's
// device, and checked against the generator that made it.
#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "MusicDevice.h"

namespace varnel {
namespace {

constexpr int kRate = int(MusicDevice::SampleRate);
constexpr int kBlock = kRate / 100;  // 10 ms

// The tune rendered the way the game plays it, 10 ms at a time, from the first event until
// FluidSynth's player reaches the last tick.
struct Rendering {
    std::vector<float> peaks;     // loudest sample of each block
    std::vector<double> squares;  // sum of squares of each block, both channels
    int totalTicks = 0;

    double Seconds() const { return double(peaks.size()) * kBlock / kRate; }
    double Rms(std::size_t from, std::size_t to) const {
        double sum = 0;
        for (std::size_t i = from; i < to; ++i) sum += squares[i];
        return std::sqrt(sum / (2.0 * kBlock * double(to - from)));
    }
};

Rendering RenderTune() {
    for (int level = 0; level < LAST_LOG_LEVEL; ++level)
        fluid_set_log_function(level, nullptr, nullptr);
    Rendering tune;
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kRate);
    fluid_settings_setnum(settings, "synth.gain", MusicDevice::OutputGain);
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = new_fluid_player(synth);
    const QByteArray font = QFile::encodeName(MusicDevice::DefaultSoundFonts().first());
    const bool loaded = fluid_synth_sfload(synth, font.constData(), 1) != FLUID_FAILED &&
                        fluid_player_add(player, VARNEL_TUNE_PATH) == FLUID_OK &&
                        fluid_player_play(player) == FLUID_OK;
    std::vector<float> left(kBlock), right(kBlock);
    // Ten minutes is far beyond any sane tune: a bound, not an expectation.
    while (loaded && tune.peaks.size() < 600U * kRate / kBlock) {
        fluid_synth_write_float(synth, kBlock, left.data(), 0, 1, right.data(), 0, 1);
        float peak = 0;
        double sum = 0;
        for (int i = 0; i < kBlock; ++i) {
            peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
            sum += double(left[i]) * left[i] + double(right[i]) * right[i];
        }
        tune.peaks.push_back(peak);
        tune.squares.push_back(sum);
        tune.totalTicks = fluid_player_get_total_ticks(player);
        if (tune.totalTicks > 0 && fluid_player_get_current_tick(player) >= tune.totalTicks) break;
    }
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return tune;
}

TEST(Tune, PlaysAboutAMinuteAtSaneLevelsAndLoopsWithoutAGap) {
    const Rendering tune = RenderTune();
    ASSERT_GT(tune.totalTicks, 0);
    const std::size_t n = tune.peaks.size();
    const float peak = *std::max_element(tune.peaks.begin(), tune.peaks.end());
    std::printf("varnel.mid: %.2f s, %d ticks, peak %.3f, rms %.4f\n", tune.Seconds(),
                tune.totalTicks, peak, tune.Rms(0, n));
    EXPECT_GT(tune.Seconds(), 50.0);
    EXPECT_LT(tune.Seconds(), 70.0);
    // Headroom to spare below full scale, yet loud enough to hear at a normal volume.
    EXPECT_LT(peak, 0.7F);
    EXPECT_GT(peak, 0.1F);
    EXPECT_GT(tune.Rms(0, n), 0.01);
    EXPECT_LT(tune.Rms(0, n), 0.2);

    // Sound within the first 50 ms: the loop starts again without a lead-in of silence.
    const auto sounding = [](float p) { return p > 0.01F; };
    EXPECT_LT(std::find_if(tune.peaks.begin(), tune.peaks.end(), sounding) - tune.peaks.begin(), 5);
    // The closing chord still sounds in the last three seconds, has faded by the last tick so
    // the restart does not cut it off, and leaves no long silence before the end.
    EXPECT_GT(tune.Rms(n - 300, n - 100), 0.005);
    EXPECT_LT(tune.Rms(n - 10, n), tune.Rms(0, n) / 16);
    EXPECT_LT(std::find_if(tune.peaks.rbegin(), tune.peaks.rend(), sounding) - tune.peaks.rbegin(),
              100);
}

TEST(Tune, GeneratorReproducesTheCommittedFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess tunegen;
    tunegen.start(QStringLiteral(VARNEL_TUNEGEN_PATH), {dir.filePath("varnel.mid")});
    ASSERT_TRUE(tunegen.waitForFinished(30'000));
    ASSERT_EQ(tunegen.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(tunegen.exitCode(), 0);

    QFile made(dir.filePath("varnel.mid")), committed(VARNEL_TUNE_PATH);
    ASSERT_TRUE(made.open(QIODevice::ReadOnly) && committed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(made.readAll() == committed.readAll());
}

}  // namespace
}  // namespace varnel
