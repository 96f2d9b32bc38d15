#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

// From process start to the first drawn board: the probe starts the game as the program does
// and ends once the board is on screen. Run with QT_QPA_PLATFORM set as wanted (offscreen, or
// xcb on a display); the probe reads its tune and help beside the game in the build tree.
namespace {

void BM_StartToFirstBoard(benchmark::State& bench) {
    for (auto _ : bench) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child == 0) {
            execl(VARNEL_PROBE, VARNEL_PROBE, VARNEL_APP_DIR, nullptr);
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            bench.SkipWithError("the probe did not start the game");
            break;
        }
        bench.SetIterationTime(std::chrono::duration<double>(elapsed).count());
    }
}
BENCHMARK(BM_StartToFirstBoard)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
