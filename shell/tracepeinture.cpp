// The paint timing trace of the benchmark script.
#include "shell/tracepeinture.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool actif() {
    static const bool oui = [] {
        const char* v = std::getenv("VORA_TRACE_PAINT");
        return v != nullptr && std::strcmp(v, "1") == 0;
    }();
    return oui;
}

bool premierefaite = false;
bool pressionenattente = false;
std::chrono::steady_clock::time_point pression;

} // namespace

void tracepression() {
    if (!actif()) return;
    pressionenattente = true;
    pression = std::chrono::steady_clock::now();
}

void tracepeinturegrille() {
    if (!actif()) return;
    using std::chrono::microseconds;
    if (!premierefaite) {
        premierefaite = true;
        const auto t = std::chrono::duration_cast<microseconds>(
            std::chrono::system_clock::now().time_since_epoch());
        std::fprintf(stderr, "vora-trace first-paint %lld\n", static_cast<long long>(t.count()));
    }
    if (pressionenattente) {
        pressionenattente = false;
        const auto d =
            std::chrono::duration_cast<microseconds>(std::chrono::steady_clock::now() - pression);
        std::fprintf(stderr, "vora-trace click-to-paint %lld\n", static_cast<long long>(d.count()));
    }
    std::fflush(stderr);
}
