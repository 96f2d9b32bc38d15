#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <tuple>
#include <vector>

#include "app/music/MusicDevice.h"

namespace varnel {
namespace {

const QString kTune = QStringLiteral(VARNEL_TUNE_PATH);

// Sixty decibels down: what is left of a sound once it has died away. The tune peaks near 0.3.
constexpr float kQuiet = 1e-3F;
constexpr int kStep = 10;  // ms of tune rendered at a time while watching for the end

// A device on the test's own clock: nothing sounds and time moves only by rendering.
class MusicDeviceTest : public ::testing::Test {
  protected:
    MusicDeviceTest() {
        device_.setOutput(MusicDevice::Output::Manual);
        device_.setFailureReport([this](const QString& line) { reports_ << line; });
    }

    void open(const QString& fileName = kTune) {
        device_.setFileName(fileName);
        device_.open();
    }
    // Every way of failing leaves the same quiet device behind: no timer, no audio driver, and
    // commands that do nothing.
    void expectNotReady() {
        device_.setUpdateInterval(999);
        device_.play();
        device_.waitUntilStarted();
        EXPECT_EQ(device_.mode(), MusicDevice::Mode::NotReady);
        EXPECT_FALSE(device_.statusTimerActive() || device_.audioOutputActive());
        device_.stop();
        device_.rewind();
        EXPECT_EQ(device_.mode(), MusicDevice::Mode::NotReady);
    }

