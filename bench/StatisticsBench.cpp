#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QTemporaryDir>

#include "record/GameRecord.h"
#include "app/statistics/LayoutStatistics.h"
#include "app/statistics/StatisticsWindow.h"
#include "app/statistics/TimesChart.h"

// What a long-kept record costs the player: opening it once the first board is up, and opening
// the statistics window over it, to its first picture on screen. The window is to open within
// 100 ms with 10,000 games. The record's file is on the disk of the temporary folder.
namespace varnel::bench {
namespace {

// Made-up games of every layout, a third of them won, some with help, times of a few minutes.
std::vector<PlayedGame> madeUpGames(int count) {
    std::vector<PlayedGame> games;
    std::uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
    for (int i = 0; i < count; ++i) {
        PlayedGame game;
        game.layout = static_cast<int>(next() % 3);
        game.deal = next() * 0x8000u + next();
        game.startedUtc = 1'600'000'000 + i * 900LL;
        game.ending = static_cast<GameEnding>(next() % 3);
        game.seconds = 60 + static_cast<int>(next() % 900);
        game.pairsTaken = game.ending == GameEnding::Won ? 72 : 1 + static_cast<int>(next() % 60);
        game.hints = next() % 5 == 0;
        game.undos = next() % 7 == 0 ? 2 : 0;
        games.push_back(game);
    }
    return games;
}

// A folder holding a record of `count` games, made once per size.
const QString& recordFolder(int count) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    auto& folder = folders[count];
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        GameRecord record;
        for (const PlayedGame& game : madeUpGames(count)) record.add(game);
        record.open(folder->path());  // the games ended before opening go in one transaction
    }
    static std::map<int, QString> paths;
    return paths[count] = folder->path();
}

void BM_OpenRecord(benchmark::State& bench) {
    const QString& folder = recordFolder(static_cast<int>(bench.range(0)));
    for (auto _ : bench) {
        GameRecord record;
        record.open(folder);
        if (!record.isKept()) bench.SkipWithError(record.notice().toUtf8().constData());
        benchmark::DoNotOptimize(record.games().size());
    }
}
BENCHMARK(BM_OpenRecord)->ArgName("games")->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

// Sets `painted` when the watched widget has been painted.
class PaintWatch : public QObject {
  public:
    bool painted = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void BM_OpenStatisticsWindow(benchmark::State& bench) {
    GameRecord record;
    record.open(recordFolder(static_cast<int>(bench.range(0))));
    QMainWindow main;
    main.resize(640, 480);
    main.show();
    QCoreApplication::processEvents();
    for (auto _ : bench) {
        // From the command to the window's first picture, its chart included.
        auto* window = new StatisticsWindow(record, &main);
        PaintWatch watch;
        window->page(0)->chart()->installEventFilter(&watch);
        window->present(0);
        QElapsedTimer waited;
        waited.start();
        while (!watch.painted && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!watch.painted) bench.SkipWithError("the window was never painted");
        bench.PauseTiming();
        delete window;
        QCoreApplication::processEvents();
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_OpenStatisticsWindow)
    ->ArgName("games")
    ->Arg(100)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace varnel::bench

int main(int argc, char* argv[]) {
    // Headless unless a display is asked for with QT_QPA_PLATFORM.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
