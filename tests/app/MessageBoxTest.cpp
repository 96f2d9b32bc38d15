#include <QDir>

#include "tests/app/WindowFixture.h"

namespace varnel::testing {
namespace {

using MessageBoxes = WindowTest;

TEST_F(MessageBoxes, LongPathsAndOddNamesAreShownWholeAndAsSpelt) {
    // A program folder with a 200-character name, no blank to break a line at.
    appPath = appDir.filePath(QString(200, 'v'));
    ASSERT_TRUE(QDir().mkpath(appPath + "/varnel.sav"));  // a folder: Save cannot write there
    const QString oddName = "<h1>BIG<i>&amp;.bmp";
    writeFile(appPath + "/" + oddName, "not a picture");

    MainWindow& w = open();
    takePair();
    ASSERT_TRUE(menuEntry(w, "&Undo")->isEnabled());
    const Board before = game().board();
    ModalAnswerer answerer;
    choose(w, "&Game", "S&ave Game");
    choose(w, "&Game", "&Restore Game");
    EXPECT_TRUE(menuEntry(w, "&Undo")->isEnabled()) << "a refused restore keeps the undo";
    loadTileset(w, appPath, oddName);
    choose(w, "&Remaining");  // a short message: the box must still show its caption whole

    ASSERT_EQ(answerer.seen.size(), 4u);
    for (const ModalAnswerer::Seen& box : answerer.seen) {
        EXPECT_TRUE(box.text.contains(QString(200, 'v')) || &box == &answerer.seen.back())
            << box.text.toStdString();
        EXPECT_TRUE(box.wholeText) << box.text.toStdString();
        EXPECT_TRUE(box.plainText) << box.text.toStdString();
    }
    EXPECT_TRUE(answerer.seen[0].text.startsWith("Could not save the game to "));
    EXPECT_TRUE(answerer.seen[0].text.endsWith(". Any earlier saved game is kept as it was."));
    EXPECT_TRUE(answerer.seen[1].text.startsWith("Could not restore the saved game from "));
    EXPECT_EQ(answerer.seen[1].icon, QMessageBox::Warning);
    EXPECT_TRUE(answerer.seen[2].text.contains(oddName));
    EXPECT_EQ(game().board(), before) << "none of it touched the game in progress";
}

TEST_F(MessageBoxes, AQuestionClosesOnlyWithAnAnswer) {
    storeSetting("Layout", " 2");
    open();
    // Tile 116 lies on its twin 105; tiles 0 and 7 are the last free pair.
    ASSERT_TRUE(game().takeUpPosition(kPyramid, leaving({{116, 5}, {105, 5}, {0, 7}, {7, 7}})));

    onNextModal<QMessageBox>([&](QMessageBox* box) {
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        QApplication::processEvents();
        EXPECT_TRUE(box->isVisible());
        EXPECT_TRUE(ModalAnswerer::showsWholeText(box)) << box->text().toStdString();
        // A short question stays on one line where the screen has room for it.
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        EXPECT_TRUE(label && label->height() < 2 * label->fontMetrics().lineSpacing());
        box->button(QMessageBox::No)->click();
    });
    clickTile(0);
    clickTile(7);
    EXPECT_EQ(exits, 1) << "the question was asked, and No ends the program";
}

}  // namespace
}  // namespace varnel::testing
