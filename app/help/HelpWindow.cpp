#include "app/help/HelpWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

#include "app/help/AppInfo.h"
#include "display/DialogWindow.h"

namespace varnel {

namespace {

QPointer<HelpWindow>& theHelpWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

QString helpCaption() {
    return QString::fromUtf8(AppTitle) + QStringLiteral(" Help");
}

}  // namespace

HelpWindow::HelpWindow()
    : browser_(new HelpBrowser(this)),
      back_(new QAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"), this)),
      forward_(new QAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"), this)),
      contents_(new QAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("&Contents"), this)) {
    // Closing the game window must end the program even while the help is still open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(helpCaption());

    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    auto* toolBar = addToolBar(tr("Navigation"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->addAction(back_);
    toolBar->addAction(forward_);
    toolBar->addAction(contents_);

    browser_->document()->setDocumentMargin(12);
    setCentralWidget(browser_);

    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(contents_, &QAction::triggered, this, &HelpWindow::goToContents);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::updateCaption);

    resize(640, 540);
}

void HelpWindow::showContents(const QString& helpFile) {
    contentsFile_ = helpFile;
    goToContents();
}

void HelpWindow::goToContents() {
    const QFileInfo info(contentsFile_);
    if (!info.isFile()) {
        browser_->setHtml(
            tr("<p>The help pages were expected at <b>%1</b>, but that file is not there.</p>")
                .arg(QDir::toNativeSeparators(info.absoluteFilePath()).toHtmlEscaped()));
        // Back would lead to pages that may be gone as well.
        browser_->clearHistory();
        setWindowTitle(helpCaption());
        return;
    }
    browser_->setHelpFolder(info.absolutePath());
    const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    // The same page is read again, so pages that appeared or changed since are shown.
    if (browser_->source() == url) {
        browser_->reload();
    } else {
        browser_->setSource(url);
    }
}

void HelpWindow::updateCaption() {
    const QString pageTitle = browser_->documentTitle();
    setWindowTitle(pageTitle.isEmpty() ? helpCaption() : helpCaption() + " - " + pageTitle);
}

void showHelpContents(const QString& helpFile, QWidget* game) {
    QPointer<HelpWindow>& window = theHelpWindow();
    if (!window.isNull() && window->isVisible() && !window->isMinimized() && window->isActiveWindow()) {
        window->showContents(helpFile);
        return;
    }
    QSize size;
    if (!window.isNull()) {
        size = window->size();
        delete window.data();
    }
    window = new HelpWindow();
    // A window without an owner is deleted by nobody else.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
    if (size.isValid()) window->resize(size);
    // Never taller or wider than the screen it opens on, however large its text is scaled.
    if (const QScreen* screen = gameScreen(game))
        window->resize(window->size().boundedTo(screen->availableGeometry().size() * 9 / 10));
    window->showContents(helpFile);
    centreOnGameScreen(window, window->size(), game);
    window->show();
    window->raise();
    window->activateWindow();
}

HelpWindow* currentHelpWindow() {
    return theHelpWindow().data();
}

void closeHelp() {
    QPointer<HelpWindow>& window = theHelpWindow();
    delete window.data();
    window.clear();
}

}  // namespace varnel
