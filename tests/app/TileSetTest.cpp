#include <QBuffer>
#include <QColorDialog>
#include <QFile>
#include <QtEndian>
#include <tuple>

#include "tests/app/WindowFixture.h"

namespace varnel::testing {
namespace {

class TileSets : public WindowTest {
  protected:
    // A bitmap file of one colour, as the picture would be saved.
    static QByteArray bitmap(QColor colour, QSize size = QSize(396, 220)) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        picture.save(&file, "BMP");
        return file.data();
    }
    // The colour inside the outline of the top tile of the Dragon.
    QRgb topTileColour() {
        const TilePlace top = geometry().place(143);
        return window->boardArea().picture().pixel(top.x + 20, top.y + 20);
    }

    QTemporaryDir pictures;
};

TEST_F(TileSets, ChosenSetsAndBackgroundsRedrawAndAreRemembered) {
    MainWindow& w = open();
    const QImage first = w.boardArea().picture();
    tileSetEntry(w, 2)->trigger();
    for (int i = 0; i < 5; ++i) EXPECT_EQ(tileSetEntry(w, i)->isChecked(), i == 2);
    const QImage third = w.boardArea().picture();
    EXPECT_NE(third, first);

    // The fifth set is the program's own picture file: without one, a message and no redraw, and
    // the third set stays the one remembered.
    ModalAnswerer answerer;
    tileSetEntry(w, 4)->trigger();
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0].text, "Could not find picture file, " + w.appPath() + "varnel.bmp");
    EXPECT_TRUE(tileSetEntry(w, 4)->isChecked());
    EXPECT_EQ(storedSetting("TileSet").toString(), " 2");
    EXPECT_EQ(w.boardArea().picture(), third);

    writeFile(appDir.filePath("varnel.bmp"), bitmap(Qt::darkBlue));
    tileSetEntry(w, 4)->trigger();
    EXPECT_EQ(storedSetting("TileSet").toString(), " 4");
    EXPECT_EQ(topTileColour(), QColor(Qt::darkBlue).rgb());

    // A chosen colour is kept as the classic setting, red in the low byte.
    tileSetEntry(w, 0)->trigger();  // a drawn set, whose cut corners show the background
    const QColor straw(255, 240, 96);
    onNextModal<QColorDialog>([straw](QColorDialog* dialog) {
        dialog->setCurrentColor(straw);
        dialog->accept();
    });
    choose(w, "C&ustomize", "&Background Color");
    EXPECT_EQ(storedSetting("BackGround").toString(), " 6353151");
    EXPECT_EQ(QColorDialog::customColor(0), QColor(Qt::black)) << "custom colours start black";
    EXPECT_EQ(w.centralWidget()->palette().color(QPalette::Window), straw);
    const TilePlace corner = geometry().place(13);  // the far end of the top row: nothing beneath
    EXPECT_EQ(w.boardArea().picture().pixel(corner.x, corner.y), straw.rgb())
        << "the cut corner of a tile shows the new colour";

    storeSetting("BackGround", "  4210688 ");
    onNextModal<QColorDialog>([](QColorDialog* dialog) {
        dialog->setCurrentColor(Qt::red);
        QColorDialog::setCustomColor(3, Qt::red);  // the player adds a custom colour
        dialog->reject();
    });
    choose(w, "C&ustomize", "&Background Color");
    EXPECT_EQ(storedSetting("BackGround").toString(), "  4210688 ") << "cancel writes nothing";
    EXPECT_EQ(w.centralWidget()->palette().color(QPalette::Window), straw);

    // Custom colours last for the run and are written nowhere, not even when the window goes.
    window.reset();
    EXPECT_EQ(QColorDialog::customColor(3), QColor(Qt::red));
    EXPECT_FALSE(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + "/QtProject.conf"));
}

// Bad pictures are refused with the reason; a good one becomes the fifth set, stretched to the
// sheet size, with no entry checked. The game itself never changes.
TEST_F(TileSets, LoadedPicturesChangeTheLookButNeverTheGame) {
    const QByteArray bytes = bitmap(Qt::darkRed);
    writeFile(pictures.filePath("Mine.BMP"), bytes);
    // Rows stored from the top down (a negative height), cut short: the missing rows must not
    // come out as black bands.
    QByteArray topDown = bytes;
    qToLittleEndian<qint32>(-220, topDown.data() + 22);
    QByteArray huge = bytes.left(54);
    qToLittleEndian<qint32>(-200000, huge.data() + 22);  // a huge height, from the top down
    const std::tuple<const char*, QByteArray, const char*> refused[] = {
        {"truncated.bmp", bytes.left(bytes.size() / 3), "the file is cut short"},
        {"top-down-truncated.bmp", topDown.left(topDown.size() / 3), "the file is cut short"},
        {"huge-top-down.bmp", huge, "the picture is far too large for a tile set"},
        // Rows of 395 pixels padded to whole words: a file that lacks more than the last row's
        // padding lacks pixels too.
        {"odd-width-cut.bmp", bitmap(Qt::darkRed, QSize(395, 220)).chopped(400),
         "the file is cut short"},
    };

    MainWindow& w = open(QSize(1024, 768));
    takePair();
    ASSERT_TRUE(menuEntry(w, "&Undo")->isEnabled());
    const Board played = game().board();  // a change of look never touches it
    const QImage shown = w.boardArea().picture();
    for (const auto& [name, content, reason] : refused) {
        SCOPED_TRACE(name);
        ModalAnswerer answerer;
        writeFile(pictures.filePath(name), content);
        loadTileset(w, pictures.path(), name);
        ASSERT_EQ(answerer.seen.size(), 1u);
        EXPECT_EQ(answerer.seen[0].text, QStringLiteral("Could not load picture file, %1: %2.")
                                             .arg(pictures.filePath(name), reason));
        EXPECT_TRUE(tileSetEntry(w, 0)->isChecked());
        EXPECT_EQ(w.boardArea().picture(), shown);
    }

    loadTileset(w, pictures.path(), "Mine.BMP", true);
    EXPECT_EQ(game().board(), played);
    EXPECT_FALSE(menuEntry(w, "&Undo")->isEnabled());
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(tileSetEntry(w, i)->isChecked());
    EXPECT_FALSE(storedSetting("TileSet").isValid()) << "a chosen picture is not remembered";
    EXPECT_EQ(topTileColour(), QColor(Qt::darkRed).rgb());
    EXPECT_EQ(w.boardArea().surfaces().board().sheet.size(), QSize(634, 352));
}

}  // namespace
}  // namespace varnel::testing
