#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zorb::desktop {

// Text split into lines for a box.
struct WrappedText {
    std::vector<std::string> lines;
    // Some run with no break opportunity (a Latin word, a number) was wider
    // than the box and had to be cut between characters, or hung past its edge.
    bool overflowed = false;
};

// Splits text into lines no wider than `width` (as `measure` counts width),
// breaking only where Japanese line breaking allows: between most
// characters, never inside a Latin word, and by the strict rule no line
// starts with a small kana (ッ, ゃ, ァ…), the prolonged sound mark ー, or
// closing and middle punctuation (。、」』）！？・…). Line feeds (and CR LF)
// always break. A run with no break opportunity that is wider than the box
// is cut between characters, so nothing is lost. Spaces at the end of a
// line take no room and are dropped.
WrappedText wrapLines(const std::string& text, int width,
                      const std::function<int(const std::string&)>& measure);
std::vector<std::string> wrapText(const std::string& text, int width,
                                  const std::function<int(const std::string&)>& measure);

// Whether a character may never start a line under the strict rule although
// the generic line breaking algorithm lets it: the small kana and the
// prolonged sound marks (Unicode's line break class CJ).
bool isSmallKanaOrProlongedMark(char32_t c);

// The code points of UTF-8 text; malformed bytes come out as U+FFFD.
std::u32string decodeUtf8(const std::string& text);

}  // namespace zorb::desktop
