#include "BuiltinArt.h"

#include <array>

namespace varnel {

QImage LoadBuiltinSheet(int slot) {
    static const std::array<const char*, kTileSetCount> kSheets = {
        ":/sheets/traditional.bmp", ":/sheets/alphabet.bmp", ":/sheets/flower-power.bmp",
        ":/sheets/egyptian.bmp", ":/sheets/creepy-crawlers.bmp"};
    if (slot < 0 || slot >= kTileSetCount) return {};
    return QImage(kSheets[slot]).convertToFormat(QImage::Format_RGB32);
}

QImage LoadTileMask() { return QImage(":/mask.bmp").convertToFormat(QImage::Format_RGB32); }

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/varnel-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace varnel
