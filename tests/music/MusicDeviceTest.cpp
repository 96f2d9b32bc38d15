#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <vector>

#include "MusicDevice.h"
#include "TuneFiles.h"

namespace varnel {
namespace {

using testing::ReadTune;
using testing::TunePath;
using testing::WriteFile;

// Quiet enough to count as silence; the tune itself peaks a few thousand times higher.
constexpr float kSilence = 1e-4F;
// Sixty decibels down: what is left of a sound once it has died away.
constexpr float kQuiet = 1e-3F;

// A device on the test's own clock: nothing sounds and time moves only by rendering.
class MusicDeviceTest : public ::testing::Test {
  protected:
    void Open(const QString& fileName = TunePath()) {
        device_.SetOutput(MusicDevice::Output::Manual);
        device_.SetFileName(fileName);
        device_.SetDeviceType("Sequencer");
        device_.Open();
    }

    MusicDevice device_;
};

TEST_F(MusicDeviceTest, OpensStoppedAtTheStartAndPlays) {
    Open();
    ASSERT_EQ(device_.Mode(), MusicDevice::Stopped);
    EXPECT_EQ(device_.PositionTicks(), 0);
    EXPECT_GT(device_.LengthTicks(), 0);
    EXPECT_LT(device_.RenderMilliseconds(500), kSilence);
    EXPECT_EQ(device_.PositionTicks(), 0);

    device_.Play();
    EXPECT_EQ(device_.Mode(), MusicDevice::Playing);
    EXPECT_GT(device_.RenderMilliseconds(2000), 0.01F);
    const int afterTwoSeconds = device_.PositionTicks();
    EXPECT_GT(afterTwoSeconds, 0);
    device_.RenderMilliseconds(2000);
    // The tune keeps one tempo, so equal stretches of time cover equal stretches of ticks.
    EXPECT_NEAR(device_.PositionTicks(), 2 * afterTwoSeconds, 2);
    EXPECT_EQ(device_.Mode(), MusicDevice::Playing);
    EXPECT_FALSE(device_.AudioOutputActive());

    // Opening again starts over.
    Open();
    EXPECT_EQ(device_.Mode(), MusicDevice::Stopped);
    EXPECT_EQ(device_.PositionTicks(), 0);
}

TEST_F(MusicDeviceTest, TheEndIsSeenAtOnceAndTheWindowsLoopRestartsIt) {
    Open();
    device_.Play();
    constexpr int kStep = 10;
    int tuneMs = 0;
    while (device_.Mode() == MusicDevice::Playing && tuneMs < 90'000) {
        ASSERT_LT(device_.PositionTicks(), device_.LengthTicks());
        device_.RenderMilliseconds(kStep);
        tuneMs += kStep;
    }
    // Stopped in the very step that reached the last tick, not seconds later.
    ASSERT_EQ(device_.Mode(), MusicDevice::Stopped);
    const double ticksPerStep = double(device_.LengthTicks()) * kStep / tuneMs;
    EXPECT_GE(device_.PositionTicks(), device_.LengthTicks());
    EXPECT_LT(device_.PositionTicks(), device_.LengthTicks() + ticksPerStep + 1);
    // Without a rewind there is nothing left to play.
    device_.Play();
    EXPECT_EQ(device_.Mode(), MusicDevice::Stopped);
    device_.Prev();
    EXPECT_EQ(device_.PositionTicks(), 0);
    device_.Play();

    // The window's status reports: each one that finds the device stopped rewinds and plays.
    constexpr int kInterval = 999;
    std::vector<int> restarts;
    for (int elapsed = kInterval; elapsed <= 2 * tuneMs + 5 * kInterval; elapsed += kInterval) {
        EXPECT_GT(device_.RenderMilliseconds(kInterval), 0.0F);
        if (device_.Mode() == MusicDevice::Playing) {
            EXPECT_LT(device_.PositionTicks(), device_.LengthTicks());
        } else {
            restarts.push_back(elapsed);
            device_.Prev();
            device_.Play();
        }
        EXPECT_EQ(device_.Mode(), MusicDevice::Playing);
    }
    ASSERT_EQ(restarts.size(), 2U);
    // Each run lasts the whole tune, and the first report after its end starts it again.
    EXPECT_GE(restarts[0], tuneMs - kStep);
    EXPECT_LT(restarts[0] - tuneMs, kInterval);
    EXPECT_GE(restarts[1] - restarts[0], tuneMs - kStep);
    EXPECT_LT(restarts[1] - restarts[0] - tuneMs, kInterval);
}

TEST_F(MusicDeviceTest, SwitchingOffAndOnStartsFromTheBeginning) {
    Open();
    device_.Play();
    device_.RenderMilliseconds(5000);
    const int stoppedAt = device_.PositionTicks();
    ASSERT_GT(stoppedAt, 0);

    // The Sound entry switching off: Stop, then Prev.
    device_.Stop();
    EXPECT_EQ(device_.Mode(), MusicDevice::Stopped);
    // Past the last block rendered before the stop and the room's echo, nothing sounds on.
    device_.RenderMilliseconds(200);
    EXPECT_LT(device_.RenderMilliseconds(800), kQuiet);
    EXPECT_EQ(device_.PositionTicks(), stoppedAt);
    device_.Prev();
    EXPECT_EQ(device_.PositionTicks(), 0);

    device_.Play();
    EXPECT_GT(device_.RenderMilliseconds(200), 0.01F);
    EXPECT_LT(device_.PositionTicks(), stoppedAt / 10);
}

TEST_F(MusicDeviceTest, StopWithoutPrevKeepsThePlace) {
    Open();
    device_.Play();
    device_.RenderMilliseconds(3000);
    device_.Stop();
    const int stoppedAt = device_.PositionTicks();
    EXPECT_EQ(device_.Mode(), MusicDevice::Stopped);
    device_.Play();
    EXPECT_EQ(device_.PositionTicks(), stoppedAt);
    EXPECT_GT(device_.RenderMilliseconds(1000), 0.01F);
    // Three seconds to the stop, one more after it.
    EXPECT_NEAR(device_.PositionTicks(), stoppedAt * 4 / 3, 2);
    EXPECT_EQ(device_.Mode(), MusicDevice::Playing);
}

// Runs the event loop until `done` holds or a generous bound passes.
void SpinUntil(const std::function<bool()>& done, int boundMs) {
    QEventLoop loop;
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    bound.start(boundMs);
    poll.start(1);
    loop.exec();
}

TEST_F(MusicDeviceTest, StatusReportsFollowTheInterval) {
    int reports = 0;
    QObject::connect(&device_, &MusicDevice::StatusUpdate, [&reports] { ++reports; });

    device_.SetUpdateInterval(5);
    EXPECT_FALSE(device_.StatusTimerActive()) << "not open yet";
    Open();
    EXPECT_TRUE(device_.StatusTimerActive());
    SpinUntil([&reports] { return reports >= 3; }, 5000);
    EXPECT_GE(reports, 3);

    device_.SetUpdateInterval(0);
    EXPECT_FALSE(device_.StatusTimerActive());
    const int atZero = reports;
    SpinUntil([] { return false; }, 50);
    EXPECT_EQ(reports, atZero);

    device_.SetUpdateInterval(999);
    EXPECT_TRUE(device_.StatusTimerActive());
    EXPECT_EQ(device_.UpdateInterval(), 999);
    device_.Close();
    EXPECT_FALSE(device_.StatusTimerActive());
    EXPECT_EQ(device_.Mode(), MusicDevice::NotReady);
}

// Every way of failing leaves the same quiet device behind.
void ExpectNotReady(MusicDevice& device) {
    device.SetUpdateInterval(999);
    device.Play();
    EXPECT_EQ(device.Mode(), MusicDevice::NotReady);
    EXPECT_EQ(device.RenderMilliseconds(100), 0.0F);
    EXPECT_FALSE(device.StatusTimerActive());
    EXPECT_FALSE(device.AudioOutputActive());
    EXPECT_EQ(device.LengthTicks(), 0);
    device.Stop();
    device.Prev();
    EXPECT_EQ(device.Mode(), MusicDevice::NotReady);
}

TEST_F(MusicDeviceTest, MissingOrBrokenTunesLeaveItNotReady) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray tune = ReadTune();
    ASSERT_FALSE(tune.isEmpty());

