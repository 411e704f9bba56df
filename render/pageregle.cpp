// The rules pages: navigation, the pictures loaded on first display, the
// texts laid out and written over them, the page number.
#include "render/pageregle.h"

#include "render/cladevout.h"
#include "render/reglesdonnees.h"
#include "render/ressources.h"

#include "lattice/catalogue/vodecrypte.h"

#include <array>

short reglepage = 1;
short reglepadeb = 1;
short reglepafin = 9;
short reglelangue = 0;
HINSTANCE regleinstance = nullptr;
gstring reglepoli;

namespace {

constexpr short nbpages = 9;

// The rules window's device: 100 dpi, origin at the window's centre.
cladevout reglecrout;
int reglecouleur = 0;
std::array<claminibitmap, nbpages + 1> pagesreg;
std::array<int, nbpages + 1> chargements{};

void policedefinie() {
    if (!(reglepoli.len() == 0)) return;
    for (short i = 0; i < nbreglesdonnees; ++i) {
        if (reglesdonnees[i].page != 0) continue;
        const char* plain = decrypvora(reglesdonnees[i].texte);
        if (plain[0] == 'p' && plain[1] == ' ') reglepoli.set(plain + 2);
    }
    if ((reglepoli.len() == 0)) reglepoli.set("Arial");
}

} // namespace

void regleouvrir() {
    reglepage = reglepadeb;
}

void regledernierepage() {
    reglepage = reglepafin;
}

void reglesuivante() {
    if (reglepage < reglepafin) ++reglepage;
    if (reglepage > reglepafin) reglepage = reglepafin;
}

void regleprecedente() {
    if (reglepage > reglepadeb) --reglepage;
    if (reglepage < reglepadeb) reglepage = reglepadeb;
}

bool reglemontresuivante() {
    return reglepage < reglepafin;
}
bool reglemontreprecedente() {
    return reglepage > reglepadeb;
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

void reglecrayon(cladevout& d, short width, int colour) {
    reglecouleur = colour;
    d.setgeocrayonpix(width, colour);
}

void reglebrosse(cladevout& d, int colour) {
    reglecouleur = colour;
    d.setcreabrosse(colour);
}

void regletexte(cladevout& d, short x, short y, short angle, float height, char italic,
                short weight, char centred, const char* text) {
    policedefinie();
    const short h = d.ammxtopix(height);
    mapolice.createbis(h, static_cast<short>(h / 3), static_cast<short>(angle * 10), italic, weight,
                       reglepoli.adr());
    mapolice.colornoback(reglecouleur);
    d.ecrimm(x, y, text, centred);
}

void pageregledef(cladevout& d, short page) {
    reglepafin = nbpages;
    if (page < 1 || page > nbpages) return;
    d.transpabrosse();
    reglecrayon(d, 1, 0);
    for (const ligneregle& l : reglelignes(page, reglelangue)) {
        regletexte(d, l.x, l.y, 0, l.hauteur, l.italique, l.graisse, l.centre, l.texte.c_str());
        if (l.enregistre) d.deveregistredmmbon(l.xr, l.yr, 4);
    }
}

claminibitmap* reglebitmap(short page) {
    if (page < 1 || page > nbpages || pagesreg[page].get() == nullptr) return nullptr;
    return &pagesreg[page];
}

int reglechargements(short page) {
    return page >= 1 && page <= nbpages ? chargements[page] : 0;
}

void liberepagesregles() {
    for (claminibitmap& b : pagesreg) b.clear();
}

void pagereglaffi(HDC dc, short page) {
    reglecrout.clear();
    reglecrout.sethdc(dc);
    reglecrout.setname("regles");
    reglecrout.setdpi(100, 100);
    reglecrout.setfeuillepix(fenetreglewid, fenetreglehgt);
    reglecrout.setpagepix(fenetreglewid, fenetreglehgt);
    reglecrout.setechelle(1.0f);
    reglecrout.setorigine(fenetreglewid / 2, fenetreglehgt / 2);
    reglecrout.setlocxy(fenetreglewid / 2, fenetreglehgt / 2);

    reglebrosse(reglecrout, 0xFFFF00);
    reglecrayon(reglecrout, 1, 0xFFFF00);
    reglecrout.deverectanpix(0, 0, 0, fenetreglewid, fenetreglehgt);

    if (page >= 1 && page <= nbpages) {
        claminibitmap& b = pagesreg[page];
        HINSTANCE module = regleinstance;
#ifdef _WIN32
        if (module == nullptr) module = GetModuleHandleA(nullptr);
#endif
        if (b.get() == nullptr && b.loadbmpressource(page, module)) {
            ++chargements[page];
            // Only the window-sized copy is kept: a full-size page weighs
            // sixteen megabytes once decoded.
            b.reduire(dc, fenetreglewid, fenetreglehgt);
        }
        b.stretchblt(dc, 0, 0, fenetreglewid, fenetreglehgt, 0, 0, 0, 0);
    }
    pageregledef(reglecrout, page);

    policedefinie();
    const gstring police(reglepoli.adr());
    reglepoli.set("Helvetica");
    reglecrayon(reglecrout, 1, 0);
    gstring numero;
    numero.set(std::to_string(page).c_str());
    regletexte(reglecrout, 95, 70, 0, 10.0f, 1, 0, 1, numero.adr());
    reglepoli.set(police.adr());
    finusageressources();
}
