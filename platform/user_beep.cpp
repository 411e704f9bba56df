// Beep: a square wave played through SDL audio, blocking for its duration as
// on Windows. The device is opened for each beep and closed after it, so an
// idle program keeps no audio thread busy; without a device Beep only waits.
// Beep touches none of the layer's state and waits on the steady clock, not
// the layer's (a test's manual clock): it may be called from a thread other
// than the message loop's, which the game's beeper does so that the loop
// never waits for a sound.
#include "platform/user_internal.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace vora::platform::user {

namespace {

using Clock = std::chrono::steady_clock;

struct Audio {
    std::mutex guard; // Beep's thread against close_audio's
    bool tried = false;
    bool ready = false;
};

Audio& audio() {
    static Audio a;
    return a;
}

void wait_until(Clock::time_point end) {
    std::this_thread::sleep_until(end);
}

// Plays the tone; false when no device can be opened.
bool play(DWORD frequency, DWORD duration_ms, Clock::time_point end) {
    Audio& a = audio();
    std::lock_guard<std::mutex> lock(a.guard);
    if (!a.tried) {
        a.tried = true;
        a.ready = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    if (!a.ready) return false;
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
    Clock::time_point limit = Clock::now() + std::chrono::milliseconds(200);
    while (SDL_GetQueuedAudioSize(device) > 0 && Clock::now() < limit)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    SDL_CloseAudioDevice(device);
    return true;
}

} // namespace

void close_audio() {
    Audio& a = audio();
    std::lock_guard<std::mutex> lock(a.guard);
    if (a.ready) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    a.tried = false;
    a.ready = false;
}

} // namespace vora::platform::user

using namespace vora::platform::user;

BOOL WINAPI Beep(DWORD frequency, DWORD duration_ms) {
    if (frequency < 37 || frequency > 32767) return FALSE;
    Clock::time_point end = Clock::now() + std::chrono::milliseconds(duration_ms);
    if (!play(frequency, duration_ms, end)) wait_until(end);
    // SDL keeps per-thread data (its error text) for the calling thread,
    // which it frees only for its own threads: free it now.
    SDL_TLSCleanup();
    return TRUE;
}
