#include "display/ColorDialog.h"

#include <QColorDialog>

#include "display/DialogWindow.h"

namespace varnel {

QColor colourFromSetting(int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

int32_t settingFromColour(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

int32_t chooseColour(QWidget* owner, int32_t initialColour) {
    // Qt's dialog keeps its custom colours in a settings file of its own, written whenever a
    // dialog is destroyed; the game writes no file but its four settings. So one dialog serves
    // the whole run and is never destroyed: the custom colours start black, last for the run
    // and are never written.
    static QColorDialog* const dialog = [] {
        auto* colours = new QColorDialog;
        colours->setOption(QColorDialog::DontUseNativeDialog);
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            QColorDialog::setCustomColor(i, Qt::black);
        return colours;
    }();
    // A fixed-size child of the game window, modal to it, centred on its screen.
    makeGameDialog(dialog, owner);
    dialog->setCurrentColor(colourFromSetting(initialColour));
    dialog->adjustSize();
    dialog->setFixedSize(dialog->size());
    const int answer = dialog->exec();
    makeGameDialog(dialog, nullptr);  // outlives the window that borrowed it
    if (answer != QDialog::Accepted) return -1;
    const QColor chosen = dialog->selectedColor();
    if (!chosen.isValid()) return -1;
    return settingFromColour(chosen);
}

}  // namespace varnel
