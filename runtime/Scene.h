#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/Geometry.h"

namespace zorb {

class Control;
class Runtime;

struct WindowStyle {
    std::string caption;
    Color background = colors::ButtonFace;
    bool minMax = true;              // minimise and maximise buttons in the frame
    std::optional<Point> placed;     // a fixed place instead of centred (twips)
    std::string icon;                // picture shown in the frame, if any
};

// One window of the game. There is one instance per name for the whole run;
// it is not loaded, loaded hidden or loaded visible. All of a scene's state
// lives in its controls, which go back to their design values on every load.
class Scene {
public:
    Scene(Runtime& runtime, std::string name, Size client, WindowStyle style);
    virtual ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    const std::string& name() const { return name_; }
    Size client() const { return client_; }
    const WindowStyle& style() const { return style_; }
    Runtime& runtime() const { return runtime_; }

    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }

    // Loads the scene if it is not loaded (design values, design timers,
    // Form_Load), then makes it visible and brings it to the front.
    void show();
    // Hides the scene, stops its timers and marks it unloaded. The handler
    // that called it runs on, but nothing it then does to this scene counts.
    void unload();
    // Called scenes (a box opened over a map, a machine beside a town) go
    // when the scene that called them goes: unloading `caller` unloads this
    // scene too. A later Show of this scene forgets the caller.
    void closeWith(Scene& caller);
    Scene* caller() const { return caller_; }

    // Controls in the order they were declared.
    const std::vector<Control*>& controls() const { return controls_; }
    // "Text1", "Command5", "Image61", …; nullptr when there is none.
    Control* findControl(std::string_view name) const;

protected:
    virtual void Form_Load() {}
    // The scene has come to the front over another one (not on its load).
    virtual void Form_Activate() {}

    void msgbox(const std::string& text);
    void beep();
    int draw();
    [[noreturn]] void end();

private:
    friend class Control;
    friend class Runtime;
    friend class SaveState;
    void add(Control* control) { controls_.push_back(control); }

    Runtime& runtime_;
    std::string name_;
    Size client_;
    WindowStyle style_;
    bool loaded_ = false;
    bool visible_ = false;
    Scene* caller_ = nullptr;
    std::vector<Control*> controls_;
};

}  // namespace zorb
