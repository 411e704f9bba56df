// savecrash: saves the parameter file over and over (each save a different
// content, numbered), and checks that a file is exactly one of those saves.
//
//   savecrash write FILE [COUNT]  save COUNT times (forever without COUNT),
//                                 numbering on from the number FILE holds
//   savecrash check FILE          exit 0 when FILE is save number N whole
#include "shell/core/paramuser.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

const char marque[] = "usr=save number ";

// The state of save number n: every grid with a long state and a time, and
// the user lines.
void etatnumero(claparamuser& p, long n) {
    p.grillecourante = static_cast<short>(n % 5 + 1);
    p.taillecase = static_cast<short>(40 + n % 4 * 10);
    p.top = static_cast<short>(1 + n % 500);
    static const char lettres[] = "ABCDEFGHK01234567";
    for (short i = 1; i <= 5; ++i) {
        std::string etat;
        for (long k = 0; k < 500; ++k) etat += lettres[(n * 7 + k * (i + 3)) % 17];
        memogrilluser(p, i, etat.c_str());
        p.chronos.grille(i).clear();
        p.chronos.grille(i).ajoutsec(static_cast<std::int32_t>(n * i + 1));
    }
    p.lignesusr.clear();
    for (int k = 0; k < 50; ++k) p.lignesusr.padd(("usr=kept line " + std::to_string(k)).c_str());
    p.lignesusr.padd((marque + std::to_string(n)).c_str());
}

std::string lit(const char* path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// The save number the file names, -1 when none.
long numerodufichier(const std::string& contenu) {
    const size_t ou = contenu.rfind(marque);
    if (ou == std::string::npos) return -1;
    return std::strtol(contenu.c_str() + ou + std::strlen(marque), nullptr, 10);
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "write") == 0) {
        long n = numerodufichier(lit(argv[2])) + 1;
        const long fois = argc >= 4 ? std::atol(argv[3]) : -1;
        claparamuser p;
        for (long k = 0; fois < 0 || k < fois; ++k, ++n) {
            etatnumero(p, n);
            if (!ecriparamusernew(p, argv[2])) {
                std::fprintf(stderr, "savecrash: save %ld failed\n", n);
                return 1;
            }
        }
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "check") == 0) {
        const std::string contenu = lit(argv[2]);
        const long n = numerodufichier(contenu);
        claparamuser p;
        etatnumero(p, n);
        if (n < 0 || contenu != contenuparamuser(p)) {
            std::fprintf(stderr, "savecrash: %s is not a whole save (number %ld, %zu bytes)\n",
                         argv[2], n, contenu.size());
            return 1;
        }
        std::printf("%ld\n", n);
        return 0;
    }
    std::fprintf(stderr, "usage: savecrash write FILE [COUNT] | savecrash check FILE\n");
    return 2;
}
