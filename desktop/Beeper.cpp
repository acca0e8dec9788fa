#include "desktop/Beeper.h"

#include <SDL.h>
#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zorb::desktop {

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

// 130 ms of a 880 Hz tone with a soft start and a gentle fade.
std::vector<Sint16> tone() {
    const int samples = kRate * 130 / 1000;
    std::vector<Sint16> out(static_cast<std::size_t>(samples));
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double attack = std::min(1.0, t / 0.008);
        const double decay = std::exp(-t * 18.0);
        const double v = std::sin(2 * kPi * 880 * t) * attack * decay * 0.22;
        out[static_cast<std::size_t>(i)] = static_cast<Sint16>(v * 32767);
    }
    return out;
}

// ALSA's library prints its own complaints to standard error (eight lines
// when the machine has no sound card at all) before SDL hears of them; the
// game then plays on silently, so they only alarm. SDL loads the library
// when it starts audio; it is loaded here first, kept loaded so that SDL
// gets the same copy, and told to keep quiet. Nothing happens when the
// machine has no ALSA.
extern "C" {
using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int error,
                                  const char* format, ...);
static void ignoreAlsa(const char*, int, const char*, int, const char*, ...) {}
}

void quietAlsa() {
    static void* const alsa = [] {
        void* library = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (void* set = library ? dlsym(library, "snd_lib_error_set_handler") : nullptr) {
            reinterpret_cast<int (*)(AlsaErrorHandler)>(set)(ignoreAlsa);
        }
        return library;
    }();
    (void)alsa;
}

}  // namespace

Beeper::~Beeper() {
    if (device_) SDL_CloseAudioDevice(device_);
    if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool Beeper::open() {
    if (device_) return true;
    if (failed_) return false;
    quietAlsa();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        failed_ = true;
        return false;
    }
    audioStarted_ = true;
    SDL_AudioSpec want{};
    want.freq = kRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 1024;
    SDL_AudioSpec have{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (!device_) {
        failed_ = true;
        return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void Beeper::beep() {
    if (!open()) return;
    static const std::vector<Sint16> samples = tone();
    SDL_ClearQueuedAudio(device_);
    SDL_QueueAudio(device_, samples.data(), static_cast<Uint32>(samples.size() * sizeof(Sint16)));
}

}  // namespace zorb::desktop