    MusicDevice device_;
    QStringList reports_;
};

// The tune plays to an end the window sees, and after rewind (its loop, or Sound off and on)
// plays again from its beginning.
TEST_F(MusicDeviceTest, PlaysToAnEndSeenByPositionAndRewindsToStartOver) {
    open();
    ASSERT_EQ(device_.mode(), MusicDevice::Mode::Stopped);
    // No synthesiser is made for a tune not played: a game without music never waits for one.
    EXPECT_FALSE(device_.synthesiserLoaded());
    // Played until it stops by itself: the loudest sample of each step.
    std::vector<float> tune;
    device_.play();
    while (device_.mode() == MusicDevice::Mode::Playing && tune.size() < 90'000 / kStep)
        tune.push_back(device_.renderMilliseconds(kStep));
    // Stopped in the very step that reached the last tick, not seconds later.
    ASSERT_EQ(device_.mode(), MusicDevice::Mode::Stopped);
    const double ticksPerStep = double(device_.lengthTicks()) / tune.size();
    EXPECT_GE(device_.positionTicks(), device_.lengthTicks());
    EXPECT_LT(device_.positionTicks(), device_.lengthTicks() + ticksPerStep + 1);
    // About a minute, below full scale yet heard; it loops without a gap: sound within 50 ms, the
    // closing chord sounding in the last 3 s and faded by the last tick, not cut off.
    const std::size_t n = tune.size();
    ASSERT_GT(n, 300U);
    auto loudest = [&tune](std::size_t from, std::size_t to) {
        return *std::max_element(tune.begin() + from, tune.begin() + to);
    };
    const float peak = loudest(0, n);
    EXPECT_TRUE(n * kStep > 50'000U && n * kStep < 70'000U) << n * kStep << " ms";
    EXPECT_TRUE(peak > 0.1F && peak < 0.7F) << peak;
    EXPECT_GT(loudest(0, 5), 0.01F);
    EXPECT_GT(loudest(n - 300, n - 100), 0.05F);
    EXPECT_LT(loudest(n - 10, n), peak / 16);

    device_.rewind();
    device_.play();
    EXPECT_GT(device_.renderMilliseconds(5000), 0.01F);
    const int stoppedAt = device_.positionTicks();
    ASSERT_GT(stoppedAt, 0);
    device_.stop();
    // Past the last block rendered before the stop and the room's echo, nothing sounds on.
    device_.renderMilliseconds(200);
    EXPECT_LT(device_.renderMilliseconds(800), kQuiet);
    EXPECT_EQ(device_.positionTicks(), stoppedAt);
}

TEST_F(MusicDeviceTest, StatusReportsFollowTheIntervalAndZeroStopsThem) {
    int reports = 0;
    QObject::connect(&device_, &MusicDevice::statusUpdate, [&reports] { ++reports; });
    device_.setUpdateInterval(5);
    open();
    EXPECT_TRUE(QTest::qWaitFor([&reports] { return reports >= 3; }));

    device_.setUpdateInterval(0);
    const int atZero = reports;
    QTest::qWait(50);
    EXPECT_EQ(reports, atZero);
}

TEST_F(MusicDeviceTest, BrokenOrAbsentTuneOrSoundFontLeavesItNotReady) {
    QTemporaryDir dir;
    const auto write = [&dir](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    };
    QFile tuneFile(kTune);
    ASSERT_TRUE(tuneFile.open(QIODevice::ReadOnly));
    const QByteArray tune = tuneFile.readAll();
    // A sound file only the synthesiser finds unplayable: a bare data byte first.
    QByteArray oneTrack = tune.left(14);
    oneTrack[11] = 1;
    const QByteArray badEvent =
        oneTrack + QByteArray("MTrk\0\0\0\x08\x00\x40\x40\0\0\xFF\x2F\0", 16);

    // A pipe would block an ordinary open for ever.
    const QString pipe = dir.filePath("pipe.mid");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    // Open refuses what is no readable tune file, the rest fails at Play; only a missing sound
    // font is the sound system's fault, told in one line.
    const QStringList fonts = MusicDevice::defaultSoundFonts();
    const std::tuple<QString, QStringList, bool, int> cases[] = {
        {write("truncated.mid", tune.left(tune.size() / 2)), fonts, true, 0},
        {dir.filePath("absent.mid"), fonts, true, 0},
        {pipe, fonts, true, 0},
        {write("bad-event.mid", badEvent), fonts, false, 0},
        {kTune, {"/nonexistent/TimGM6mb.sf2"}, false, 1},
        {kTune, {kTune}, false, 1},  // a file that is there but is no sound font
    };
    for (const auto& [file, soundFonts, refusedAtOpen, lines] : cases) {
        SCOPED_TRACE((file + " with " + soundFonts.join(", ")).toStdString());
        reports_.clear();
        device_.setSoundFonts(soundFonts);
        open(file);
        EXPECT_EQ(device_.mode() == MusicDevice::Mode::NotReady, refusedAtOpen);
        expectNotReady();
        EXPECT_EQ(reports_.size(), lines) << reports_.join("\n").toStdString();
    }
}

// FluidSynth's "file" driver (writing fluidsynth.wav in the current folder) is the sound card.
TEST_F(MusicDeviceTest, AnAudioDriverRunsOnlyWhilePlayingAndWithoutOneItIsNotReady) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(dir.isValid() && QDir::setCurrent(dir.path()));
    device_.setOutput(MusicDevice::Output::AudioDevice);
    device_.setAudioDrivers({"file"});
    open();
    ASSERT_EQ(device_.mode(), MusicDevice::Mode::Stopped);
    EXPECT_FALSE(device_.audioOutputActive());
    // The output starts in the background; the device counts as playing meanwhile.
    device_.play();
    EXPECT_EQ(device_.mode(), MusicDevice::Mode::Playing);
    device_.waitUntilStarted();
    EXPECT_TRUE(device_.audioOutputActive());
    ASSERT_TRUE(QTest::qWaitFor([this] { return device_.positionTicks() > 0; }));
    device_.stop();
    EXPECT_FALSE(device_.audioOutputActive());
    // Switched off while starting: the output is let go as it arrives, the tune rewound.
    device_.play();
    device_.stop();
    device_.rewind();
    device_.waitUntilStarted();
    EXPECT_EQ(device_.mode(), MusicDevice::Mode::Stopped);
    EXPECT_FALSE(device_.audioOutputActive());
    EXPECT_EQ(device_.positionTicks(), 0);
    device_.play();
    device_.waitUntilStarted();
    ASSERT_TRUE(device_.audioOutputActive());
    // Closing while the driver renders must take it down first.
    device_.close();
    EXPECT_FALSE(device_.audioOutputActive());
    QDir::setCurrent(previous);

    // No audio device: it opens, then gives up at Play, reports and all, and says so in one line.
    device_.setAudioDrivers({"no-such-driver"});
    open();
    ASSERT_EQ(device_.mode(), MusicDevice::Mode::Stopped);
    expectNotReady();
    EXPECT_EQ(reports_, QStringList{"Varnel Solitaire: no music: no audio output could be "
                                    "opened (tried no-such-driver)"});
}

}  // namespace
}  // namespace varnel
