#include "display/PictureFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>

namespace varnel {
namespace {

// Far beyond any sheet of 9 x 4 tiles, yet small enough to load at once without a stall.
constexpr int kLargestSide = 8192;

enum class BitmapHeader { Plausible, CutShort, TooLarge };

// The bitmap reader fills in rows that a cut-short file lacks instead of failing, so the
// length is checked against what the header announces before the picture is read. The sides
// are bounded first: a header may claim anything, and only then is the arithmetic in range.
BitmapHeader checkBitmapHeader(const QString& path, qint64 fileSize) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return BitmapHeader::Plausible;
    const QByteArray header = file.read(34);
    if (header.size() < 34 || !header.startsWith("BM")) return BitmapHeader::Plausible;
    const uchar* h = reinterpret_cast<const uchar*>(header.constData());
    const quint32 declaredSize = qFromLittleEndian<quint32>(h + 2);
    const quint32 pixelOffset = qFromLittleEndian<quint32>(h + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(h + 14);
    const auto cutShortIf = [](bool cutShort) {
        return cutShort ? BitmapHeader::CutShort : BitmapHeader::Plausible;
    };
    if (infoSize < 40) return cutShortIf(declaredSize > fileSize);  // an old header
    const qint64 width = qFromLittleEndian<qint32>(h + 18);
    const qint64 height = std::llabs(qFromLittleEndian<qint32>(h + 22));
    if (width > kLargestSide || height > kLargestSide) return BitmapHeader::TooLarge;
    if (width <= 0) return BitmapHeader::Plausible;  // not a picture: the reader says so
    const quint16 bitsPerPixel = qFromLittleEndian<quint16>(h + 28);
    const quint32 compression = qFromLittleEndian<quint32>(h + 30);
    if (compression != 0 && compression != 3) return cutShortIf(declaredSize > fileSize);
    // At most 8192 x 65535 bits a row and 8192 rows: far inside 64 bits.
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return cutShortIf(pixelOffset + rowBytes * height > fileSize);
}

}  // namespace

QImage readPictureFile(const QString& path, QString* reason) {
    auto fail = [&](const QString& why) {
        if (reason) *reason = why;
        return QImage();
    };
    const QFileInfo info(path);
    if (!info.exists()) return fail(QStringLiteral("the file is not there"));
    if (info.isDir()) return fail(QStringLiteral("it is a folder, not a picture"));
    if (info.size() == 0) return fail(QStringLiteral("the file is empty"));

    switch (checkBitmapHeader(path, info.size())) {
        case BitmapHeader::CutShort:
            return fail(QStringLiteral("the file is cut short"));
        case BitmapHeader::TooLarge:
            return fail(QStringLiteral("the picture is far too large for a tile set"));
        case BitmapHeader::Plausible:
            break;
    }

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) return fail(QStringLiteral("it is not a picture this game can read"));
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kLargestSide || size.height() > kLargestSide))
        return fail(QStringLiteral("the picture is far too large for a tile set (%1 x %2)")
                        .arg(size.width())
                        .arg(size.height()));
    QImage picture = reader.read();
    if (picture.isNull() || picture.width() > kLargestSide || picture.height() > kLargestSide)
        return fail(QStringLiteral("the picture could not be read (%1)").arg(reader.errorString()));
    return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace varnel
