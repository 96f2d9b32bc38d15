#include "app/help/HelpBrowser.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace varnel {
namespace {

bool isWebLink(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto");
}

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    // Links are followed here, through doSetSource, so that each one is judged there.
    setOpenExternalLinks(false);
    setOpenLinks(true);
}

void HelpBrowser::setHelpFolder(const QString& folder) {
    folder_ = QFileInfo(folder).canonicalFilePath();
}

bool HelpBrowser::isHelpFile(const QUrl& url) const {
    if (folder_.isEmpty() || !url.isLocalFile()) return false;
    // Links (and "..") are followed first, so that no way round leads outside the folder.
    const QFileInfo file(url.toLocalFile());
    return file.isFile() && file.canonicalFilePath().startsWith(folder_ + '/');
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    const QUrl url = source().resolved(name);
    if (isWebLink(url)) {
        QDesktopServices::openUrl(url);
        return;
    }
    if (isHelpFile(url)) QTextBrowser::doSetSource(url, type);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (!isHelpFile(source().resolved(name))) return {};
    return QTextBrowser::loadResource(type, name);
}

}  // namespace varnel
