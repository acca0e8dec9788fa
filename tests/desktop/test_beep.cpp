// The beep: a tone through SDL audio, or silence when there is no device.
#include <gtest/gtest.h>

#include <SDL.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

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

// What is written to standard error (the descriptor, where C libraries
// write) while `run` runs.
template <class F>
std::string standardErrorOf(F run) {
    std::fflush(stderr);
    std::FILE* capture = std::tmpfile();
    const int saved = dup(STDERR_FILENO);
    dup2(fileno(capture), STDERR_FILENO);
    run();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::string text;
    std::rewind(capture);
    for (int c; (c = std::fgetc(capture)) != EOF;) text += static_cast<char>(c);
    std::fclose(capture);
    return text;
}

// ALSA asked for a card the machine does not have: as on a machine with no
// sound card at all, the library has plenty to say, and none of it is for
// the player. (Where SDL has no ALSA, the beep is as quiet anyway.)
TEST(Beeper, NoSoundCardPrintsNothing) {
    setenv("SDL_AUDIODRIVER", "alsa", 1);
    setenv("ALSA_CARD", "zorbland-no-such-card", 1);
    const std::string said = standardErrorOf([] {
        Beeper beeper;
        beeper.beep();
        beeper.beep();
    });
    unsetenv("ALSA_CARD");
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_EQ(said, "");
}

}  // namespace
}  // namespace zorb::desktop
