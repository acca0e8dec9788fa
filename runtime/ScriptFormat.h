#pragma once

#include <string>
#include <string_view>

namespace zorb {

class Control;
class Runtime;

// The words of the script format, shared by everything that reads it: the
// headless driver and the window's replay read the same lines the same way
// and refuse a bad one with the same words.
namespace script {

// The longest single `wait`: a day of game time. Every millisecond of it is
// run through the timers (a battle ticks every millisecond), so a longer
// wait is not a game anyone plays but hours of CPU.
inline constexpr long long kMaxWaitMs = 86'400'000;

// A UTF-8 byte-order mark, which some editors put at the start of a file.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The line without blanks (spaces, tabs) around it or a carriage return at
// its end.
std::string_view trim(std::string_view line);

// The first word of a trimmed line and the rest after it, trimmed too. Words
// are separated by spaces or tabs.
struct Words {
    std::string_view verb;
    std::string_view rest;
};
Words splitFirst(std::string_view line);

// Whole non-negative count of milliseconds for `wait`: empty when it is one
// (and `ms` holds it), otherwise the reason for the error message.
std::string parseWait(std::string_view text, long long& ms);

// 1..4 for `draw`: 0 when the text is anything else.
int parseDraw(std::string_view text);

// The control at "SCENE.CONTROL", or nullptr with the reason in `why`.
Control* findControl(const Runtime& runtime, std::string_view path, std::string& why);

// A piece of a line as an error message can show it: bytes that are not
// printable text (control bytes, broken UTF-8) written as \xNN and anything
// past 80 characters cut off with "…", so a bad line never garbles or floods
// the terminal.
std::string shown(std::string_view text);

}  // namespace script
}  // namespace zorb
