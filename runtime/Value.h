#pragma once

#include <string>
#include <string_view>

namespace zorb {

// Every number the game keeps lives as decimal text in a control. Arithmetic
// reads the text as a double and writes the shortest decimal text back; text
// that is empty or not a number reads as 0.
double toNumber(std::string_view text);
std::string toText(double value);

}  // namespace zorb
