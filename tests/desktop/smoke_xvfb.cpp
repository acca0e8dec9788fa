// Smoke test of the real game in a window, run under a virtual X server
// (xvfb-run): the window opens, F12 writes a screenshot of the title into
// the pictures directory, the
// introduction follows three seconds later (a second screenshot), and
// SIGTERM ends the game cleanly with status 0.
#include <SDL.h>
#include <SDL_image.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "x11/XChecks.h"

namespace {

namespace xtest = zorb::xtest;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

using xtest::check;
using xtest::failures;
using xtest::findWindow;

void sendKey(Display* dpy, Window w, KeySym sym) {
    XSetInputFocus(dpy, w, RevertToParent, CurrentTime);
    for (int type : {KeyPress, KeyRelease}) {
        XKeyEvent e{};
        e.type = type;
        e.display = dpy;
        e.window = w;
        e.root = DefaultRootWindow(dpy);
        e.same_screen = True;
        e.keycode = XKeysymToKeycode(dpy, sym);
        e.time = CurrentTime;
        XSendEvent(dpy, w, True, type == KeyPress ? KeyPressMask : KeyReleaseMask,
                   reinterpret_cast<XEvent*>(&e));
    }
    XFlush(dpy);
}

std::vector<fs::path> shots(const fs::path& dir) {
    std::vector<fs::path> found;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.path().extension() == ".png") found.push_back(e.path());
    }
    return found;
}

// Waits for the n-th screenshot to be written completely.
fs::path waitForShot(const fs::path& dir, std::size_t n) {
    const auto until = Clock::now() + std::chrono::seconds(5);
    while (Clock::now() < until) {
        auto found = shots(dir);
        if (found.size() >= n) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));  // let it be written out
            fs::path newest = found.front();
            for (const auto& p : found) {
                if (fs::last_write_time(p) >= fs::last_write_time(newest)) newest = p;
            }
            return newest;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return {};
}

Uint32 pixel(SDL_Surface* s, int x, int y) {
    const auto* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
    return reinterpret_cast<const Uint32*>(row)[x] & 0xFFFFFF;
}

SDL_Surface* load(const fs::path& p) {
    SDL_Surface* raw = IMG_Load(p.c_str());
    if (!raw) return nullptr;
    SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(raw);
    return s;
}

// Asks the window to close, as a window manager's close button does.
void closeWindow(Display* dpy, Window w) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, w, False, NoEventMask, &e);
    XFlush(dpy);
}

Window waitForWindow(Display* dpy) {
    Window w = 0;
    const auto until = Clock::now() + std::chrono::seconds(10);
    while (!w && Clock::now() < until) {
        w = findWindow(dpy, DefaultRootWindow(dpy), "ZORBLAND");
        if (!w) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return w;
}

std::string readFile(const fs::path& file) {
    std::string text;
    if (FILE* f = std::fopen(file.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) text.append(buf, n);
        std::fclose(f);
    }
    return text;
}

// Closing the window, however it is done, ends the game with status 0 and
// the recording complete (its last line the wait up to the close).
void closesCleanly(const char* zorbland, Display* dpy, const fs::path& dir, int rounds) {
    int clean = 0;
    for (int round = 0; round < rounds; ++round) {
        const fs::path rec = dir / ("close" + std::to_string(round) + ".rec");
        const int how = round % 3;  // the close button, SIGHUP, SIGQUIT
        const pid_t pid = fork();
        if (pid == 0) {
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            execl(zorbland, zorbland, "--start", "Form3", "--record", rec.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        const Window w = waitForWindow(dpy);
        std::this_thread::sleep_for(std::chrono::milliseconds(300 + 37 * round));
        if (how == 0 && w) closeWindow(dpy, w);
        if (how == 1) kill(pid, SIGHUP);
        if (how == 2) kill(pid, SIGQUIT);
        int status = 0;
        waitpid(pid, &status, 0);
        const std::string text = readFile(rec);
        const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && text.rfind("wait ", 0) == 0 &&
                        !text.empty() && text.back() == '\n';
        if (ok) {
            ++clean;
        } else {
            std::printf("  round %d (%s): status %d, recording '%s'\n", round,
                        how == 0 ? "close" : how == 1 ? "SIGHUP" : "SIGQUIT", status, text.c_str());
        }
    }
    check(clean == rounds, "closing the window, SIGHUP and SIGQUIT end with status 0 and the recording complete");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zorb_desktop_smoke PATH/TO/zorbland\n");
        return 2;
    }
    const fs::path dir = fs::temp_directory_path() / ("zorb_smoke_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);

    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.c_str()) != 0) _exit(127);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("XDG_PICTURES_DIR", dir.c_str(), 1);
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }

    Display* dpy = XOpenDisplay(nullptr);
    check(dpy != nullptr, "the X server answers");
    if (!dpy) return 1;

    Window w = 0;
    const auto until = Clock::now() + std::chrono::seconds(10);
    while (!w && Clock::now() < until) {
        w = findWindow(dpy, DefaultRootWindow(dpy), "ZORBLAND");
        if (!w) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const auto opened = Clock::now();
    check(w != 0, "the game window opens");

    if (w) {
        std::this_thread::sleep_for(std::chrono::milliseconds(800));
        sendKey(dpy, w, XK_F12);
        const fs::path first = waitForShot(dir, 1);
        check(!first.empty(), "F12 writes a screenshot of the title into the pictures directory");
        SDL_Surface* title = first.empty() ? nullptr : load(first);
        if (title) {
            check(title->w == 800 && title->h == 680, "the screenshot is the 800 × 680 desktop at scale 1");
            check(pixel(title, 5, 5) == 0x3F6E7C, "the desktop's background at its corner");
            check(pixel(title, 400, 340) != 0x3F6E7C, "the title window in the middle");
            check(pixel(title, 150, 200) == 0x3F6E7C, "nothing yet where the introduction will be");
        }

        // The introduction opens at three seconds.
        std::this_thread::sleep_until(opened + std::chrono::milliseconds(4500));
        sendKey(dpy, w, XK_F12);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        fs::path second;
        const auto until2 = Clock::now() + std::chrono::seconds(5);
        while (second.empty() && Clock::now() < until2) {
            if (shots(dir).size() >= 2) {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                for (const auto& p : shots(dir)) {
                    if (p != first) second = p;
                }
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        }
        check(!second.empty(), "a second screenshot after the title");
        SDL_Surface* intro = second.empty() ? nullptr : load(second);
        if (intro) {
            check(pixel(intro, 150, 200) != 0x3F6E7C, "the introduction's window is on the screen");
            SDL_FreeSurface(intro);
        }
        if (title) SDL_FreeSurface(title);
    }

    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    check(WIFEXITED(status) && WEXITSTATUS(status) == 0, "SIGTERM ends the game with status 0");
    closesCleanly(argv[1], dpy, dir, 12);
    XCloseDisplay(dpy);
    fs::remove_all(dir);
    return failures == 0 ? 0 : 1;
}
