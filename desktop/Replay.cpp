#include "desktop/Replay.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "runtime/Controls.h"
#include "runtime/ScriptFormat.h"

namespace zorb::desktop {

std::vector<ReplayStep> parseRecording(std::istream& in, const std::string& fileName,
                                       const Runtime* runtime) {
    std::vector<ReplayStep> steps;
    std::string raw;
    int lineNo = 0;
    auto fail = [&](const std::string& reason) {
        throw ReplayError(fileName + ":" + std::to_string(lineNo) + ": " + reason);
    };
    errno = 0;
    while (std::getline(in, raw)) {
        ++lineNo;
        // Some editors begin a UTF-8 file with a byte-order mark.
        if (lineNo == 1 && raw.rfind(script::kByteOrderMark, 0) == 0) {
            raw.erase(0, script::kByteOrderMark.size());
        }
        const std::string_view line = script::trim(raw);
        if (line.empty() || line.front() == '#') continue;
        const auto [verb, rest] = script::splitFirst(line);
        ReplayStep step;
        step.line = lineNo;
        if (verb == "wait") {
            step.kind = ReplayStep::Kind::Wait;
            if (rest.empty() || rest.find_first_not_of("0123456789") != std::string_view::npos) {
                fail("wait needs whole milliseconds");
            }
            if (const std::string why = script::parseWait(rest, step.ms); !why.empty()) fail(why);
        } else if (verb == "click") {
            step.kind = ReplayStep::Kind::Click;
            step.target = std::string(rest);
            const auto dot = step.target.find('.');
            if (dot == std::string::npos || dot == 0 || dot + 1 == step.target.size()) {
                fail("click needs SCENE.CONTROL");
            }
            // Checked as a script is, up front: a replay never stops half-way
            // on a click at nothing.
            if (runtime) {
                std::string why;
                const Control* control = script::findControl(*runtime, step.target, why);
                if (!control) fail(why);
                if (!control->clickable()) fail(script::shown(step.target) + " cannot be clicked");
            }
        } else if (verb == "ok") {
            step.kind = ReplayStep::Kind::Ok;
            if (!rest.empty()) fail("ok takes nothing after it");
        } else if (verb == "draw") {
            step.kind = ReplayStep::Kind::Draw;
            step.outcome = script::parseDraw(rest);
            if (step.outcome == 0) fail("draw needs 1, 2, 3 or 4");
        } else if (verb == "load") {
            // A save loaded during the session (F9, or --load at its start).
            step.kind = ReplayStep::Kind::Load;
            step.target = std::string(rest);
            if (step.target.empty()) fail("load needs a save file");
        } else {
            fail("a recording holds only wait, click, ok, draw and load lines, not '" + script::shown(verb) + "'");
        }
        steps.push_back(std::move(step));
    }
    if (in.bad()) {
        ++lineNo;
        fail(std::string("cannot read the recording: ") + std::strerror(errno ? errno : EIO));
    }
    return steps;
}

std::vector<ReplayStep> readRecording(const std::string& file, const Runtime* runtime) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
        throw ReplayError("cannot read the recording " + file + ": it is a directory");
    }
    std::ifstream in(file);
    if (!in) {
        throw ReplayError("cannot read the recording " + file + ": " + std::strerror(errno ? errno : EIO));
    }
    return parseRecording(in, file, runtime);
}

}  // namespace zorb::desktop
