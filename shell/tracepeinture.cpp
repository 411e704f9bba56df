// The paint timing trace of the benchmark script.
#include "shell/tracepeinture.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

clatracepeinture::clatracepeinture() {
    const char* v = std::getenv("VORA_TRACE_PAINT");
    actif = v != nullptr && std::strcmp(v, "1") == 0;
}

void clatracepeinture::debutmesure(const char* nom) {
    if (!actif) return;
    mesureenattente = nom;
    pression = std::chrono::steady_clock::now();
}

void clatracepeinture::tracepression() {
    debutmesure("click-to-paint");
}

void clatracepeinture::tracetouche() {
    debutmesure("key-to-paint");
}

void clatracepeinture::tracepeinturegrille() {
    if (!actif) return;
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
