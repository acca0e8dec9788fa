// The beep: a tone through SDL audio, or silence when there is no device.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

#include "desktop/Beeper.h"

namespace zorb::desktop {
namespace {

TEST(Beeper, PlaysThroughTheAudioDeviceAndIsSilentWithoutOne) {
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        Beeper beeper;
        beeper.beep();
        beeper.beep();  // a second beep while the first may still sound
        EXPECT_FALSE(beeper.silent());
    }
    {
        setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        Beeper beeper;
        beeper.beep();  // the game plays on
        EXPECT_TRUE(beeper.silent());
        beeper.beep();
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

}  // namespace
}  // namespace zorb::desktop
