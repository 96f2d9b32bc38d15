#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <deque>
#include <functional>
#include <ostream>
#include <vector>

// Failed checks show a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace varnel::testing {

// Waits for the next modal window of the given kind to open and acts on it, as the player
// would (the window's exec() is still running when the action comes).
template <typename Modal>
void onNextModal(std::function<void(Modal*)> action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        }
    });
    poll->start(5);
}

// Answers the message boxes a window opens, as a player would, and remembers what they said.
class ModalAnswerer {
  public:
    struct Seen {
        QString caption, text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        bool plainText;  // shown as spelt, never read as markup
        bool wholeText;  // text and caption have all the room they need, the box fits the screen
    };

    // Whether the label has room for its whole text: across, and down at its width.
    static bool showsWholeText(const QLabel* label) {
        const int width = label->width();
        return (label->wordWrap() || label->sizeHint().width() <= width) &&
               label->heightForWidth(width) <= label->height();
    }

    static bool showsWholeText(const QMessageBox* box) {
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!label || !showsWholeText(label)) return false;
        const QRect screen = box->screen()->availableGeometry();
        // The caption in a bold title font, with room beside it for the window icon and three
        // title-bar buttons with their margins.
        QFont titleFont = box->font();
        titleFont.setBold(true);
        const QFontMetrics title(titleFont);
        return box->width() >= title.horizontalAdvance(box->windowTitle()) + 6 * title.height() &&
               box->width() <= screen.width() && box->height() <= screen.height();
    }

    // Buttons to press, in order; once they run out, the box's escape button (OK or No).
    explicit ModalAnswerer(std::deque<QMessageBox::StandardButton> answers = {})
        : answers_(std::move(answers)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(5);
    }

    std::vector<Seen> seen;

  private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == handled_) return;
        handled_ = box;
        seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                        box->textFormat() == Qt::PlainText, showsWholeText(box)});
        QAbstractButton* button = box->escapeButton();
        if (!answers_.empty()) {
            button = box->button(answers_.front());
            answers_.pop_front();
        }
        if (!button) button = box->buttons().value(0);
        button->click();
    }

    std::deque<QMessageBox::StandardButton> answers_;
    QTimer timer_;
    QPointer<QMessageBox> handled_;  // cleared when it closes: the next box may reuse its address
};

}  // namespace varnel::testing
