#include "ColorDialog.h"

#include <QColorDialog>

namespace varnel {

int32_t ShowColor(QWidget* owner, int32_t initialColour, bool fullOpen) {
    (void)fullOpen;
    const QColor initial(initialColour & 0xFF, (initialColour >> 8) & 0xFF,
                         (initialColour >> 16) & 0xFF);
    QColorDialog dialog(initial, owner);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return -1;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid()) return -1;
    return chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16);
}

}  // namespace varnel
