#pragma once

#include <QString>
#include <QTextBrowser>

namespace varnel {

// The page view of the help window. It shows the help's own pages and nothing else: a link to
// any other local file leads nowhere, and a web or mail link goes to the desktop's browser or
// mail program instead of into the help.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

  public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // The folder of the help pages; pages and the files they use must lie inside it.
    void setHelpFolder(const QString& folder);

  protected:
    // Every page change, by link, by the toolbar or by the window, comes through here.
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
    // Style sheets and pictures of a page: also only from the help folder.
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    bool isHelpFile(const QUrl& url) const;

    QString folder_;  // without links and without a trailing "/"
};

}  // namespace varnel
