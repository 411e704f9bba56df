// clagrivora: construction, clearing, size and angle, and the accessors of the
// cell and hexagon records.
#include "grid/clagrivora.h"

#include "foundation/textcompare.h"

clagrivora::clagrivora() {
    clear('C');
    defauts();
}

clagrivora::~clagrivora() {
    clear('N');
}

void clagrivora::defauts() {
    nbhexacompletes = nbhexapartiels = nbhexatotal = nbcases = nbpoints = 0;
    nbrangees = nbcolonnes = 0;
    modetaillerec = 0;
    regledouze = 1;
    taillepix = 40;
    seuilvoulu = seuilapplique = 100;
    niveauvoulu = niveaueffectif = niveaunominal = 6;
    geretaille();
}

void clagrivora::clear(char mode) {
    nom.clear();
    nbhexacompletes = nbhexapartiels = nbhexatotal = nbcases = nbpoints = 0;
    nbrangees = nbcolonnes = 0;
    angle = 0;
    declassement = 0;
    seuilvoulu = seuilapplique = 100;
    seuilenplace = 0;
    niveaucalcule = 0;
    modetaillerec = 0;
    regledouze = 1;
    faitvalfixes = 0;
    killtablevoisiquinze();
    killtabledescases();
    killtabledeshexas();
    videlistevoisidouze();
    fbase = fdeclasse = fpoints = fcoord = fvalfix = fsegtour = fcasautour = 0;
    if (mode == 'C') niveauvoulu = niveaueffectif = 6;
    if (mode == 'N') {
        lignesdef.clear();
        livohexa.clear();
        livopartie.clear();
        livotri.clear();
        livopoint.clear();
        lisegmentour.clear();
        lisegmentourbis.clear();
        licasesautour.clear();
        licasesautourbis.clear();
        livalcafixes.clear();
    }
    getdirections().setangle(0);
    gravhexa.setangle(0);
    gravcase.setangle(0);
    settaillepix(40, 0);
}

void clagrivora::setnom(const char* text) {
    nom.set(text);
}

void clagrivora::settaillepix(short size, unsigned char recflag) {
    taillepix = size;
    modetaillerec = recflag;
    geretaille();
}

void clagrivora::setangle(short degrees) {
    angle = degrees;
    getdirections().setangle(degrees);
    gravhexa.setangle(degrees);
    gravcase.setangle(degrees);
    geretaille();
}

void clagrivora::geretaille() {
    getdirections().settaille(taillepix);
    if (modetaillerec)
        gravhexa.setbaserec(6, taillepix);
    else
        gravhexa.setbase(6, taillepix);
    gravcase.setbase(6, tailletiers(taillepix));
    if (ftabhexas) calcupositionsdouteux();
}

grivocase* clagrivora::cellule(short cell) {
    if (cell <= 0 || static_cast<size_t>(cell) >= tabcases.size()) return nullptr;
    return &tabcases[static_cast<size_t>(cell)];
}

const grivocase* clagrivora::cellule(short cell) const {
    if (cell <= 0 || static_cast<size_t>(cell) >= tabcases.size()) return nullptr;
    return &tabcases[static_cast<size_t>(cell)];
}

grivohexa* clagrivora::hexagone(short hexa) {
    if (hexa <= 0 || static_cast<size_t>(hexa) >= tabhexas.size()) return nullptr;
    return &tabhexas[static_cast<size_t>(hexa)];
}

const grivohexa* clagrivora::hexagone(short hexa) const {
    if (hexa <= 0 || static_cast<size_t>(hexa) >= tabhexas.size()) return nullptr;
    return &tabhexas[static_cast<size_t>(hexa)];
}

short clagrivora::getcaseval(short cell) const {
    const grivocase* c = cellule(cell);
    return c ? c->caseval : 0;
}

void clagrivora::setcaseval(short cell, short v) {
    if (grivocase* c = cellule(cell)) c->caseval = v;
}

bool clagrivora::casestfixe(short cell) const {
    const grivocase* c = cellule(cell);
    return c && c->fixe != 0;
}

void clagrivora::defixercase(short cell) {
    if (grivocase* c = cellule(cell)) c->fixe = 0;
}

short clagrivora::getvaluposs(short cell) const {
    const grivocase* c = cellule(cell);
    return c ? c->valuposs : 0;
}

void clagrivora::setvaluposs(short cell, short mask) {
    if (grivocase* c = cellule(cell)) c->valuposs = mask;
}

short* clagrivora::possitabladr(short cell) {
    grivocase* c = cellule(cell);
    return c ? &c->valuposs : nullptr;
}

short clagrivora::getpuser(short cell) const {
    const grivocase* c = cellule(cell);
    return c ? c->puser : 0;
}

short clagrivora::getvaldef(short cell) const {
    const grivocase* c = cellule(cell);
    return c ? c->valdef : 0;
}

short clagrivora::getnidef(short cell) const {
    const grivocase* c = cellule(cell);
    return c ? c->nidef : 0;
}

short clagrivora::getrangee(short cell) const {
    const grivocase* c = cellule(cell);
    return c ? c->rangee : 0;
}

short clagrivora::getcolonne(short cell) const {
    const grivocase* c = cellule(cell);
    return c ? c->colonne : 0;
}

short clagrivora::getcolonnecopie(short cell) const {
    const grivocase* c = cellule(cell);
    return c ? c->colonnecopie : 0;
}

short clagrivora::getcacentrix(short cell) const {
    const grivocase* c = cellule(cell);
    return c ? c->cacentrix : 0;
}

short clagrivora::getcacentry(short cell) const {
    const grivocase* c = cellule(cell);
    return c ? c->cacentry : 0;
}

short clagrivora::gethexacentrix(short hexa) const {
    const grivohexa* h = hexagone(hexa);
    return h ? h->hexacentrix : 0;
}

short clagrivora::gethexacentry(short hexa) const {
    const grivohexa* h = hexagone(hexa);
    return h ? h->hexacentry : 0;
}

bool clagrivora::triaplat(const char* name) {
    return potrouvumot(name, ":AB") != 0;
}

void clagrivora::combiendhexas() {
    nbhexacompletes = livohexa.effectif();
    nbhexapartiels = livopartie.effectif();
    nbhexatotal = static_cast<short>(nbhexacompletes + nbhexapartiels);
}
