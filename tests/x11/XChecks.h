#pragma once

// What the programs that check the game in a real X window share: a line
// per check, and finding the game's window by its title.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace zorb::xtest {

inline int failures = 0;

inline void check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    if (!ok) ++failures;
}

// The window titled `name` at or below `w`, or 0.
inline Window findWindow(Display* dpy, Window w, const char* name) {
    char* title = nullptr;
    if (XFetchName(dpy, w, &title) && title) {
        const bool match = std::strcmp(title, name) == 0;
        XFree(title);
        if (match) return w;
    }
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(dpy, w, &root, &parent, &children, &n)) return 0;
    Window found = 0;
    for (unsigned int i = 0; i < n && !found; ++i) found = findWindow(dpy, children[i], name);
    if (children) XFree(children);
    return found;
}

}  // namespace zorb::xtest
