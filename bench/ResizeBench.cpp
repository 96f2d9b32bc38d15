#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include "bench/ResidentMemory.h"
#include "board/Deal.h"
#include "display/BoardArea.h"
#include "play/LayoutTable.h"

// The board following its window on a 1920 x 1080 screen: from a resize to the first frame (the
// board laid out anew and its tile set stretched from what is drawn, then painted whole), and
// from the size holding still to the sharp board (the set drawn at the new size). The window is
// dragged a few pixels at a time, as by its edge. Run with QT_QPA_PLATFORM=offscreen.
namespace varnel::bench {
namespace {

struct Window {
    Window() : area(&form, 1, SheetCache()) {
        const LayoutRow& dragon = *findLayout(kDragon);
        board = dealFaces(dragon.tileCount(), 1);
        dragon.rules.markStartFree(board);
        form.resize(1920, 1038);
        area.useLayout(dragon);
        area.place(placementInArea(1920, 1038), 0, BoardArea::Drawing::Sharp);
        area.redraw(board, 0);
    }
    // One step of a drag: the next width, back and forth over 40 pixels.
    DesignPlacement nextStep() {
        step = (step + 1) % 80;
        const int width = 1880 + (step < 40 ? step : 80 - step);
        return placementInArea(width, 1038);
    }
    QWidget form;
    BoardArea area;
    Board board;
    int step = 0;
};

void BM_ResizeToFirstFrame(benchmark::State& bench) {
    Window window;
    for (auto _ : bench) {
        window.area.place(window.nextStep(), 0, BoardArea::Drawing::Quick);
        window.area.redraw(window.board, 0);
        benchmark::DoNotOptimize(window.area.picture().constBits());
    }
}
BENCHMARK(BM_ResizeToFirstFrame)->Unit(benchmark::kMillisecond);

void BM_SizeHeldToSharpBoard(benchmark::State& bench) {
    Window window;
    for (auto _ : bench) {
        bench.PauseTiming();
        window.area.place(window.nextStep(), 0, BoardArea::Drawing::Quick);
        bench.ResumeTiming();
        window.area.sharpen(0);
        window.area.redraw(window.board, 0);
        benchmark::DoNotOptimize(window.area.picture().constBits());
    }
}
BENCHMARK(BM_SizeHeldToSharpBoard)->Unit(benchmark::kMillisecond);

// Resident memory after 100 resizes, each drawn quick and then sharp, against after the first.
void BM_MemoryOverResizes(benchmark::State& bench) {
    for (auto _ : bench) {
        Window window;
        window.area.picture();
        const long first = residentKiB();
        for (int i = 0; i < 100; ++i) {
            window.area.place(window.nextStep(), 0, BoardArea::Drawing::Quick);
            window.area.redraw(window.board, 0);
            window.area.picture();
            window.area.sharpen(0);
            window.area.redraw(window.board, 0);
            window.area.picture();
        }
        bench.counters["growth_KiB"] = static_cast<double>(residentKiB() - first);
    }
}
BENCHMARK(BM_MemoryOverResizes)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varnel::bench

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
