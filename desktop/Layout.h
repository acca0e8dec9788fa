#pragma once

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "runtime/Controls.h"
#include "runtime/Runtime.h"
#include "runtime/Scene.h"

namespace zorb::desktop {

// A rectangle in logical pixels (desktop pixels at scale 1).
struct Box {
    float x = 0, y = 0, w = 0, h = 0;
    bool contains(float px, float py) const { return px >= x && py >= y && px < x + w && py < y + h; }
    bool intersects(const Box& o) const {
        return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
    }
};

inline float twipsToPixels(float twips) { return twips / kTwipsPerPixel; }

// The natural size of a named picture, in pixels at scale 1.
using PictureSize = std::function<Size(const std::string& name)>;

// Where a control stands within its scene's client area, in logical pixels:
// an image at its picture's natural size (at its design size when it has no
// picture), every other control at its design rectangle.
Box controlBox(const Control& control, const PictureSize& pictureSize);

// Controls in the order they are drawn, back to front: images by number (the
// highest on top), then lines, then labels, then buttons and text fields.
std::vector<const Control*> paintOrder(const Scene& scene);

// Where every scene window stands on the desktop. A window is centred when
// it is shown after being loaded, or at its designed place if it has one;
// once dragged it stays where it was put until its scene unloads.
class Layout {
public:
    Box frame(const Scene& scene) const;   // the whole window, frame included
    Box title(const Scene& scene) const;   // the title bar
    Box client(const Scene& scene) const;  // the client area
    void moveTo(const Scene& scene, float x, float y);  // the frame's top-left
    void forget(const Scene& scene) { moved_.erase(&scene); }
    void forgetAll() { moved_.clear(); }
    // Where the player put the windows he dragged (frame top-left).
    const std::map<const Scene*, std::pair<float, float>>& moved() const { return moved_; }

    // The windows on the screen, front first: loaded, visible, and at least
    // partly on the desktop (the store stands off it and is never drawn).
    std::vector<Scene*> windows(const Runtime& runtime) const;

private:
    std::map<const Scene*, std::pair<float, float>> moved_;
};

// What lies under a point of the desktop.
struct Hit {
    enum class Where { Desktop, Frame, Title, Client, Control };
    Where where = Where::Desktop;
    Scene* scene = nullptr;
    Control* control = nullptr;  // the front-most visible control there
};

// The front-most window under the point and, inside it, the front-most
// visible control that can be clicked. A control covers what is beneath it
// whether or not it has a click handler, as windows do.
Hit hitTest(const Runtime& runtime, const Layout& layout, const PictureSize& pictureSize, float x,
            float y);

}  // namespace zorb::desktop
