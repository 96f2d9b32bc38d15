#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstring>

#include "bench/EngineTable.h"
#include "board/Rounding.h"
#include "display/BoardGeometry.h"
#include "display/BoardSurfaces.h"
#include "display/BuiltinArt.h"
#include "display/DrawnArt.h"
#include "display/RasterOps.h"

// A full redraw of a fresh Dragon board, composed whole as the window paints it after a move,
// beside the bound it is held to: the same bytes moved by plain memcpy in tile-sized pieces (four
// transfers a tile) on a cleared board.
namespace varnel::bench {
namespace {

struct DrawnBoard {
    // screen: 0 for the design size, else the height of a 5:4 or 16:9 screen the board fills.
    explicit DrawnBoard(int screen) : table(kDragon, 7), surfaces(1, SheetCache()) {
        if (screen != 0) {
            const QSize size = screen == 1024 ? QSize(1280, 1024) : QSize(screen * 16 / 9, screen);
            geometry.place(placementOnScreen(size.width(), size.height()));
        }
        geometry.useLayout(*findLayout(kDragon));
        surfaces.fitTo(geometry, 0);
    }
    Table table;
    BoardGeometry geometry;
    BoardSurfaces surfaces;
};

void BM_DisplayBoard(benchmark::State& bench) {
    DrawnBoard drawn(static_cast<int>(bench.range(0)));
    const QSize size = drawn.surfaces.board().size;
    QImage screen = makeSurface(size.width(), size.height());
    for (auto _ : bench) {
        drawn.surfaces.compose(drawn.table.game.board(), drawn.geometry, 0);
        drawn.surfaces.board().compose(screen, QPoint(0, 0));
        benchmark::DoNotOptimize(screen.constBits());
    }
    bench.SetLabel(std::to_string(size.width()) + " x " + std::to_string(size.height()));
}
BENCHMARK(BM_DisplayBoard)->ArgName("screen")->Arg(0)->Arg(1024)->Arg(1080);

void copyTile(QImage& to, int x, int y, int w, int h, const QImage& from, int fx, int fy) {
    uchar* out = to.bits();
    const uchar* in = from.constBits();
    for (int row = 0; row < h; ++row)
        std::memcpy(out + (y + row) * to.bytesPerLine() + x * 4,
                    in + (fy + row) * from.bytesPerLine() + fx * 4, static_cast<size_t>(w) * 4);
}

void BM_MemcpyBound(benchmark::State& bench) {
    DrawnBoard drawn(static_cast<int>(bench.range(0)));
    BoardSurfaces& s = drawn.surfaces;
    const Board& board = drawn.table.game.board();
    const int w = roundToInt32(drawn.geometry.tileWidth());
    const int h = roundToInt32(drawn.geometry.tileHeight());
    QImage screen = makeSurface(s.board().size.width(), s.board().size.height());
    QImage hold = makeSurface(w, h);
    const QImage& sheet = s.sheet(0);
    for (auto _ : bench) {
        screen.fill(s.board().background);
        for (int16_t i = 0; i < board.tileCount(); ++i) {
            const TilePlace at = drawn.geometry.place(i);
            const SheetCell cell = drawn.geometry.sheetCell(board[i].face);
            // Every tile lies wholly on the board here, so no clipping is needed.
            copyTile(hold, 0, 0, w, h, screen, at.x, at.y);
            copyTile(hold, 0, 0, w, h, s.mask(), 0, 0);
            copyTile(hold, 0, 0, w, h, sheet, cell.x, cell.y);
            copyTile(screen, at.x, at.y, w, h, hold, 0, 0);
        }
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(BM_MemcpyBound)->ArgName("screen")->Arg(0)->Arg(1024)->Arg(1080);

// One built-in set drawn at the board's scale, as the first maximize on a 1920 x 1080 screen
// (2.25) or a 4K one (4.5) does for the set in use.
void BM_DrawBuiltinSheet(benchmark::State& bench) {
    const float scale = static_cast<float>(bench.range(1)) / 100;
    BoardGeometry geometry;
    geometry.place(DesignPlacement{scale, 0, 0, false});
    const art::SheetGrid grid = boardSheetGrid(geometry, QSizeF(396 * scale, 220 * scale), 1);
    const int set = static_cast<int>(bench.range(0));
    for (auto _ : bench) benchmark::DoNotOptimize(makeBuiltinSheet(set, grid));
}
BENCHMARK(BM_DrawBuiltinSheet)
    ->ArgNames({"set", "scale%"})
    ->ArgsProduct({{0, 1, 2, 3, 4}, {225}})
    ->Args({0, 450})
    ->Unit(benchmark::kMillisecond);

// A picture file's sheet stretched to the same size, as Load Tileset does on a scaled board (and
// as every set was stretched before the built-in ones were drawn).
void BM_StretchSheet(benchmark::State& bench) {
    const QImage picture = loadBuiltinSheet(0);
    const QSize size(roundToInt32(396 * 2.25), roundToInt32(220 * 2.25));
    for (auto _ : bench) {
        QImage sheet = makeSurface(size.width(), size.height());
        stretchRect(sheet, 0, 0, size.width(), size.height(), picture, 0, 0, picture.width(),
                    picture.height());
        benchmark::DoNotOptimize(sheet.constBits());
    }
}
BENCHMARK(BM_StretchSheet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varnel::bench

// The sets letter some faces with typefaces, which need the application's font database.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
