#include "app/AccessKeyMenuBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcutEvent>

namespace varnel {
namespace {

// The letter after the single "&" of a caption ("&&" is a plain ampersand), upper case.
QChar accessLetterOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] != u'&') return caption[i + 1].toUpper();
        ++i;
    }
    return {};
}

QChar letterOfKey(const QKeySequence& key) {
    if (key.isEmpty()) return {};
    const int code = key[0].key();
    return code >= Qt::Key_A && code <= Qt::Key_Z ? QChar(code) : QChar();
}

void highlightFirstEntry(QMenu* menu) {
    for (QAction* entry : menu->actions()) {
        if (entry->isSeparator() || !entry->isVisible() || !entry->isEnabled()) continue;
        menu->setActiveAction(entry);
        return;
    }
}

}  // namespace

AccessKeyMenuBar::AccessKeyMenuBar(QWidget* parent) : QMenuBar(parent) {}

QList<QAction*> AccessKeyMenuBar::entriesWithLetter(QChar letter) const {
    QList<QAction*> entries;
    if (letter.isNull()) return entries;
    for (QAction* entry : actions())
        if (entry->isVisible() && entry->isEnabled() && accessLetterOf(entry->text()) == letter)
            entries << entry;
    return entries;
}

bool AccessKeyMenuBar::event(QEvent* event) {
    // Qt sends a shared access key here as an ambiguous shortcut and would run every other
    // entry; the highlight moves instead.
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->isAmbiguous() && highlightNext(letterOfKey(shortcut->key()))) return true;
    }
    return QMenuBar::event(event);
}

QAction* AccessKeyMenuBar::openMenuEntry() const {
    if (opened_ && opened_->menu() && opened_->menu()->isVisible()) return opened_;
    return activeAction();
}

bool AccessKeyMenuBar::highlightNext(QChar letter) {
    const QList<QAction*> entries = entriesWithLetter(letter);
    if (entries.isEmpty()) return false;
    const QAction* current = marked_ ? marked_ : openMenuEntry();
    QAction* next = entries[(entries.indexOf(current) + 1) % entries.size()];
    if (entries.size() == 1 && !next->menu()) {
        // The only entry with its letter now (the other is disabled): it acts at once.
        dropMark();
        next->trigger();
        return true;
    }
    if (next->menu()) {
        dropMark();
        setActiveAction(next);
        opened_ = next;
        next->menu()->installEventFilter(this);
        highlightFirstEntry(next->menu());
    } else {
        mark(next);
    }
    return true;
}

bool AccessKeyMenuBar::eventFilter(QObject* watched, QEvent* event) {
    if (opened_ && watched == opened_->menu()) {
        // Alt pressed again to go on to the next entry with the letter must not close the
        // menu first (a menu opened any other way still closes on Alt).
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt)
            return true;
        if (event->type() == QEvent::Hide) opened_ = nullptr;
    }
    return QMenuBar::eventFilter(watched, event);
}

void AccessKeyMenuBar::mark(QAction* command) {
    if (QAction* open = openMenuEntry(); open && open->menu()) open->menu()->hide();
    setActiveAction(command);
    if (!marked_) {
        focusBeforeMark_ = QApplication::focusWidget();
        setFocus(Qt::MenuBarFocusReason);
    }
    marked_ = command;
}

void AccessKeyMenuBar::dropMark() {
    if (!marked_) return;
    marked_ = nullptr;
    if (activeAction() && !activeAction()->menu()) setActiveAction(nullptr);
    if (focusBeforeMark_)
        focusBeforeMark_->setFocus(Qt::MenuBarFocusReason);
    else
        clearFocus();
    focusBeforeMark_ = nullptr;
}

void AccessKeyMenuBar::keyPressEvent(QKeyEvent* event) {
    // A shared letter typed while a menu of the bar is open, or while a command is marked.
    const QString text = event->text();
    if (text.size() == 1 && (event->modifiers() & ~Qt::AltModifier) == Qt::NoModifier &&
        entriesWithLetter(text[0].toUpper()).size() > 1) {
        highlightNext(text[0].toUpper());
        return;
    }
    if (marked_) {
        QAction* command = marked_;
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Space:
                dropMark();
                command->trigger();
                return;
            case Qt::Key_Escape:
                dropMark();
                return;
            default:
                dropMark();
                break;
        }
    }
    QMenuBar::keyPressEvent(event);
}

void AccessKeyMenuBar::focusOutEvent(QFocusEvent* event) {
    QMenuBar::focusOutEvent(event);
    // Clicking elsewhere, or another window taking the keyboard, drops a waiting command.
    if (marked_ && event->reason() != Qt::PopupFocusReason) {
        marked_ = nullptr;
        focusBeforeMark_ = nullptr;
        if (activeAction() && !activeAction()->menu()) setActiveAction(nullptr);
    }
}

}  // namespace varnel
