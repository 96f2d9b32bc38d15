#pragma once

#include <QMainWindow>
#include <QString>

#include "app/help/HelpBrowser.h"

class QAction;

namespace varnel {

// The game's help viewer: a browser over the HTML help pages with Back, Forward and
// Contents. It is a top-level window of its own with no owner, so it stays open beside the
// game without blocking it, and it never keeps the program running once the game window
// has closed.
class HelpWindow : public QMainWindow {
    Q_OBJECT

  public:
    HelpWindow();

    // Shows the contents page helpFile. When the file is not there the window says in one
    // line where the pages were expected, so the player learns why no help appears.
    void showContents(const QString& helpFile);

    HelpBrowser* browser() const { return browser_; }

  private:
    void goToContents();
    void updateCaption();

    HelpBrowser* browser_;
    QAction* back_;
    QAction* forward_;
    QAction* contents_;
    QString contentsFile_;
};

// Opens the one help window (made on first use, reused afterwards) at the contents page
// helpFile and brings it to the front. Nothing here ever stops the game or asks the player
// anything.
void showHelpContents(const QString& helpFile);

// The help window once showHelpContents has made it, otherwise nullptr.
HelpWindow* currentHelpWindow();

// Closes and deletes the help window at once. The window also goes by itself when the
// application's event loop ends; this is for code that ends without it. The next showHelpContents
// makes a fresh one.
void closeHelp();

}  // namespace varnel
