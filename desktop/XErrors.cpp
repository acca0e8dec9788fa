#include "desktop/XErrors.h"

#include <X11/Xlib.h>

#include <cstdio>

namespace zorb::desktop {

namespace {

void (*lostDisplay)(const char*) = nullptr;

// A request that names a window the server no longer has (the game's window
// as it closes, or one a window manager just destroyed) changes nothing the
// player could see; anything else is reported on one line and the game goes on.
int protocolError(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadDrawable) return 0;
    char text[256] = "";
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "zorbland: the X server refused a request (%s); playing on\n", text);
    return 0;
}

int connectionLost(Display* display) {
    lostDisplay(DisplayString(display));
    return 0;  // not reached: `lost` does not return
}

}  // namespace

void takeOverXErrors(void (*lost)(const char* display)) {
    lostDisplay = lost;
    XSetErrorHandler(protocolError);
    XSetIOErrorHandler(connectionLost);
}

}  // namespace zorb::desktop
