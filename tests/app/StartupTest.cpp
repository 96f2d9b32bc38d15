#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "SettingsFile.h"
#include "WindowFixture.h"

namespace varnel::testing {
namespace {

using Startup = WindowTest;

TEST_F(Startup, FirstStartOnAFreshMachine) {
    frmVarnel& w = Open();
    EXPECT_EQ(w.windowTitle(),
              "Varnel Solitaire v2.0 - Copyright (C) 2026 The Varnel Solitaire developers");
    EXPECT_EQ(State().CurrentLayout, kDragon);
    EXPECT_EQ(State().TileCount, 144);
    EXPECT_EQ(w.lblScore->text(), " 144");
    EXPECT_EQ(w.lblMessage->text(), "Tiles Left:");
    EXPECT_TRUE(w.mnuLayout[0]->isChecked());
    EXPECT_TRUE(w.mnuTileSet[0]->isChecked());
    EXPECT_EQ(w.mnuSound->text(), "&Sound On");
    EXPECT_FALSE(w.mnuUndo->isEnabled());
    EXPECT_EQ(w.form->palette().color(QPalette::Window), QColor(0, 64, 64));
    EXPECT_EQ(w.Surfaces().picBoardOld.pixel(1, 1), qRgb(0, 64, 64));
    EXPECT_EQ(State().TileWidth, 44.0f);
    EXPECT_EQ(State().TileHeight, 55.0f);
    EXPECT_EQ(w.shpBox->Outline().size(), QSize(47, 58));
    EXPECT_EQ(w.picBoard->geometry(), QRect(16, 8, 609, 417));
    // Nothing is written just by starting.
    EXPECT_TRUE(Store().allKeys().isEmpty());
}

TEST_F(Startup, StoredChoicesComeBack) {
    StoreSetting("Layout", " 2");
    StoreSetting("TileSet", " 3");
    StoreSetting("Sound", " 0");
    StoreSetting("BackGround", " 16777215");
    frmVarnel& w = Open();
    EXPECT_EQ(State().CurrentLayout, kPyramid);
    EXPECT_EQ(State().TileCount, 120);
    EXPECT_EQ(w.lblScore->text(), " 120");
    EXPECT_TRUE(w.mnuLayout[2]->isChecked());
    EXPECT_FALSE(w.mnuLayout[0]->isChecked());
    EXPECT_TRUE(w.mnuTileSet[3]->isChecked());
    EXPECT_FALSE(w.mnuTileSet[0]->isChecked());
    EXPECT_EQ(w.CurrentTileSet(), 3);
    EXPECT_EQ(w.mnuSound->text(), "S&ound Off");
    EXPECT_EQ(w.Surfaces().picBoardOld.pixel(1, 1), qRgb(255, 255, 255));

    StoreSetting("Layout", " 1");
    Open();
    EXPECT_EQ(State().TileCount, 84);
    EXPECT_FALSE(window->mnuShuffle->isEnabled());
    // In Rivers the caption and the count stand side by side at one top, and so does their text.
    StoreSetting("BackGround", " 0");
    Open();
    const QImage board = window->picBoard->grab().toImage();
    auto inkTop = [&board](QRect area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (board.pixel(x, y) != qRgb(0, 0, 0)) return y;
        return -1;
    };
    EXPECT_EQ(window->lblMessage->y(), window->lblScore->y());
    QRect caption = window->lblMessage->geometry();
    caption.setRight(window->lblScore->x() - 1);  // the count may reach into the caption's box
    EXPECT_LE(std::abs(inkTop(caption) - inkTop(window->lblScore->geometry())), 1);
}

TEST_F(Startup, NonsenseInTheSettingsReadsAsZero) {
    StoreSetting("Layout", "garbage");
    StoreSetting("TileSet", " 7");
    StoreSetting("Sound", "loud");
    StoreSetting("BackGround", "-5");
    frmVarnel& w = Open();
    EXPECT_EQ(State().CurrentLayout, kDragon);
    EXPECT_TRUE(w.mnuLayout[0]->isChecked());
    EXPECT_EQ(w.CurrentTileSet(), 0);
    EXPECT_TRUE(w.mnuTileSet[0]->isChecked());
    EXPECT_EQ(w.mnuSound->text(), "S&ound Off");
    EXPECT_EQ(w.Surfaces().picBoardOld.pixel(1, 1), qRgb(0, 0, 0));

    StoreSetting("Layout", " 99999");
    StoreSetting("TileSet", "-1");
    Open();
    EXPECT_EQ(State().CurrentLayout, kDragon);
    EXPECT_EQ(window->CurrentTileSet(), 0);
}

TEST_F(Startup, LayoutChoiceIsWrittenAndDealt) {
    frmVarnel& w = Open();
    w.mnuLayout[1]->trigger();
    EXPECT_EQ(StoredSetting("Layout").toString(), " 1");
    EXPECT_TRUE(w.mnuLayout[1]->isChecked());
    EXPECT_FALSE(w.mnuLayout[0]->isChecked());
    EXPECT_EQ(State().TileCount, 84);
    EXPECT_EQ(w.lblScore->text(), " 84");
    EXPECT_FALSE(w.mnuShuffle->isEnabled());
    EXPECT_EQ(w.lblScore->pos(), QPoint(75, 15));

    w.mnuLayout[1]->trigger();  // choosing the checked entry again keeps it checked
    EXPECT_TRUE(w.mnuLayout[1]->isChecked());
    w.mnuLayout[0]->trigger();
    EXPECT_TRUE(w.mnuShuffle->isEnabled());
    EXPECT_EQ(w.lblScore->pos(), QPoint(16, 104));
}

TEST_F(Startup, ExitAndCloseBothEndWithoutWritingAnything) {
    frmVarnel& w = Open();
    w.mnuExit->trigger();
    EXPECT_EQ(exits, 1);
    Open();
    window->close();
    EXPECT_EQ(exits, 2);
    EXPECT_TRUE(Store().allKeys().isEmpty());
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
    QFile::link(QStringLiteral("/dev/zero"), folder.filePath("device.conf"));
    QDir(folder.path()).mkdir(QStringLiteral("folder.conf"));
    const std::pair<QString, SettingsFileState> files[] = {
        {folder.filePath("absent.conf"), SettingsFileState::Absent},
        {write("plain.conf", kPyramidSettings), SettingsFileState::Readable},
        {write("empty.conf", ""), SettingsFileState::Readable},
        {pipe, SettingsFileState::Refused},  // would hang the start
        {folder.filePath("device.conf"), SettingsFileState::Refused},
        {folder.filePath("folder.conf"), SettingsFileState::Refused},
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
    for (const QByteArray& text : {TooLargeSettings(), NestedVariantSettings()}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        frmVarnel& w = Open();
        EXPECT_EQ(State().CurrentLayout, kDragon);
        EXPECT_EQ(w.CurrentTileSet(), 0);
        w.mnuLayout[1]->trigger();
        EXPECT_EQ(State().TileCount, 84);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), text);
    }
    QFile::remove(path);
}

}  // namespace
}  // namespace varnel::testing
