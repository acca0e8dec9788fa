// Save states: the snapshot of the whole game and its file.
//
// The file, version 1
// -------------------
// Plain UTF-8 text, one value a line, every line "KEY VALUE" (the value is
// all that follows the first space). A save written by the game looks like:
//
//   zorbland-save 1             the format and its version; always the first line
//   clock 72000                 game time, in milliseconds
//   arm-counter 812             how many times timers have been armed so far
//   draw 3                      a draw fixed in advance (1..4); one line each, in queue order
//   order Form5                 the loaded scenes, front first; one line each
//   Form3.State visible         unloaded, hidden or visible; one for every scene
//   Form5.Caller Form3          the scene that called it (only when it has one)
//   Form3.Image1.Left 1200      Image: Left and Top (twips, single precision),
//   Form3.Image1.Top 3600              Visible, Picture
//   Form3.Image1.Visible True
//   Form3.Image1.Picture hero_down
//   Form3.Label1.Caption 100    Label and CommandButton: Caption, Visible
//   Form3.Label1.Visible False
//   Form4.Text1.Text 100        TextBox: Text, Visible
//   Form4.Text1.Visible False
//   Form3.Timer1.Interval 50    Timer: Interval; when it is armed also Due (the
//   Form3.Timer1.Due 72030      game time of its next tick) and Order (its place
//   Form3.Timer1.Order 805       in the arming order, which breaks ties of Due)
//   host window.Form3 120 40    a line of the window system's own
//   end                         always the last line: without it the file was cut short
//
// Every scene and every control of the game has its lines (lines, the drawn
// kind, have none), loaded or not: an unloaded scene's controls keep their
// last values, and other scenes may still read them. Between the first line
// and `end` the lines may come in any order, each once; the reader checks
// them all before anything is applied, and refuses the file with the first
// thing wrong in it.
//
// Numbers are plain decimals; positions are written in the fewest digits
// that read back as the same single-precision number. Flags are True/False.
// Texts (pictures, captions, value fields, host values) escape `\` as `\\`,
// newline, carriage return and tab as `\n`, `\r`, `\t`, and every other
// control character as `\xHH`, so a value never spills onto a second line.
//
// Not kept: the open message box (a save is never taken with one open, so
// no handler is ever half-run), the timers' generations (they only tell,
// within one tick, whether its handler re-armed the timer itself), and the
// design values (they come from the scenes themselves).
//
// Versions. The version counts the layout, not the game: raise it when a
// line changes its meaning or a line is added that an older build would
// misread, and the older build then refuses the save by its version instead
// of loading something else. A save names every scene and control, so a
// build whose scenes gained or lost a control refuses an older save as
// incomplete or as naming an unknown control, with no version change: a
// snapshot is exact or it is nothing.
#include "runtime/SaveState.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "runtime/Controls.h"
#include "runtime/Runtime.h"
#include "runtime/SaveFile.h"
#include "runtime/Scene.h"

namespace zorb {

namespace {

constexpr std::string_view kHeader = "zorbland-save 1";
constexpr int kVersion = 1;
constexpr std::string_view kEnd = "end";
// A save of this game is under a hundred kilobytes; anything far larger is
// not one, and is refused before it is read into memory.
constexpr std::size_t kMaxFileBytes = 16 << 20;
// Game time and arming order: thirty thousand years of play, with room to
// add an interval without overflow.
constexpr long long kMaxCount = 1'000'000'000'000'000LL;
constexpr long long kMaxInterval = 2147483647;

// --- texts -------------------------------------------------------------------

std::string escape(std::string_view text) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    out += "\\x";
                    out += digits[c >> 4];
                    out += digits[c & 15];
                } else {
                    out += ch;
                }
        }
    }
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// False on a raw control character or a broken escape.
bool unescape(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) return false;
        if (c != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return false;
        switch (text[i]) {
            case '\\': out += '\\'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'x': {
                if (i + 2 >= text.size()) return false;
                const int hi = hexDigit(text[i + 1]), lo = hexDigit(text[i + 2]);
                if (hi < 0 || lo < 0) return false;
                out += static_cast<char>(hi * 16 + lo);
                i += 2;
                break;
            }
            default: return false;
        }
    }
    return true;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
