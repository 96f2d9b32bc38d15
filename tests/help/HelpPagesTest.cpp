#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextLayout>
#include <QXmlStreamReader>
#include <memory>

// The committed help pages as the player reads them.
namespace varnel {
namespace {

const QDir HelpFolder(QStringLiteral(VARNEL_ASSETS_DIR "/help"));

// A page as written: its title and what it links to.
struct Page {
    QString error;
    QString title;
    QStringList links;
};

// The pages are kept well-formed, so a strict XML reader finds unclosed tags, stray
// ampersands and entities a browser would quietly guess at.
QMap<QString, Page> ReadAllPages() {
    QMap<QString, Page> pages;
    for (const QString& name : HelpFolder.entryList({QStringLiteral("*.html")}, QDir::Files)) {
        Page& page = pages[name];
        QFile file(HelpFolder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) page.error = QStringLiteral("cannot be opened");
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            for (const char* attribute : {"href", "src"})
                if (xml.attributes().hasAttribute(QLatin1String(attribute)))
                    page.links << xml.attributes().value(QLatin1String(attribute)).toString();
            if (xml.name() == QLatin1String("title"))
                page.title = xml.readElementText().simplified();
        }
        if (xml.hasError())
            page.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    }
    return pages;
}

// The page as the help window shows it, laid out at the window's size.
std::unique_ptr<QTextBrowser> Rendered(const QString& pageName) {
    auto browser = std::make_unique<QTextBrowser>();
    browser->setSource(QUrl::fromLocalFile(HelpFolder.absoluteFilePath(pageName)));
    browser->resize(640, 540);
    browser->document()->setTextWidth(browser->viewport()->width());
    browser->document()->size();
    return browser;
}

// The anchors the help window can scroll to once it has laid the page out.
QSet<QString> RenderedAnchors(const QString& pageName) {
    const auto browser = Rendered(pageName);
    QSet<QString> anchors;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            for (const QString& anchor : it.fragment().charFormat().anchorNames())
                anchors << anchor;
    return anchors;
}

TEST(HelpPagesTest, EveryPageIsWellFormedTitledAndReachableAndEveryLinkResolves) {
    const QMap<QString, Page> pages = ReadAllPages();
    ASSERT_TRUE(pages.contains("index.html"));
    QMap<QString, QSet<QString>> anchors;
    int linksChecked = 0;
    for (auto it = pages.begin(); it != pages.end(); ++it) {
        EXPECT_TRUE(it->error.isEmpty())
            << it.key().toStdString() << ": " << it->error.toStdString();
        EXPECT_FALSE(it->title.isEmpty()) << it.key().toStdString();
        for (const QString& link : it->links) {
            const std::string where = it.key().toStdString() + " -> " + link.toStdString();
            const QUrl url(link);
            // The help stays inside its own folder: no web addresses, no mail.
            ASSERT_TRUE(url.scheme().isEmpty()) << where;
            const QString target = url.path().isEmpty() ? it.key() : url.path();
            const QFileInfo targetFile(HelpFolder.filePath(target));
            ASSERT_TRUE(targetFile.isFile()) << where;
            EXPECT_EQ(targetFile.absoluteDir(), HelpFolder) << where;
            ++linksChecked;
            if (!url.hasFragment()) continue;
            if (!anchors.contains(target)) anchors.insert(target, RenderedAnchors(target));
            EXPECT_TRUE(anchors[target].contains(url.fragment())) << where;
        }
    }
    EXPECT_GT(linksChecked, 20);
    // A page the contents do not lead to, however indirectly, is one the player never finds.
    QStringList reached{QStringLiteral("index.html")};
    for (qsizetype i = 0; i < reached.size(); ++i)
        for (const QString& link : pages.value(reached[i]).links) {
            const QString target = QUrl(link).path();
            if (target.endsWith(".html") && !reached.contains(target)) reached << target;
        }
    for (const QString& name : pages.keys())
        EXPECT_TRUE(reached.contains(name)) << name.toStdString() << " cannot be reached";
}

TEST(HelpPagesTest, NoWordInATableIsBrokenAcrossLines) {
    for (const QString& name : ReadAllPages().keys()) {
        const auto browser = Rendered(name);
        for (QTextBlock block = browser->document()->begin(); block.isValid();
             block = block.next()) {
            if (!QTextCursor(block).currentTable()) continue;
            const QString text = block.text();
            const QTextLayout* layout = block.layout();
            for (int i = 1; i < layout->lineCount(); ++i) {
                const int start = layout->lineAt(i).textStart();
                EXPECT_TRUE(text[start - 1].isSpace() || text[start - 1] == QChar::LineSeparator)
                    << name.toStdString() << ": \"" << text.toStdString() << "\"";
            }
        }
    }
}

}  // namespace
}  // namespace varnel
