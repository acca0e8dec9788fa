#include "state/Form4.h"

namespace zorb {

Form4::Form4(Runtime& runtime)
    : Scene(runtime, "Form4", {90, 90},
            {.caption = "Form4", .minMax = false, .placed = Point{-5715, -2205}}) {}

}  // namespace zorb
