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

TEST_F(HelpWindowTest, EveryCallShowsTheOneFreeStandingWindowAtTheContents) {
    QWidget game;
    game.show();
    const QUrl contents = QUrl::fromLocalFile(QFileInfo(ContentsPage).absoluteFilePath());
    ShowHelp(ContentsPage, HelpDisplayContents);
    HelpWindow* window = CurrentHelpWindow();
    ASSERT_NE(window, nullptr);

    // The player wanders off to another page, then closes the window; each call brings
    // the same window back at the contents.
    window->Browser()->setSource(QUrl(QStringLiteral("dragon.html")));
    ASSERT_NE(window->Browser()->source(), contents);
    ShowHelp(ContentsPage, HelpDisplayContents);
    window->close();
    ShowHelp(ContentsPage, HelpDisplayContents);

    EXPECT_EQ(CurrentHelpWindow(), window);
    EXPECT_EQ(window->Browser()->source(), contents);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Varnel Solitaire Help - Contents");

    // It stands beside the game without an owner and without blocking it.
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(game.isEnabled());
    // Closing the game must not wait for the help window to be closed too.
    EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose));
}

TEST_F(HelpWindowTest, MissingPagesLeaveANoteInTheWindowAndNoMessageBox) {
    QTemporaryDir appFolder;
    ASSERT_TRUE(appFolder.isValid());
    const QString helpFile = appFolder.filePath(QStringLiteral("help/index.html"));
    const auto writePage = [&](const char* title) {
        QFile page(helpFile);
        ASSERT_TRUE(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
        page.write(QByteArray("<html><head><title>") + title + "</title></head></html>");
    };

    // A message box would wait for the player here; the call returns and the game goes on.
    ShowHelp(helpFile, HelpDisplayContents);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    HelpWindow* window = CurrentHelpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    const QString text = window->Browser()->toPlainText();
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(helpFile))) << text.toStdString();
    EXPECT_FALSE(window->Browser()->isBackwardAvailable());

    // Once the pages are there, the same window shows them, and a page changed on disk
    // is read again rather than served from memory.
    ASSERT_TRUE(QDir(appFolder.path()).mkdir(QStringLiteral("help")));
    for (const char* title : {"Here now", "Changed"}) {
        writePage(title);
        ShowHelp(helpFile, HelpDisplayContents);
        EXPECT_EQ(CurrentHelpWindow(), window);
        EXPECT_EQ(window->Browser()->documentTitle(), title);
    }
}

}  // namespace
}  // namespace varnel
