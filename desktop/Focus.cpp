#include "desktop/Focus.h"

#include <algorithm>

namespace zorb::desktop {

std::vector<CommandButton*> tabOrder(const Scene& scene) {
    std::vector<CommandButton*> buttons;
    for (Control* c : scene.controls()) {
        if (c->kind() == ControlKind::CommandButton && c->visible()) buttons.push_back(static_cast<CommandButton*>(c));
    }
    std::stable_sort(buttons.begin(), buttons.end(),
                     [](const CommandButton* a, const CommandButton* b) { return a->number() < b->number(); });
    return buttons;
}

CommandButton* visibleButton(const Scene& scene, std::string_view caption) {
    for (CommandButton* button : tabOrder(scene)) {
        if (button->caption() == caption) return button;
    }
    return nullptr;
}

bool Focus::follow(Scene* front) {
    const std::vector<CommandButton*> order = front ? tabOrder(*front) : std::vector<CommandButton*>{};
    CommandButton* was = button_;
    if (front != scene_) {
        scene_ = front;
        button_ = order.empty() ? nullptr : order.front();
    } else if (button_ && std::find(order.begin(), order.end(), button_) == order.end()) {
        const int number = button_->number();
        const auto next = std::find_if(order.begin(), order.end(),
                                       [number](const CommandButton* b) { return b->number() > number; });
        button_ = next != order.end() ? *next : order.empty() ? nullptr : order.front();
    } else if (!button_ && !order.empty()) {
        button_ = order.front();
    }
    return button_ != was;
}

void Focus::move(int direction) {
    if (!scene_) return;
    const std::vector<CommandButton*> order = tabOrder(*scene_);
    if (order.empty()) return;
    const auto at = std::find(order.begin(), order.end(), button_);
    const long n = static_cast<long>(order.size());
    const long i = at == order.end() ? 0 : (at - order.begin() + direction + n) % n;
    button_ = order[static_cast<std::size_t>(i)];
}

void Focus::forget(const Scene& scene) {
    if (scene_ == &scene) clear();
}

void Focus::clear() {
    scene_ = nullptr;
    button_ = nullptr;
}

}  // namespace zorb::desktop
