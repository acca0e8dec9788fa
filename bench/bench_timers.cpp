// Speed of the timer queue: how much game time the headless runtime gets
// through per second of wall time.
#include <benchmark/benchmark.h>

#include "runtime/Controls.h"
#include "QuietHost.h"
#include "runtime/Runtime.h"

namespace {

using zorb::bench::QuietHost;

// Two 1-ms timers, as the second town runs them all the time: one watches a
// flag, one watches the HP, both reading decimal text as the game does.
class TwoWatchers : public zorb::Scene {
public:
    explicit TwoWatchers(zorb::Runtime& rt) : Scene(rt, "Watchers", {100, 100}, {}) {}
    zorb::TextBox Text1{this, 1, {0, 0, 100, 100}, "100"};
    zorb::TextBox Text2{this, 2, {0, 0, 100, 100}, "0"};
    zorb::Label Label1{this, 1, {0, 0, 100, 100}, "0"};
    zorb::Timer Timer1{this, 1, 1, &TwoWatchers::Timer1_Timer};
    zorb::Timer Timer2{this, 2, 1, &TwoWatchers::Timer2_Timer};

private:
    void Timer1_Timer() {
        if (Text2.value() == 1) Label1.show();
    }
    void Timer2_Timer() {
        if (Text1.value() < 0) unload();
    }
};

void BM_OneHourTwoMillisecondTimers(benchmark::State& state) {
    QuietHost host;
    zorb::Runtime rt(host);
    TwoWatchers scene(rt);
    scene.show();
    constexpr zorb::GameTime kHour = 3'600'000;
    for (auto _ : state) {
        rt.advance(kHour);
    }
    state.counters["game_s_per_wall_s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kHour / 1000.0, benchmark::Counter::kIsRate);
    state.counters["ticks_per_s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kHour * 2, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OneHourTwoMillisecondTimers)->Unit(benchmark::kMillisecond);

}  // namespace
