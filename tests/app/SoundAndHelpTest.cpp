#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTextBrowser>

#include "AboutBox.h"
#include "HelpWindow.h"
#include "ModalAction.h"
#include "WindowFixture.h"

namespace varnel::testing {
namespace {

using SoundMenu = WindowTest;
using HelpMenu = WindowTest;

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
    // state, and the choice is remembered.
    music.RenderMilliseconds(5000);
    w.mnuSound->trigger();
    EXPECT_EQ(music.Mode(), MusicDevice::Stopped);
    EXPECT_EQ(music.UpdateInterval(), 0);
    EXPECT_EQ(w.mnuSound->text(), "S&ound Off");
    EXPECT_EQ(StoredSetting("Sound").toString(), " 0");
    w.mnuSound->trigger();
    EXPECT_EQ(music.Mode(), MusicDevice::Playing);
    EXPECT_EQ(music.PositionTicks(), 0);
    EXPECT_EQ(w.mnuSound->text(), "S&ound On");
    EXPECT_EQ(StoredSetting("Sound").toString(), "-1");

    w.mnuExit->trigger();
    EXPECT_EQ(music.Mode(), MusicDevice::Stopped);
    EXPECT_EQ(music.UpdateInterval(), 0);
    EXPECT_EQ(music.PositionTicks(), 0);
}

TEST_F(SoundMenu, AnythingButMinusOneMeansOffAndSilencesTheBeeps) {
    ASSERT_TRUE(QFile::copy(VARNEL_ASSETS_DIR "/varnel.mid", appDir.filePath("varnel.mid")));
    StoreSetting("Sound", " 1");
    frmVarnel& w = Open();
    EXPECT_EQ(w.mnuSound->text(), "S&ound Off");
    // With the music off nothing of the synthesiser is made.
    EXPECT_FALSE(w.Music().SynthesiserLoaded());
    ClickAt(QPoint(3, 3));  // a miss
    EXPECT_EQ(beeps, 0);
    w.mnuSound->trigger();
    EXPECT_EQ(StoredSetting("Sound").toString(), "-1");
    EXPECT_GT(w.Music().RenderMilliseconds(1000), 0.01F);
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
    EXPECT_EQ(w.lblScore->text(), " 144");

    // The tune is back (as is a sound server that starts after the game): off and on again
    // finds it.
    ASSERT_EQ(::unlink(tunePath.constData()), 0);
    ASSERT_TRUE(QFile::copy(VARNEL_ASSETS_DIR "/varnel.mid", appDir.filePath("varnel.mid")));
    w.mnuSound->trigger();
    w.mnuSound->trigger();
    EXPECT_EQ(w.Music().Mode(), MusicDevice::Playing);
    EXPECT_GT(w.Music().RenderMilliseconds(1000), 0.01F);
}

TEST_F(HelpMenu, ThreeEntriesOpenOneWindowAtTheContents) {
    frmVarnel& w = Open();
    QDir(appDir.path()).mkdir("help");
    QFile page(appDir.filePath("help/index.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h1>Contents</h1><a href='other.html'>more</a></body></html>");
    page.close();

    w.mnuHelpContents->trigger();
    HelpWindow* help = CurrentHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    for (QAction* entry : {w.mnuHelpPlay, w.mnuSoftware}) {
        help->Browser()->setSource(QUrl::fromLocalFile(appDir.filePath("help/other.html")));
        entry->trigger();
        EXPECT_EQ(CurrentHelpWindow(), help);
        EXPECT_EQ(help->Browser()->source(), QUrl::fromLocalFile(appDir.filePath("help/index.html")));
    }
    CloseHelp();
}

TEST_F(HelpMenu, AboutWindowComesAndGoesLeavingTheGameAsItWas) {
    frmVarnel& w = Open();
    ClickTile(2);
    const TileTable before = State().Tiles;
    QString program;
    OnNextModal<frmAboutBox>([&](frmAboutBox* about) {
        program = about->findChild<QLabel*>("lblProgram")->text();
        about->findChild<QPushButton*>("cmdCancel")->click();
    });
    w.mnuAbout->trigger();
    EXPECT_EQ(program, "Varnel Solitaire v2.0");
    EXPECT_EQ(State().Tiles, before);
    EXPECT_TRUE(State().TileSelected);
    EXPECT_TRUE(w.shpBox->isVisible());
}

}  // namespace
}  // namespace varnel::testing
