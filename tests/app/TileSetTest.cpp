#include <QColorDialog>
#include <QFile>
#include <QtEndian>

#include "WindowFixture.h"
#include "frmFile.h"

namespace varnel::testing {
namespace {

class TileSets : public WindowTest {
  protected:
    QString WriteFile(const QString& name, const QByteArray& content) {
        QFile file(pictures.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }
    QString WritePicture(const QString& name, QColor colour, QSize size = QSize(396, 220)) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        EXPECT_TRUE(picture.save(pictures.filePath(name), "BMP"));
        return pictures.filePath(name);
    }
    // The colour inside the outline of the top tile of the Dragon.
    QRgb TopTileColour() {
        const TileRec& top = State().Tiles[143];
        return window->picBoard->Picture().pixel(top.X + 20, top.Y + 20);
    }

    // Opens Load Tileset, picks a file in the folder and presses OK (or double-clicks it).
    void ChooseInLoadTileset(const QString& file, bool doubleClick = false) {
        OnNextModal<frmFile>([=, this](frmFile* chooser) {
            chooser->SetFolder(pictures.path());
            const auto found = chooser->filList->findItems(file, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << file.toStdString();
            chooser->filList->setCurrentItem(found[0]);
            if (doubleClick)
                emit chooser->filList->itemActivated(found[0]);
            else
                chooser->cmdOk->click();
            // A file the loader refused leaves the chooser open; leave it as the player would.
            if (chooser->isVisible()) chooser->cmdCancel->click();
        });
        window->mnuTile->trigger();
    }

    QTemporaryDir pictures;
};

TEST_F(TileSets, ChoosingASetMovesTheCheckRedrawsAndRemembers) {
    frmVarnel& w = Open();
    const QImage first = w.picBoard->Picture();
    w.mnuTileSet[2]->trigger();
    for (int i = 0; i < 5; ++i) EXPECT_EQ(w.mnuTileSet[i]->isChecked(), i == 2);
    EXPECT_EQ(StoredSetting("TileSet").toString(), " 2");
    EXPECT_NE(w.picBoard->Picture(), first);

    // The fifth set is the program's own picture file: without one, a message and no redraw.
    const QImage third = w.picBoard->Picture();
    {
        ModalAnswerer answerer;
        w.mnuTileSet[4]->trigger();
        ASSERT_EQ(answerer.seen.size(), 1u);
        EXPECT_EQ(answerer.seen[0].text,
                  "Could not find picture file, " + w.AppPath() + "varnel.bmp");
        EXPECT_EQ(answerer.seen[0].caption, "Varnel Solitaire");
    }
    EXPECT_TRUE(w.mnuTileSet[4]->isChecked());
    EXPECT_EQ(StoredSetting("TileSet").toString(), " 2");
    EXPECT_EQ(w.picBoard->Picture(), third);

    QFile::copy(WritePicture("varnel.bmp", Qt::darkBlue), appDir.filePath("varnel.bmp"));
    w.mnuTileSet[4]->trigger();
    EXPECT_EQ(StoredSetting("TileSet").toString(), " 4");
    EXPECT_EQ(TopTileColour(), QColor(Qt::darkBlue).rgb());
}

// Pictures the player picks: bad ones get a message and change nothing; a good one becomes the
// fifth set, stretched on a scaled board to the sheet size, and no menu entry is checked. The game
// itself never changes.
TEST_F(TileSets, LoadedPicturesChangeTheLookButNeverTheGame) {
    const QString path = WritePicture("Mine.BMP", Qt::darkRed);
    QFile good(path);
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();
    WriteFile("truncated.bmp", bytes.left(bytes.size() / 3));
    QByteArray huge = bytes.left(54);
    qToLittleEndian<qint32>(200000, huge.data() + 18);  // width
    qToLittleEndian<qint32>(200000, huge.data() + 22);  // height
    WriteFile("huge.bmp", huge);
    qToLittleEndian<qint32>(0x7fffffff, huge.data() + 18);  // sizes whose product overflows
    qToLittleEndian<qint32>(0x7fffffff, huge.data() + 22);
    qToLittleEndian<quint16>(32, huge.data() + 28);
    WriteFile("overflow.bmp", huge);

    frmVarnel& w = Open(QSize(1024, 768));
    w.showMaximized();
    const auto [a, b] = FreePair();
    ClickTile(a);
    ClickTile(b);
    ASSERT_TRUE(w.mnuUndo->isEnabled());
    const TileTable game = State().Tiles;  // a change of look never touches it
    const QImage board = w.picBoard->Picture(), sheet = w.Surfaces().picTile[4];
    for (const char* name : {"truncated.bmp", "huge.bmp", "overflow.bmp"}) {
        SCOPED_TRACE(name);
        ModalAnswerer answerer;
        ChooseInLoadTileset(name);
        ASSERT_EQ(answerer.seen.size(), 1u);
        EXPECT_TRUE(answerer.seen[0].text.startsWith("Could not load picture file, "));
        EXPECT_TRUE(w.mnuTileSet[0]->isChecked());
        EXPECT_EQ(w.picBoard->Picture(), board);
        EXPECT_EQ(w.Surfaces().picTile[4], sheet);
    }

    ChooseInLoadTileset("Mine.BMP", true);
    EXPECT_EQ(State().Tiles, game);
    EXPECT_FALSE(w.mnuUndo->isEnabled());
    for (QAction* entry : w.mnuTileSet) EXPECT_FALSE(entry->isChecked());
    EXPECT_EQ(w.PicturePath(), path);
    EXPECT_FALSE(StoredSetting("TileSet").isValid()) << "a chosen picture is not remembered";
    EXPECT_EQ(TopTileColour(), QColor(Qt::darkRed).rgb());
    EXPECT_EQ(w.Surfaces().picTile[4].size(), QSize(634, 352));
}

TEST_F(TileSets, WhiteBackgroundIsRememberedAndShowsInTheCorners) {
    frmVarnel& w = Open();
    OnNextModal<QColorDialog>([](QColorDialog* dialog) {
        dialog->setCurrentColor(Qt::white);
        dialog->accept();
    });
    w.mnuBackground->trigger();
    EXPECT_EQ(StoredSetting("BackGround").toString(), " 16777215");
    EXPECT_EQ(QColorDialog::customColor(0), QColor(Qt::black)) << "custom colours start black";
    EXPECT_EQ(w.form->palette().color(QPalette::Window), QColor(Qt::white));
    const TileRec& corner = State().Tiles[13];  // the far end of the top row: nothing beneath
    EXPECT_EQ(w.picBoard->Picture().pixel(corner.X, corner.Y), qRgb(255, 255, 255))
        << "the cut corner of a tile shows the new colour";

    StoreSetting("BackGround", "  4210688 ");
    OnNextModal<QColorDialog>([](QColorDialog* dialog) {
        dialog->setCurrentColor(Qt::red);
        QColorDialog::setCustomColor(3, Qt::red);  // the player adds a custom colour
        dialog->reject();
    });
    w.mnuBackground->trigger();
    EXPECT_EQ(StoredSetting("BackGround").toString(), "  4210688 ") << "cancel writes nothing";
    EXPECT_EQ(w.form->palette().color(QPalette::Window), QColor(Qt::white));

    // Custom colours last for the run and are written nowhere, not even when the window goes.
    window.reset();
    EXPECT_EQ(QColorDialog::customColor(3), QColor(Qt::red));
    EXPECT_FALSE(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + "/QtProject.conf"));
}

}  // namespace
}  // namespace varnel::testing
