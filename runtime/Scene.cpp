#include "runtime/Scene.h"

#include "runtime/Controls.h"
#include "runtime/Runtime.h"

namespace zorb {

Scene::Scene(Runtime& runtime, std::string name, Size client, WindowStyle style)
    : runtime_(runtime), name_(std::move(name)), client_(client), style_(std::move(style)) {
    runtime_.registerScene(*this);
}

Scene::~Scene() = default;

void Scene::show() {
    runtime_.log("show " + name_);
    caller_ = nullptr;
    if (!loaded_) {
        loaded_ = true;
        // Back to the design values; resetting a timer starts it if its
        // design interval is not 0, in the order the timers were declared.
        for (Control* c : controls_) c->reset();
        runtime_.sceneLoaded(*this);
        Form_Load();
        if (!loaded_) return;  // the load handler closed it again
    }
    if (!visible_) {
        visible_ = true;
        runtime_.touch();
    }
    runtime_.bringToFront(*this);
}

void Scene::unload() {
    if (!loaded_) return;
    runtime_.log("unload " + name_);
    loaded_ = false;
    visible_ = false;
    caller_ = nullptr;
    runtime_.sceneUnloaded(*this);
}

void Scene::closeWith(Scene& caller) {
    if (loaded_ && caller.loaded_ && &caller != this) caller_ = &caller;
}

Control* Scene::findControl(std::string_view name) const {
    for (Control* c : controls_) {
        if (c->name() == name) return c;
    }
    return nullptr;
}

void Scene::msgbox(const std::string& text) { runtime_.msgbox(text); }
void Scene::beep() { runtime_.beep(); }
int Scene::draw() { return runtime_.draw(); }
void Scene::end() { runtime_.end(); }

}  // namespace zorb
