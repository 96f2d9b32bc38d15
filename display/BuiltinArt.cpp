#include "display/BuiltinArt.h"

#include <QImageReader>

namespace varnel {
namespace {

QString sheetResource(int slot) {
    if (slot < 0 || slot >= kTileSetCount) return {};
    return QStringLiteral(":/sheets/") + QString::fromLatin1(art::builtInTileSets()[slot].fileName);
}

}  // namespace

QImage loadBuiltinSheet(int slot) {
    return QImage(sheetResource(slot)).convertToFormat(QImage::Format_RGB32);
}

QSize builtinSheetSize(int slot) { return QImageReader(sheetResource(slot)).size(); }

QImage loadTileMask() { return QImage(QStringLiteral(":/mask.bmp")).convertToFormat(QImage::Format_RGB32); }

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/varnel-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace varnel
