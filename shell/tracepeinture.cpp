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
// The name of the pending measure (null when none) and its start.
const char* mesureenattente = nullptr;
std::chrono::steady_clock::time_point pression;

void debutmesure(const char* nom) {
    if (!actif()) return;
    mesureenattente = nom;
    pression = std::chrono::steady_clock::now();
}

} // namespace

void tracepression() {
    debutmesure("click-to-paint");
}

void tracetouche() {
    debutmesure("key-to-paint");
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
    if (mesureenattente != nullptr) {
        const auto d =
            std::chrono::duration_cast<microseconds>(std::chrono::steady_clock::now() - pression);
        std::fprintf(stderr, "vora-trace %s %lld\n", mesureenattente,
                     static_cast<long long>(d.count()));
        mesureenattente = nullptr;
    }
    std::fflush(stderr);
}
