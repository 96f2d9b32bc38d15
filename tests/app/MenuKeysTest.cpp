#include "tests/app/WindowFixture.h"

namespace varnel::testing {
namespace {

class MenuKeys : public WindowTest {
  protected:
    // A key as the keyboard delivers it: to the open menu, else to the widget with the focus.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::activePopupWidget();
        if (!target) target = QApplication::focusWidget();
        if (!target) target = QApplication::activeWindow();
        QTest::keyClick(target, key, modifiers);
    }
};

TEST_F(MenuKeys, SharedLetterOnlyMovesTheHighlightAndEnterRunsIt) {
    MainWindow& w = open();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    takePair();
    QAction* undo = menuEntry(w, "&Undo");
    const QMenu* customize = menuEntry(w, "C&ustomize")->menu();
    ASSERT_TRUE(undo->isEnabled());
    QMenuBar* bar = w.menuBar();

    // Customize and Undo share U: the presses go round them and never undo by themselves.
    for (int round = 0; round < 2; ++round) {
        press(Qt::Key_U, Qt::AltModifier);
        EXPECT_EQ(QApplication::activePopupWidget(), customize) << round;
        press(Qt::Key_U, Qt::AltModifier);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << round;
        EXPECT_EQ(bar->activeAction(), undo) << round;
        EXPECT_EQ(tilesLeft(), " 142") << round;
    }
    press(Qt::Key_Escape);
    EXPECT_EQ(bar->activeAction(), nullptr);
    EXPECT_EQ(tilesLeft(), " 142");

    press(Qt::Key_U, Qt::AltModifier);
    press(Qt::Key_U, Qt::AltModifier);
    press(Qt::Key_Return);
    EXPECT_EQ(tilesLeft(), " 144") << "Enter runs the highlighted Undo";
    EXPECT_FALSE(undo->isEnabled());

    // With Undo unavailable the letter is Customize's alone and opens it at once; a letter of
    // one entry only runs its command at once.
    press(Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), customize);
    press(Qt::Key_Escape);
    press(Qt::Key_Escape);
    ModalAnswerer answerer;
    press(Qt::Key_R, Qt::AltModifier);
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_TRUE(answerer.seen[0].text.endsWith(" Matches Remain"));
}

}  // namespace
}  // namespace varnel::testing
