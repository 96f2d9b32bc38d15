#include <QDir>
#include <QFile>

#include "WindowFixture.h"
#include "frmFile.h"

namespace varnel::testing {
namespace {

using MessageBoxes = WindowTest;

TEST_F(MessageBoxes, LongPathsAndOddNamesAreShownWholeAndAsSpelt) {
    // A program folder with a 200-character name, no blank to break a line at.
    appPath = appDir.filePath(QString(200, 'v'));
    ASSERT_TRUE(QDir().mkpath(appPath + "/varnel.sav"));  // a folder: Save cannot write there
    const QString oddName = "<h1>BIG<i>&amp;.bmp";
    QFile odd(appPath + "/" + oddName);
    ASSERT_TRUE(odd.open(QIODevice::WriteOnly));
    odd.write("not a picture");
    odd.close();

    frmVarnel& w = Open();
    const auto [a, b] = FreePair();
    ClickTile(a);
    ClickTile(b);
    ASSERT_TRUE(w.mnuUndo->isEnabled());
    const TileTable before = State().Tiles;
    ModalAnswerer answerer;
    w.mnuSave->trigger();
    w.mnuRestore->trigger();
    EXPECT_TRUE(w.mnuUndo->isEnabled()) << "a refused restore keeps the undo";
    OnNextModal<frmFile>([&](frmFile* chooser) {
        chooser->SetFolder(appPath);
        chooser->filList->setCurrentItem(chooser->filList->findItems(oddName, Qt::MatchExactly)[0]);
        chooser->cmdOk->click();
        chooser->cmdCancel->click();
    });
    w.mnuTile->trigger();
    w.mnuRemain->trigger();  // a short message: the box must still show its caption whole

    ASSERT_EQ(answerer.seen.size(), 4u);
    for (const ModalAnswerer::Seen& box : answerer.seen) {
        EXPECT_TRUE(box.text.contains(QString(200, 'v')) || &box == &answerer.seen.back())
            << box.text.toStdString();
        EXPECT_TRUE(box.wholeText) << box.text.toStdString();
        EXPECT_TRUE(box.plainText) << box.text.toStdString();
    }
    EXPECT_TRUE(answerer.seen[0].text.startsWith("Could not save the game to "));
    EXPECT_TRUE(answerer.seen[1].text.startsWith("Could not restore the saved game from "));
    EXPECT_EQ(answerer.seen[1].icon, QMessageBox::Warning);
    EXPECT_TRUE(answerer.seen[2].text.contains(oddName));
    EXPECT_EQ(State().Tiles, before) << "none of it touched the game in progress";
}

TEST_F(MessageBoxes, AQuestionClosesOnlyWithAnAnswer) {
    StoreSetting("Layout", " 2");
    Open();
    // Tile 116 lies on its twin 105; tiles 0 and 7 are the last free pair.
    for (int i = 0; i < 120; ++i) State().Tiles[i].Face = kNoFace;
    State().Tiles[116].Face = State().Tiles[105].Face = 5;
    State().Tiles[0].Face = State().Tiles[7].Face = 7;
    State().TilesLeft = 4;

    bool stayedOpen = false, wholeText = false, oneLine = false;
    OnNextModal<QMessageBox>([&](QMessageBox* box) {
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        QApplication::processEvents();
        stayedOpen = box->isVisible();
        wholeText = ModalAnswerer::ShowsWholeText(box);
        // A short question stays on one line where the screen has room for it.
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        oneLine = label && label->height() < 2 * label->fontMetrics().lineSpacing();
        box->button(QMessageBox::No)->click();
    });
    ClickTile(0);
    ClickTile(7);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(wholeText) << "0 Matching Tiles Remaining. Do you want to play again?";
    EXPECT_TRUE(oneLine);
    EXPECT_EQ(exits, 1) << "No ends the program";
}

}  // namespace
}  // namespace varnel::testing
