#include "display/MessageBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QtMath>
#include <algorithm>
#include <QScreen>

#include "display/DialogWindow.h"

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
        makeGameDialog(this, parent, answerOnly_ ? CloseButton::Hidden : CloseButton::Shown);
    }

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);  // sizes the box, wrapping beyond half the screen
        keepShortTextOnOneLine();
        widenForCaption();
        centreOnGameScreen(this, frameGeometry().size(), parentWidget());
    }

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
    // On a small screen Qt wraps a text wider than half the screen, even a one-line question;
    // a text that fits on one line within three quarters of the screen stays on one line.
    void keepShortTextOnOneLine() {
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!label || !label->wordWrap() || !screen()) return;
        const int margins = label->width() - label->contentsRect().width();
        const int oneLine =
            qCeil(QFontMetricsF(label->font()).horizontalAdvance(label->text())) + margins + 1;
        const int extra = oneLine - label->width();
        if (extra <= 0 || width() + extra > screen()->availableGeometry().width() * 3 / 4) return;
        label->setWordWrap(false);
        label->setMinimumWidth(oneLine);
        layout()->activate();
        setFixedSize(width() + extra, layout()->totalMinimumSize().height());
    }

    // A short message makes a narrow box, and the window manager then cuts its caption
    // ("Var...ire"): leave room for the caption in a bold title font beside the title buttons.
    // The label holds the width, so that Qt's later re-sizing of the box keeps it.
    void widenForCaption() {
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!label || !screen()) return;
        QFont titleFont = font();
        titleFont.setBold(true);
        const QFontMetricsF metrics(titleFont);
        const int wanted = qCeil(metrics.horizontalAdvance(windowTitle()) + 8 * metrics.height());
        const int extra = std::min(wanted, screen()->availableGeometry().width()) - width();
        if (extra <= 0) return;
        label->setMinimumWidth(label->width() + extra);
        setFixedSize(width() + extra, height());
    }

    const bool answerOnly_;
};

}  // namespace

int showMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                   const QString& text, QMessageBox::StandardButtons buttons) {
    GameMessageBox box(icon, caption, text, buttons, parent);
    return box.exec();
}

}  // namespace varnel
