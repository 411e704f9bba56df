// Registering the rules pages' pictures and the icon that the program holds
// (systems other than Windows; on Windows the resource script puts them in
// the .exe).
#include "resources/ressourcesregles.h"

#ifndef _WIN32
#include "platform/bitmap_resources.h"

#include <cstddef>

// The BMP files, embedded by imagesregles.cpp (written by CMake).
extern "C" {
extern const unsigned char vora_regle_debut1[], vora_regle_fin1[];
extern const unsigned char vora_regle_debut2[], vora_regle_fin2[];
extern const unsigned char vora_regle_debut3[], vora_regle_fin3[];
extern const unsigned char vora_regle_debut4[], vora_regle_fin4[];
extern const unsigned char vora_regle_debut5[], vora_regle_fin5[];
extern const unsigned char vora_regle_debut6[], vora_regle_fin6[];
extern const unsigned char vora_regle_debut7[], vora_regle_fin7[];
extern const unsigned char vora_regle_debut8[], vora_regle_fin8[];
extern const unsigned char vora_regle_debut9[], vora_regle_fin9[];
extern const unsigned char vora_icone_debut[], vora_icone_fin[];
}

void enregistreimagesregles() {
    const unsigned char* const bornes[9][2] = {
        {vora_regle_debut1, vora_regle_fin1}, {vora_regle_debut2, vora_regle_fin2},
        {vora_regle_debut3, vora_regle_fin3}, {vora_regle_debut4, vora_regle_fin4},
        {vora_regle_debut5, vora_regle_fin5}, {vora_regle_debut6, vora_regle_fin6},
        {vora_regle_debut7, vora_regle_fin7}, {vora_regle_debut8, vora_regle_fin8},
        {vora_regle_debut9, vora_regle_fin9},
    };
    for (short p = premiereimageregle; p <= derniereimageregle; ++p) {
        const unsigned char* debut = bornes[p - 1][0];
        const auto taille = static_cast<std::size_t>(bornes[p - 1][1] - debut);
        gdi::register_bitmap_bytes(p, debut, taille);
    }
    gdi::register_bitmap_bytes(iconevora, vora_icone_debut,
                               static_cast<std::size_t>(vora_icone_fin - vora_icone_debut));
}
#else
void enregistreimagesregles() {}
#endif
