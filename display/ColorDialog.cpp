#include "ColorDialog.h"

#include <QColorDialog>

namespace varnel {

QColor ColourFromLong(int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

int32_t LongFromColour(const QColor& colour) {
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

int32_t ShowColor(QWidget* owner, int32_t initialColour, bool fullOpen) {
    (void)fullOpen;
    QColorDialog dialog(ColourFromLong(initialColour), owner);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return -1;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid()) return -1;
    return LongFromColour(chosen);
}

}  // namespace varnel