// Returns the offset of the first bad byte, or npos.
std::size_t firstInvalidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n;
        unsigned lo = 0x80, hi = 0xBF;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            n = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2;
            if (c == 0xE0) lo = 0xA0;
            if (c == 0xED) hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3;
            if (c == 0xF0) lo = 0x90;
            if (c == 0xF4) hi = 0x8F;
        } else {
            return i;
        }
        if (i + n >= s.size()) return i;
        for (std::size_t k = 1; k <= n; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if (b < (k == 1 ? lo : 0x80) || b > (k == 1 ? hi : 0xBF)) return i;
        }
        i += n + 1;
    }
    return std::string_view::npos;
}

bool isKeyChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-';
}

bool isKey(std::string_view key) {
    return !key.empty() && key.size() <= 100 && std::all_of(key.begin(), key.end(), isKeyChar);
}

// --- numbers -----------------------------------------------------------------

bool parseInteger(std::string_view text, long long lo, long long hi, long long& value) {
    if (text.empty() || text.size() > 19 || text.front() == '+') return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() && value >= lo && value <= hi;
}

bool parseFloat(std::string_view text, float& value) {
    if (text.empty() || text.size() > 64 || text.front() == '+') return false;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    return error == std::errc{} && end == text.data() + text.size() && std::isfinite(value);
}

std::string floatText(float value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

const char* flag(bool value) { return value ? "True" : "False"; }

const char* loadName(int load) {
    static const char* const names[] = {"unloaded", "hidden", "visible"};
    return names[load];
}

// --- which properties a control has ------------------------------------------

enum Property : unsigned {
    Left = 1 << 0,
    Top = 1 << 1,
    Visible = 1 << 2,
    Picture = 1 << 3,
    Caption = 1 << 4,
    Text = 1 << 5,
    Interval = 1 << 6,
    Due = 1 << 7,
    Order = 1 << 8,
};

struct PropertyName {
    Property property;
    std::string_view name;
};
constexpr PropertyName kProperties[] = {
    {Left, "Left"},         {Top, "Top"},   {Visible, "Visible"},   {Picture, "Picture"}, {Caption, "Caption"},
    {Text, "Text"},         {Interval, "Interval"}, {Due, "Due"}, {Order, "Order"},
};

// What a control of this kind keeps, and what of it every save must give.
unsigned propertiesOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Image: return Left | Top | Visible | Picture;
        case ControlKind::Label:
        case ControlKind::CommandButton: return Caption | Visible;
        case ControlKind::TextBox: return Text | Visible;
        case ControlKind::Timer: return Interval | Due | Order;
        case ControlKind::Line: return 0;
    }
    return 0;
}
unsigned requiredOf(ControlKind kind) { return propertiesOf(kind) & ~(Due | Order); }

int indexOf(const std::vector<Scene*>& scenes, const Scene* scene) {
    const auto it = std::find(scenes.begin(), scenes.end(), scene);
    return it == scenes.end() ? -1 : static_cast<int>(it - scenes.begin());
}

}  // namespace

// --- taking a snapshot -------------------------------------------------------

