// The rules pages: navigation, the pictures loaded on first display, the
// texts laid out and written over them, the page number.
#include "render/pageregle.h"

#include "render/cladevout.h"
#include "render/reglesdonnees.h"
#include "render/ressources.h"

#include "lattice/catalogue/vodecrypte.h"

#include <array>
#include <string>

namespace {

constexpr short nbpages = reglepafin;

} // namespace

// A text line in the given face, the rules text colour, no background.
void clapagesregles::ecrit(cladevout& d, const char* face, short x, short y, short angle,
                           float height, char italic, short weight, char centred,
                           const char* text) {
    const short h = d.ammxtopix(height);
    mapolice.createbis(h, static_cast<short>(h / 3), static_cast<short>(angle * 10), italic, weight,
                       face);
    mapolice.colornoback(couleur);
    d.ecrimm(x, y, text, centred);
}

const char* reglepolice() {
    static const std::string face = [] {
        std::string f;
        for (short i = 0; i < nbreglesdonnees; ++i) {
            if (reglesdonnees[i].page != 0) continue;
            const char* plain = decrypvora(reglesdonnees[i].texte);
            if (plain[0] == 'p' && plain[1] == ' ') f = plain + 2;
        }
        return f.empty() ? std::string("Arial") : f;
    }();
    return face.c_str();
}

void regleouvrir(short& page) {
    page = reglepadeb;
}

void regledernierepage(short& page) {
    page = reglepafin;
}

void reglesuivante(short& page) {
    if (page < reglepafin) ++page;
    if (page > reglepafin) page = reglepafin;
}

void regleprecedente(short& page) {
    if (page > reglepadeb) --page;
    if (page < reglepadeb) page = reglepadeb;
}

bool reglemontresuivante(short page) {
    return page < reglepafin;
}
bool reglemontreprecedente(short page) {
    return page > reglepadeb;
}

std::vector<ligneregle> reglelignes(short page, short langue) {
    std::vector<ligneregle> lignes;
    if (page < 1 || page > nbpages) return lignes;
    short y = 45; // the next heading or body line
    for (short i = 0; i < nbreglesdonnees; ++i) {
        const lignecryptee& l = reglesdonnees[i];
        if (l.page != page || l.langue != langue) continue;
        const std::string plain = decrypvora(l.texte);
        if (plain.empty()) continue;
        ligneregle r;
        r.texte = plain.size() > 2 ? plain.substr(2) : std::string();
        switch (plain[0]) {
        case 'a': // page 1: the upper large line
            r.x = -30;
            r.y = 65;
            r.hauteur = 14;
            r.italique = 1;
            r.graisse = 600;
            r.centre = 1;
            break;
        case 'c': // page 1: the lower large line
            r.x = 20;
            r.y = 52;
            r.hauteur = 14;
            r.italique = 1;
            r.graisse = 600;
            r.centre = 1;
            break;
        case 'T': // page 1: the game's name
            r.x = 33;
            r.y = 24;
            r.hauteur = 24;
            r.italique = 1;
            r.graisse = 650;
            r.centre = 1;
            r.enregistre = true;
            r.xr = 68;
            r.yr = 28;
            break;
        case 't':
            r.x = 0;
            r.y = 60;
            r.hauteur = 24;
            r.italique = 1;
            r.graisse = 650;
            r.centre = 1;
            break;
        case 'h':
            r.x = -10;
            r.y = y;
            r.italique = 1;
            r.graisse = 600;
            y -= 5;
            break;
        case 'b':
        case 'r':
            r.x = 0;
            r.y = y;
            r.italique = plain[0] == 'r' ? 1 : 0;
            y -= 5;
            break;
        case 'f':
            r.x = -55;
            r.y = -63;
            r.italique = 1;
            r.centre = 1;
            break;
        case 's':
            r.x = -80;
            r.y = -70;
            r.hauteur = 3.5f;
            r.italique = 1;
            break;
        default:
            continue;
        }
        if (!r.texte.empty()) lignes.push_back(std::move(r));
    }
    return lignes;
}

void clapagesregles::reglecrayon(cladevout& d, short width, int colour) {
    couleur = colour;
    d.setgeocrayonpix(width, colour);
}

void clapagesregles::reglebrosse(cladevout& d, int colour) {
    couleur = colour;
    d.setcreabrosse(colour);
}

void clapagesregles::regletexte(cladevout& d, short x, short y, short angle, float height,
                                char italic, short weight, char centred, const char* text) {
    ecrit(d, reglepolice(), x, y, angle, height, italic, weight, centred, text);
}

void clapagesregles::pageregledef(cladevout& d, short page, short langue) {
    if (page < 1 || page > nbpages) return;
    d.transpabrosse();
    reglecrayon(d, 1, 0);
    for (const ligneregle& l : reglelignes(page, langue)) {
        regletexte(d, l.x, l.y, 0, l.hauteur, l.italique, l.graisse, l.centre, l.texte.c_str());
        if (l.enregistre) d.deveregistredmmbon(l.xr, l.yr, 4);
    }
}

claminibitmap* clapagesregles::reglebitmap(short page) {
    if (page < 1 || page > nbpages || pages[page].get() == nullptr) return nullptr;
    return &pages[page];
}

int clapagesregles::reglechargements(short page) const {
    return page >= 1 && page <= nbpages ? chargements[page] : 0;
}

void clapagesregles::liberepagesregles() {
    for (claminibitmap& b : pages) b.clear();
}

void clapagesregles::pagereglaffi(HDC dc, short page, short langue) {
    crout.clear();
    crout.sethdc(dc);
    crout.setname("regles");
    crout.setdpi(100, 100);
    crout.setfeuillepix(fenetreglewid, fenetreglehgt);
    crout.setpagepix(fenetreglewid, fenetreglehgt);
    crout.setechelle(1.0f);
    crout.setorigine(fenetreglewid / 2, fenetreglehgt / 2);
    crout.setlocxy(fenetreglewid / 2, fenetreglehgt / 2);

    reglebrosse(crout, 0xFFFF00);
    reglecrayon(crout, 1, 0xFFFF00);
    crout.deverectanpix(0, 0, 0, fenetreglewid, fenetreglehgt);

    if (page >= 1 && page <= nbpages) {
        claminibitmap& b = pages[page];
        // The pictures are resources of the executable.
#ifdef _WIN32
        HINSTANCE module = GetModuleHandleA(nullptr);
#else
        HINSTANCE module = nullptr;
#endif
        if (b.get() == nullptr && b.loadbmpressource(page, module)) {
            ++chargements[page];
            // Only the window-sized copy is kept: a full-size page weighs
            // sixteen megabytes once decoded.
            b.reduire(dc, fenetreglewid, fenetreglehgt);
        }
        b.stretchblt(dc, 0, 0, fenetreglewid, fenetreglehgt, 0, 0, 0, 0);
    }
    pageregledef(crout, page, langue);

    reglecrayon(crout, 1, 0);
    const std::string numero = std::to_string(page);
    ecrit(crout, "Helvetica", 95, 70, 0, 10.0f, 1, 0, 1, numero.c_str());
    finusageressources();
}
