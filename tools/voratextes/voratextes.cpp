// voratextes: writes the C++ source of the game's own texts, or of the rules
// pages' texts, scrambled, from their description.
#include "tools/voratextes/textesource.h"

#include <cstdio>
#include <cstring>
#include <fstream>

int main(int argc, char** argv) {
    const bool regles = argc == 4 && std::strcmp(argv[1], "regles") == 0;
    if (argc != 4 || (std::strcmp(argv[1], "build") != 0 && !regles)) {
        std::fprintf(stderr, "usage: voratextes build DESCRIPTION OUTPUT.cpp\n"
                             "       voratextes regles DESCRIPTION OUTPUT.cpp\n");
        return 2;
    }
    std::vector<voratextes::textecle> textes;
    std::string erreur;
    if (!voratextes::litdescription(argv[2], textes, erreur)) {
        std::fprintf(stderr, "voratextes: %s\n", erreur.c_str());
        return 1;
    }
    std::string source;
    if (!regles) {
        source = voratextes::sourcetextes(textes);
    } else if (!voratextes::sourceregles(textes, source, erreur)) {
        std::fprintf(stderr, "voratextes: %s\n", erreur.c_str());
        return 1;
    }
    std::ofstream f(argv[3], std::ios::binary);
    f << source;
    f.close();
    if (!f) {
        std::fprintf(stderr, "voratextes: cannot write %s\n", argv[3]);
        return 1;
    }
    std::printf("%zu texts written to %s\n", textes.size(), argv[3]);
    return 0;
}
