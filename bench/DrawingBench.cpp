#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstring>

#include "BoardScaling.h"
#include "BoardSurfaces.h"
#include "BuiltinArt.h"
#include "Conversions.h"
#include "DragonLayout.h"
#include "DrawnArt.h"
#include "EngineTable.h"
#include "RasterOps.h"

// A full redraw of a fresh Dragon board, composed whole as the window paints it after a move,
// beside the bound it is held to: the same bytes moved by plain memcpy in tile-sized pieces (four
// transfers a tile) on a cleared board.
namespace varnel::bench {
namespace {

struct Board {
    // screen: 0 for the design size, else the height of a 5:4 or 16:9 screen the board fills.
    explicit Board(int screen) : table(kDragon, 7) {
        surfaces.board = BoardPicture::Blank(QSize(design::kBoardWidth, design::kBoardHeight),
                                             qRgb(0, 0, 0), MakeSurface(design::kTileWidth, design::kTileHeight));
        surfaces.picMask = LoadTileMask();
        GameState& state = table.state;
        if (screen != 0) {
            WindowGeometry geometry;
            const QSize size = screen == 1024 ? QSize(1280, 1024) : QSize(screen * 16 / 9, screen);
            FormResize(*ScaleForScreen(size.width(), size.height()), state, geometry, surfaces, 0);
            table.game.RebuildAroundDeal();
        }
    }
    Table table;
    BoardSurfaces surfaces;
};

void BM_DisplayBoard(benchmark::State& bench) {
    Board board(static_cast<int>(bench.range(0)));
    const QSize size = board.surfaces.board.size;
    QImage screen = MakeSurface(size.width(), size.height());
    for (auto _ : bench) {
        board.surfaces.DisplayBoard(board.table.state, 0);
        board.surfaces.board.Compose(screen, QPoint(0, 0));
        benchmark::DoNotOptimize(screen.constBits());
    }
    bench.SetLabel(std::to_string(size.width()) + " x " + std::to_string(size.height()));
}
BENCHMARK(BM_DisplayBoard)->ArgName("screen")->Arg(0)->Arg(1024)->Arg(1080);

void CopyTile(QImage& to, int x, int y, int w, int h, const QImage& from, int fx, int fy) {
    uchar* out = to.bits();
    const uchar* in = from.constBits();
    for (int row = 0; row < h; ++row)
        std::memcpy(out + (y + row) * to.bytesPerLine() + x * 4,
                    in + (fy + row) * from.bytesPerLine() + fx * 4, static_cast<size_t>(w) * 4);
}

void BM_MemcpyBound(benchmark::State& bench) {
    Board board(static_cast<int>(bench.range(0)));
    BoardSurfaces& s = board.surfaces;
    const GameState& state = board.table.state;
    const int w = CLng(state.TileWidth), h = CLng(state.TileHeight);
    QImage screen = MakeSurface(s.board.size.width(), s.board.size.height());
    QImage hold = MakeSurface(w, h);
    for (auto _ : bench) {
        screen.fill(s.background);
        for (int i = 0; i < state.TileCount; ++i) {
            const TileRec& t = state.Tiles[i];
            // Every tile lies wholly on the board here, so no clipping is needed.
            CopyTile(hold, 0, 0, w, h, screen, t.X, t.Y);
            CopyTile(hold, 0, 0, w, h, s.picMask, 0, 0);
            CopyTile(hold, 0, 0, w, h, s.Sheet(0), t.PicX, t.PicY);
            CopyTile(screen, t.X, t.Y, w, h, hold, 0, 0);
        }
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(BM_MemcpyBound)->ArgName("screen")->Arg(0)->Arg(1024)->Arg(1080);

// One built-in set drawn at the board's scale, as the first maximize on a 1920 x 1080 screen
// (2.25) or a 4K one (4.5) does for the set in use.
void BM_DrawBuiltinSheet(benchmark::State& bench) {
    const float scale = static_cast<float>(bench.range(1)) / 100;
    GameState state;
    state.TileWidth *= scale;
    state.TileHeight *= scale;
    state.BoardScale = scale;
    const art::SheetGrid grid = BoardSheetGrid(state, QSizeF(396 * scale, 220 * scale), 1);
    for (auto _ : bench) benchmark::DoNotOptimize(MakeBuiltinSheet(bench.range(0), grid));
}
BENCHMARK(BM_DrawBuiltinSheet)
    ->ArgNames({"set", "scale%"})
    ->ArgsProduct({{0, 1, 2, 3, 4}, {225}})
    ->Args({0, 450})
    ->Unit(benchmark::kMillisecond);

// A picture file's sheet stretched to the same size, as Load Tileset does on a scaled board (and
// as every set was stretched before the built-in ones were drawn).
void BM_StretchSheet(benchmark::State& bench) {
    const QImage picture = LoadBuiltinSheet(0);
    const QSize size(CLng(396 * 2.25), CLng(220 * 2.25));
    for (auto _ : bench) {
        QImage sheet = MakeSurface(size.width(), size.height());
        StretchBlt(sheet, 0, 0, size.width(), size.height(), picture, 0, 0, picture.width(),
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
