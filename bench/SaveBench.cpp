#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "app/savegame/SavedGame.h"
#include "board/Deal.h"
#include "play/LayoutTable.h"

// What S&ave Game costs the player, whatever the old file: one of the usual size, and a huge one
// (2 GB, nearly all of it a hole) that an earlier version would have copied in full. The time
// includes making the new file durable, so it depends on the disk as much as on the code.
namespace varnel::bench {
namespace {

void BM_SaveOverOldFile(benchmark::State& bench) {
    std::string pattern = (std::filesystem::temp_directory_path() / "varnel-bench-XXXXXX");
    const std::filesystem::path folder = ::mkdtemp(pattern.data());
    const std::filesystem::path path = folder / kSavedGameFileName;

    const LayoutRow& row = *findLayout(kRivers);
    Board rivers = dealFaces(row.tileCount(), 7);
    row.rules.markStartFree(rivers);
    if (!writeSavedGame(path, kRivers, rivers))
        bench.SkipWithError("cannot save in the temporary folder");

    for (auto _ : bench) {
        bench.PauseTiming();
        std::filesystem::resize_file(path, static_cast<std::uintmax_t>(bench.range(0)));
        bench.ResumeTiming();
        if (!writeSavedGame(path, kRivers, rivers)) bench.SkipWithError("the save failed");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveOverOldFile)
    ->ArgName("old_bytes")
    ->Arg(582)
    ->Arg(2LL << 30)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varnel::bench
