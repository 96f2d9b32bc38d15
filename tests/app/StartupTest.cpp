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
    EXPECT_EQ(w.shpBox->size(), QSize(47, 58));
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

}  // namespace
}  // namespace varnel::testing
