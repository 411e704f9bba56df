// Beep: a square wave played through SDL audio, blocking for its duration as
// on Windows. The device is opened for each beep and closed after it, so an
// idle program keeps no audio thread busy; without a device Beep only waits.
#include "platform/user_internal.h"

#include <cstdint>
#include <vector>

namespace vora::platform::user {

namespace {

struct Audio {
    bool tried = false;
    bool ready = false;
};

Audio& audio() {
    static Audio a;
    return a;
}

bool start_audio() {
    Audio& a = audio();
    if (!a.tried) {
        a.tried = true;
        a.ready = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    return a.ready;
}

void wait_until(std::uint64_t end) {
    for (std::uint64_t now = now_ms(); now < end; now = now_ms())
        sleep_ms(static_cast<std::uint32_t>(end - now));
}

// Plays the tone; false when no device can be opened.
bool play(DWORD frequency, DWORD duration_ms, std::uint64_t end) {
    if (!start_audio()) return false;
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;
    SDL_AudioSpec have{};
    SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device == 0) return false;
    std::size_t count = static_cast<std::size_t>(have.freq) * duration_ms / 1000;
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::uint64_t half_periods = 2 * i * frequency / static_cast<std::uint64_t>(have.freq);
        samples[i] = (half_periods % 2 == 0) ? 6000 : -6000;
    }
    SDL_QueueAudio(device, samples.data(), static_cast<Uint32>(count * sizeof(std::int16_t)));
    SDL_PauseAudioDevice(device, 0);
    wait_until(end);
    // Let the device finish what it holds (a little later than asked).
    std::uint64_t limit = now_ms() + 200;
    while (SDL_GetQueuedAudioSize(device) > 0 && now_ms() < limit) sleep_ms(2);
    SDL_CloseAudioDevice(device);
    return true;
}

} // namespace

void close_audio() {
    Audio& a = audio();
    if (a.ready) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    a = Audio{};
}

} // namespace vora::platform::user

using namespace vora::platform::user;

BOOL WINAPI Beep(DWORD frequency, DWORD duration_ms) {
    if (frequency < 37 || frequency > 32767) return FALSE;
    std::uint64_t end = now_ms() + duration_ms;
    if (!play(frequency, duration_ms, end)) wait_until(end);
    return TRUE;
}