    QByteArray noteWithoutStatus = tune.left(14);
    // One track whose first event is a bare data byte: sound chunks, unreadable events.
    noteWithoutStatus[11] = 1;
    noteWithoutStatus += QByteArray("MTrk\0\0\0\x08\x00\x40\x40\x00\x00\xFF\x2F\x00", 16);
    QByteArray empty = tune.left(14);
    empty[11] = 1;
    empty += QByteArray("MTrk\0\0\0\x04\x00\xFF\x2F\x00", 12);

    const QList<QPair<QString, QByteArray>> cases{
        {"garbage.mid", QByteArray(4000, '\x5A')},
        {"empty-file.mid", QByteArray()},
        {"truncated.mid", tune.left(tune.size() / 2)},
        {"bad-event.mid", noteWithoutStatus},
        {"no-length.mid", empty},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name.toStdString());
        Open(WriteFile(dir, name, bytes));
        ExpectNotReady(device_);
    }
    SCOPED_TRACE("absent");
    Open(dir.filePath("varnel.mid"));
    ExpectNotReady(device_);
}

TEST_F(MusicDeviceTest, NoSoundFontOrWrongDeviceLeavesItNotReady) {
    device_.SetSoundFonts({"/nonexistent/TimGM6mb.sf2"});
    Open();
    ExpectNotReady(device_);

    // A file that is there but is no sound font.
    device_.SetSoundFonts({TunePath()});
    Open();
    ExpectNotReady(device_);

    device_.SetSoundFonts(MusicDevice::DefaultSoundFonts());
    device_.SetOutput(MusicDevice::Output::Manual);
    device_.SetFileName(TunePath());
    device_.SetDeviceType("WaveAudio");
    device_.Open();
    ExpectNotReady(device_);
}

