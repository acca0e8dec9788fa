#include "harness/Harness.h"

#include <stdexcept>

namespace zorb::test {

Harness::Harness() : runtime(*this), game(runtime) {}

template <class F>
void Harness::guarded(F&& f) {
    if (ended) return;
    try {
        f();
    } catch (const Exit&) {
        ended = true;
    }
}

void Harness::start() {
    guarded([&] { game.start(); });
}

void Harness::startAt(const std::string& scene) {
    Scene* s = game.findScene(scene);
    if (!s) throw std::invalid_argument("no scene " + scene);
    guarded([&] { game.startAt(*s); });
}

ClickResult Harness::click(const std::string& path) {
    ClickResult result = ClickResult::NotLoaded;
    Control& c = control(path);
    guarded([&] { result = runtime.click(c); });
    return result;
}

void Harness::wait(GameTime ms) {
    guarded([&] { runtime.advance(ms); });
}

std::string Harness::store(int field) const {
    return text("Form4.Text" + std::to_string(field));
}

void Harness::setStore(int field, const std::string& value) {
    if (!game.Form4.loaded()) game.Form4.show();
    set("Form4.Text" + std::to_string(field), value);
}

Control& Harness::control(const std::string& path) const {
    const auto dot = path.find('.');
    Scene* scene = game.findScene(path.substr(0, dot));
    if (!scene || dot == std::string::npos) throw std::invalid_argument("no scene in " + path);
    Control* c = scene->findControl(path.substr(dot + 1));
    if (!c) throw std::invalid_argument("no control " + path);
    return *c;
}

std::string Harness::text(const std::string& path) const {
    Control& c = control(path);
    switch (c.kind()) {
        case ControlKind::TextBox: return static_cast<TextBox&>(c).text();
        case ControlKind::Label: return static_cast<Label&>(c).caption();
        case ControlKind::CommandButton: return static_cast<CommandButton&>(c).caption();
        case ControlKind::Image: return static_cast<Image&>(c).picture();
        case ControlKind::Timer: return std::to_string(static_cast<Timer&>(c).interval());
        case ControlKind::Line: break;
    }
    throw std::invalid_argument(path + " has no text");
}

void Harness::set(const std::string& path, const std::string& value) {
    Control& c = control(path);
    if (c.kind() == ControlKind::TextBox) {
        static_cast<TextBox&>(c).setText(value);
    } else if (c.kind() == ControlKind::Label) {
        static_cast<Label&>(c).setCaption(value);
    } else {
        throw std::invalid_argument(path + " is not a TextBox or a Label");
    }
}

bool Harness::visible(const std::string& path) const { return control(path).visible(); }

bool Harness::loaded(const std::string& scene) const {
    Scene* s = game.findScene(scene);
    if (!s) throw std::invalid_argument("no scene " + scene);
    return s->loaded();
}

std::vector<std::string> Harness::shownScenes() const {
    std::vector<std::string> names;
    for (Scene* s : runtime.zOrder()) {
        if (s->visible() && s != &game.Form4) names.push_back(s->name());
    }
    return names;
}

std::vector<std::string> Harness::takeBoxes() {
    std::vector<std::string> taken;
    taken.swap(boxes);
    return taken;
}

void Harness::messageBox(const std::string& text) {
    boxes.push_back(text);
    if (whileBoxOpen) whileBoxOpen(text);
}

void Harness::log(GameTime time, const std::string& event) {
    events.push_back(std::to_string(time) + " " + event);
}

}  // namespace zorb::test
