#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
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

// Stands in for the desktop's browser: records the links handed to it.
class DesktopBrowser : public QObject {
    Q_OBJECT

  public:
    DesktopBrowser() {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~DesktopBrowser() override {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;

  public slots:
    void Open(const QUrl& url) { opened << url; }
};

// The help shows its own pages and nothing else; the web is left to the desktop's browser.
TEST_F(HelpWindowTest, OnlyItsOwnPagesAreShown) {
    QTemporaryDir appFolder;
    QDir app(appFolder.path());
    ASSERT_TRUE(app.mkdir(QStringLiteral("help")));
    const auto writePage = [&](const QString& name, const QString& title, const QString& href) {
        QFile page(app.filePath(name));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write(QStringLiteral("<html><head><title>%1</title></head><body><a href=\"%2\">go</a>"
                                  "</body></html>")
                       .arg(title, href)
                       .toUtf8());
    };
    writePage(QStringLiteral("secret.html"), QStringLiteral("Secret"), QString());
    writePage(QStringLiteral("help/other.html"), QStringLiteral("Other"),
              QStringLiteral("index.html"));
    QFile::link(QStringLiteral("../secret.html"), app.filePath(QStringLiteral("help/round.html")));
    const QString helpFile = app.filePath(QStringLiteral("help/index.html"));

    DesktopBrowser desktop;
    // Out of the folder, also by a link inside it; other files; other places; the web.
    const QString away[] = {
        QStringLiteral("../secret.html"),
        QStringLiteral("round.html"),
        QUrl::fromLocalFile(app.filePath(QStringLiteral("secret.html"))).toString(),
        QStringLiteral("file:///etc/passwd"),
        QStringLiteral("missing.html"),
        QStringLiteral("ftp://example.org/file"),
        QStringLiteral("https://example.org/varnel"),
        QStringLiteral("mailto:player@example.org"),
    };
    for (const QString& href : away) {
        SCOPED_TRACE(href.toStdString());
        writePage(QStringLiteral("help/index.html"), QStringLiteral("Contents"), href);
        ShowHelp(helpFile, HelpDisplayContents);
        HelpBrowser* browser = CurrentHelpWindow()->Browser();
        const QUrl contents = browser->source();
        // The player follows the page's one link with the keyboard, as a click would.
        QTest::keyClick(browser, Qt::Key_Tab);
        QTest::keyClick(browser, Qt::Key_Return);
        EXPECT_EQ(browser->source(), contents);
        EXPECT_EQ(browser->documentTitle(), "Contents");
        EXPECT_FALSE(browser->isBackwardAvailable());
    }
    EXPECT_EQ(desktop.opened, QList<QUrl>({QUrl(QStringLiteral("https://example.org/varnel")),
                                           QUrl(QStringLiteral("mailto:player@example.org"))}));

    // Its own pages, and a place in one, are followed.
    HelpBrowser* browser = CurrentHelpWindow()->Browser();
    browser->setSource(QUrl(QStringLiteral("other.html#end")));
    EXPECT_EQ(browser->documentTitle(), "Other");
    EXPECT_EQ(browser->source().fileName(), "other.html");
}

}  // namespace
}  // namespace varnel

#include "HelpWindowTest.moc"
