#include "desktop/Layout.h"

#include <algorithm>
#include <cmath>

#include "desktop/Look.h"

namespace zorb::desktop {

Box controlBox(const Control& control, const PictureSize& pictureSize) {
    switch (control.kind()) {
        case ControlKind::Image: {
            const auto& image = static_cast<const Image&>(control);
            const float x = twipsToPixels(image.left());
            const float y = twipsToPixels(image.top());
            if (image.picture().empty()) {
                return {x, y, twipsToPixels(image.rect().width), twipsToPixels(image.rect().height)};
            }
            const Size natural = pictureSize(image.picture());
            return {x, y, static_cast<float>(natural.width), static_cast<float>(natural.height)};
        }
        case ControlKind::Label:
        case ControlKind::CommandButton:
        case ControlKind::TextBox: {
            const Rect r = static_cast<const VisualControl&>(control).rect();
            return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                    twipsToPixels(r.height)};
        }
        case ControlKind::Line: {
            const auto& line = static_cast<const Line&>(control);
            const float x0 = twipsToPixels(std::min(line.from().x, line.to().x));
            const float y0 = twipsToPixels(std::min(line.from().y, line.to().y));
            const float x1 = twipsToPixels(std::max(line.from().x, line.to().x));
            const float y1 = twipsToPixels(std::max(line.from().y, line.to().y));
            return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
        }
        case ControlKind::Timer: break;
    }
    return {};
}

namespace {

int layer(ControlKind kind) {
    switch (kind) {
        case ControlKind::Image: return 0;
        case ControlKind::Line: return 1;
        case ControlKind::Label: return 2;
        case ControlKind::CommandButton:
        case ControlKind::TextBox: return 3;
        case ControlKind::Timer: return 4;
    }
    return 4;
}

}  // namespace

std::vector<const Control*> paintOrder(const Scene& scene) {
    std::vector<const Control*> order;
    for (const Control* c : scene.controls()) {
        if (c->kind() != ControlKind::Timer) order.push_back(c);
    }
    // Stable: buttons and text fields keep the order they were declared in.
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        const int la = layer(a->kind()), lb = layer(b->kind());
        if (la != lb) return la < lb;
        if (la == 3) return false;
        return a->number() < b->number();
    });
    return order;
}

Box Layout::frame(const Scene& scene) const {
    const float w = twipsToPixels(scene.client().width) + 2 * kBorder;
    const float h = twipsToPixels(scene.client().height) + kFrameTop + kBorder;
    if (auto it = moved_.find(&scene); it != moved_.end()) {
        return {it->second.first, it->second.second, w, h};
    }
    if (scene.style().placed) {
        return {twipsToPixels(scene.style().placed->x), twipsToPixels(scene.style().placed->y), w, h};
    }
    return {std::floor((kScreenWidth - w) / 2), std::floor((kScreenHeight - h) / 2), w, h};
}

Box Layout::title(const Scene& scene) const {
    const Box f = frame(scene);
    return {f.x + kBorder, f.y + kBorder, f.w - 2 * kBorder, static_cast<float>(kTitleHeight)};
}

Box Layout::client(const Scene& scene) const {
    const Box f = frame(scene);
    return {f.x + kBorder, f.y + kFrameTop, twipsToPixels(scene.client().width),
            twipsToPixels(scene.client().height)};
}

void Layout::moveTo(const Scene& scene, float x, float y) {
    // Keep a grip of the title bar on the desktop so the window can always
    // be dragged back.
    const Box f = frame(scene);
    x = std::clamp(x, 40 - f.w, static_cast<float>(kScreenWidth - 40));
    y = std::clamp(y, 0.0f, static_cast<float>(kScreenHeight - kFrameTop));
    moved_[&scene] = {std::round(x), std::round(y)};
}

std::vector<Scene*> Layout::windows(const Runtime& runtime) const {
    const Box screen{0, 0, kScreenWidth, kScreenHeight};
    std::vector<Scene*> shown;
    for (Scene* s : runtime.zOrder()) {
        if (s->loaded() && s->visible() && frame(*s).intersects(screen)) shown.push_back(s);
    }
    return shown;
}

Hit hitTest(const Runtime& runtime, const Layout& layout, const PictureSize& pictureSize, float x,
            float y) {
    for (Scene* scene : layout.windows(runtime)) {
        if (!layout.frame(*scene).contains(x, y)) continue;
        Hit hit{Hit::Where::Desktop, scene, nullptr};
        const Box client = layout.client(*scene);
        if (!client.contains(x, y)) {
            hit.where = layout.title(*scene).contains(x, y) ? Hit::Where::Title : Hit::Where::Frame;
            return hit;
        }
        hit.where = Hit::Where::Client;
        const auto order = paintOrder(*scene);
        for (auto it = order.rbegin(); it != order.rend(); ++it) {
            const Control* c = *it;
            if (!c->clickable() || !c->visible()) continue;
            Box box = controlBox(*c, pictureSize);
            box.x += client.x;
            box.y += client.y;
            if (box.contains(x, y)) {
                hit.where = Hit::Where::Control;
                hit.control = const_cast<Control*>(c);
                return hit;
            }
        }
        return hit;
    }
    return {};
}

}  // namespace zorb::desktop
