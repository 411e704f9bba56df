// The three scrambling steps and their inverses: a keyed substitution of the
// printable characters, an exchange of halves and a shift by parity.
#include "lattice/catalogue/vodecrypte.h"

#include "foundation/gstring.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr int premier = 32; // " "
constexpr int nbcar = 95;   // " ".."~"
constexpr int decalimpair = 17;
constexpr int decalpair = 53;

// substitution[c] is the scrambled form of the printable character c;
// retour is its inverse. Indices are offsets from " ".
std::array<unsigned char, nbcar> substitution{};
std::array<unsigned char, nbcar> retour{};
bool cleprete = false;

const char clebase1[] = "hexagones et triangles du reseau";
const char clebase2[] = "six valeurs autour de chaque point";

bool imprimable(char ch) {
    const int c = static_cast<unsigned char>(ch);
    return c >= premier && c < premier + nbcar;
}

char decale(char ch, int n) {
    const int c = static_cast<unsigned char>(ch) - premier;
    return static_cast<char>(premier + ((c + n) % nbcar + nbcar) % nbcar);
}

void clepretedefaut() {
    if (!cleprete) voravigenerinit(clebase1, clebase2);
}

// Shift characters at odd positions by sens * decalimpair and those at even
// positions by -sens * decalpair.
void decaleparite(char* text, int sens) {
    for (size_t i = 0; text[i] != 0; ++i) {
        if (!imprimable(text[i])) continue;
        const bool impair = i % 2 == 0; // position i + 1
        text[i] = decale(text[i], impair ? sens * decalimpair : -sens * decalpair);
    }
}

gstring tampon;

} // namespace

void voravigenerinit(const char* key1, const char* key2) {
    for (int i = 0; i < nbcar; ++i)
        substitution[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
    std::uint32_t etat = 2166136261u;
    for (const char* k : {key1, key2}) {
        for (const char* p = k ? k : ""; *p; ++p) {
            etat = (etat ^ static_cast<unsigned char>(*p)) * 16777619u;
        }
    }
    for (int i = nbcar - 1; i > 0; --i) {
        etat = etat * 1103515245u + 12345u;
        const auto j = static_cast<size_t>((etat >> 8) % static_cast<std::uint32_t>(i + 1));
        std::swap(substitution[static_cast<size_t>(i)], substitution[j]);
    }
    for (int i = 0; i < nbcar; ++i) {
        retour[substitution[static_cast<size_t>(i)]] = static_cast<unsigned char>(i);
    }
    cleprete = true;
}

void voravigeneroff(char* text) {
    clepretedefaut();
    for (char* p = text; *p; ++p) {
        if (imprimable(*p)) {
            *p = static_cast<char>(
                premier + retour[static_cast<size_t>(static_cast<unsigned char>(*p) - premier)]);
        }
    }
}

void inversemoities(char* text) {
    const size_t n = std::strlen(text);
    const size_t h = n / 2;
    for (size_t i = 0; i < h; ++i) std::swap(text[i], text[n - h + i]);
}

void pairimpairoff(char* text) {
    decaleparite(text, -1);
}

const char* decrypvora(const char* text) {
    tampon.set(text ? text : "");
    voravigeneroff(tampon.adr());
    inversemoities(tampon.adr());
    pairimpairoff(tampon.adr());
    return tampon.adr();
}

const char* noncrypte(const char* text) {
    return text;
}

void crypvora(gstring* out, const char* plain) {
    clepretedefaut();
    out->set(plain ? plain : "");
    char* t = out->adr();
    decaleparite(t, 1);
    inversemoities(t);
    for (char* p = t; *p; ++p) {
        if (imprimable(*p)) {
            *p = static_cast<char>(
                premier +
                substitution[static_cast<size_t>(static_cast<unsigned char>(*p) - premier)]);
        }
    }
}
