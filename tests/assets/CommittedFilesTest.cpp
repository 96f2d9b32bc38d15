// The committed pictures: the bitmaps in the exact layout the game expects, read field by field
// from their bytes so that a forgiving picture reader cannot hide a fault of the writer; the
// mask; the window icons; and all of them exactly what artgen draws today.
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <set>

#include "AssetFiles.h"

namespace varnel::assets_test {
namespace {

// Uncompressed 8-bit pictures whose rows need no padding: "BM", the file's size, 1078 bytes
// before the pixels, a 40-byte info header, the sides, one plane, 8 bits, no compression and
// the pixels' size.
TEST(Bitmaps, HaveTheEightBitLayout) {
    struct File {
        std::string name;
        uint32_t width, height;
    };
    std::vector<File> files{{"mask.bmp", 44, 55}, {"varnel.bmp", 396, 220}};
    for (const std::string& sheet : kSheetFiles) files.push_back({sheet, 396, 220});
    for (const auto& [name, width, height] : files) {
        const QByteArray bytes = ReadBytes(AssetPath(name));
        const uint32_t pixels = width * height;
        ASSERT_EQ(bytes.size(), 1078 + pixels) << name;
        auto field = [&bytes](uint32_t at, uint32_t size) {
            uint32_t value = 0;
            for (uint32_t i = size; i-- > 0;) value = value << 8 | uint8_t(bytes[at + i]);
            return value;
        };
        // offset, size in bytes, value
        const uint32_t fields[][3] = {{0, 2, 'B' | 'M' << 8},
                                      {2, 4, 1078 + pixels},
                                      {10, 4, 1078},
                                      {14, 4, 40},
                                      {18, 4, width},
                                      {22, 4, height},
                                      {26, 2, 1},
                                      {28, 2, 8},
                                      {30, 4, 0},
                                      {34, 4, pixels}};
        for (const auto& [at, size, value] : fields)
            EXPECT_EQ(field(at, size), value) << name << " at byte " << at;
    }
    // The Creepy Crawlers entry of the Tiles menu loads the program's own picture file.
    EXPECT_EQ(ReadBytes(AssetPath("varnel.bmp")), ReadBytes(AssetPath(kSheetFiles[4])));
}

TEST(Mask, IsBlackOnTheTileAndWhiteOnItsTwoCutCorners) {
    const QImage mask = LoadIndexed("mask.bmp");
    ASSERT_EQ(mask.size(), QSize(kCellWidth, kCellHeight));
    for (int y = 0; y < kCellHeight; ++y)
        for (int x = 0; x < kCellWidth; ++x)
            EXPECT_EQ(mask.pixel(x, y), OutsideTile(x, y) ? qRgb(255, 255, 255) : qRgb(0, 0, 0))
                << "at " << x << "," << y;
}

// Square pictures of every size that stand on any title bar without a box round them, the blue
// ring on the face surviving down to 16 pixels.
TEST(Icons, AreClearRoundTheTileAndShowTheRingAtEverySize) {
    for (int size : kIconSizes) {
        const std::string name = IconFile(size);
        QImage icon;
        ASSERT_TRUE(icon.load(AssetPath(name), "PNG")) << name;
        ASSERT_EQ(icon.size(), QSize(size, size)) << name;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << name;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << name;
        int opaque = 0, blue = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb p = icon.pixel(x, y);
                opaque += qAlpha(p) == 255;
                blue += qAlpha(p) == 255 && qBlue(p) > 150 && qRed(p) < 100;
            }
        EXPECT_GT(opaque, size * size / 2) << name;
        EXPECT_GT(blue, size * size / 25) << name;
    }
}

// Run artgen into a fresh folder and compare every file byte for byte: a change to the drawing
// code without regenerated assets fails here.
TEST(Regeneration, ArtgenDrawsTheCommittedFilesByteForByte) {
    const QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    QProcess artgen;
    artgen.start(QStringLiteral(VARNEL_ARTGEN), {temporary.path()});
    ASSERT_TRUE(artgen.waitForFinished(120'000));
    ASSERT_EQ(artgen.exitCode(), 0);

    std::set<std::string> expected{"mask.bmp", "contact-sheet.png", "varnel.bmp"};
    expected.insert(kSheetFiles.begin(), kSheetFiles.end());
    for (int size : kIconSizes) expected.insert(IconFile(size));
    std::set<std::string> written;
    const QDir folder(temporary.path());
    for (QDirIterator it(folder.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        written.insert(folder.relativeFilePath(it.next()).toStdString());
    EXPECT_EQ(written, expected);

    for (const std::string& name : expected) {
        const QByteArray fresh = ReadBytes(folder.filePath(QString::fromStdString(name)));
        EXPECT_TRUE(fresh == ReadBytes(AssetPath(name)))
            << name << " differs from what artgen draws now; run artgen into assets/ and commit";
    }
}

}  // namespace
}  // namespace varnel::assets_test
