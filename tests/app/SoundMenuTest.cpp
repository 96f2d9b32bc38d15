#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "WindowFixture.h"

namespace varnel::testing {
namespace {

using SoundMenu = WindowTest;

TEST_F(SoundMenu, TuneStartsAtOnceAndLoopsFromItsEnd) {
    ASSERT_TRUE(QFile::copy(VARNEL_ASSETS_DIR "/varnel.mid", appDir.filePath("varnel.mid")));
    frmVarnel& w = Open();
    MusicDevice& music = w.Music();
    ASSERT_EQ(music.Mode(), MusicDevice::Playing);
    music.RenderMilliseconds(30000);
    EXPECT_GT(music.PositionTicks(), 0);
    emit music.StatusUpdate();  // a report while playing changes nothing
    EXPECT_GT(music.PositionTicks(), 0);

    music.RenderMilliseconds(31000);  // past the end
    ASSERT_EQ(music.Mode(), MusicDevice::Stopped);
    emit music.StatusUpdate();
    EXPECT_EQ(music.Mode(), MusicDevice::Playing);
    EXPECT_EQ(music.PositionTicks(), 0) << "the loop starts the tune again from the beginning";

    // Off and on again: from the beginning too, not where it stopped. The caption names the
    // state, the choice is remembered, and the beeps go and come with the music.
    music.RenderMilliseconds(5000);
    w.mnuSound->trigger();
    EXPECT_EQ(music.Mode(), MusicDevice::Stopped);
    EXPECT_EQ(music.UpdateInterval(), 0);
    EXPECT_EQ(w.mnuSound->text(), "S&ound Off");
    EXPECT_EQ(StoredSetting("Sound").toString(), " 0");
    ClickAt(QPoint(3, 3));  // a miss
    EXPECT_EQ(beeps, 0);
    w.mnuSound->trigger();
    EXPECT_EQ(music.Mode(), MusicDevice::Playing);
    EXPECT_EQ(music.PositionTicks(), 0);
    EXPECT_EQ(w.mnuSound->text(), "S&ound On");
    EXPECT_EQ(StoredSetting("Sound").toString(), "-1");
    ClickAt(QPoint(3, 3));
    EXPECT_EQ(beeps, 1);
}

// A pipe would block an ordinary open for ever, and the window would never appear.
TEST_F(SoundMenu, APipeForATuneStartsSilentAndSoundOffOnTriesAgain) {
    const QByteArray tunePath = QFile::encodeName(appDir.filePath("varnel.mid"));
    ASSERT_EQ(mkfifo(tunePath.constData(), 0600), 0);
    frmVarnel& w = Open();
    EXPECT_EQ(w.Music().Mode(), MusicDevice::NotReady);
    EXPECT_EQ(w.mnuSound->text(), "&Sound On");

    // The tune is back (as is a sound server that starts after the game): off and on again
    // finds it.
    ASSERT_EQ(::unlink(tunePath.constData()), 0);
    ASSERT_TRUE(QFile::copy(VARNEL_ASSETS_DIR "/varnel.mid", appDir.filePath("varnel.mid")));
    w.mnuSound->trigger();
    w.mnuSound->trigger();
    EXPECT_EQ(w.Music().Mode(), MusicDevice::Playing);
    EXPECT_GT(w.Music().RenderMilliseconds(1000), 0.01F);
}

}  // namespace
}  // namespace varnel::testing