SaveState SaveState::capture(const Runtime& runtime) {
    if (runtime.messageBoxOpen()) throw SaveError("message box open");
    SaveState s;
    s.clock_ = runtime.now_;
    s.armCounter_ = runtime.armCounter_;
    s.draws_.assign(runtime.fixedDraws_.begin(), runtime.fixedDraws_.end());
    const auto& scenes = runtime.scenes();
    for (const Scene* scene : runtime.zOrder()) s.order_.push_back(indexOf(scenes, scene));
    for (const Scene* scene : scenes) {
        SceneState& ss = s.scenes_.emplace_back();
        ss.name = scene->name();
        ss.load = !scene->loaded() ? Load::Unloaded : scene->visible() ? Load::Visible : Load::Hidden;
        ss.caller = scene->caller() ? indexOf(scenes, scene->caller()) : -1;
        for (const Control* c : scene->controls()) {
            ControlState& cs = ss.controls.emplace_back();
            cs.name = c->name();
            cs.kind = c->kind();
            cs.visible = c->visible();
            switch (c->kind()) {
                case ControlKind::Image: {
                    const auto& image = static_cast<const Image&>(*c);
                    cs.left = image.left();
                    cs.top = image.top();
                    cs.text = image.picture();
                    break;
                }
                case ControlKind::Label: cs.text = static_cast<const Label&>(*c).caption(); break;
                case ControlKind::CommandButton: cs.text = static_cast<const CommandButton&>(*c).caption(); break;
                case ControlKind::TextBox: cs.text = static_cast<const TextBox&>(*c).text(); break;
                case ControlKind::Timer: {
                    const auto& timer = static_cast<const Timer&>(*c);
                    cs.interval = timer.interval_;
                    cs.armed = timer.armed_;
                    cs.due = timer.due_;
                    cs.armOrder = timer.armOrder_;
                    break;
                }
                case ControlKind::Line: break;
            }
        }
    }
    return s;
}

std::string SaveState::text() const {
    std::string out;
    auto line = [&out](std::string_view key, std::string_view value) {
        out.append(key).append(" ").append(value).append("\n");
    };
    out.append(kHeader).append("\n");
    line("clock", std::to_string(clock_));
    line("arm-counter", std::to_string(armCounter_));
    for (const int d : draws_) line("draw", std::to_string(d));
    for (const int i : order_) line("order", scenes_[i].name);
    for (const SceneState& ss : scenes_) {
        line(ss.name + ".State", loadName(static_cast<int>(ss.load)));
        if (ss.caller >= 0) line(ss.name + ".Caller", scenes_[ss.caller].name);
        for (const ControlState& cs : ss.controls) {
            const std::string p = ss.name + "." + cs.name + ".";
            switch (cs.kind) {
                case ControlKind::Image:
                    line(p + "Left", floatText(cs.left));
                    line(p + "Top", floatText(cs.top));
                    line(p + "Visible", flag(cs.visible));
                    line(p + "Picture", escape(cs.text));
                    break;
                case ControlKind::Label:
                case ControlKind::CommandButton:
                    line(p + "Caption", escape(cs.text));
                    line(p + "Visible", flag(cs.visible));
                    break;
                case ControlKind::TextBox:
                    line(p + "Text", escape(cs.text));
                    line(p + "Visible", flag(cs.visible));
                    break;
                case ControlKind::Timer:
                    line(p + "Interval", std::to_string(cs.interval));
                    if (cs.armed) {
                        line(p + "Due", std::to_string(cs.due));
                        line(p + "Order", std::to_string(cs.armOrder));
                    }
                    break;
                case ControlKind::Line: break;
            }
        }
    }
    for (const auto& [key, value] : host_) line("host " + key, escape(value));
    out.append(kEnd).append("\n");
    return out;
}

void SaveState::setHostValue(const std::string& key, const std::string& value) {
    if (!isKey(key)) throw SaveError("a host key is letters, digits, '.', '_' or '-'");
    if (firstInvalidUtf8(value) != std::string_view::npos) throw SaveError("a host value must be UTF-8");
    host_[key] = value;
}

// --- reading a save ----------------------------------------------------------

// Reads a save line by line into a SaveState, checking each value as it
// comes and the whole once every line is in.
class SaveReader {
public:
    SaveReader(std::string_view text, const Runtime& runtime) : text_(text), runtime_(runtime) {}

