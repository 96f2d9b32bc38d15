#include <benchmark/benchmark.h>

#include <cstring>

#include "BoardScaling.h"
#include "BoardSurfaces.h"
#include "BuiltinArt.h"
#include "Conversions.h"
#include "DragonLayout.h"
#include "EngineTable.h"
#include "RasterOps.h"

// A full redraw of a fresh Dragon board, beside the bound it is held to: the same bytes moved by
// plain memcpy in tile-sized pieces (four transfers a tile), the board cleared and handed to the
// front surface once.
namespace varnel::bench {
namespace {

struct Board {
    explicit Board(bool scaled) : table(kDragon, 7) {
        surfaces.picBoard = MakeSurface(design::kBoardWidth, design::kBoardHeight);
        surfaces.picHold = MakeSurface(design::kTileWidth, design::kTileHeight);
        surfaces.picWork = MakeSurface(design::kTileWidth, design::kTileHeight);
        surfaces.picMask = LoadTileMask();
        for (int slot = 0; slot < kTileSetCount; ++slot) surfaces.picTile[slot] = LoadBuiltinSheet(slot);
        GameState& state = table.state;
        if (scaled) {
            // As on a 1280 x 1024 screen.
            WindowGeometry geometry;
            FormResize(*ScaleForScreen(1280, 1024), state, geometry, surfaces, 0);
            table.game.RebuildAroundDeal();
        }
    }
    Table table;
    BoardSurfaces surfaces;
};

void BM_DisplayBoard(benchmark::State& bench) {
    Board board(bench.range(0) != 0);
    for (auto _ : bench) {
        board.surfaces.DisplayBoard(board.table.state, 0);
        benchmark::DoNotOptimize(board.surfaces.picBoardOld.constBits());
    }
    bench.SetLabel(std::to_string(board.surfaces.picBoard.width()) + " x " +
                   std::to_string(board.surfaces.picBoard.height()));
}
BENCHMARK(BM_DisplayBoard)->ArgName("scaled")->Arg(0)->Arg(1);

void CopyTile(QImage& to, int x, int y, int w, int h, const QImage& from, int fx, int fy) {
    uchar* out = to.bits();
    const uchar* in = from.constBits();
    for (int row = 0; row < h; ++row)
        std::memcpy(out + (y + row) * to.bytesPerLine() + x * 4,
                    in + (fy + row) * from.bytesPerLine() + fx * 4, static_cast<size_t>(w) * 4);
}

void BM_MemcpyBound(benchmark::State& bench) {
    Board board(bench.range(0) != 0);
    BoardSurfaces& s = board.surfaces;
    const GameState& state = board.table.state;
    const int w = CLng(state.TileWidth), h = CLng(state.TileHeight);
    QImage front = s.picBoard.copy();
    for (auto _ : bench) {
        s.picBoard.fill(s.background);
        for (int i = 0; i < state.TileCount; ++i) {
            const TileRec& t = state.Tiles[i];
            // Every tile lies wholly on the board here, so no clipping is needed.
            CopyTile(s.picHold, 0, 0, w, h, s.picBoard, t.X, t.Y);
            CopyTile(s.picHold, 0, 0, w, h, s.picMask, 0, 0);
            CopyTile(s.picHold, 0, 0, w, h, s.picTile[0], t.PicX, t.PicY);
            CopyTile(s.picBoard, t.X, t.Y, w, h, s.picHold, 0, 0);
        }
        std::memcpy(front.bits(), s.picBoard.constBits(), s.picBoard.sizeInBytes());
        benchmark::DoNotOptimize(front.constBits());
    }
}
BENCHMARK(BM_MemcpyBound)->ArgName("scaled")->Arg(0)->Arg(1);

}  // namespace
}  // namespace varnel::bench