TEST_F(MusicDeviceTest, NoAudioDeviceGoesQuietlyNotReady) {
    device_.SetAudioDrivers({"no-such-driver"});
    device_.SetFileName(TunePath());
    device_.SetDeviceType("Sequencer");
    device_.SetUpdateInterval(999);
    device_.Open();
    ASSERT_EQ(device_.Mode(), MusicDevice::Stopped);
    device_.Play();
    EXPECT_EQ(device_.Mode(), MusicDevice::NotReady);
    EXPECT_FALSE(device_.AudioOutputActive());
    EXPECT_FALSE(device_.StatusTimerActive());
}

// FluidSynth's "file" driver stands in for a sound card: it writes what it renders into
// fluidsynth.wav in the current folder.
TEST_F(MusicDeviceTest, AnAudioDriverRunsOnlyWhilePlaying) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));

    device_.SetAudioDrivers({"file"});
    device_.SetFileName(TunePath());
    device_.SetDeviceType("Sequencer");
    device_.Open();
    ASSERT_EQ(device_.Mode(), MusicDevice::Stopped);
    EXPECT_FALSE(device_.AudioOutputActive());

    device_.Play();
    EXPECT_EQ(device_.Mode(), MusicDevice::Playing);
    EXPECT_TRUE(device_.AudioOutputActive());
    device_.Stop();
    EXPECT_FALSE(device_.AudioOutputActive());
    device_.Play();
    EXPECT_TRUE(device_.AudioOutputActive());
    device_.Prev();
    EXPECT_FALSE(device_.AudioOutputActive());
    EXPECT_EQ(device_.Mode(), MusicDevice::Stopped);
    device_.Play();
    EXPECT_TRUE(device_.AudioOutputActive());
    // Closing while the driver renders must take it down first.
    device_.Close();
    EXPECT_FALSE(device_.AudioOutputActive());
    EXPECT_EQ(device_.Mode(), MusicDevice::NotReady);

    QDir::setCurrent(previous);
}

}  // namespace
}  // namespace varnel
