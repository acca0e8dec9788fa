#include "runtime/ScriptFormat.h"

#include "runtime/Controls.h"
#include "runtime/Runtime.h"
#include "runtime/Scene.h"

namespace zorb::script {

namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }

// How many bytes the UTF-8 character starting at `s` takes, 0 when the
// bytes there are not one.
std::size_t characterBytes(std::string_view s) {
    const auto lead = static_cast<unsigned char>(s.front());
    std::size_t n = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) n = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) n = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) n = 4;
    else return 0;
    if (s.size() < n) return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0;
    }
    return n;
}

}  // namespace

std::string_view trim(std::string_view s) {
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && (blank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

Words splitFirst(std::string_view line) {
    const auto gap = line.find_first_of(" \t");
    if (gap == std::string_view::npos) return {line, {}};
    return {line.substr(0, gap), trim(line.substr(gap + 1))};
}

std::string parseWait(std::string_view text, long long& ms) {
    const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    if (!digits) return "wait needs whole milliseconds, got '" + shown(text) + "'";
    // Leading zeros count for nothing; past nine digits it is over a day anyway.
    const auto first = text.find_first_not_of('0');
    const std::string_view value = first == std::string_view::npos ? "0" : text.substr(first);
    long long n = 0;
    if (value.size() <= 9) {
        for (char c : value) n = n * 10 + (c - '0');
    }
    if (value.size() > 9 || n > kMaxWaitMs) {
        return "wait is at most " + std::to_string(kMaxWaitMs) + " ms (a day), got '" + shown(text) + "'";
    }
    ms = n;
    return {};
}

int parseDraw(std::string_view text) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '4') return 0;
    return text[0] - '0';
}

Control* findControl(const Runtime& runtime, std::string_view path, std::string& why) {
    const auto dot = path.find('.');
    if (dot == std::string_view::npos) {
        why = "expected SCENE.CONTROL, got '" + shown(path) + "'";
        return nullptr;
    }
    const std::string_view sceneName = path.substr(0, dot);
    const std::string_view controlName = path.substr(dot + 1);
    Scene* scene = runtime.findScene(sceneName);
    if (!scene) {
        why = "unknown scene '" + shown(sceneName) + "'";
        return nullptr;
    }
    Control* control = scene->findControl(controlName);
    if (!control) why = scene->name() + " has no control '" + shown(controlName) + "'";
    return control;
}

std::string shown(std::string_view text) {
    constexpr std::size_t kMostCharacters = 80;
    std::string out;
    std::size_t characters = 0;
    while (!text.empty()) {
        if (characters == kMostCharacters) {
            out += "…";
            break;
        }
        const std::size_t n = characterBytes(text);
        const auto byte = static_cast<unsigned char>(text.front());
        if (n == 0 || byte < 0x20 || byte == 0x7F) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
            text.remove_prefix(1);
        } else {
            out.append(text.substr(0, n));
            text.remove_prefix(n);
        }
        ++characters;
    }
    return out;
}

}  // namespace zorb::script
