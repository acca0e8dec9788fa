#pragma once

#include <string>

namespace zorb {

using GameTime = long long;  // milliseconds of game time since program start

// What the runtime needs of a window system. The desktop and the headless
// script driver each implement it; the runtime knows neither.
class Host {
public:
    virtual ~Host() = default;

    // Shows a modal box with the text and one OK button and returns only
    // when OK has been pressed. While it runs the runtime delivers no click
    // and no tick. May throw Exit (the window was closed, the script ended).
    virtual void messageBox(const std::string& text) = 0;

    virtual void beep() = 0;

    // One line of the game's transcript: "show Form3", "msgbox …", "draw 2".
    virtual void log(GameTime time, const std::string& event) = 0;
};

// The one path by which the program ends: End in a scene, the player closing
// the window, the end of a script. Thrown, never caught below the top level,
// so no handler code runs after it.
struct Exit {
    int status = 0;
};

}  // namespace zorb
