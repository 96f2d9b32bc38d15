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

// The committed help pages as the player reads them.
namespace varnel {
namespace {

const QDir helpFolder(QStringLiteral(VARNEL_ASSETS_DIR "/help"));

// A page's title and links as written, and its anchors as laid out at the help window's size.
struct Page {
    QString title;
    QStringList links;
    QSet<QString> anchors;
};

// The page as written, read by a strict XML reader that finds the unclosed tags and stray
// ampersands a browser would guess at; then as shown, where no word in a table may be broken
// across lines.
Page read(const QString& name) {
    Page page;
    QFile file(helpFolder.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString() << " cannot be opened";
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        for (const char* attribute : {"href", "src"})
            if (xml.attributes().hasAttribute(QLatin1String(attribute)))
                page.links << xml.attributes().value(QLatin1String(attribute)).toString();
        if (xml.name() == QLatin1String("title")) page.title = xml.readElementText().simplified();
    }
    EXPECT_FALSE(xml.hasError()) << name.toStdString() << " line " << xml.lineNumber() << ": "
                                 << xml.errorString().toStdString();

    QTextBrowser browser;
    browser.setSource(QUrl::fromLocalFile(helpFolder.absoluteFilePath(name)));
    browser.resize(640, 540);
    browser.document()->setTextWidth(browser.viewport()->width());
    browser.document()->size();
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            for (const QString& anchor : it.fragment().charFormat().anchorNames())
                page.anchors << anchor;
        if (!QTextCursor(block).currentTable()) continue;
        const QString text = block.text();
        for (int i = 1; i < block.layout()->lineCount(); ++i) {
            const int start = block.layout()->lineAt(i).textStart();
            EXPECT_TRUE(text[start - 1].isSpace() || text[start - 1] == QChar::LineSeparator)
                << name.toStdString() << ": word broken in \"" << text.toStdString() << "\"";
        }
    }
    return page;
}

TEST(HelpPagesTest, EveryPageIsWellFormedReachableAndLaidOutAndEveryLinkResolves) {
    QMap<QString, Page> pages;
    for (const QString& name : helpFolder.entryList({QStringLiteral("*.html")}, QDir::Files))
        pages[name] = read(name);
    ASSERT_TRUE(pages.contains("index.html"));
    for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
        EXPECT_FALSE(it->title.isEmpty()) << it.key().toStdString();
        for (const QString& link : it->links) {
            const std::string where = it.key().toStdString() + " -> " + link.toStdString();
            const QUrl url(link);
            // The help stays inside its own folder: no web addresses, no mail.
            ASSERT_TRUE(url.scheme().isEmpty()) << where;
            const QString target = url.path().isEmpty() ? it.key() : url.path();
            const QFileInfo targetFile(helpFolder.filePath(target));
            ASSERT_TRUE(targetFile.isFile()) << where;
            EXPECT_EQ(targetFile.absoluteDir(), helpFolder) << where;
            if (url.hasFragment()) {
                EXPECT_TRUE(pages.value(target).anchors.contains(url.fragment())) << where;
            }
        }
    }
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

}  // namespace
}  // namespace varnel
