#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <vector>

namespace varnel::testing {

// Answers the message boxes a window opens, as a player would, and remembers what they said.
class ModalAnswerer {
public:
    struct Seen {
        QString caption, text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    // Buttons to press, in order; once they run out, the box's escape button (OK or No).
    explicit ModalAnswerer(std::deque<QMessageBox::StandardButton> answers = {})
        : answers_(std::move(answers)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }

    std::vector<Seen> seen;

private:
    void Poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == handled_) return;
        handled_ = box;
        seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
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
    QMessageBox* handled_ = nullptr;
};

}  // namespace varnel::testing
