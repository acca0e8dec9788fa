// Benchmarks of the window system, run by hand:
//
//   build/zorb_bench_desktop            (starts its own Xvfb when DISPLAY is unset)
//
// In process (Google Benchmark): drawing the busiest scene with the software
// renderer, at scale 1 and 2. Then, on the real binary in a window:
//   - exec to first frame presented (goal: 150 ms or less),
//   - CPU of the game idling in the second town, whose 1-ms timers run all
//     the time (goal: 1 % of a core or less),
//   - peak memory (goal: 80 MB or less);
// and in process, in a real window: an arrow key to the hero drawn on his
// new cell (goal: 30 ms or less).
// Pass --no-window to skip the measurements of the real binary.
#include <benchmark/benchmark.h>
#include <SDL.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "desktop/Clock.h"
#include "desktop/Desktop.h"
#include "desktop/DesktopImpl.h"
#include "desktop/Face.h"
#include "desktop/Layout.h"
#include "desktop/Look.h"
#include "desktop/Painter.h"
#include "desktop/Pictures.h"
#include "runtime/Controls.h"
#include "runtime/Runtime.h"
#include "scenes/Game.h"
#include "scenes/maps/Form13.h"

namespace {

using namespace zorb;
using namespace zorb::desktop;

class SilentHost : public Host {
public:
    void messageBox(const std::string&) override {}
    void beep() override {}
    void log(GameTime, const std::string&) override {}
};

// The scene with the most visible controls once it has started.
std::string busiestScene() {
    std::string best;
    std::size_t most = 0;
    SilentHost host;
    Runtime probe(host);
    Game names(probe);
    for (Scene* s : probe.scenes()) {
        SilentHost h;
        Runtime rt(h);
        Game game(rt);
        Scene& scene = *game.findScene(s->name());
        try {
            game.startAt(scene);
        } catch (const Exit&) {
            continue;
        }
        if (!scene.loaded() || scene.style().placed) continue;
        std::size_t visible = 0;
        for (const Control* c : scene.controls()) {
            if (c->kind() != ControlKind::Timer && c->visible()) ++visible;
        }
        if (visible > most) {
            most = visible;
            best = s->name();
        }
    }
    return best;
}

void drawScene(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    static const std::string name = busiestScene();
    SilentHost host;
    Runtime rt(host);
    Game game(rt);
    game.startAt(*game.findScene(name));
    Pictures pictures(ZORB_ASSETS_DIR);
    Fonts fonts(findFace());
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, kScreenWidth * scale, kScreenHeight * scale,
                                                          32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    {
        Painter painter(renderer, pictures, fonts);
        Layout layout;
        painter.paint(rt, layout);  // pictures and text made once, as in the game
        for (auto _ : state) {
            painter.paint(rt, layout);
            SDL_RenderFlush(renderer);
        }
    }
    state.SetLabel(name);
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
}
BENCHMARK(drawScene)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// --- the real binary ------------------------------------------------------------

long long monotonicMicros() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000LL + ts.tv_nsec / 1000;
}

