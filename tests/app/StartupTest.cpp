#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "SettingsFile.h"
#include "WindowFixture.h"

namespace varnel::testing {
namespace {

using Startup = WindowTest;

// The four stored choices, each read as a number; anything out of range reads as zero. On a
// fresh machine (nothing stored) the defaults show, and nothing is written up to the end.
TEST_F(Startup, StoredChoicesComeBackAndNonsenseReadsAsZero) {
    const struct {
        const char *layout, *tileSet, *sound, *background;
        int16_t tileCount, setShown;
        const char* soundCaption;
        QRgb backgroundShown;
    } cases[] = {
        {nullptr, nullptr, nullptr, nullptr, 144, 0, "&Sound On", qRgb(0, 64, 64)},
        {" 2", " 3", " 0", " 16777215", 120, 3, "S&ound Off", qRgb(255, 255, 255)},
        {" 1", " 4", "-1", " 255", 84, 4, "&Sound On", qRgb(255, 0, 0)},
        {"garbage", " 7", "loud", "-5", 144, 0, "S&ound Off", qRgb(0, 0, 0)},
        {" 99999", "-1", " 1", " 16777216", 144, 0, "S&ound Off", qRgb(0, 0, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout ? c.layout : "fresh");
        if (c.layout) {
            StoreSetting("Layout", c.layout);
            StoreSetting("TileSet", c.tileSet);
            StoreSetting("Sound", c.sound);
            StoreSetting("BackGround", c.background);
        }
        frmVarnel& w = Open();
        EXPECT_EQ(w.lblScore->text(), QString(" %1").arg(c.tileCount));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(w.mnuLayout[i]->isChecked(), i == State().CurrentLayout);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(w.mnuTileSet[i]->isChecked(), i == c.setShown);
        EXPECT_EQ(w.CurrentTileSet(), c.setShown);
        EXPECT_EQ(w.mnuSound->text(), c.soundCaption);
        EXPECT_EQ(w.picBoard->Picture().pixel(1, 1), c.backgroundShown);
        if (c.layout) continue;
        EXPECT_EQ(w.windowTitle(),
                  "Varnel Solitaire v2.0 - Copyright (C) 2026 The Varnel Solitaire developers");
        EXPECT_EQ(w.lblMessage->text(), "Tiles Left:");
        w.close();  // ends the program as Exit does
        EXPECT_EQ(exits, 1);
        EXPECT_TRUE(Store().allKeys().isEmpty());
    }
}

TEST_F(Startup, LayoutChoiceIsWrittenAndDealt) {
    StoreSetting("BackGround", " 0");
    frmVarnel& w = Open();
    w.mnuLayout[1]->trigger();
    QFile file(Settings::FilePath());  // on the disk the moment it is chosen
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Layout=\" 1\"\n"));
    EXPECT_EQ(w.lblScore->text(), " 84");
    EXPECT_EQ(w.lblScore->pos(), QPoint(75, 15));
    // In Rivers the caption and the count stand side by side at one top, and so does their text.
    const QImage board = w.picBoard->grab().toImage();
    auto inkTop = [&board](QRect area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (board.pixel(x, y) != qRgb(0, 0, 0)) return y;
        return -1;
    };
    EXPECT_EQ(w.lblMessage->y(), w.lblScore->y());
    QRect caption = w.lblMessage->geometry();
    caption.setRight(w.lblScore->x() - 1);  // the count may reach into the caption's box
    EXPECT_LE(std::abs(inkTop(caption) - inkTop(w.lblScore->geometry())), 1);

    w.mnuLayout[1]->trigger();  // choosing the checked entry again keeps it checked
    EXPECT_TRUE(w.mnuLayout[1]->isChecked());
    w.mnuLayout[0]->trigger();
    EXPECT_EQ(w.lblScore->pos(), QPoint(16, 104));
}

// Settings lines a file may hold around hostile parts: a Pyramid game on tile set 3.
const QByteArray kPyramidSettings = "[Startup]\nLayout=\" 2\"\nTileSet=\" 3\"\n";

QByteArray TooLargeSettings() {
    QByteArray text = kPyramidSettings;
    while (text.size() <= kLargestSettingsFileBytes) text += "; a note the player left\n";
    return text;
}

// A list in a list in a list, as Qt's reader decodes it: each level one step deeper.
QByteArray NestedVariantSettings() {
    QByteArray value;
    for (int level = 0; level < 3; ++level) value += "\\0\\0\\0\\t\\0\\0\\0\\x1";
    return kPyramidSettings + "Old=@Variant(" + value + "\\0\\0\\0\\x2\\0\\0\\0\\x2)\n";
}

// A pipe would hang the start; a huge file or stored objects are nothing the game wrote.
TEST(SettingsFileCheck, OnlyAPlainFileOfASaneSizeIsRead) {
    QTemporaryDir folder;
    const auto write = [&](const char* name, const QByteArray& text) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return folder.filePath(name);
    };
    const QString pipe = folder.filePath("pipe.conf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const std::pair<QString, SettingsFileState> files[] = {
        {write("plain.conf", kPyramidSettings), SettingsFileState::Readable},
        {pipe, SettingsFileState::Refused},
        {write("large.conf", TooLargeSettings()), SettingsFileState::Refused},
        {write("nested.conf", NestedVariantSettings()), SettingsFileState::Refused},
    };
    for (const auto& [path, state] : files)
        EXPECT_EQ(CheckSettingsFile(path), state) << path.toStdString();
}

// The game neither reads nor writes a settings file it could not have written: it starts with
// the defaults, and the player's choices hold for the run without touching the file.
TEST_F(Startup, ASettingsFileTheGameDidNotWriteIsLeftAlone) {
    const QString path = Settings::FilePath();
    ASSERT_EQ(path, Store().fileName());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(NestedVariantSettings());
    file.close();
    frmVarnel& w = Open();
    EXPECT_EQ(State().CurrentLayout, kDragon);
    EXPECT_EQ(w.CurrentTileSet(), 0);
    w.mnuLayout[1]->trigger();
    EXPECT_EQ(State().TileCount, 84);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), NestedVariantSettings());
    QFile::remove(path);
}

}  // namespace
}  // namespace varnel::testing
