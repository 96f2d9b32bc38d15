#include "BuiltinArt.h"

#include <QImageReader>
#include <array>

namespace varnel {

namespace {

QString SheetResource(int slot) {
    static const std::array<const char*, kTileSetCount> kSheets = {
        ":/sheets/traditional.bmp", ":/sheets/alphabet.bmp", ":/sheets/flower-power.bmp",
        ":/sheets/egyptian.bmp", ":/sheets/creepy-crawlers.bmp"};
    if (slot < 0 || slot >= kTileSetCount) return {};
    return QString::fromLatin1(kSheets[slot]);
}

}  // namespace

QImage LoadBuiltinSheet(int slot) {
    return QImage(SheetResource(slot)).convertToFormat(QImage::Format_RGB32);
}

QSize BuiltinSheetSize(int slot) {
    return QImageReader(SheetResource(slot)).size();
}

QImage LoadTileMask() {
    return QImage(":/mask.bmp").convertToFormat(QImage::Format_RGB32);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/varnel-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace varnel
