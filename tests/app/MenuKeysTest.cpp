#include "WindowFixture.h"

namespace varnel::testing {
namespace {

class MenuKeys : public WindowTest {
  protected:
    // A key as the keyboard delivers it: to the open menu, else to the widget with the focus.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::activePopupWidget();
        if (!target) target = QApplication::focusWidget();
        if (!target) target = QApplication::activeWindow();
        QTest::keyClick(target, key, modifiers);
    }
};

TEST_F(MenuKeys, SharedLetterOnlyMovesTheHighlightAndEnterRunsIt) {
    frmVarnel& w = Open();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const auto [a, b] = FreePair();
    ClickTile(a);
    ClickTile(b);
    ASSERT_TRUE(w.mnuUndo->isEnabled());
    QMenuBar* bar = w.menuBar();

    // Customize and Undo share U: the presses go round them and never undo by themselves.
    for (int round = 0; round < 2; ++round) {
        Press(Qt::Key_U, Qt::AltModifier);
        EXPECT_EQ(QApplication::activePopupWidget(), w.mnuCustomize) << round;
        Press(Qt::Key_U, Qt::AltModifier);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << round;
        EXPECT_EQ(bar->activeAction(), w.mnuUndo) << round;
        EXPECT_EQ(w.lblScore->text(), " 142") << round;
    }
    Press(Qt::Key_Escape);
    EXPECT_EQ(bar->activeAction(), nullptr);
    EXPECT_EQ(w.lblScore->text(), " 142");

    Press(Qt::Key_U, Qt::AltModifier);
    Press(Qt::Key_U, Qt::AltModifier);
    Press(Qt::Key_Return);
    EXPECT_EQ(w.lblScore->text(), " 144") << "Enter runs the highlighted Undo";
    EXPECT_FALSE(w.mnuUndo->isEnabled());

    // With Undo unavailable the letter is Customize's alone and opens it at once; a letter of
    // one entry only runs its command at once.
    Press(Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), w.mnuCustomize);
    Press(Qt::Key_Escape);
    Press(Qt::Key_Escape);
    ModalAnswerer answerer;
    Press(Qt::Key_R, Qt::AltModifier);
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_TRUE(answerer.seen[0].text.endsWith(" Matches Remain"));
}

}  // namespace
}  // namespace varnel::testing
