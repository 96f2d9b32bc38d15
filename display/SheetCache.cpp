#include "display/SheetCache.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>
#include <cstring>

#include "art/Typefaces.h"

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

void addFile(QByteArray& stamp, const QString& path) {
    const QFileInfo file(path);
    stamp += path.toUtf8() + ' ' + QByteArray::number(file.size()) + ' ' +
             QByteArray::number(file.lastModified().toMSecsSinceEpoch()) + '\n';
}

// What the drawing of a sheet depends on: the grid, the drawing code (this build of the
// program), the Qt that rasterises it and the fonts it letters with.
std::array<char, 16> keyOf(int slot, const art::SheetGrid& grid,
                           const SheetCache::DrawnWith& with) {
    QByteArray stamp = QByteArray::number(slot) + ' ' + with.qtVersion + '\n';
    const art::TileShape& shape = grid.shape;
    for (int n :
         {shape.width, shape.height, shape.depth, shape.line, shape.bone, grid.width, grid.height})
        stamp += QByteArray::number(n) + ' ';
    for (int left : grid.columnLeft) stamp += QByteArray::number(left) + ' ';
    for (int top : grid.rowTop) stamp += QByteArray::number(top) + ' ';
    stamp += QByteArray::number(grid.scale, 'g', 9) + '\n';
    addFile(stamp, with.program);
    for (const QString& font : with.fontFiles) addFile(stamp, font);
    const QByteArray digest = QCryptographicHash::hash(stamp, QCryptographicHash::Sha256);
    std::array<char, 16> key{};
    std::memcpy(key.data(), digest.constData(), key.size());
    return key;
}

qint64 rowBytes(const art::SheetGrid& grid) {
    return qint64{grid.width} * 4;
}

}  // namespace

SheetCache::DrawnWith SheetCache::DrawnWith::thisRun() {
    DrawnWith with{QCoreApplication::applicationFilePath(), qVersion(), {}};
    for (const char* font : art::typefaceFiles()) with.fontFiles << QString::fromUtf8(font);
    return with;
}

QString SheetCache::pathOf(int slot, const art::SheetGrid& grid) const {
    return folder_ + QStringLiteral("/sheet-%1-%2x%3.rgb").arg(slot).arg(grid.width).arg(grid.height);
}

void SheetCache::prune() const {
    // The newest few sizes stay: a window maximized and restored again, or moved between two
    // screens, finds both of its sizes; sheets of older sizes and of older versions go.
    QDir folder(folder_);
    const QFileInfoList sheets = folder.entryInfoList({QStringLiteral("sheet-*.rgb")},
                                                      QDir::Files | QDir::NoSymLinks, QDir::Time);
    for (qsizetype i = kSizesKept; i < sheets.size(); ++i) QFile::remove(sheets[i].filePath());
}

QImage SheetCache::load(int slot, const art::SheetGrid& grid) const {
    if (folder_.isEmpty()) return {};
    // Only a regular file of exactly the right length is opened (never a pipe or a folder).
    const QFileInfo info(pathOf(slot, grid));
    if (!info.isFile() || info.size() != qint64{sizeof(Header)} + rowBytes(grid) * grid.height)
        return {};
    QFile file(info.filePath());
    Header header;
    if (!file.open(QIODevice::ReadOnly) ||
        file.read(reinterpret_cast<char*>(&header), sizeof header) != qint64{sizeof header})
        return {};
    if (header.magic != kMagic || header.width != grid.width || header.height != grid.height ||
        header.slot != static_cast<quint32>(slot) || header.key != keyOf(slot, grid, drawnWith_))
        return {};
    QImage sheet(grid.width, grid.height, QImage::Format_RGB32);
    for (int y = 0; y < grid.height; ++y)
        if (file.read(reinterpret_cast<char*>(sheet.scanLine(y)), rowBytes(grid)) != rowBytes(grid))
            return {};
    // Used again: it is among the newest that pruning keeps.
    file.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
    return sheet;
}

void SheetCache::store(int slot, const art::SheetGrid& grid, const QImage& sheet) const {
    if (folder_.isEmpty() || sheet.format() != QImage::Format_RGB32 ||
        sheet.size() != QSize(grid.width, grid.height) || !QDir().mkpath(folder_))
        return;
    Header header;
    header.width = grid.width;
    header.height = grid.height;
    header.slot = static_cast<quint32>(slot);
    header.key = keyOf(slot, grid, drawnWith_);
    QSaveFile file(pathOf(slot, grid));
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    for (int y = 0; y < grid.height; ++y)
        file.write(reinterpret_cast<const char*>(sheet.constScanLine(y)), rowBytes(grid));
    if (file.commit()) prune();
}

}  // namespace varnel
