#include "MessageBox.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace varnel {
namespace {

class GameMessageBox : public QMessageBox {
public:
    GameMessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
                   QMessageBox::StandardButtons buttons, QWidget* parent)
        : QMessageBox(icon, caption, text, buttons, parent),
          answerOnly_(buttons.testFlag(Yes) && buttons.testFlag(No) && !buttons.testFlag(Cancel)) {
        setTextFormat(Qt::PlainText);
        // A question's title bar offers no close button.
        if (answerOnly_)
            setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) &
                           ~(Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint));
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (answerOnly_ && event->matches(QKeySequence::Cancel)) return;
        QMessageBox::keyPressEvent(event);
    }

    void closeEvent(QCloseEvent* event) override {
        // The window manager's close button or Alt+F4: a question stays until it is answered.
        if (answerOnly_ && !clickedButton()) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    const bool answerOnly_;
};

}  // namespace

int ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                   const QString& text, QMessageBox::StandardButtons buttons) {
    GameMessageBox box(icon, caption, text, buttons, parent);
    return box.exec();
}

}  // namespace varnel
