#pragma once

#include "runtime/Controls.h"

namespace zorb {

// Every battle shows its hits as a blink: the effect picture shown, hidden,
// shown and hidden again, half a second apart, each change a one-shot timer
// of its own. This is one of those changes: the step's own timer stops, the
// picture takes its state and the next step is armed half a second on.
// The blink's last step (hide, then the damage) belongs to each battle.
inline constexpr int kBlinkStepMs = 500;

inline void blinkStep(Timer& self, Image& picture, Visibility state, Timer& next) {
    self.setInterval(0);
    picture.setVisible(state);
    next.setInterval(kBlinkStepMs);
}

}  // namespace zorb
