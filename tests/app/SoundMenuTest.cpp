#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "tests/app/WindowFixture.h"

namespace varnel::testing {
namespace {

class SoundMenu : public WindowTest {
  protected:
    // The first entry of Customize, whose caption names the state of the music.
    QAction* soundEntry() { return menuEntry(*window, "C&ustomize")->menu()->actions().value(0); }
};

TEST_F(SoundMenu, TuneStartsAtOnceAndLoopsFromItsEnd) {
    ASSERT_TRUE(QFile::copy(VARNEL_ASSETS_DIR "/varnel.mid", appDir.filePath("varnel.mid")));
    MusicDevice& music = open().music().device();
    ASSERT_EQ(music.mode(), MusicDevice::Mode::Playing);
    music.renderMilliseconds(30000);
    EXPECT_GT(music.positionTicks(), 0);
    emit music.statusUpdate();  // a report while playing changes nothing
    EXPECT_GT(music.positionTicks(), 0);

    music.renderMilliseconds(31000);  // past the end
    ASSERT_EQ(music.mode(), MusicDevice::Mode::Stopped);
    emit music.statusUpdate();
    EXPECT_EQ(music.mode(), MusicDevice::Mode::Playing);
    EXPECT_EQ(music.positionTicks(), 0) << "the loop starts the tune again from the beginning";

    // Off and on again: from the beginning too, not where it stopped. The caption names the
    // state, the choice is remembered, and the beeps go and come with the music.
    music.renderMilliseconds(5000);
    soundEntry()->trigger();
    EXPECT_EQ(music.mode(), MusicDevice::Mode::Stopped);
    EXPECT_EQ(music.updateInterval(), 0);
    EXPECT_EQ(soundEntry()->text(), "S&ound Off");
    EXPECT_EQ(storedSetting("Sound").toString(), " 0");
    clickAt(QPoint(3, 3));  // a miss
    EXPECT_EQ(beeps, 0);
    soundEntry()->trigger();
    EXPECT_EQ(music.mode(), MusicDevice::Mode::Playing);
    EXPECT_EQ(music.positionTicks(), 0);
    EXPECT_EQ(soundEntry()->text(), "S&ound On");
    EXPECT_EQ(storedSetting("Sound").toString(), "-1");
    clickAt(QPoint(3, 3));
    EXPECT_EQ(beeps, 1);
}

// A pipe would block an ordinary open for ever, and the window would never appear.
TEST_F(SoundMenu, APipeForATuneStartsSilentAndSoundOffOnTriesAgain) {
    const QByteArray tunePath = QFile::encodeName(appDir.filePath("varnel.mid"));
    ASSERT_EQ(mkfifo(tunePath.constData(), 0600), 0);
    MainWindow& w = open();
    EXPECT_EQ(w.music().device().mode(), MusicDevice::Mode::NotReady);
    EXPECT_EQ(soundEntry()->text(), "&Sound On");

    // The tune is back (as is a sound server that starts after the game): off and on again
    // finds it.
    ASSERT_EQ(::unlink(tunePath.constData()), 0);
    ASSERT_TRUE(QFile::copy(VARNEL_ASSETS_DIR "/varnel.mid", appDir.filePath("varnel.mid")));
    soundEntry()->trigger();
    soundEntry()->trigger();
    EXPECT_EQ(w.music().device().mode(), MusicDevice::Mode::Playing);
    EXPECT_GT(w.music().device().renderMilliseconds(1000), 0.01F);
}

}  // namespace
}  // namespace varnel::testing
