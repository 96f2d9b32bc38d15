// The committed tune, read back by FluidSynth's own file loader rather than by the game's
// device, and checked against the generator that made it.
#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <vector>

#include "MusicDevice.h"
#include "TuneFiles.h"

namespace varnel {
namespace {

using testing::ReadTune;
using testing::TunePath;

constexpr int kRate = 44100;
constexpr int kBlock = 441;  // 10 ms

double Decibels(double level) {
    return 20.0 * std::log10(std::max(level, 1e-12));
}

// The tune rendered the way the game plays it, 10 ms at a time, from the first event until
// FluidSynth's player reaches the last tick.
struct Rendering {
    std::vector<float> peaks;     // loudest sample of each 10 ms block
    std::vector<double> squares;  // sum of squares of each block, both channels
    double seconds = 0;           // time to the last tick
    int totalTicks = 0;
};

Rendering RenderTune() {
    for (int level = 0; level < LAST_LOG_LEVEL; ++level) {
        fluid_set_log_function(level, nullptr, nullptr);
    }
    Rendering result;
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kRate);
    fluid_settings_setnum(settings, "synth.gain", MusicDevice::OutputGain);
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = new_fluid_player(synth);
    const bool loaded =
        fluid_synth_sfload(synth, MusicDevice::DefaultSoundFonts().first().toUtf8().constData(),
                           1) != FLUID_FAILED &&
        fluid_player_add(player, QFile::encodeName(TunePath()).constData()) == FLUID_OK &&
        fluid_player_play(player) == FLUID_OK;
    std::vector<float> left(kBlock), right(kBlock);
    long long frames = 0;
    // Ten minutes is far beyond any sane tune: a bound, not an expectation.
    while (loaded && frames < 600LL * kRate) {
        fluid_synth_write_float(synth, kBlock, left.data(), 0, 1, right.data(), 0, 1);
        frames += kBlock;
        float peak = 0;
        double sum = 0;
        for (int i = 0; i < kBlock; ++i) {
            peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
            sum += double(left[i]) * left[i] + double(right[i]) * right[i];
        }
        result.peaks.push_back(peak);
        result.squares.push_back(sum);
        result.totalTicks = fluid_player_get_total_ticks(player);
        if (result.totalTicks > 0 && fluid_player_get_current_tick(player) >= result.totalTicks) {
            break;
        }
    }
    result.seconds = double(frames) / kRate;
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return result;
}

// Rendered once for all the checks below.
const Rendering& TheTune() {
    static const Rendering tune = RenderTune();
    return tune;
}

double Rms(const Rendering& r, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t i = from; i < to; ++i) sum += r.squares[i];
    return std::sqrt(sum / (2.0 * kBlock * double(to - from)));
}

TEST(Tune, LastsAboutAMinuteAtSaneLevels) {
    const Rendering& tune = TheTune();
    ASSERT_GT(tune.totalTicks, 0);
    std::printf("varnel.mid: %.2f s, %d ticks\n", tune.seconds, tune.totalTicks);
    EXPECT_GT(tune.seconds, 50.0);
    EXPECT_LT(tune.seconds, 70.0);

    const float peak = *std::max_element(tune.peaks.begin(), tune.peaks.end());
    const double rms = Rms(tune, 0, tune.peaks.size());
    std::printf("varnel.mid: peak %.1f dBFS, rms %.1f dBFS\n", Decibels(peak), Decibels(rms));
    // Headroom to spare below full scale, yet loud enough to hear at a normal volume.
    EXPECT_LT(peak, 0.7F);
    EXPECT_GT(peak, 0.1F);
    EXPECT_GT(rms, 0.01);
    EXPECT_LT(rms, 0.2);
}

TEST(Tune, BeginsAtOnceAndFadesBeforeItsEnd) {
    const Rendering& tune = TheTune();
    ASSERT_GT(tune.peaks.size(), 400U);
    // Sound within the first 50 ms: the loop starts again without a lead-in of silence.
    const auto firstSound =
        std::find_if(tune.peaks.begin(), tune.peaks.end(), [](float p) { return p > 0.01F; });
    EXPECT_LT(firstSound - tune.peaks.begin(), 5);

    // The closing chord still sounds in the last three seconds ...
    const std::size_t n = tune.peaks.size();
    EXPECT_GT(Rms(tune, n - 300, n - 100), 0.005);
    // ... and has faded by the last tick, well below the body of the tune, so the restart does
    // not cut it off.
    EXPECT_LT(Rms(tune, n - 10, n), Rms(tune, 0, n) / 16);
    // But the fade is brief: no long silence before the end.
    const auto lastSound =
        std::find_if(tune.peaks.rbegin(), tune.peaks.rend(), [](float p) { return p > 0.01F; });
    EXPECT_LT(lastSound - tune.peaks.rbegin(), 100) << "blocks of 10 ms";
}

TEST(Tune, GeneratorReproducesTheCommittedFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString output = dir.filePath("varnel.mid");
    QProcess tunegen;
    tunegen.start(QStringLiteral(VARNEL_TUNEGEN_PATH), {output});
    ASSERT_TRUE(tunegen.waitForFinished(30'000));
    ASSERT_EQ(tunegen.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(tunegen.exitCode(), 0);

    QFile made(output);
    ASSERT_TRUE(made.open(QIODevice::ReadOnly));
    const QByteArray committed = ReadTune();
    ASSERT_FALSE(committed.isEmpty());
    EXPECT_TRUE(made.readAll() == committed);
}

}  // namespace
}  // namespace varnel
