#pragma once

#include <QMainWindow>
#include <QString>

#include "HelpBrowser.h"

class QAction;

namespace varnel {

// The help command that opens the help at its table of contents, the one the menus use.
inline constexpr int HelpDisplayContents = 1;

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
    void ShowContents(const QString& helpFile);

    HelpBrowser* Browser() const { return browser_; }

  private:
    void GoToContents();
    void UpdateCaption();

    HelpBrowser* browser_;
    QAction* back_;
    QAction* forward_;
    QAction* contents_;
    QString contentsFile_;
};

// Carries out a help command on helpFile. HelpDisplayContents opens the one help window
// (made on first use, reused afterwards) at the contents page and brings it to the front;
// other commands do nothing. Nothing here ever stops the game or asks the player anything.
void ShowHelp(const QString& helpFile, int command);

// The help window once ShowHelp has made it, otherwise nullptr.
HelpWindow* CurrentHelpWindow();

// Closes and deletes the help window at once. The window also goes by itself when the
// application's event loop ends; this is for code that ends without it. The next ShowHelp
// makes a fresh one.
void CloseHelp();

}  // namespace varnel
