#pragma once

#include <string_view>
#include <vector>

#include "runtime/Controls.h"
#include "runtime/Scene.h"

namespace zorb::desktop {

// A scene's visible buttons in tab order (by number).
std::vector<CommandButton*> tabOrder(const Scene& scene);

// The visible button of `scene` captioned `caption` ("↑"), or nullptr.
CommandButton* visibleButton(const Scene& scene, std::string_view caption);

// The keyboard focus, as a windowed form runtime keeps it: a button of the
// front window. Shared by every window system.
class Focus {
public:
    // Follows the screen: the first button in tab order when another window
    // has come to the front; when the focused button is hidden, the next
    // visible one after it. True when the focus moved.
    bool follow(Scene* front);
    // Tab (+1) and Shift+Tab (-1), wrapping round the visible buttons.
    void move(int direction);
    // The scene unloaded: shown again, it takes the focus afresh.
    void forget(const Scene& scene);
    void clear();

    CommandButton* button() const { return button_; }

private:
    Scene* scene_ = nullptr;
    CommandButton* button_ = nullptr;
};

}  // namespace zorb::desktop
