#pragma once

#include <QMenuBar>
#include <QPointer>

namespace varnel {

// The menu bar with the access keys of the classic desktop. A letter that only one entry uses
// opens its menu or runs its command at once. A letter that several entries share ("C&ustomize"
// and "&Undo") only moves the highlight from one of them to the next, opening a menu or marking
// a command; Enter then runs the marked command, Escape drops the mark. So Alt+U pressed to
// open Customize never undoes a pair by surprise.
class AccessKeyMenuBar : public QMenuBar {
    Q_OBJECT
public:
    explicit AccessKeyMenuBar(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The entries that can be chosen now whose access letter is this one, in bar order.
    QList<QAction*> entriesWithLetter(QChar letter) const;
    // Moves the highlight to the next entry with this letter; false when none has it.
    bool highlightNext(QChar letter);
    // The entry whose menu is open, if any.
    QAction* openMenuEntry() const;
    void mark(QAction* command);
    void dropMark();

    QPointer<QAction> opened_;            // the entry last opened by its access letter
    QAction* marked_ = nullptr;           // a command waiting for Enter
    QWidget* focusBeforeMark_ = nullptr;  // where the keyboard goes back to afterwards
};

}  // namespace varnel