    SaveState read() {
        checkWhole();
        prepare();
        std::size_t pos = text_.find('\n') + 1;  // past the header
        lineNo_ = 1;
        while (pos < text_.size()) {
            const std::size_t nl = text_.find('\n', pos);
            const std::string_view line =
                text_.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
            pos = nl == std::string_view::npos ? text_.size() : nl + 1;
            ++lineNo_;
            if (line == kEnd) {
                if (pos < text_.size()) fail("'end' before the last line");
                break;
            }
            readLine(line);
        }
        lineNo_ = 0;
        checkComplete();
        return std::move(s_);
    }

private:
    [[noreturn]] void fail(const std::string& reason) const {
        throw SaveError(lineNo_ > 0 ? "line " + std::to_string(lineNo_) + ": " + reason : reason);
    }

    // What can be told before the lines are read one by one.
    void checkWhole() {
        if (text_.empty()) fail("the file is empty");
        const std::string_view first = text_.substr(0, text_.find('\n'));
        if (first.size() == kHeader.size() + 1 && first.substr(0, kHeader.size()) == kHeader && first.back() == '\r') {
            fail("Windows line ends (CR LF); a save has LF alone");
        }
        if (first != kHeader) {
            constexpr std::string_view magic = "zorbland-save ";
            if (first.substr(0, magic.size()) == magic) {
                const std::string_view version = first.substr(magic.size());
                long long n = 0;
                if (parseInteger(version, 0, 999999, n)) {
                    fail("a version " + std::to_string(n) + " save; this game reads version " +
                         std::to_string(kVersion));
                }
            }
            fail("not a ZORBLAND save: its first line is not '" + std::string(kHeader) + "'");
        }
        if (const std::size_t bad = firstInvalidUtf8(text_); bad != std::string_view::npos) {
            lineNo_ = 1 + static_cast<int>(std::count(text_.begin(), text_.begin() + bad, '\n'));
            fail("not valid UTF-8");
        }
        std::string_view body = text_;
        if (!body.empty() && body.back() == '\n') body.remove_suffix(1);
        const auto lastBreak = body.rfind('\n');
        if (lastBreak == std::string_view::npos || body.substr(lastBreak + 1) != kEnd) {
            if (const auto end = text_.find("\nend\n"); end != std::string_view::npos) {
                lineNo_ = 2 + static_cast<int>(std::count(text_.begin(), text_.begin() + end, '\n'));
                fail("'end' before the last line");
            }
            fail("cut short (the last line is not 'end')");
        }
    }

    void prepare() {
        const auto& scenes = runtime_.scenes();
        s_.scenes_.resize(scenes.size());
        seen_.resize(scenes.size());
        for (std::size_t i = 0; i < scenes.size(); ++i) {
            s_.scenes_[i].name = scenes[i]->name();
            for (const Control* c : scenes[i]->controls()) {
                SaveState::ControlState& cs = s_.scenes_[i].controls.emplace_back();
                cs.name = c->name();
                cs.kind = c->kind();
            }
            seen_[i].resize(scenes[i]->controls().size());
        }
        stateSeen_.assign(scenes.size(), false);
        callerSeen_.assign(scenes.size(), false);
        inOrder_.assign(scenes.size(), false);
    }

    void readLine(std::string_view line) {
        const auto space = line.find(' ');
        const std::string_view key = line.substr(0, space);
        const std::string_view value = space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);
        if (!isKey(key)) fail("not a line of a save");

