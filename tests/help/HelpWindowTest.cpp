#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextStream>
#include <QUrl>

#include "app/help/HelpWindow.h"

namespace varnel {
namespace {

// Help pages of the test's own in a program folder of its own.
class HelpWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(app.mkdir(QStringLiteral("help"))); }
    void TearDown() override { closeHelp(); }

    // A page whose one link leads to href.
    void writePage(const QString& name, const QString& title, const QString& href = "") {
        QFile page(app.filePath(name));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QTextStream(&page) << "<html><head><title>" << title << "</title></head><body><a href=\""
                           << href << "\">go</a></body></html>";
    }

    // The player asks for the help's contents: the window that shows them.
    HelpWindow* showContents() {
        showHelpContents(helpFile);
        return currentHelpWindow();
    }

    QTemporaryDir appFolder;
    QDir app{appFolder.path()};
    const QString helpFile = app.filePath(QStringLiteral("help/index.html"));
};

TEST_F(HelpWindowTest, EveryCallShowsTheOneFreeStandingWindowAtTheContents) {
    writePage("help/index.html", "Contents");
    writePage("help/other.html", "Other");
    HelpWindow* window = showContents();
    ASSERT_NE(window, nullptr);
    const QUrl contents = window->browser()->source();

    // The player wanders off to another page; each call brings the same window back at the
    // contents, read again from the disk.
    window->browser()->setSource(QUrl(QStringLiteral("other.html")));
    ASSERT_NE(window->browser()->source(), contents);
    window = showContents();
    EXPECT_EQ(window->browser()->source(), contents);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));  // in front: the same window
    writePage("help/index.html", "Changed");
    EXPECT_EQ(showContents(), window);
    EXPECT_EQ(window->browser()->documentTitle(), "Changed");
    currentHelpWindow()->close();

    // A closed window comes back as a new one, in front, at the contents.
    window = showContents();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->browser()->source(), contents);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Varnel Solitaire Help - Changed");

    // The pages gone: a note in the window says where they were expected, with no way back to
    // pages that went with them, and no message box waits for the player.
    window->browser()->setSource(QUrl(QStringLiteral("other.html")));
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));  // in front: the same window
    ASSERT_TRUE(QDir(app.filePath("help")).removeRecursively());
    window = showContents();
    ASSERT_NE(window, nullptr);
    const QString text = window->browser()->toPlainText();
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(helpFile))) << text.toStdString();
    EXPECT_FALSE(window->browser()->isBackwardAvailable());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Stands in for the desktop's browser: records the links handed to it.
class DesktopBrowser : public QObject {
    Q_OBJECT

  public:
    static constexpr const char* kSchemes[] = {"http", "https", "mailto"};
    DesktopBrowser() {
        for (const char* scheme : kSchemes) QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~DesktopBrowser() override {
        for (const char* scheme : kSchemes) QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;

  public slots:
    void open(const QUrl& url) { opened << url; }
};

// The help shows its own pages and nothing else; the web is left to the desktop's browser.
TEST_F(HelpWindowTest, OnlyItsOwnPagesAreShown) {
    // A folder beside the help whose name begins like it, and a link inside the help to it.
    ASSERT_TRUE(app.mkdir(QStringLiteral("help-private")));
    writePage("help-private/secret.html", "Secret");
    QFile::link(QStringLiteral("../help-private/secret.html"), app.filePath("help/round.html"));
    writePage("help/other.html", "Other", "index.html");

    DesktopBrowser desktop;
    const char* away[] = {"../help-private/secret.html", "round.html",
                          "file:///etc/passwd",          "missing.html",
                          "https://example.org/varnel",  "mailto:player@example.org"};
    for (const char* href : away) {
        SCOPED_TRACE(href);
        writePage("help/index.html", "Contents", href);
        HelpBrowser* browser = showContents()->browser();
        const QUrl contents = browser->source();
        // The player follows the page's one link with the keyboard, as a click would.
        QTest::keyClick(browser, Qt::Key_Tab);
        QTest::keyClick(browser, Qt::Key_Return);
        EXPECT_EQ(browser->source(), contents);
        EXPECT_EQ(browser->documentTitle(), "Contents");
    }
    EXPECT_EQ(desktop.opened, QList<QUrl>({QUrl(QStringLiteral("https://example.org/varnel")),
                                           QUrl(QStringLiteral("mailto:player@example.org"))}));

    // Its own pages, and a place in one, are followed, and Back leads back.
    HelpBrowser* browser = currentHelpWindow()->browser();
    browser->setSource(QUrl(QStringLiteral("other.html#end")));
    EXPECT_EQ(browser->documentTitle(), "Other");
    QAction* back = nullptr;
    for (QAction* action : currentHelpWindow()->findChildren<QAction*>())
        if (action->text() == "&Back") back = action;
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->isEnabled());
    back->trigger();
    EXPECT_EQ(browser->documentTitle(), "Contents");
}

}  // namespace
}  // namespace varnel

#include "HelpWindowTest.moc"
