// The installed game, started the way the desktop entry starts it (from `/`,
// nothing in the environment pointing at its data), opens a window whose
// icon, as the taskbar and Alt-Tab read it (_NET_WM_ICON), is the installed
// hicolor icon pixel for pixel, and whose WM_CLASS is the desktop entry's
// StartupWMClass, so docks put the window under the entry's icon. Run under
// a virtual X server (xvfb-run).
//   window_icon PROGRAM ICON_64_PNG DESKTOP_FILE
#include <SDL.h>
#include <SDL_image.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "x11/XChecks.h"

namespace {

namespace xtest = zorb::xtest;

using Clock = std::chrono::steady_clock;

using xtest::check;
using xtest::failures;
using xtest::findWindow;

// _NET_WM_ICON: width, height, then width × height ARGB pixels, each in a
// `long` (the X library's 32-bit format on every architecture).
std::vector<unsigned long> windowIcon(Display* dpy, Window w) {
    const Atom property = XInternAtom(dpy, "_NET_WM_ICON", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> icon;
    if (XGetWindowProperty(dpy, w, property, 0, 1 << 20, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success &&
        data && format == 32) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        icon.assign(values, values + count);
    }
    if (data) XFree(data);
    return icon;
}

std::string startupWmClass(const char* desktopFile) {
    std::ifstream in(desktopFile);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("StartupWMClass=", 0) == 0) return line.substr(15);
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: window_icon PROGRAM ICON_64_PNG DESKTOP_FILE\n");
        return 2;
    }
    SDL_Surface* loaded = IMG_Load(argv[2]);
    SDL_Surface* expected = loaded ? SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
    if (loaded) SDL_FreeSurface(loaded);
    check(expected != nullptr, std::string("the installed icon loads: ") + argv[2]);
    if (!expected) return 1;

    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir("/") != 0) _exit(127);
        unsetenv("ZORBLAND_ASSETS");
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }

    Display* dpy = XOpenDisplay(nullptr);
    check(dpy != nullptr, "the X server answers");
    if (!dpy) return 1;

    Window w = 0;
    std::vector<unsigned long> icon;
    const auto until = Clock::now() + std::chrono::seconds(10);
    while (icon.empty() && Clock::now() < until) {
        if (!w) w = findWindow(dpy, DefaultRootWindow(dpy), "ZORBLAND");
        if (w) icon = windowIcon(dpy, w);
        if (icon.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    check(w != 0, "the installed game opens its window from /");
    check(!icon.empty(), "the window has an icon");

    if (!icon.empty()) {
        const int width = icon.size() >= 2 ? static_cast<int>(icon[0]) : 0;
        const int height = icon.size() >= 2 ? static_cast<int>(icon[1]) : 0;
        check(width == expected->w && height == expected->h,
              "the window icon is " + std::to_string(width) + " x " + std::to_string(height) +
                  ", the installed one " + std::to_string(expected->w) + " x " + std::to_string(expected->h));
        if (width == expected->w && height == expected->h &&
            icon.size() >= 2 + static_cast<std::size_t>(width) * height) {
            int differ = 0;
            for (int y = 0; y < height; ++y) {
                const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(expected->pixels) +
                                                                  y * expected->pitch);
                for (int x = 0; x < width; ++x) {
                    if ((icon[2 + y * width + x] & 0xFFFFFFFFu) != row[x]) ++differ;
                }
            }
            check(differ == 0, "the window icon is the installed icon pixel for pixel (" +
                                   std::to_string(differ) + " pixels differ)");
        }
    }

    if (w) {
        XClassHint hint{};
        std::string wmClass;
        if (XGetClassHint(dpy, w, &hint)) {
            if (hint.res_class) wmClass = hint.res_class;
            if (hint.res_name) XFree(hint.res_name);
            if (hint.res_class) XFree(hint.res_class);
        }
        const std::string wanted = startupWmClass(argv[3]);
        check(!wanted.empty() && wmClass == wanted,
              "WM_CLASS '" + wmClass + "' is the desktop entry's StartupWMClass '" + wanted + "'");
    }

    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    check(WIFEXITED(status) && WEXITSTATUS(status) == 0, "SIGTERM ends the game with status 0");
    XCloseDisplay(dpy);
    SDL_FreeSurface(expected);
    return failures == 0 ? 0 : 1;
}
