#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QXmlStreamReader>

namespace varnel {
namespace {

const QString HelpFolder = QStringLiteral(VARNEL_ASSETS_DIR "/help");

// A page as written: what it links to, the anchors it offers and its headings.
struct Page {
    QString error;
    QString title;
    QStringList links;
    QSet<QString> anchors;
    QStringList terms;
};

// The pages are kept well-formed, so a strict XML reader finds unclosed tags, stray
// ampersands and entities a browser would quietly guess at.
Page ReadPage(const QString& path) {
    Page page;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        page.error = QStringLiteral("cannot be opened");
        return page;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        const QXmlStreamAttributes attributes = xml.attributes();
        for (const char* linkAttribute : {"href", "src"}) {
            if (attributes.hasAttribute(QLatin1String(linkAttribute))) {
                page.links << attributes.value(QLatin1String(linkAttribute)).toString();
            }
        }
        if (attributes.hasAttribute(QLatin1String("id"))) {
            page.anchors << attributes.value(QLatin1String("id")).toString();
        }
        if (name == QLatin1String("a") && attributes.hasAttribute(QLatin1String("name"))) {
            page.anchors << attributes.value(QLatin1String("name")).toString();
        }
        if (name == QLatin1String("title")) {
            page.title = xml.readElementText().simplified();
        } else if (name == QLatin1String("dt")) {
            page.terms << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
        }
    }
    if (xml.hasError()) {
        page.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    }
    return page;
}

QStringList PageNames() {
    return QDir(HelpFolder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

QMap<QString, Page> ReadAllPages() {
    QMap<QString, Page> pages;
    for (const QString& name : PageNames()) {
        pages.insert(name, ReadPage(QDir(HelpFolder).filePath(name)));
    }
    return pages;
}

// The anchors as the help window itself sees them once it has laid the page out.
QSet<QString> RenderedAnchors(const QTextDocument& document) {
    QSet<QString> anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            for (const QString& anchor : it.fragment().charFormat().anchorNames()) {
                anchors << anchor;
            }
        }
    }
    return anchors;
}

QString RenderedText(const QString& pageName) {
    QTextBrowser browser;
    browser.setSource(QUrl::fromLocalFile(QDir(HelpFolder).filePath(pageName)));
    return browser.toPlainText();
}

TEST(HelpPagesTest, EveryPageIsWellFormedAndTitled) {
    const QMap<QString, Page> pages = ReadAllPages();
    ASSERT_TRUE(pages.contains("index.html"));
    EXPECT_GE(pages.size(), 5);
    for (auto it = pages.begin(); it != pages.end(); ++it) {
        EXPECT_TRUE(it->error.isEmpty())
            << it.key().toStdString() << ": " << it->error.toStdString();
        EXPECT_FALSE(it->title.isEmpty()) << it.key().toStdString();
    }
}

TEST(HelpPagesTest, EveryLinkReachesAPageAndAnchorThatExist) {
    const QMap<QString, Page> pages = ReadAllPages();
    const QDir folder(HelpFolder);
    QMap<QString, QSet<QString>> renderedAnchors;
    int linksChecked = 0;
    for (auto it = pages.begin(); it != pages.end(); ++it) {
        for (const QString& link : it->links) {
            const std::string where = it.key().toStdString() + " -> " + link.toStdString();
            const QUrl url(link);
            // The help stays inside its own folder: no web addresses, no mail.
            ASSERT_TRUE(url.scheme().isEmpty()) << where;
            const QString target = url.path().isEmpty() ? it.key() : url.path();
            const QFileInfo targetFile(folder.filePath(target));
            ASSERT_TRUE(targetFile.isFile()) << where;
            EXPECT_EQ(targetFile.absoluteDir(), QFileInfo(folder.path()).absoluteFilePath())
                << where;
            ++linksChecked;
            if (!url.hasFragment()) {
                continue;
            }
            ASSERT_TRUE(pages.contains(target)) << where;
            EXPECT_TRUE(pages[target].anchors.contains(url.fragment())) << where;
            if (!renderedAnchors.contains(target)) {
                QTextBrowser browser;
                browser.setSource(QUrl::fromLocalFile(targetFile.absoluteFilePath()));
                renderedAnchors.insert(target, RenderedAnchors(*browser.document()));
            }
            EXPECT_TRUE(renderedAnchors[target].contains(url.fragment())) << where;
        }
    }
    EXPECT_GT(linksChecked, 20);
}

TEST(HelpPagesTest, EveryPageCanBeReachedFromTheContents) {
    const QMap<QString, Page> pages = ReadAllPages();
    QSet<QString> reached{QStringLiteral("index.html")};
    QStringList toVisit{QStringLiteral("index.html")};
    while (!toVisit.isEmpty()) {
        const QString name = toVisit.takeFirst();
        for (const QString& link : pages.value(name).links) {
            const QString target = QUrl(link).path();
            if (target.endsWith(".html") && !reached.contains(target)) {
                reached << target;
                toVisit << target;
            }
        }
    }
    for (const QString& name : PageNames()) {
        EXPECT_TRUE(reached.contains(name)) << name.toStdString() << " is linked from nowhere";
    }
}

TEST(HelpPagesTest, TheSharedStyleSheetIsApplied) {
    QFile css(QDir(HelpFolder).filePath("help.css"));
    ASSERT_TRUE(css.open(QIODevice::ReadOnly));
    const QRegularExpression headingRule(
        QStringLiteral(R"(h1\s*\{[^}]*[^-]color:\s*(#[0-9a-fA-F]{6}))"));
    const auto match = headingRule.match(QString::fromUtf8(css.readAll()));
    ASSERT_TRUE(match.hasMatch());

    QTextBrowser browser;
    browser.setSource(QUrl::fromLocalFile(QDir(HelpFolder).filePath("index.html")));
    const QTextBlock heading = browser.document()->begin();
    ASSERT_EQ(heading.text(), "Varnel Solitaire Help");
    EXPECT_EQ(heading.charFormat().foreground().color(), QColor(match.captured(1)));
}

// Each entry of the menu bar, in its order, as the player sees it (without the access keys).
const QStringList MenuCaptions = {
    "Game",
    "New Game",
    "Save Game",
    "Restore Game",
    "Software Catalog",
    "Exit",
    "Customize",
    "Sound On",
    "Background Color",
    "Layouts",
    "Dragon Layout",
    "Rivers Layout",
    "Pyramid Layout",
    "Tiles",
    "Load Tileset",
    "Traditional",
    "Alphabet",
    "Flower Power",
    "Egyptian",
    "Creepy Crawlers",
    "Shuffle",
    "Remaining",
    "Undo",
    "Hint",
    "Help",
    "About Varnel...",
    "Contents",
    "How To Play",
};

TEST(HelpPagesTest, EveryMenuEntryAndMessageIsExplained) {
    QString allText;
    for (const QString& name : PageNames()) {
        allText += RenderedText(name) + '\n';
    }
    for (const QString& caption : MenuCaptions) {
        EXPECT_TRUE(allText.contains(caption)) << caption.toStdString();
    }
    // The program's own words, quoted exactly so that the player recognises them.
    for (const char* words : {"Sound Off", "Alt+F4", "Tiles Left:", "Return to Game",
                              "You Won! Do you want to play again?",
                              "0 Matching Tiles Remaining. Do you want to play again?",
                              "Matches Remain", "varnel.sav", "varnel.bmp"}) {
        EXPECT_TRUE(allText.contains(QString::fromLatin1(words))) << words;
    }
}

TEST(HelpPagesTest, TheMenuPageFollowsTheMenuBarOrder) {
    const Page menus = ReadPage(QDir(HelpFolder).filePath("menus.html"));
    ASSERT_TRUE(menus.error.isEmpty()) << menus.error.toStdString();
    const QStringList menuNames = {"Game", "Customize", "Layouts", "Tiles", "Help"};
    qsizetype previous = -1;
    for (const QString& caption : MenuCaptions) {
        if (menuNames.contains(caption)) {
            continue;
        }
        qsizetype found = -1;
        for (qsizetype i = 0; i < menus.terms.size() && found < 0; ++i) {
            if (menus.terms[i].startsWith(caption)) {
                found = i;
            }
        }
        EXPECT_GT(found, previous) << caption.toStdString() << " is missing or out of order";
        previous = std::max(previous, found);
    }
}

}  // namespace
}  // namespace varnel
