#include "desktop/Replay.h"

#include <string_view>

namespace zorb::desktop {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool parseCount(std::string_view text, long long& value) {
    if (text.empty() || text.size() > 12) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

}  // namespace

std::vector<ReplayStep> parseRecording(std::istream& in, const std::string& fileName) {
    std::vector<ReplayStep> steps;
    std::string raw;
    int lineNo = 0;
    while (std::getline(in, raw)) {
        ++lineNo;
        const std::string_view line = trim(raw);
        if (line.empty() || line.front() == '#') continue;
        const auto space = line.find(' ');
        const std::string_view verb = line.substr(0, space);
        const std::string_view rest =
            space == std::string_view::npos ? std::string_view{} : trim(line.substr(space + 1));
        auto fail = [&](const std::string& reason) {
            throw ReplayError(fileName + ":" + std::to_string(lineNo) + ": " + reason);
        };
        ReplayStep step;
        step.line = lineNo;
        if (verb == "wait") {
            step.kind = ReplayStep::Kind::Wait;
            if (!parseCount(rest, step.ms)) fail("wait needs whole milliseconds");
        } else if (verb == "click") {
            step.kind = ReplayStep::Kind::Click;
            step.target = std::string(rest);
            const auto dot = step.target.find('.');
            if (dot == std::string::npos || dot == 0 || dot + 1 == step.target.size()) {
                fail("click needs SCENE.CONTROL");
            }
        } else if (verb == "ok") {
            step.kind = ReplayStep::Kind::Ok;
            if (!rest.empty()) fail("ok takes nothing after it");
        } else if (verb == "draw") {
            step.kind = ReplayStep::Kind::Draw;
            long long n = 0;
            if (!parseCount(rest, n) || n < 1 || n > 4) fail("draw needs 1, 2, 3 or 4");
            step.outcome = static_cast<int>(n);
        } else {
            fail("a recording holds only wait, click, ok and draw lines, not '" + std::string(verb) + "'");
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

}  // namespace zorb::desktop
