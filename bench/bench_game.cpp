// The real game, headless: how fast game time runs in the scenes that tick
// every millisecond, and whether memory stays flat over an hour of it.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <unistd.h>

#include "QuietHost.h"
#include "runtime/Runtime.h"
#include "scenes/Game.h"
#include "runtime/Scene.h"

namespace {

using zorb::bench::QuietHost;

double residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024.0;
}

// One hour of game time in a scene, left alone (the second town's watchers
// and the battle's HP display tick every millisecond).
void BM_OneHourIn(benchmark::State& state, const char* scene) {
    constexpr zorb::GameTime kHour = 3'600'000;
    double before = 0, after = 0;
    for (auto _ : state) {
        QuietHost host;
        zorb::Runtime runtime(host);
        zorb::Game game(runtime);
        game.startAt(*game.findScene(scene));
        runtime.advance(60'000);
        before = residentKiB();
        runtime.advance(kHour - 60'000);
        after = residentKiB();
        benchmark::DoNotOptimize(runtime.now());
    }
    state.counters["game_x_realtime"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kHour / 1000.0, benchmark::Counter::kIsRate);
    state.counters["rss_kib_after_1min"] = before;
    state.counters["rss_kib_after_60min"] = after;
}
BENCHMARK_CAPTURE(BM_OneHourIn, second_town, "Form13")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_OneHourIn, ghost_battle, "Form10")->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
