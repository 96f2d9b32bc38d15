#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

#include "HelpWindow.h"

namespace varnel {
namespace {

const QString ContentsPage = QStringLiteral(VARNEL_ASSETS_DIR "/help/index.html");

class HelpWindowTest : public ::testing::Test {
  protected:
    void TearDown() override { CloseHelp(); }
};

TEST_F(HelpWindowTest, EveryCallShowsTheOneWindowAtTheContentsPage) {
    EXPECT_EQ(CurrentHelpWindow(), nullptr);

    ShowHelp(ContentsPage, HelpDisplayContents);
    HelpWindow* first = CurrentHelpWindow();
    ASSERT_NE(first, nullptr);
    const QUrl contents = QUrl::fromLocalFile(QFileInfo(ContentsPage).absoluteFilePath());

    // The player wanders off to another page; the next call brings the contents back.
    first->Browser()->setSource(QUrl(QStringLiteral("dragon.html")));
    ASSERT_NE(first->Browser()->source(), contents);
    ShowHelp(ContentsPage, HelpDisplayContents);
    ShowHelp(ContentsPage, HelpDisplayContents);

    EXPECT_EQ(CurrentHelpWindow(), first);
    EXPECT_EQ(first->Browser()->source(), contents);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->Browser()->documentTitle(), "Contents");
    EXPECT_TRUE(first->Browser()->toPlainText().contains("Varnel Solitaire Help"));
    EXPECT_EQ(first->windowTitle(), "Varnel Solitaire Help - Contents");
    int helpWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        helpWindows += qobject_cast<HelpWindow*>(widget) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(helpWindows, 1);
}

TEST_F(HelpWindowTest, StandsBesideTheGameWithoutBlockingIt) {
    QWidget game;
    game.show();
    ShowHelp(ContentsPage, HelpDisplayContents);
    HelpWindow* window = CurrentHelpWindow();
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(game.isEnabled());
    // Closing the game must not wait for the help window to be closed too.
    EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose));
}

TEST_F(HelpWindowTest, BackAndForwardWalkThePagesVisited) {
    ShowHelp(ContentsPage, HelpDisplayContents);
    QTextBrowser* browser = CurrentHelpWindow()->Browser();
    const QUrl contents = browser->source();
    browser->setSource(QUrl(QStringLiteral("rivers.html")));
    EXPECT_EQ(browser->documentTitle(), "The Rivers layout");
    EXPECT_TRUE(browser->isBackwardAvailable());

    browser->backward();
    EXPECT_EQ(browser->source(), contents);
    browser->forward();
    EXPECT_EQ(browser->documentTitle(), "The Rivers layout");
}

TEST_F(HelpWindowTest, MissingPagesLeaveANoteInTheWindowAndNoMessageBox) {
    QTemporaryDir appFolder;
    ASSERT_TRUE(appFolder.isValid());
    const QString helpFile = appFolder.filePath(QStringLiteral("help/index.html"));

    ShowHelp(helpFile, HelpDisplayContents);

    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    HelpWindow* window = CurrentHelpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    const QString text = window->Browser()->toPlainText();
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(helpFile))) << text.toStdString();
    EXPECT_FALSE(window->Browser()->isBackwardAvailable());

    // Once the pages are there, the same window shows them.
    ASSERT_TRUE(QDir(appFolder.path()).mkdir(QStringLiteral("help")));
    QFile page(helpFile);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><head><title>Here now</title></head><body>Pages</body></html>");
    page.close();
    ShowHelp(helpFile, HelpDisplayContents);
    EXPECT_EQ(CurrentHelpWindow(), window);
    EXPECT_EQ(window->Browser()->documentTitle(), "Here now");

    // A page changed on disk is read again rather than served from memory.
    ASSERT_TRUE(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
    page.write("<html><head><title>Changed</title></head><body>Pages</body></html>");
    page.close();
    ShowHelp(helpFile, HelpDisplayContents);
    EXPECT_EQ(window->Browser()->documentTitle(), "Changed");
}

TEST_F(HelpWindowTest, OnlyTheContentsCommandOpensTheWindow) {
    ShowHelp(ContentsPage, 0);
    ShowHelp(ContentsPage, 2);
    EXPECT_EQ(CurrentHelpWindow(), nullptr);
}

TEST_F(HelpWindowTest, AClosedWindowIsReusedAndCloseHelpEndsIt) {
    ShowHelp(ContentsPage, HelpDisplayContents);
    HelpWindow* window = CurrentHelpWindow();
    window->close();
    EXPECT_FALSE(window->isVisible());
    ShowHelp(ContentsPage, HelpDisplayContents);
    EXPECT_EQ(CurrentHelpWindow(), window);
    EXPECT_TRUE(window->isVisible());

    CloseHelp();
    EXPECT_EQ(CurrentHelpWindow(), nullptr);
    ShowHelp(ContentsPage, HelpDisplayContents);
    EXPECT_NE(CurrentHelpWindow(), nullptr);
}

}  // namespace
}  // namespace varnel
