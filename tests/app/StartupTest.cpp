#include <sys/stat.h>

#include <QDir>

#include "app/SettingsFile.h"
#include "tests/app/WindowFixture.h"

namespace varnel::testing {
namespace {

using Startup = WindowTest;

// The stored choices come back, nonsense reads as zero, and a fresh start writes nothing.
TEST_F(Startup, StoredChoicesComeBackNonsenseReadsAsZeroAndALayoutIsWrittenAtOnce) {
    const char* const keys[] = {"Layout", "TileSet", "Sound", "BackGround"};
    const struct {
        const char* stored[4];  // by key; none on a fresh start
        int16_t tileCount, setShown;
        const char* soundCaption;
        QRgb backgroundShown;
    } cases[] = {
        {{}, 144, 0, "&Sound On", qRgb(0, 64, 64)},
        {{" 2", " 3", " 0", " 16777215"}, 120, 3, "S&ound Off", qRgb(255, 255, 255)},
        {{" 1", " 4", "-1", " 255"}, 84, 4, "&Sound On", qRgb(255, 0, 0)},
        // Halves round to even; an exponent counts.
        {{" 2.5", "3E0", " -1", " 1.6777215E+07"}, 120, 3, "&Sound On", qRgb(255, 255, 255)},
        {{"garbage", " 7", "loud", "-5"}, 144, 0, "S&ound Off", qRgb(0, 0, 0)},
        {{" 99999", "-1", " 1", " 16777216"}, 144, 0, "S&ound Off", qRgb(0, 0, 0)},
    };
    for (const auto& c : cases) {
        const bool fresh = !c.stored[0];
        SCOPED_TRACE(fresh ? "fresh" : c.stored[0]);
        for (int k = 0; k < 4 && !fresh; ++k) storeSetting(keys[k], c.stored[k]);
        MainWindow& w = open();
        EXPECT_EQ(tilesLeft(), QString(" %1").arg(c.tileCount));
        for (int i = 0; i < 3; ++i) EXPECT_EQ(layoutEntry(w, i)->isChecked(), i == game().layout());
        for (int i = 0; i < 5; ++i) EXPECT_EQ(tileSetEntry(w, i)->isChecked(), i == c.setShown);
        EXPECT_EQ(soundEntry()->text(), c.soundCaption);
        EXPECT_EQ(w.boardArea().picture().pixel(1, 1), c.backgroundShown);
        // The count's letters stand out from whatever colour lies behind them.
        const QImage shown = board()->grab(named<QLabel>("tilesLeft")->geometry()).toImage();
        EXPECT_FALSE(pixelsWhere(shown.rect(), [&](QPoint p) {
                         return std::abs(qGray(shown.pixel(p)) - qGray(c.backgroundShown)) > 100;
                     }).isEmpty());
        if (!fresh) continue;
        w.close();  // ends the program as Exit does
        EXPECT_EQ(exits, 1);
        EXPECT_TRUE(store().allKeys().isEmpty());
    }

    // A layout chosen is on the disk at once (its deal is the next test's), here on the last
    // case's black background.
    layoutEntry(*window, kRivers)->trigger();
    EXPECT_TRUE(readFile(Settings::filePath()).contains("Layout=\" 1\"\n"));
    QLabel* count = named<QLabel>("tilesLeft");
    QLabel* caption = named<QLabel>("tilesLeftCaption");
    EXPECT_EQ(count->pos(), QPoint(75, 15));
    // In Rivers the caption and the count stand side by side at one top, and so does their text.
    const QImage shown = board()->grab().toImage();
    const auto ink = [&shown](QPoint p) { return shown.pixel(p) != qRgb(0, 0, 0); };
    auto inkTop = [&](QRect area) { return pixelsWhere(area, ink).value(0).y(); };
    EXPECT_EQ(caption->y(), count->y());
    QRect captionBox = caption->geometry();
    captionBox.setRight(count->x() - 1);  // the count may reach into the caption's box
    EXPECT_LE(std::abs(inkTop(captionBox) - inkTop(count->geometry())), 1);

    layoutEntry(*window, kRivers)->trigger();  // choosing the checked entry again keeps it checked
    EXPECT_TRUE(layoutEntry(*window, kRivers)->isChecked());
    layoutEntry(*window, kDragon)->trigger();
    EXPECT_EQ(count->pos(), QPoint(16, 104));
}

// Settings lines a file may hold around hostile parts: a Pyramid game on tile set 3.
const QByteArray kPyramidSettings = "[Startup]\nLayout=\" 2\"\nTileSet=\" 3\"\n";

// A list in a list in a list, as Qt's reader decodes it: each level one step deeper.
QByteArray nestedVariantSettings() {
    QByteArray value;
    for (int level = 0; level < 3; ++level) value += "\\0\\0\\0\\t\\0\\0\\0\\x1";
    return kPyramidSettings + "Old=@Variant(" + value + "\\0\\0\\0\\x2\\0\\0\\0\\x2)\n";
}

// A pipe would hang the start; a huge file is nothing the game wrote (nor are stored objects,
// which the start below refuses).
TEST(SettingsFileCheck, OnlyAPlainFileOfASaneSizeIsRead) {
    QTemporaryDir folder;
    QByteArray large = kPyramidSettings;
    while (large.size() <= kLargestSettingsFileBytes) large += "; a note the player left\n";
    const QString pipe = folder.filePath("pipe.conf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const std::pair<QString, SettingsFileState> files[] = {
        {writeFile(folder.filePath("plain.conf"), kPyramidSettings), SettingsFileState::Readable},
        {pipe, SettingsFileState::Refused},
        {writeFile(folder.filePath("large.conf"), large), SettingsFileState::Refused},
    };
    for (const auto& [path, state] : files)
        EXPECT_EQ(checkSettingsFile(path), state) << path.toStdString();
}

// A settings file the game could not have written is neither read nor written.
TEST_F(Startup, ASettingsFileTheGameDidNotWriteIsLeftAlone) {
    const QString path = Settings::filePath();
    ASSERT_EQ(path, store().fileName());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    writeFile(path, nestedVariantSettings());
    MainWindow& w = open();
    EXPECT_EQ(game().layout(), kDragon);
    EXPECT_EQ(w.tileSets().current(), 0);
    layoutEntry(w, kRivers)->trigger();
    EXPECT_EQ(tilesLeft(), " 84");
    EXPECT_EQ(readFile(path), nestedVariantSettings());
    QFile::remove(path);
}

}  // namespace
}  // namespace varnel::testing