        if (key == "clock") {
            once(clockSeen_, "clock");
            s_.clock_ = integer(value, 0, kMaxCount, "clock");
        } else if (key == "arm-counter") {
            once(counterSeen_, "arm-counter");
            s_.armCounter_ = integer(value, 0, kMaxCount, "arm-counter");
        } else if (key == "draw") {
            s_.draws_.push_back(static_cast<int>(integer(value, 1, 4, "draw")));
        } else if (key == "order") {
            const int i = sceneIndex(value);
            if (inOrder_[i]) fail("order names " + std::string(value) + " twice");
            inOrder_[i] = true;
            s_.order_.push_back(i);
        } else if (key == "host") {
            const auto gap = value.find(' ');
            const std::string hostKey(value.substr(0, gap));
            if (!isKey(hostKey)) fail("a host line needs a key");
            if (s_.host_.count(hostKey)) fail("host " + hostKey + " given twice");
            s_.host_[hostKey] = textValue(gap == std::string_view::npos ? std::string_view{} : value.substr(gap + 1));
        } else {
            readSceneLine(key, value);
        }
    }

    // SCENE.PROPERTY or SCENE.CONTROL.PROPERTY
    void readSceneLine(std::string_view key, std::string_view value) {
        const auto dot = key.find('.');
        if (dot == std::string_view::npos) fail("unknown line '" + std::string(key) + "'");
        const int i = sceneIndex(key.substr(0, dot));
        const Scene& scene = *runtime_.scenes()[i];
        SaveState::SceneState& ss = s_.scenes_[i];
        const std::string_view rest = key.substr(dot + 1);
        const auto dot2 = rest.find('.');
        if (dot2 == std::string_view::npos) {
            if (rest == "State") {
                once(stateSeen_[i], key);
                if (value == "unloaded") ss.load = SaveState::Load::Unloaded;
                else if (value == "hidden") ss.load = SaveState::Load::Hidden;
                else if (value == "visible") ss.load = SaveState::Load::Visible;
                else fail(std::string(key) + " is not unloaded, hidden or visible");
            } else if (rest == "Caller") {
                once(callerSeen_[i], key);
                ss.caller = sceneIndex(value);
            } else {
                fail(scene.name() + " has no property '" + std::string(rest) + "'");
            }
            return;
        }

        const std::string_view controlName = rest.substr(0, dot2);
        const std::string_view propName = rest.substr(dot2 + 1);
        const Control* control = scene.findControl(controlName);
        if (!control) fail(scene.name() + " has no control '" + std::string(controlName) + "'");
        const auto k = static_cast<std::size_t>(
            std::find(scene.controls().begin(), scene.controls().end(), control) - scene.controls().begin());
        unsigned property = 0;
        for (const auto& p : kProperties) {
            if (p.name == propName) property = p.property;
        }
        if (!(property & propertiesOf(control->kind()))) {
            fail(scene.name() + "." + control->name() + " has no property '" + std::string(propName) + "'");
        }
        once(seen_[i][k], property, key);

        SaveState::ControlState& cs = ss.controls[k];
        const std::string_view name = key;
        switch (property) {
            case Left: cs.left = position(value, name); break;
            case Top: cs.top = position(value, name); break;
            case Visible: cs.visible = boolean(value, name); break;
            case Picture:
            case Caption:
            case Text: cs.text = textValue(value); break;
            case Interval: cs.interval = static_cast<int>(integer(value, 0, kMaxInterval, name)); break;
            case Due:
                cs.armed = true;
                cs.due = integer(value, 1, kMaxCount + kMaxInterval, name);
                break;
            case Order: cs.armOrder = integer(value, 1, kMaxCount, name); break;
        }
    }

    // Everything is there, and it all fits together as the runtime keeps it.
    void checkComplete() {
        if (!clockSeen_) fail("the clock is missing");
        if (!counterSeen_) fail("arm-counter is missing");
        const auto& scenes = runtime_.scenes();
        std::vector<std::pair<long long, std::string>> orders;
        for (std::size_t i = 0; i < scenes.size(); ++i) {
            const SaveState::SceneState& ss = s_.scenes_[i];
            const std::string& name = ss.name;
            const bool loaded = ss.load != SaveState::Load::Unloaded;
            if (!stateSeen_[i]) fail(name + ".State is missing");
            if (loaded != inOrder_[i]) {
                fail(loaded ? name + " is loaded but not in the window order"
                            : "the window order names " + name + ", which is not loaded");
            }
            if (ss.caller >= 0) {
                if (!loaded || s_.scenes_[ss.caller].load == SaveState::Load::Unloaded ||
                    ss.caller == static_cast<int>(i)) {
                    fail(name + ".Caller: a called scene and its caller are two loaded scenes");
                }
            }
            for (std::size_t k = 0; k < ss.controls.size(); ++k) {
                const SaveState::ControlState& cs = ss.controls[k];
                const std::string control = name + "." + cs.name;
                const unsigned missing = requiredOf(cs.kind) & ~seen_[i][k];
                if (missing) {
                    for (const auto& p : kProperties) {
                        if (missing & p.property) fail(control + "." + std::string(p.name) + " is missing");
                    }
                }
                const unsigned armedBy = seen_[i][k] & (Due | Order);
                if (armedBy == Due) fail(control + ".Order is missing");
                if (armedBy == Order) fail(control + ".Due is missing");
                if (!cs.armed) continue;
                // As the runtime arms a timer: only on a loaded scene, with an
                // interval, due within one interval of now and after now (every
                // tick due up to now has run), counted by the arm counter.
                if (!loaded) fail(control + " is armed on a scene that is not loaded");
                if (cs.interval <= 0) fail(control + " is armed with no interval");
                if (cs.due <= s_.clock_ || cs.due > s_.clock_ + cs.interval) {
                    fail(control + ".Due is not within one interval after the clock");
                }
                if (cs.armOrder > s_.armCounter_) fail(control + ".Order is beyond arm-counter");
                orders.emplace_back(cs.armOrder, control);
            }
        }
        std::sort(orders.begin(), orders.end());
        for (std::size_t j = 1; j < orders.size(); ++j) {
            if (orders[j].first == orders[j - 1].first) {
                fail(orders[j - 1].second + " and " + orders[j].second + " share one arming order");
            }
        }
    }

    int sceneIndex(std::string_view name) {
        if (!isKey(name)) fail("a scene name is missing");
        const Scene* scene = runtime_.findScene(name);
        if (!scene) fail("unknown scene '" + std::string(name) + "'");
        return indexOf(runtime_.scenes(), scene);
    }

    template <class Flag>
    void once(Flag&& seen, std::string_view key) {
        if (seen) fail(std::string(key) + " given twice");
        seen = true;
    }
    void once(unsigned& seen, unsigned property, std::string_view key) {
        if (seen & property) fail(std::string(key) + " given twice");
        seen |= property;
    }

    long long integer(std::string_view value, long long lo, long long hi, std::string_view what) {
        long long n = 0;
        if (!parseInteger(value, lo, hi, n)) {
            fail(std::string(what) + " is not a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
        }
        return n;
    }
    float position(std::string_view value, std::string_view what) {
        float f = 0;
        if (!parseFloat(value, f)) fail(std::string(what) + " is not a finite number");
        return f;
    }
    bool boolean(std::string_view value, std::string_view what) {
        if (value == "True") return true;
        if (value == "False") return false;
        fail(std::string(what) + " is not True or False");
    }
    std::string textValue(std::string_view value) {
        std::string out;
        if (!unescape(value, out)) fail("a text with a control character or a broken escape");
        return out;
    }

    std::string_view text_;
    const Runtime& runtime_;
    SaveState s_;
    int lineNo_ = 0;
    bool clockSeen_ = false;
    bool counterSeen_ = false;
    std::vector<bool> stateSeen_;
    std::vector<bool> callerSeen_;
    std::vector<std::vector<unsigned>> seen_;  // properties given, per control
    std::vector<bool> inOrder_;
};

