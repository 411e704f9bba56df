// voratextes: writes the C++ source of the game's own texts, scrambled, from
// their description.
#include "tools/voratextes/textesource.h"

#include <cstdio>
#include <cstring>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 4 || std::strcmp(argv[1], "build") != 0) {
        std::fprintf(stderr, "usage: voratextes build DESCRIPTION OUTPUT.cpp\n");
        return 2;
    }
    std::vector<voratextes::textecle> textes;
    std::string erreur;
    if (!voratextes::litdescription(argv[2], textes, erreur)) {
        std::fprintf(stderr, "voratextes: %s\n", erreur.c_str());
        return 1;
    }
    std::ofstream f(argv[3], std::ios::binary);
    f << voratextes::sourcetextes(textes);
    f.close();
    if (!f) {
        std::fprintf(stderr, "voratextes: cannot write %s\n", argv[3]);
        return 1;
    }
    std::printf("%zu texts written to %s\n", textes.size(), argv[3]);
    return 0;
}
