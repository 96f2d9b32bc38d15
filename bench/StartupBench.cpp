#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// From process start to the first drawn board, beside a bare Qt window with a menu bar started
// the same way in the same run, and the resident memory after the first board. The probes read
// the tune and help beside the game in the build tree. Run with QT_QPA_PLATFORM set as wanted
// (offscreen, or xcb on a display); the music needs an audio output to be heard and measured
// (without one it gives up and frees itself).
namespace {

struct ProbeRun {
    double seconds = 0;
    double cpuSeconds = 0;  // user and system time of the probe: steadier on a busy machine
    std::string output;
    bool ok = false;
};

ProbeRun runProbe(std::vector<const char*> argv) {
    argv.push_back(nullptr);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return {};
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        execv(argv[0], const_cast<char* const*>(argv.data()));
        _exit(127);
    }
    close(pipeEnds[1]);
    ProbeRun run;
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        run.output.append(buffer, n);
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (const timeval& t : {usage.ru_utime, usage.ru_stime})
        run.cpuSeconds += t.tv_sec + t.tv_usec / 1e6;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The settings of a player who chose music on or off, in a folder of their own for the run.
class MusicSetting {
  public:
    explicit MusicSetting(bool on) {
        char pattern[] = "/tmp/varnel-bench-XXXXXX";
        folder_ = mkdtemp(pattern);
        std::filesystem::create_directories(folder_ / "Varnel Solitaire");
        std::ofstream(folder_ / "Varnel Solitaire" / "Varnel Solitaire.conf")
            << "[Startup]\nSound=" << (on ? "-1" : "\" 0\"") << "\n";
        setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    }
    MusicSetting(const MusicSetting&) = delete;
    MusicSetting& operator=(const MusicSetting&) = delete;
    ~MusicSetting() { std::filesystem::remove_all(folder_); }

  private:
    std::filesystem::path folder_;
};

// Each iteration starts the bare window and then the game, so that both meet the same load on
// the machine; the time reported is the game's, with the bare window's and the ratio beside it.
void BM_StartToFirstBoard(benchmark::State& bench) {
    const MusicSetting music(bench.range(0) != 0);
    std::vector<double> game, bare, gameCpu, bareCpu;
    for (auto _ : bench) {
        const ProbeRun floor = runProbe({VARNEL_BARE_PROBE});
        const ProbeRun run = runProbe({VARNEL_PROBE, VARNEL_APP_DIR});
        if (!floor.ok || !run.ok) {
            bench.SkipWithError("a probe did not start");
            break;
        }
        bare.push_back(floor.seconds);
        game.push_back(run.seconds);
        bareCpu.push_back(floor.cpuSeconds);
        gameCpu.push_back(run.cpuSeconds);
        bench.SetIterationTime(run.seconds);
    }
    bench.counters["bare_ms"] = median(bare) * 1000;
    bench.counters["ratio"] = median(game) / std::max(median(bare), 1e-9);
    bench.counters["cpu_ms"] = median(gameCpu) * 1000;
    bench.counters["bare_cpu_ms"] = median(bareCpu) * 1000;
}
BENCHMARK(BM_StartToFirstBoard)
    ->ArgName("music")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// Resident memory once the first board is shown and, with music on, the tune has started.
void BM_ResidentMemoryAfterFirstBoard(benchmark::State& bench) {
    const MusicSetting music(bench.range(0) != 0);
    std::vector<double> game, bare;
    for (auto _ : bench) {
        const ProbeRun floor = runProbe({VARNEL_BARE_PROBE, "--memory"});
        const ProbeRun run = runProbe({VARNEL_PROBE, VARNEL_APP_DIR, "--memory"});
        if (!floor.ok || !run.ok) {
            bench.SkipWithError("a probe did not start");
            break;
        }
        bare.push_back(std::atof(floor.output.c_str()) / 1024);
        game.push_back(std::atof(run.output.c_str()) / 1024);
        bench.SetIterationTime(run.seconds);
    }
    bench.counters["game_MiB"] = median(game);
    bench.counters["bare_MiB"] = median(bare);
}
BENCHMARK(BM_ResidentMemoryAfterFirstBoard)
    ->ArgName("music")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
