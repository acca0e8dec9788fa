#pragma once

namespace zorb::desktop {

// Xlib's own handlers end the program from inside Xlib: a protocol error
// (a window already gone at shutdown, say) prints a report and exits 1, and
// a lost connection to the X server exits with no chance to finish the
// recording. These take their place once SDL has opened the display:
// protocol errors about windows already gone are let pass, and a lost
// display calls `lost` (which must not return) with the display's name.
void takeOverXErrors(void (*lost)(const char* display));

}  // namespace zorb::desktop
