#include "SheetCache.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>
#include <cstring>

#include "Typefaces.h"

namespace varnel {
namespace {

constexpr quint32 kMagic = 0x31485356;  // "VSH1"

struct Header {
    quint32 magic = kMagic;
    qint32 width = 0;
    qint32 height = 0;
    quint32 slot = 0;
    std::array<char, 16> key{};
};

void AddFile(QByteArray& stamp, const QString& path) {
    const QFileInfo file(path);
    stamp += path.toUtf8() + ' ' + QByteArray::number(file.size()) + ' ' +
             QByteArray::number(file.lastModified().toMSecsSinceEpoch()) + '\n';
}

// What the drawing of a sheet depends on: the grid, the drawing code (this build of the
// program), the Qt that rasterises it and the fonts it letters with.
std::array<char, 16> KeyOf(int slot, const art::SheetGrid& grid) {
    QByteArray stamp = QByteArray::number(slot) + ' ' + qVersion() + '\n';
    const art::TileShape& shape = grid.shape;
    for (int n :
         {shape.width, shape.height, shape.depth, shape.line, shape.bone, grid.width, grid.height})
        stamp += QByteArray::number(n) + ' ';
    for (int left : grid.columnLeft) stamp += QByteArray::number(left) + ' ';
    for (int top : grid.rowTop) stamp += QByteArray::number(top) + ' ';
    stamp += QByteArray::number(grid.scale, 'g', 9) + '\n';
    AddFile(stamp, QCoreApplication::applicationFilePath());
    for (const char* font : art::TypefaceFiles()) AddFile(stamp, QString::fromUtf8(font));
    const QByteArray digest = QCryptographicHash::hash(stamp, QCryptographicHash::Sha256);
    std::array<char, 16> key{};
    std::memcpy(key.data(), digest.constData(), key.size());
    return key;
}

qint64 RowBytes(const art::SheetGrid& grid) {
    return qint64{grid.width} * 4;
}

}  // namespace

QString SheetCache::PathOf(int slot) const {
    return folder_ + QStringLiteral("/sheet-%1.rgb").arg(slot);
}

QImage SheetCache::Load(int slot, const art::SheetGrid& grid) const {
    if (folder_.isEmpty()) return {};
    // Only a regular file of exactly the right length is opened (never a pipe or a folder).
    const QFileInfo info(PathOf(slot));
    if (!info.isFile() || info.size() != qint64{sizeof(Header)} + RowBytes(grid) * grid.height)
        return {};
    QFile file(info.filePath());
    Header header;
    if (!file.open(QIODevice::ReadOnly) ||
        file.read(reinterpret_cast<char*>(&header), sizeof header) != qint64{sizeof header})
        return {};
    if (header.magic != kMagic || header.width != grid.width || header.height != grid.height ||
        header.slot != static_cast<quint32>(slot) || header.key != KeyOf(slot, grid))
        return {};
    QImage sheet(grid.width, grid.height, QImage::Format_RGB32);
    for (int y = 0; y < grid.height; ++y)
        if (file.read(reinterpret_cast<char*>(sheet.scanLine(y)), RowBytes(grid)) != RowBytes(grid))
            return {};
    return sheet;
}

void SheetCache::Store(int slot, const art::SheetGrid& grid, const QImage& sheet) const {
    if (folder_.isEmpty() || sheet.format() != QImage::Format_RGB32 ||
        sheet.size() != QSize(grid.width, grid.height) || !QDir().mkpath(folder_))
        return;
    Header header;
    header.width = grid.width;
    header.height = grid.height;
    header.slot = static_cast<quint32>(slot);
    header.key = KeyOf(slot, grid);
    QSaveFile file(PathOf(slot));
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    for (int y = 0; y < grid.height; ++y)
        file.write(reinterpret_cast<const char*>(sheet.constScanLine(y)), RowBytes(grid));
    file.commit();
}

}  // namespace varnel
