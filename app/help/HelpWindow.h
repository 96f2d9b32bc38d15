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

// Opens the one help window at the contents page helpFile, centred on the game window's screen,
// in front and with the keyboard. A help window that is open but not in front (behind the
// maximized game, or put away) is closed and opened afresh at the size the player gave it: a
// window that appears is put in front by every window manager and compositor, while bringing an
// existing one forward is a request that some of them (Wayland's, without an activation token)
// refuse. Nothing here ever stops the game or asks the player anything.
void showHelpContents(const QString& helpFile, QWidget* game = nullptr);

// The help window once showHelpContents has made it, otherwise nullptr.
HelpWindow* currentHelpWindow();

// Closes and deletes the help window at once. The window also goes by itself when the
// application's event loop ends; this is for code that ends without it. The next showHelpContents
// makes a fresh one.
void closeHelp();

}  // namespace varnel
