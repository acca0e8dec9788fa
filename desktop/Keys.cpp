#include "desktop/Keys.h"

namespace zorb::desktop {

KeyAction keyAction(SDL_Keycode key, Uint16 modifiers, bool boxOpen) {
    const bool alt = (modifiers & KMOD_ALT) != 0;
    switch (key) {
        case SDLK_F11: return KeyAction::Fullscreen;
        case SDLK_F12: return KeyAction::Screenshot;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            if (alt) return KeyAction::Fullscreen;
            return boxOpen ? KeyAction::Ok : KeyAction::None;
        case SDLK_SPACE:
        case SDLK_ESCAPE: return boxOpen ? KeyAction::Ok : KeyAction::None;
        case SDLK_UP: return boxOpen ? KeyAction::None : KeyAction::Up;
        case SDLK_RIGHT: return boxOpen ? KeyAction::None : KeyAction::Right;
        case SDLK_DOWN: return boxOpen ? KeyAction::None : KeyAction::Down;
        case SDLK_LEFT: return boxOpen ? KeyAction::None : KeyAction::Left;
        default: return KeyAction::None;
    }
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
    for (Control* c : windows.front()->controls()) {
        if (c->kind() != ControlKind::CommandButton || !c->visible()) continue;
        auto* button = static_cast<CommandButton*>(c);
        if (button->caption() == caption) return button;
    }
    return nullptr;
}

}  // namespace zorb::desktop