pid_t spawn(const std::vector<std::string>& args, const std::vector<std::string>& env, int errFd) {
    const pid_t pid = fork();
    if (pid == 0) {
        for (const auto& e : env) putenv(const_cast<char*>(e.c_str()));
        if (errFd >= 0) dup2(errFd, 2);
        std::vector<char*> argv;
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

// Starts a private X server when there is no display.
pid_t startXvfb() {
    if (const char* d = std::getenv("DISPLAY"); d && *d) return 0;
    int fds[2];
    if (pipe(fds) != 0) return 0;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten",
               "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char buf[32] = {};
    const ssize_t n = read(fds[0], buf, sizeof buf - 1);
    close(fds[0]);
    if (n <= 0) return 0;
    std::string display = ":" + std::string(buf, static_cast<std::size_t>(n));
    display.erase(display.find_last_not_of("\n") + 1);
    setenv("DISPLAY", display.c_str(), 1);
    return pid;
}

void firstFrame() {
    std::vector<double> ms;
    for (int run = 0; run < 10; ++run) {
        int fds[2];
        if (pipe(fds) != 0) return;
        const long long before = monotonicMicros();
        const pid_t pid = spawn({ZORBLAND_BINARY}, {"ZORBLAND_EXIT_AFTER_FIRST_FRAME=1", "SDL_AUDIODRIVER=dummy"},
                                fds[1]);
        close(fds[1]);
        std::string err;
        char buf[256];
        for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) err.append(buf, static_cast<std::size_t>(n));
        close(fds[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        const auto at = err.find("first frame ");
        if (at == std::string::npos) {
            std::printf("first frame: the game did not present a frame: %s\n", err.c_str());
            return;
        }
        ms.push_back((std::stoll(err.substr(at + 12)) - before) / 1000.0);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("exec to first frame presented: median %.1f ms, best %.1f ms, worst %.1f ms (goal <= 150 ms)\n",
                ms[ms.size() / 2], ms.front(), ms.back());
}

double cpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream in(line.substr(line.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && in >> field; ++i) {
        if (i == 14) utime = std::stoull(field);
        if (i == 15) stime = std::stoull(field);
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long peakKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

void idleInTheSecondTown() {
    const pid_t pid = spawn({ZORBLAND_BINARY, "--start", "Form13"}, {"SDL_AUDIODRIVER=dummy"}, -1);
    std::this_thread::sleep_for(std::chrono::seconds(2));  // started and settled
    const double cpu0 = cpuSeconds(pid);
    const long long t0 = monotonicMicros();
    std::this_thread::sleep_for(std::chrono::seconds(10));
    const double cpu1 = cpuSeconds(pid);
    const long long t1 = monotonicMicros();
    const long peak = peakKilobytes(pid);
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    std::printf("idle in the second town (1-ms timers running): %.2f %% of a core over %.0f s (goal <= 1 %%)\n",
                100.0 * (cpu1 - cpu0) / ((t1 - t0) / 1e6), (t1 - t0) / 1e6);
    std::printf("peak memory there: %.1f MB (goal <= 80 MB)\n", peak / 1024.0);
}

void peakThroughTheOpening() {
    const pid_t pid = spawn({ZORBLAND_BINARY}, {"SDL_AUDIODRIVER=dummy"}, -1);
    std::this_thread::sleep_for(std::chrono::milliseconds(4500));  // the title, then the introduction
    const long peak = peakKilobytes(pid);
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    std::printf("peak memory through the title and the introduction: %.1f MB (goal <= 80 MB)\n", peak / 1024.0);
}

// Arrow key to the hero drawn on his new cell, end to end in the window: the
// desktop's own loop on the system clock, with the key events put into it
// and the time taken when the frame that shows the hero moved is presented.
class ArrowProbe : public Clock {
public:
    static constexpr int kSamples = 30;
    Runtime* runtime = nullptr;
    Form13* town = nullptr;
    DesktopImpl* desktop = nullptr;
    std::vector<double> ms;

    std::uint64_t now() override { return system_.now(); }
    bool poll(SDL_Event& event) override { return system_.poll(event); }
    bool wait(SDL_Event& event, int timeoutMs) override {
        // Called right after each frame is presented.
        const bool drawn = desktop->paintedRevision == runtime->revision() && !desktop->dirty;
        if (pressedAt_ >= 0 && drawn && town->Image61.top() != topAtPress_) {
            ms.push_back((monotonicMicros() - pressedAt_) / 1000.0);
            pressedAt_ = -1;
            nextPress_ = monotonicMicros() + 200'000;  // let the arrows come back
        }
        if (static_cast<int>(ms.size()) == kSamples) throw Exit{0};
        if (pressedAt_ < 0 && monotonicMicros() >= nextPress_ && town->Command1.visible()) {
            // Up from the start cell, down again: two plain floor cells.
            event = {};
            event.type = SDL_KEYDOWN;
            event.key.keysym.sym = ms.size() % 2 == 0 ? SDLK_UP : SDLK_DOWN;
            topAtPress_ = town->Image61.top();
            pressedAt_ = monotonicMicros();
            return true;
        }
        const long long untilPress = (nextPress_ - monotonicMicros()) / 1000 + 1;
        const int cap = pressedAt_ >= 0 ? timeoutMs : static_cast<int>(std::max(1LL, untilPress));
        return system_.wait(event, timeoutMs < 0 ? cap : std::min(timeoutMs, cap));
    }

private:
    SystemClock system_;
    long long pressedAt_ = -1;
    long long nextPress_ = monotonicMicros() + 1'000'000;  // started and settled
    float topAtPress_ = 0;
};

void arrowToHeroDrawn() {
    ArrowProbe probe;
    DesktopOptions options;
    options.scale = 2;
    options.assets = ZORB_ASSETS_DIR;
    Desktop window(options, &probe);
    Runtime runtime(window);
    Game game(runtime);
    window.attach(runtime);
    probe.runtime = &runtime;
    probe.town = &game.Form13;
    probe.desktop = &window.impl();
    try {
        window.open();
        window.run([&] { game.startAt(game.Form13); });
    } catch (const Exit&) {
    } catch (const DesktopError& e) {
        std::printf("arrow to hero drawn: %s\n", e.what());
        return;
    }
    std::sort(probe.ms.begin(), probe.ms.end());
    std::printf("arrow key to the hero drawn at scale 2: median %.1f ms, best %.1f ms, worst %.1f ms over %zu steps "
                "(goal <= 30 ms)\n",
                probe.ms[probe.ms.size() / 2], probe.ms.front(), probe.ms.back(), probe.ms.size());
}

}  // namespace

int main(int argc, char** argv) {
    bool window = true;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-window") == 0) {
            window = false;
        } else {
            args.push_back(argv[i]);
        }
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!window) return 0;

    const pid_t xvfb = startXvfb();
    firstFrame();
    arrowToHeroDrawn();
    idleInTheSecondTown();
    peakThroughTheOpening();
    if (xvfb > 0) {
        kill(xvfb, SIGTERM);
        waitpid(xvfb, nullptr, 0);
    }
    return 0;
}
