#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "display/BoardSurfaces.h"
#include "display/DrawnArt.h"
#include "display/SheetCache.h"

namespace varnel {
namespace {

// Files standing in for the program and its two fonts, and a sheet drawn with them for a board
// at twice the design size.
class SheetCacheTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"varnel", "sans.ttf", "serif.ttf"}) write(name, "version 1");
        geometry.place(DesignPlacement{2, 0, 0, false});
        grid = boardSheetGrid(geometry, QSizeF(792, 440), 1);
        sheet = QImage(grid.width, grid.height, QImage::Format_RGB32);
        sheet.fill(qRgb(10, 20, 30));
        sheet.setPixel(3, 4, qRgb(200, 0, 0));
    }
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    // The file as a program update leaves it: written, and dated at the given time if any.
    void write(const char* name, const QByteArray& content, const QDateTime& modified = {}) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.flush();  // now, or the write at closing would date the file again
        if (modified.isValid()) {
            ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
        }
    }
    SheetCache cache(const SheetCache::DrawnWith& with) const {
        return SheetCache(path("cache"), with);
    }

    QTemporaryDir folder;
    SheetCache::DrawnWith drawnWith{path("varnel"), "6.4.2", {path("sans.ttf"), path("serif.ttf")}};
    BoardGeometry geometry;
    art::SheetGrid grid;
    QImage sheet;
};

// However often the window changes its size, only the sheets of the newest few sizes are kept.
TEST_F(SheetCacheTest, KeepsTheNewestSizesOnly) {
    art::SheetGrid newest = grid;
    for (int i = 0; i < SheetCache::kSizesKept + 3; ++i) {
        newest.width = grid.width + i;
        cache(drawnWith).store(0, newest, sheet.copy(0, 0, newest.width, newest.height));
    }
    EXPECT_EQ(QDir(path("cache")).entryList({QStringLiteral("sheet-*.rgb")}, QDir::Files).size(),
              SheetCache::kSizesKept);
    EXPECT_FALSE(cache(drawnWith).load(0, newest).isNull());
    EXPECT_TRUE(cache(drawnWith).load(0, grid).isNull()) << "the oldest size went";
}

// A kept sheet comes back only while all it was drawn with stays: the set, the grid and its
// scale, the program's build, Qt and the fonts; else the game draws it again, never shows it stale.
TEST_F(SheetCacheTest, AKeptSheetComesBackOnlyWhileAllItWasDrawnWithStays) {
    EXPECT_TRUE(cache(drawnWith).load(0, grid).isNull()) << "nothing kept yet";
    cache(drawnWith).store(0, grid, sheet);
    ASSERT_EQ(cache(drawnWith).load(0, grid), sheet);

    const std::pair<const char*, std::function<void(art::SheetGrid&, SheetCache::DrawnWith&)>>
        changes[] = {
            {"a column moved", [](auto& grid, auto&) { grid.columnLeft[8] += 1; }},
            {"a deeper side", [](auto& grid, auto&) { grid.shape.depth += 1; }},
            {"another scale, same cells", [](auto& grid, auto&) { grid.scale = 2.01f; }},
            {"another Qt", [](auto&, auto& with) { with.qtVersion = "6.4.3"; }},
            {"a font fewer", [](auto&, auto& with) { with.fontFiles.removeLast(); }},
        };
    for (const auto& [what, change] : changes) {
        art::SheetGrid otherGrid = grid;
        SheetCache::DrawnWith otherWith = drawnWith;
        change(otherGrid, otherWith);
        EXPECT_TRUE(cache(otherWith).load(0, otherGrid).isNull()) << what;
    }
    // The set: the file of another slot holding this one's sheet is not taken for it.
    const QString size = QStringLiteral("%1x%2.rgb").arg(grid.width).arg(grid.height);
    ASSERT_TRUE(QFile::copy(path("cache/sheet-0-") + size, path("cache/sheet-1-") + size));
    EXPECT_TRUE(cache(drawnWith).load(1, grid).isNull()) << "another set";

    // A new build of the program, and a font updated, as the files show them.
    for (const char* file : {"varnel", "serif.ttf"}) {
        write(file, "version 2", QDateTime::currentDateTime().addSecs(60));
        EXPECT_TRUE(cache(drawnWith).load(0, grid).isNull()) << file;
        cache(drawnWith).store(0, grid, sheet);
        EXPECT_EQ(cache(drawnWith).load(0, grid), sheet) << "drawn again and kept";
    }

    // The board takes a kept sheet instead of drawing the set.
    BoardSurfaces surfaces(1, cache(drawnWith));
    surfaces.fitTo(geometry, 0);
    EXPECT_EQ(surfaces.sheet(0), sheet);

    // A file of any other length is not one the game wrote.
    QFile file(path("cache/sheet-0-") + size);
    const qint64 length = file.size();
    for (const qint64 damaged : {length - 1, length + 1}) {
        ASSERT_TRUE(file.resize(damaged));
        EXPECT_TRUE(cache(drawnWith).load(0, grid).isNull()) << "a damaged file of " << damaged;
    }
    EXPECT_TRUE(SheetCache().load(0, grid).isNull()) << "no folder: nothing kept";
}

}  // namespace
}  // namespace varnel
