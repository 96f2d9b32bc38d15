#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "tests/app/WindowFixture.h"

namespace varnel::testing {
namespace {

using SoundMenu = WindowTest;

// A pipe where the tune should be would block an ordinary open for ever, and the window would
// never appear: the game starts silent, and once the tune is back (as is a sound server that
// starts after the game) Sound off and on finds it. The tune loops from its end, and off and on
// again starts it from the beginning, not where it stopped.
TEST_F(SoundMenu, TheTuneLoopsAndSoundOffOnStartsItAfreshEvenAfterAPipe) {
    const QByteArray tunePath = QFile::encodeName(appDir.filePath("varnel.mid"));
    ASSERT_EQ(mkfifo(tunePath.constData(), 0600), 0);
    MusicDevice& music = open().music().device();
    EXPECT_EQ(music.mode(), MusicDevice::Mode::NotReady);
    EXPECT_EQ(soundEntry()->text(), "&Sound On");
    ASSERT_EQ(::unlink(tunePath.constData()), 0);
    ASSERT_TRUE(QFile::copy(VARNEL_ASSETS_DIR "/varnel.mid", appDir.filePath("varnel.mid")));

    // The caption names the state, the choice is remembered, and the beeps go and come with the
    // music.
    soundEntry()->trigger();
    EXPECT_EQ(soundEntry()->text(), "S&ound Off");
    EXPECT_EQ(storedSetting("Sound").toString(), " 0");
    clickAt(QPoint(3, 3));  // a miss
    EXPECT_EQ(beeps, 0);
    soundEntry()->trigger();
    ASSERT_EQ(music.mode(), MusicDevice::Mode::Playing);
    EXPECT_EQ(soundEntry()->text(), "S&ound On");
    EXPECT_EQ(storedSetting("Sound").toString(), "-1");
    clickAt(QPoint(3, 3));
    EXPECT_EQ(beeps, 1);

    EXPECT_GT(music.renderMilliseconds(30000), 0.01F) << "heard";
    emit music.statusUpdate();  // a report while playing changes nothing
    EXPECT_GT(music.positionTicks(), 0);
    music.renderMilliseconds(31000);  // past the end
    ASSERT_EQ(music.mode(), MusicDevice::Mode::Stopped);
    emit music.statusUpdate();
    EXPECT_EQ(music.mode(), MusicDevice::Mode::Playing);
    EXPECT_EQ(music.positionTicks(), 0) << "the loop starts the tune again from the beginning";

    music.renderMilliseconds(5000);
    soundEntry()->trigger();
    EXPECT_EQ(music.mode(), MusicDevice::Mode::Stopped);
    EXPECT_EQ(music.updateInterval(), 0);
    soundEntry()->trigger();
    EXPECT_EQ(music.positionTicks(), 0);

    // With the tune in place from the start, it plays at once.
    EXPECT_EQ(open().music().device().mode(), MusicDevice::Mode::Playing);
}

}  // namespace
}  // namespace varnel::testing
