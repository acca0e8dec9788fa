#pragma once

#include <SDL.h>

#include <vector>

#include "desktop/Layout.h"

namespace zorb::desktop {

// What a key does. The game itself takes no keys: as in a windowed form
// runtime, the arrows stand for the arrow buttons on the screen, Tab moves
// the focus between the front window's buttons, Space and Enter press the
// focused one, and Enter, Space and Escape press a message box's OK; F11
// (or Alt+Enter) and F12 belong to the desktop.
enum class KeyAction {
    None, Up, Right, Down, Left, Ok, Press, NextFocus, PreviousFocus, Fullscreen, Screenshot,
    QuickSave, QuickLoad, CheckpointLoad
};

KeyAction keyAction(SDL_Keycode key, Uint16 modifiers, bool boxOpen);

// What a gamepad button does: the same as the keys it stands for.
KeyAction padAction(SDL_GameControllerButton button, bool boxOpen);

bool isArrow(KeyAction action);

// The visible button captioned with that arrow (↑ → ↓ ←) in the front
// window; nullptr when it has none.
CommandButton* arrowButton(const Runtime& runtime, const Layout& layout, KeyAction arrow);

}  // namespace zorb::desktop