SaveState SaveState::parse(std::string_view text, const Runtime& runtime) {
    return SaveReader(text, runtime).read();
}

// --- restoring ---------------------------------------------------------------

void SaveState::restore(Runtime& runtime) const {
    if (runtime.messageBoxOpen()) throw SaveError("message box open");
    const auto& scenes = runtime.scenes();
    bool same = scenes.size() == scenes_.size();
    for (std::size_t i = 0; same && i < scenes.size(); ++i) {
        same = scenes[i]->name() == scenes_[i].name && scenes[i]->controls().size() == scenes_[i].controls.size();
        for (std::size_t k = 0; same && k < scenes_[i].controls.size(); ++k) {
            same = scenes[i]->controls()[k]->kind() == scenes_[i].controls[k].kind;
        }
    }
    if (!same) throw SaveError("made for other scenes");

    // Nothing can fail from here on.
    for (Timer* t : runtime.armed_) t->armed_ = false;
    runtime.armed_.clear();
    for (std::size_t i = 0; i < scenes.size(); ++i) {
        Scene& scene = *scenes[i];
        const SceneState& ss = scenes_[i];
        scene.loaded_ = ss.load != Load::Unloaded;
        scene.visible_ = ss.load == Load::Visible;
        scene.caller_ = ss.caller >= 0 ? scenes[ss.caller] : nullptr;
        for (std::size_t k = 0; k < ss.controls.size(); ++k) {
            Control& c = *scene.controls()[k];
            const SaveState::ControlState& cs = ss.controls[k];
            switch (c.kind()) {
                case ControlKind::Image: {
                    auto& image = static_cast<Image&>(c);
                    image.visible_ = cs.visible;
                    image.left_ = cs.left;
                    image.top_ = cs.top;
                    image.picture_ = cs.text;
                    break;
                }
                case ControlKind::Label: {
                    auto& label = static_cast<Label&>(c);
                    label.visible_ = cs.visible;
                    label.caption_ = cs.text;
                    break;
                }
                case ControlKind::CommandButton: {
                    auto& button = static_cast<CommandButton&>(c);
                    button.visible_ = cs.visible;
                    button.caption_ = cs.text;
                    break;
                }
                case ControlKind::TextBox: {
                    auto& box = static_cast<TextBox&>(c);
                    box.visible_ = cs.visible;
                    box.text_ = cs.text;
                    break;
                }
                case ControlKind::Timer: {
                    auto& timer = static_cast<Timer&>(c);
                    timer.interval_ = cs.interval;
                    timer.armed_ = cs.armed;
                    timer.due_ = cs.due;
                    timer.armOrder_ = cs.armOrder;
                    if (cs.armed) runtime.armed_.push_back(&timer);
                    break;
                }
                case ControlKind::Line: break;
            }
        }
    }
    runtime.now_ = clock_;
    runtime.armCounter_ = armCounter_;
    runtime.fixedDraws_.assign(draws_.begin(), draws_.end());
    runtime.zOrder_.clear();
    for (const int i : order_) runtime.zOrder_.push_back(scenes[i]);
    runtime.touch();
}

// --- files -------------------------------------------------------------------

void SaveState::writeFile(const std::string& path) const { writeSaveFile(path, text()); }

SaveState SaveState::readFile(const std::string& path, const Runtime& runtime) {
    return parse(readSaveFile(path, kMaxFileBytes), runtime);
}

std::string saveDirectory() {
    // A relative XDG_DATA_HOME means nothing on a desktop: it is passed over,
    // as other programs pass it over.
    std::filesystem::path base;
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (data && data[0] == '/') {
        base = data;
    } else if (home && home[0] != '\0') {
        base = std::filesystem::path(home) / ".local" / "share";
    } else {
        throw SaveError("neither XDG_DATA_HOME nor HOME is set");
    }
    const std::filesystem::path dir = base / "zorbland";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) throw SaveError("cannot make " + dir.string() + ": " + error.message());
    return dir.string();
}

}  // namespace zorb
