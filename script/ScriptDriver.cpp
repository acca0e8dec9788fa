#include "script/ScriptDriver.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <istream>
#include <ostream>
#include <string_view>

#include "runtime/Controls.h"
#include "runtime/Runtime.h"
#include "runtime/SaveState.h"
#include "runtime/ScriptFormat.h"

namespace zorb {

namespace {

const char* flag(bool value) { return value ? "True" : "False"; }

int kindRank(ControlKind kind) {
    switch (kind) {
        case ControlKind::Image: return 0;
        case ControlKind::Label: return 1;
        case ControlKind::CommandButton: return 2;
        case ControlKind::TextBox: return 3;
        case ControlKind::Timer: return 4;
        case ControlKind::Line: return 5;
    }
    return 6;
}

}  // namespace

ScriptDriver::ScriptDriver(std::istream& in, std::string fileName, std::ostream& out)
    : in_(in), fileName_(std::move(fileName)), out_(out) {}

void ScriptDriver::attach(Runtime& runtime) { runtime_ = &runtime; }

void ScriptDriver::log(GameTime time, const std::string& event) {
    out_ << time << ' ' << event << '\n';
    out_.flush();
    // A transcript nobody gets (standard output closed, a full disk) is a
    // run that failed: end it rather than play on unseen.
    if (!out_) throw TranscriptError(std::strerror(errno ? errno : EIO));
}

void ScriptDriver::fail(const std::string& reason) const {
    throw ScriptError(fileName_, lineNo_, reason);
}

void ScriptDriver::ignored(const std::string& command, const std::string& reason) {
    log(runtime_->now(), "ignored " + command + " (" + reason + ")");
}

void ScriptDriver::run() {
    while (next() != Step::EndOfScript) {
    }
}

void ScriptDriver::messageBox(const std::string&) {
    for (;;) {
        switch (next()) {
            case Step::Ok: return;
            case Step::EndOfScript: throw Exit{0};  // the script ends inside the box
            case Step::Continue: break;
        }
    }
}

ScriptDriver::Step ScriptDriver::next() {
    std::string line;
    errno = 0;
    if (!std::getline(in_, line)) {
        if (in_.bad()) {
            ++lineNo_;
            fail(std::string("cannot read the script: ") + std::strerror(errno ? errno : EIO));
        }
        return Step::EndOfScript;
    }
    ++lineNo_;
    // Some editors begin a UTF-8 file with a byte-order mark.
    if (lineNo_ == 1 && line.rfind(script::kByteOrderMark, 0) == 0) {
        line.erase(0, script::kByteOrderMark.size());
    }
    okPressed_ = false;
    execute(line);
    return okPressed_ ? Step::Ok : Step::Continue;
}

Control& ScriptDriver::control(const std::string& path) {
    std::string why;
    Control* c = script::findControl(*runtime_, path, why);
    if (!c) fail(why);
    return *c;
}

void ScriptDriver::execute(const std::string& raw) {
    const std::string_view line = script::trim(raw);
    if (line.empty() || line.front() == '#') return;

    const script::Words words = script::splitFirst(line);
    const std::string verb(words.verb);
    const std::string rest(words.rest);
    const std::string command(line);

    if (verb == "wait") {
        long long ms = 0;
        if (const std::string why = script::parseWait(rest, ms); !why.empty()) fail(why);
        if (runtime_->messageBoxOpen()) return ignored(command, "message box open");
        runtime_->advance(ms);
    } else if (verb == "click") {
        if (rest.empty()) fail("click needs SCENE.CONTROL");
        Control& c = control(rest);
        if (!c.clickable()) fail(script::shown(rest) + " cannot be clicked");
        switch (runtime_->click(c)) {
            case ClickResult::Delivered: break;
            case ClickResult::MessageBoxOpen: return ignored(command, "message box open");
            case ClickResult::NotLoaded: return ignored(command, "not loaded");
            case ClickResult::Hidden: return ignored(command, "hidden");
        }
    } else if (verb == "ok") {
        if (!rest.empty()) fail("ok takes nothing after it");
        if (!runtime_->messageBoxOpen()) return ignored(command, "no message box");
        okPressed_ = true;
    } else if (verb == "draw") {
        const int n = script::parseDraw(rest);
        if (n == 0) fail("draw needs 1, 2, 3 or 4, got '" + script::shown(rest) + "'");
        runtime_->fixNextDraw(n);
    } else if (verb == "set") {
        // The value is the rest of the line after the control, spaces kept.
        const auto gap = rest.find_first_of(" \t");
        const std::string path = rest.substr(0, gap);
        const std::string value = gap == std::string::npos ? "" : rest.substr(gap + 1);
        if (path.empty()) fail("set needs SCENE.CONTROL VALUE");
        Control& c = control(path);
        if (c.kind() != ControlKind::TextBox && c.kind() != ControlKind::Label) {
            fail("set writes only a TextBox's Text or a Label's Caption");
        }
        if (!c.scene().loaded()) return ignored(command, "not loaded");
        const std::string target = c.scene().name() + "." + c.name();
        if (c.kind() == ControlKind::TextBox) {
            static_cast<TextBox&>(c).setText(value);
            log(runtime_->now(), target + ".Text = " + value);
        } else {
            static_cast<Label&>(c).setCaption(value);
            log(runtime_->now(), target + ".Caption = " + value);
        }
    } else if (verb == "dump") {
        if (rest.empty()) fail("dump needs SCENE or SCENE.CONTROL");
        dump(rest);
    } else if (verb == "shot") {
        if (rest.empty()) fail("shot needs a file name");
        if (!shot_) return ignored(command, "not available");
        const std::string error = shot_(rest);
        if (!error.empty()) fail("cannot write " + script::shown(rest) + ": " + error);
    } else if (verb == "save") {
        if (rest.empty()) fail("save needs a file name");
        save(command, rest);
    } else if (verb == "load") {
        if (rest.empty()) fail("load needs a file name");
        load(command, rest);
    } else if (verb == "echo") {
        log(runtime_->now(), "echo " + rest);
    } else {
        fail("unknown command '" + script::shown(verb) + "'");
    }
}

// A save is taken and loaded only between events: never inside a message
// box, where a handler waits half-run. Either way a refusal changes nothing.
void ScriptDriver::save(const std::string& command, const std::string& file) {
    if (!saveFiles_) return ignored(command, "not available");
    try {
        SaveState::capture(*runtime_).writeFile(file);
    } catch (const SaveError& error) {
        return ignored(command, error.what());
    }
    log(runtime_->now(), "saved " + file);
}

void ScriptDriver::load(const std::string& command, const std::string& file) {
    if (!saveFiles_) return ignored(command, "not available");
    if (runtime_->messageBoxOpen()) return ignored(command, "message box open");
    try {
        SaveState::readFile(file, *runtime_).restore(*runtime_);
    } catch (const SaveError& error) {
        return ignored(command, error.what());
    }
    // At the game time the save was taken: the transcript goes on from there.
    log(runtime_->now(), "loaded " + file);
}

void ScriptDriver::dump(const std::string& path) {
    std::vector<Control*> controls;
    Scene* scene = nullptr;
    if (path.find('.') == std::string::npos) {
        scene = runtime_->findScene(path);
        if (!scene) fail("unknown scene '" + script::shown(path) + "'");
        controls = scene->controls();
    } else {
        Control& c = control(path);
        scene = &c.scene();
        controls = {&c};
    }
    if (!scene->loaded()) return ignored("dump " + path, "not loaded");

    std::stable_sort(controls.begin(), controls.end(), [](const Control* a, const Control* b) {
        const int ra = kindRank(a->kind()), rb = kindRank(b->kind());
        return ra != rb ? ra < rb : a->number() < b->number();
    });
    const GameTime t = runtime_->now();
    for (const Control* c : controls) {
        const std::string p = scene->name() + "." + c->name() + ".";
        switch (c->kind()) {
            case ControlKind::Image: {
                const auto& i = static_cast<const Image&>(*c);
                log(t, p + "Left = " + toText(i.left()));
                log(t, p + "Top = " + toText(i.top()));
                log(t, p + "Visible = " + flag(i.visible()));
                log(t, p + "Picture = " + i.picture());
                break;
            }
            case ControlKind::Label: {
                const auto& l = static_cast<const Label&>(*c);
                log(t, p + "Caption = " + l.caption());
                log(t, p + "Visible = " + flag(l.visible()));
                break;
            }
            case ControlKind::CommandButton: {
                const auto& b = static_cast<const CommandButton&>(*c);
                log(t, p + "Caption = " + b.caption());
                log(t, p + "Visible = " + flag(b.visible()));
                break;
            }
            case ControlKind::TextBox:
                log(t, p + "Text = " + static_cast<const TextBox&>(*c).text());
                break;
            case ControlKind::Timer:
                log(t, p + "Interval = " + std::to_string(static_cast<const Timer&>(*c).interval()));
                break;
            case ControlKind::Line: break;
        }
    }
}

}  // namespace zorb
