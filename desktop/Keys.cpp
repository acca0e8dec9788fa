#include "desktop/Keys.h"

#include "desktop/Focus.h"


namespace zorb::desktop {

KeyAction keyAction(SDL_Keycode key, Uint16 modifiers, bool boxOpen) {
    const bool alt = (modifiers & KMOD_ALT) != 0;
    switch (key) {
        case SDLK_F11: return KeyAction::Fullscreen;
        case SDLK_F12: return KeyAction::Screenshot;
        case SDLK_F5: return KeyAction::QuickSave;
        case SDLK_F9: return (modifiers & KMOD_SHIFT) ? KeyAction::CheckpointLoad : KeyAction::QuickLoad;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            if (alt) return KeyAction::Fullscreen;
            return boxOpen ? KeyAction::Ok : KeyAction::Press;
        case SDLK_SPACE: return boxOpen ? KeyAction::Ok : KeyAction::Press;
        case SDLK_ESCAPE: return boxOpen ? KeyAction::Ok : KeyAction::None;
        case SDLK_TAB:
            if (boxOpen) return KeyAction::None;
            return (modifiers & KMOD_SHIFT) ? KeyAction::PreviousFocus : KeyAction::NextFocus;
        case SDLK_UP: return boxOpen ? KeyAction::None : KeyAction::Up;
        case SDLK_RIGHT: return boxOpen ? KeyAction::None : KeyAction::Right;
        case SDLK_DOWN: return boxOpen ? KeyAction::None : KeyAction::Down;
        case SDLK_LEFT: return boxOpen ? KeyAction::None : KeyAction::Left;
        default: return KeyAction::None;
    }
}

KeyAction padAction(SDL_GameControllerButton button, bool boxOpen) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_DPAD_UP: return boxOpen ? KeyAction::None : KeyAction::Up;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return boxOpen ? KeyAction::None : KeyAction::Right;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return boxOpen ? KeyAction::None : KeyAction::Down;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return boxOpen ? KeyAction::None : KeyAction::Left;
        case SDL_CONTROLLER_BUTTON_A: return boxOpen ? KeyAction::Ok : KeyAction::Press;
        case SDL_CONTROLLER_BUTTON_B: return boxOpen ? KeyAction::Ok : KeyAction::None;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return boxOpen ? KeyAction::None : KeyAction::PreviousFocus;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return boxOpen ? KeyAction::None : KeyAction::NextFocus;
        case SDL_CONTROLLER_BUTTON_START: return KeyAction::Fullscreen;
        default: return KeyAction::None;
    }
}

bool isArrow(KeyAction action) {
    return action == KeyAction::Up || action == KeyAction::Right || action == KeyAction::Down ||
           action == KeyAction::Left;
}

CommandButton* arrowButton(const Runtime& runtime, const Layout& layout, KeyAction arrow) {
    const char* caption = nullptr;
    switch (arrow) {
        case KeyAction::Up: caption = "↑"; break;
        case KeyAction::Right: caption = "→"; break;
        case KeyAction::Down: caption = "↓"; break;
        case KeyAction::Left: caption = "←"; break;
        default: return nullptr;
    }
    // Only the window in front takes the keys: a machine or a box open over
    // a town must not let the town beneath it walk.
    const std::vector<Scene*> windows = layout.windows(runtime);
    if (windows.empty()) return nullptr;
    return visibleButton(*windows.front(), caption);
}

}  // namespace zorb::desktop
