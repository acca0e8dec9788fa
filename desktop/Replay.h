#pragma once

#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace zorb {
class Runtime;
}

namespace zorb::desktop {

// A recording that cannot be played: "FILE:LINE: reason".
class ReplayError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One line of a recording, in the script format.
struct ReplayStep {
    enum class Kind { Wait, Click, Ok, Draw, Load };
    Kind kind = Kind::Wait;
    long long ms = 0;    // Wait
    std::string target;  // Click: "Form3.Command2"; Load: the save file
    int outcome = 0;     // Draw
    int line = 0;        // where it stands in the file
};

// Reads a recording: wait, click, ok, draw and load lines; blank lines and lines
// starting with # are skipped. Anything else is refused up front, so a
// replay never stops half-way on a bad line. Given the runtime, every click
// must name a control of the game that can be clicked, as in a script.
std::vector<ReplayStep> parseRecording(std::istream& in, const std::string& fileName,
                                       const Runtime* runtime = nullptr);

// Opens the recording `file` and reads it as parseRecording does; a file
// that cannot be read (missing, a directory) is refused in one line.
std::vector<ReplayStep> readRecording(const std::string& file, const Runtime* runtime);

}  // namespace zorb::desktop
