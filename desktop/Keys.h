#pragma once

#include <SDL.h>

#include "desktop/Layout.h"

namespace zorb::desktop {

// What a key does. The game itself takes no keys: the arrows stand for the
// arrow buttons on the screen and Enter, Space and Escape for the message
// box's OK; F11 (or Alt+Enter) and F12 belong to the desktop.
enum class KeyAction { None, Up, Right, Down, Left, Ok, Fullscreen, Screenshot };

KeyAction keyAction(SDL_Keycode key, Uint16 modifiers, bool boxOpen);

// The visible button captioned with that arrow (↑ → ↓ ←) in the front
// window; nullptr when it has none.
CommandButton* arrowButton(const Runtime& runtime, const Layout& layout, KeyAction arrow);

}  // namespace zorb::desktop
