#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zorb::desktop {

// Splits text into lines no wider than `width` (as `measure` counts width),
// breaking only where Japanese line breaking allows (between most
// characters, never before 。、」！？ or ー, never inside a Latin word).
// Line feeds (and CR LF) always break. A run with no break opportunity that
// is wider than the box is cut between characters, so nothing is lost.
// Spaces at the end of a line take no room and are dropped.
std::vector<std::string> wrapText(const std::string& text, int width,
                                  const std::function<int(const std::string&)>& measure);

// The code points of UTF-8 text; malformed bytes come out as U+FFFD.
std::u32string decodeUtf8(const std::string& text);

}  // namespace zorb::desktop
