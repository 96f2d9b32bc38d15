#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "BoardSurfaces.h"
#include "DrawnArt.h"
#include "SheetCache.h"

namespace varnel {
namespace {

// A sheet kept by one run comes back only for the same grid, and only whole.
TEST(SheetCache, KeptSheetComesBackOnlyForItsOwnGridAndWhole) {
    QTemporaryDir folder;
    const SheetCache cache(folder.path());
    GameState state;
    state.TileWidth *= 2, state.TileHeight *= 2, state.BoardScale = 2;
    const art::SheetGrid grid = BoardSheetGrid(state, QSizeF(792, 440), 1);
    QImage sheet(grid.width, grid.height, QImage::Format_RGB32);
    sheet.fill(qRgb(10, 20, 30));
    sheet.setPixel(3, 4, qRgb(200, 0, 0));

    EXPECT_TRUE(cache.Load(0, grid).isNull()) << "nothing kept yet";
    cache.Store(0, grid, sheet);
    EXPECT_EQ(cache.Load(0, grid), sheet);
    art::SheetGrid wider = grid;
    wider.columnLeft[8] += 1;
    EXPECT_TRUE(cache.Load(0, wider).isNull()) << "another grid";

    // The board takes a kept sheet instead of drawing the set.
    BoardSurfaces surfaces;
    surfaces.sheetCache = cache;
    surfaces.sheetGrid = grid;
    EXPECT_EQ(surfaces.Sheet(0), sheet);

    QFile file(folder.filePath("sheet-0.rgb"));
    ASSERT_TRUE(file.resize(file.size() - 1));
    EXPECT_TRUE(cache.Load(0, grid).isNull()) << "a damaged file";
    EXPECT_TRUE(SheetCache().Load(0, grid).isNull()) << "no folder: nothing kept";
}

}  // namespace
}  // namespace varnel
