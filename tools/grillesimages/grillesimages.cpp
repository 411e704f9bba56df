// grillesimages: draws every catalogue grid at hexagon sizes 40 and 70, in
// display modes 6, 7, 8 and 10, with its givens, a few played values and
// pencil marks, and writes each picture as a PNG file.
//
// Usage: grillesimages [folder]   (default: images/ in the build folder)
#include "render/contextedessin.h"
#include "render/gripageimage.h"
#include "render/ressources.h"

#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"

#include "platform/font_caches.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    const std::filesystem::path dossier = argc > 1 ? argv[1] : VORA_IMAGES_DIR;
    std::error_code err;
    std::filesystem::create_directories(dossier, err);
    globinitvocalcul();
    int ecrites = 0;
    int echecs = 0;
    for (short i = 1; i <= nbgrillescatalogue(); ++i) {
        gstring nom;
        nomgrillecatalogue(i, &nom);
        for (int taille : {40, 70}) {
            for (int mode : {6, 7, 8, 10}) {
                clagripage page;
                if (!grilleload(0, &page.modele(), nom.adr())) {
                    std::fprintf(stderr, "grillesimages: grid %s not found\n", nom.adr());
                    ++echecs;
                    continue;
                }
                joueexemple(page, 3, 3);
                contextedessin ctx;
                ctx.taillechoisie = static_cast<short>(taille);
                const SIZE s =
                    tailleimage(page, static_cast<short>(taille), static_cast<short>(mode), 20);
                bitmapmemoire fond(s.cx, s.cy);
                bitmapmemoire image(s.cx, s.cy);
                cladevout d;
                placegrille(page, d, fond, 20);
                dessinefond(ctx, page, d, fond);
                peintgrille(ctx, page, d, fond, image);
                const std::string fichier = std::string(nom.adr()) + "-" + std::to_string(taille) +
                                            "-m" + std::to_string(mode) + ".png";
                const std::filesystem::path chemin = dossier / fichier;
                if (ecrirepng(chemin.string(), image.image())) {
                    ++ecrites;
                } else {
                    std::fprintf(stderr, "grillesimages: cannot write %s\n",
                                 chemin.string().c_str());
                    ++echecs;
                }
            }
        }
    }
    libereressources();
    // The drawing layer keeps its font data until told to let it go.
    vora::platform::release_font_caches();
    std::printf("%d pictures written to %s\n", ecrites, dossier.string().c_str());
    return echecs == 0 ? 0 : 1;
}
