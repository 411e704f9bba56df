// The game in progress: the rules of play, the questions and their answers,
// loading and keeping the grids, saving.
#include "shell/core/partie.h"

#include "shell/core/actionmemoire.h"
#include "shell/core/etatsauve.h"
#include "shell/core/horloge.h"
#include "shell/core/textesrecords.h"

#include "grid/generation/generegrille.h"
#include "grid/valuemasks.h"
#include "lattice/catalogue/grillecatalogue.h"

#include <algorithm>
#include <string>

namespace {

// The number-th name of the comma-separated playable list; empty when none.
std::string nomgrille(short number) {
    const std::string liste = nomdegrinu.adr();
    short i = 1;
    std::size_t debut = 0;
    while (debut <= liste.size()) {
        std::size_t fin = liste.find(',', debut);
        if (fin == std::string::npos) fin = liste.size();
        if (i == number) {
            std::string nom = liste.substr(debut, fin - debut);
            const auto a = nom.find_first_not_of(' ');
            const auto b = nom.find_last_not_of(' ');
            return a == std::string::npos ? std::string() : nom.substr(a, b - a + 1);
        }
        ++i;
        debut = fin + 1;
    }
    return {};
}

// Grid g built from the generated grid's texts at its level; false when they
// make no grid.
bool grilledenouvelle(const grillenouvelle& n, clagrivora& g) {
    lichavo textes;
    for (const std::string& t : n.textes) textes.padd(t.c_str());
    return grilletextesload(&g, n.forme.c_str(), textes, n.niveau) != 0;
}

// Whether g holds a value the player entered or a pencil mark.
bool aentrees(const clagrivora& g) {
    if (g.yadespossusers() != 0) return true;
    for (short c = 1; c <= g.getnbcases(); ++c)
        if (!g.casestvide(c) && !g.casestfixe(c)) return true;
    return false;
}

} // namespace

short niveauvoisin(short courant, bool monter, short plafond) {
    if (plafond < 1) return 1;
    if (courant < 1) courant = 1;
    if (courant > plafond) courant = plafond;
    if (monter) return courant >= plafond ? short(1) : static_cast<short>(courant + 1);
    return courant <= 1 ? plafond : static_cast<short>(courant - 1);
}

clapartie::clapartie(short grilles) : param(grilles) {}

std::string clapartie::getfichier() const {
    if (!fichier.empty()) return fichier;
    gstring nom;
    nomfichierparam(nom);
    return nom.adr();
}

bool clapartie::anymode(modeappli a, modeappli b) const {
    return modecourant != modeappli::aucun && (modecourant == a || modecourant == b);
}

bool clapartie::grillefinie() const {
    return grillejeu.getnbcases() > 0 && grillejeu.cestfini() != 0;
}

std::array<short, 7> clapartie::placeslibres() const {
    std::array<short, 7> n{};
    for (short c = 1; c <= grillejeu.getnbcases(); ++c) {
        if (!grillejeu.casestvide(c)) continue;
        short pris = 0; // the values held around, one bit each
        for (short i = 0; i < 12; ++i) {
            const short v = grillejeu.getcaseval(grillejeu.casevoisine(c, i));
            if (v >= 1 && v <= 6) pris = static_cast<short>(pris | (1 << v));
        }
        for (short v = 1; v <= 6; ++v)
            if ((pris & (1 << v)) == 0) ++n[static_cast<size_t>(v)];
    }
    return n;
}

std::string clapartie::clegrille() const {
    const short g = param.grillecourante;
    if (!anymode(modeappli::jeu) || g <= 0) return {};
    if (g == param.numeronouvelle()) return param.nouvelle.forme;
    return nomgrille(g);
}

void clapartie::noteaide(genreaide g) {
    if (!anymode(modeappli::jeu)) return;
    aidesgrille a = aidesde(param, param.grillecourante);
    ajouteaide(a, g);
    fixeaides(param, param.grillecourante, a);
}

aidesgrille clapartie::aidesutilisees() const {
    return anymode(modeappli::jeu) ? aidesde(param, param.grillecourante) : aidesgrille{};
}

std::string clapartie::notefin() {
    bilanfin b;
    b.aides = aidesutilisees();
    b.chronometre = param.chronoaffiche;
    if (b.chronometre) {
        recordgrille r;
        r.grille = clegrille();
        r.niveau = grillejeu.getniveauvoulu();
        r.aide = yadesaides(b.aides);
        r.secondes = param.chronos.getsec(param.grillecourante);
        r.date = datedujour();
        b.secondes = r.secondes;
        if (const recordgrille* ancien = chercherecord(param.records, r.grille, r.niveau, r.aide))
            b.ancien = *ancien;
        b.nouveau = recordvalide(r) && noterecord(param.records, r);
    }
    return textefin(b, param.langue);
}

std::optional<std::array<short, 7>> clapartie::restantes() const {
    const std::optional<std::array<short, 7>> totaux = totauxsolution(solution.valeurs);
    if (!totaux) return std::nullopt;
    std::array<short, 7> n = *totaux;
    for (short c = 1; c <= grillejeu.getnbcases(); ++c) {
        const short v = grillejeu.getcaseval(c);
        if (v >= 1 && v <= 6 && n[static_cast<size_t>(v)] > 0) --n[static_cast<size_t>(v)];
    }
    return n;
}

etatchrono clapartie::etatpartie() const {
    etatchrono e;
    e.affichage = param.chronoaffiche;
    e.mode = modecourant;
    e.grille = param.grillecourante;
    e.grillefinie = grillefinie();
    return e;
}

short clapartie::niveaumax() {
    return grillejeu.yaniveausept() ? short(7) : short(6);
}

void clapartie::recommence(short grilles) {
    param = claparamuser(grilles);
    laissees.vide();
    histo.clear();
    marques = {0, 0, 0};
    valeur = 1;
    cellule = 1;
    curseur = false;
    modecourant = modeappli::aucun;
    attente = suite::rien;
    regles = gardee{};
    cachecontraintes();
    fen = etatfenetre{};
    flechesexpliquees = false;
    solutionnouvelle.clear();
    pagesinfo.clear();
    sansenregistrer = false;
}

effets clapartie::questionne(suite s, questionjeu q) {
    attente = s;
    effets e;
    e.question = std::move(q);
    return e;
}

effets clapartie::choisitvaleur(short v) {
    return prendvaleur(v, false);
}

effets clapartie::touchevaleur(short v) {
    return prendvaleur(v, true);
}

effets clapartie::valeursuivante() {
    return prendvaleur(valeur >= 6 ? short(1) : static_cast<short>(valeur + 1), true);
}

effets clapartie::prendvaleur(short v, bool clavier) {
    effets e;
    if (v < 0 || v > 6) return e;
    const short avant = valeur;
    const bool montrees = contraintes;
    valeur = v;
    if (v == 6) {
        compteurcontraintes = static_cast<short>(std::min(compteurcontraintes + 1, 6));
        if (compteurcontraintes >= 6) contraintes = true;
    } else {
        cachecontraintes();
    }
    e.valeurchoisie = true;
    e.repeindre = !clavier || v != avant || contraintes != montrees;
    return e;
}

void clapartie::cachecontraintes() {
    compteurcontraintes = 0;
    contraintes = false;
}

void clapartie::fixemode(modeappli m) {
    modecourant = m;
    cachecontraintes();
}

effets clapartie::clicgauche(short c) {
    cellule = c;
    curseur = false;
    // Pencil mode: an empty cell takes or loses the current value's mark.
    if (param.crayon && valeur > 0 && grillejeu.casestvide(c)) return marque(c, valeur);
    grillejeu.ajustepossicase();
    effets e = posevaleur();
    e.repeindre = true;
    return e;
}

effets clapartie::posevaleur() {
    effets e;
    const short c = cellule;
    const short v = valeur;
    if (grillejeu.casestvide(c)) {
        if (v > 0 && grillejeu.isautorisee(c, v) != 0) {
            grillejeu.setcaseval(c, v);
            std::vector<short> nettoyees;
            if (param.nettoiemarques)
                for (short i = 0; i < 12; ++i) {
                    const short n = grillejeu.casevoisine(c, i);
                    if (n != 0 && yavaldpo(v, grillejeu.getpuser(n)) != 0) {
                        grillejeu.swapossuser(n, v);
                        nettoyees.push_back(n);
                    }
                }
            memorisaction(histo, actionpose, v, c, nettoyees);
            // A mistake framed at once is help, as a check is.
            if (param.erreurs && !solution.valeurs.empty() &&
                v != solution.valeurs[static_cast<std::size_t>(c - 1)])
                noteaide(genreaide::verification);
            if (grillefinie()) {
                e = questionne(suite::bravo, {});
                e.question->numero = 6;
                e.question->p1 = std::to_string(param.grillecourante);
                e.question->p2 = notefin();
                e.bips = {{800, 80}, {1200, 35}, {1600, 35}};
                e.repeindre = true;
            }
        } else if (v == 0 && grillejeu.getpuser(c) != 0) {
            memorisemarques(histo, {{c, grillejeu.getpuser(c)}});
            grillejeu.razpuser(c);
            e.bips = {{200, 50}};
            e.repeindre = true;
        } else {
            e.bips = bipsderefus;
            for (short i = 0; i < 12 && v > 0; ++i) {
                const short n = grillejeu.casevoisine(c, i);
                if (n != 0 && grillejeu.getcaseval(n) == v) e.conflits.push_back(n);
            }
        }
        return e;
    }
    const short ancienne = grillejeu.getcaseval(c);
    if (grillejeu.casestfixe(c)) {
        // A given's value becomes the current one, as a click on it chooses.
        if (ancienne >= 1 && ancienne <= 6) return choisitvaleur(ancienne);
        valeur = ancienne;
        return e;
    }
    if (v == 0 || v == ancienne) {
        grillejeu.setcaseval(c, 0);
        if (v == 0) grillejeu.defixercase(c);
        memorisaction(histo, actioneffacement, ancienne, c);
        e.repeindre = true;
        e.effacement = true;
        e.bips = {{250, 80}, {200, 80}, {150, 80}};
        return e;
    }
    e.bips = bipsderefus;
    return e;
}

effets clapartie::clicdroit(short c, short v) {
    effets e;
    cellule = c;
    curseur = false;
    e.repeindre = true;
    short bascule = 0; // the marks toggled, one bit each
    if (param.remplitmarques && grillejeu.getpuser(c) == 0) {
        bascule = 0x3F;
    } else if (v >= 1 && v <= 6) {
        bascule = static_cast<short>(1 << (v - 1));
    }
    for (short m = 1; m <= 6; ++m)
        if ((bascule & (1 << (m - 1))) != 0) grillejeu.swapossuser(c, m);
    if (bascule != 0) memorisemarques(histo, {{c, bascule}});
    return e;
}

effets clapartie::clicpoint(short p) {
    if (marques[0] == p) {
        marques = {0, 0, 0};
    } else {
        marques = {p, marques[0], marques[1]};
    }
    effets e;
    e.repeindre = true;
    return e;
}

effets clapartie::rejoue(short pas) {
    refaitaction(histo, grillejeu, pas);
    grillejeu.ajustepossicase();
    effets e;
    e.repeindre = true;
    return e;
}

effets clapartie::defaire() {
    return rejoue(pasdefaire);
}

effets clapartie::refaire() {
    return rejoue(pasrefaire);
}

effets clapartie::deplacecurseur(sensdeplacement sens) {
    effets e;
    if (!anymode(modeappli::jeu) || grillejeu.getnbcases() <= 0) return e;
    if (cellule < 1 || cellule > grillejeu.getnbcases()) cellule = 1;
    if (curseur) cellule = casedanssens(grillejeu, cellule, sens);
    curseur = true;
    e.repeindre = true;
    e.curseurdeplace = true;
    return e;
}

effets clapartie::touchechiffre(short v) {
    if (v < 0 || v > 6 || !curseur || !anymode(modeappli::jeu)) return {};
    if (param.crayon && v > 0) return basculemarque(v);
    const effets choix = touchevaleur(v);
    effets e = entreevaleur();
    e.valeurchoisie = e.valeurchoisie || choix.valeurchoisie;
    return e;
}

effets clapartie::entreevaleur() {
    if (!curseur || !anymode(modeappli::jeu)) return {};
    effets e = posevaleur();
    e.repeindre = true;
    return e;
}

effets clapartie::effacecase() {
    if (!curseur || !anymode(modeappli::jeu)) return {};
    effets e;
    if (grillejeu.casestfixe(cellule)) {
        e.bips = bipsderefus;
        return e;
    }
    const short garde = valeur;
    valeur = 0;
    e = posevaleur();
    valeur = garde;
    return e;
}

effets clapartie::basculemarque(short v) {
    if (!curseur || !anymode(modeappli::jeu) || v < 1 || v > 6) return {};
    return marque(cellule, v);
}

effets clapartie::marque(short c, short v) {
    effets e;
    if (!grillejeu.casestvide(c)) {
        e.bips = bipsderefus;
        return e;
    }
    grillejeu.swapossuser(c, v);
    memorisemarques(histo, {{c, static_cast<short>(1 << (v - 1))}});
    e.repeindre = true;
    return e;
}

effets clapartie::charge(short number, const char* definition) {
    const bool nouvelle = definition == nullptr && number == param.numeronouvelle();
    return chargeavec(number, definition,
                      nouvelle && !solutionnouvelle.empty() ? &solutionnouvelle : nullptr);
}

effets clapartie::chargeavec(short number, const char* definition,
                             const solver::cellvalues* generee) {
    effets e;
    const bool nouvelle = definition == nullptr && number == param.numeronouvelle();
    if (nouvelle) {
        clagrivora essai;
        if (!param.nouvelle.presente() || !grilledenouvelle(param.nouvelle, essai)) return e;
        if (anymode(modeappli::jeu)) laissegrille();
        grilledenouvelle(param.nouvelle, grillejeu);
    } else {
        const std::string nom = definition != nullptr ? std::string(definition) : nomgrille(number);
        if (nom.empty()) return e;
        if (anymode(modeappli::jeu)) laissegrille();
        if (grilleload(0, &grillejeu, nom.c_str()) == 0) return e;
    }
    // Worked out on the grid as it comes from its definition, before the
    // level and the state of play are applied.
    solution = generee != nullptr ? solutiondelagrille(grillejeu, param.nouvelle.forme, *generee)
                                  : solutiondelagrille(grillejeu);
    param.grillecourante = number;
    fixemode(modeappli::jeu);
    curseur = false;
    marques = {0, 0, 0};
    gstring etat;
    grilluserfromram(param, etat, number);
    restaureplateau(grillejeu, niveauchoisi(param, number), etat.adr());
    grillejeu.debutmodaffichagrille();
    grillejeu.ajustepossicase();
    histo.clear();
    laissees.reprend(number, histo, marques);
    e.grillechargee = true;
    e.repeindre = true;
    return e;
}

bool clapartie::nouvelleentamee() {
    const short n = param.numeronouvelle();
    if (!param.nouvelle.presente()) return false;
    if (anymode(modeappli::jeu) && param.grillecourante == n) return aentrees(grillejeu);
    clagrivora g;
    if (!grilledenouvelle(param.nouvelle, g)) return false;
    gstring etat;
    grilluserfromram(param, etat, n);
    restaureplateau(g, niveauchoisi(param, n), etat.adr());
    g.debutmodaffichagrille();
    return aentrees(g);
}

effets clapartie::prendnouvelle(const std::string& description, std::uint32_t graine, short niveau,
                                const solver::generated_puzzle& puzzle) {
    grillegen::grillegeneree faite;
    if (!grillegen::textesdelagrille(description, puzzle, faite)) return {};
    grillenouvelle g{description, graine, niveau, std::move(faite.textes)};
    clagrivora essai;
    if (!grilledenouvelle(g, essai)) return {};
    const short n = param.numeronouvelle();
    if (anymode(modeappli::jeu)) laissegrille();
    // The grid left is kept: charge must not keep it again, over the new one.
    param.grillecourante = 0;
    param.nouvelle = std::move(g);
    memogrilluser(param, n, "");
    fixeniveauchoisi(param, n, param.nouvelle.niveau);
    param.chronos.grille(n).clear();
    laissees.oublie(n);
    solutionnouvelle = puzzle.solution;
    effets e = charge(n);
    chronoazero();
    e.niveauchange = true;
    return e;
}

effets clapartie::demandecharger(short number) {
    argument = number;
    const short courante = anymode(modeappli::jeu) ? param.grillecourante : short(0);
    questionjeu q = ouinon(number == param.grillecourante ? 5 : 4, questionjeu::icone::question);
    q.p1 = std::to_string(number);
    q.p2 = courante > 0 ? std::to_string(courante) : std::string();
    q.chargeoui = !nomgrille(number).empty();
    return questionne(suite::charger, std::move(q));
}

effets clapartie::demandeniveau(bool monter) {
    if (!anymode(modeappli::jeu) || param.grillecourante <= 0) return {};
    argument = niveauvoisin(grillejeu.getniveauvoulu(), monter, niveaumax());
    // Nothing to lose: no question.
    if (!aentrees(grillejeu)) return changeniveau(argument);
    gstring francais;
    gstring anglais;
    clagrivora::texteniv(argument, nullptr, &francais, &anglais);
    questionjeu q = ouinon(16, questionjeu::icone::question, 2);
    q.p1 = param.langue == langueanglais ? anglais.adr() : francais.adr();
    q.p2 = std::to_string(param.grillecourante);
    return questionne(suite::niveau, std::move(q));
}

effets clapartie::changeniveau(short level) {
    const short g = param.grillecourante;
    grillejeu.fixenivoulu(clagrivora::sixtocent(level));
    grillejeu.fautappliquerniveau();
    grillejeu.retourafixe();
    grillejeu.razallpuser();
    grillejeu.ajustepossicase();
    fixeniveauchoisi(param, g, level);
    memogrilluser(param, g, "");
    fixeaides(param, g, {});
    histo.clear();
    marques = {0, 0, 0};
    chronoazero();
    effets e;
    e.niveauchange = true;
    e.repeindre = true;
    return e;
}

effets clapartie::demandefixe() {
    return questionne(suite::fixe, ouinon(10, questionjeu::icone::exclamation, 2));
}

effets clapartie::demandesauver() {
    if (param.sauveauto) {
        effets e;
        sauvejeu(e);
        return e;
    }
    return questionne(suite::sauver, ouinon(11, questionjeu::icone::question));
}

effets clapartie::demandequitter() {
    if (param.sauveauto) {
        effets e;
        e.quitter = sauvejeu(e);
        // Message 17 said, then whether to quit all the same.
        if (!e.quitter) attente = suite::echecquitter;
        return e;
    }
    questionjeu q = ouinon(9, questionjeu::icone::question, 3);
    q.choix = questionjeu::boutons::ouinonannuler;
    return questionne(suite::quitter, std::move(q));
}

effets clapartie::repond(reponsejeu r) {
    const suite s = attente;
    attente = suite::rien;
    const bool oui = r == reponsejeu::oui;
    effets e;
    switch (s) {
    case suite::charger:
        if (oui) e = charge(argument);
        break;
    case suite::niveau:
        if (oui) e = changeniveau(argument);
        break;
    case suite::fixe:
        if (oui) {
            grillejeu.retourafixe();
            grillejeu.ajustepossicase();
            histo.clear();
            fixeaides(param, param.grillecourante, {});
            chronoazero();
            e.repeindre = true;
        }
        break;
    case suite::sauver:
        if (oui && param.grillecourante > 0) sauvejeu(e);
        break;
    case suite::bravo:
        if (param.sauveauto) {
            sauvejeu(e);
        } else {
            e = questionne(suite::bravosauver, ouinon(12, questionjeu::icone::question));
        }
        break;
    case suite::bravosauver:
        if (oui) sauvejeu(e);
        break;
    case suite::quitter:
        if (oui) {
            e.quitter = sauvejeu(e);
            // Message 17 said, then whether to quit all the same.
            if (!e.quitter) attente = suite::echecquitter;
        } else {
            e.quitter = r == reponsejeu::non;
        }
        break;
    case suite::echecquitter:
        e = questionne(suite::quitterquandmeme, ouinon(22, questionjeu::icone::exclamation, 2));
        break;
    case suite::quitterquandmeme:
        e.quitter = oui;
        break;
    case suite::pause:
        e.pause = oui;
        break;
    case suite::nouvelle:
        e.choixnouvelle = oui;
        break;
    case suite::sansenregistrer:
        if (oui)
            sansenregistrer = true;
        else
            e.quitter = true;
        break;
    case suite::informations:
        if (r == reponsejeu::ok && argument + 1 < static_cast<short>(pagesinfo.size())) {
            ++argument;
            e = pageinformations();
        } else {
            pagesinfo.clear();
        }
        break;
    case suite::rien:
        break;
    }
    return e;
}

void clapartie::laissegrille() {
    const short g = param.grillecourante;
    if (g <= 0) return;
    gstring etat;
    grillejeu.getactudata(3, &etat);
    memogrilluser(param, g, etat.adr());
    laissees.garde(g, histo, marques);
}

std::string clapartie::etatasauver() {
    if (!anymode(modeappli::jeu)) return {};
    gstring etat;
    grillejeu.getactudata(3, &etat);
    return std::to_string(param.grillecourante) + ":" + etat.adr();
}

bool clapartie::sauvegardeenattente() {
    return param.sauveauto && anymode(modeappli::jeu) && !sansenregistrer &&
           etatasauver() != dernieresauve;
}

void clapartie::sauveauto(std::uint32_t maintenant) {
    if (!sauvegardeenattente() || attente != suite::rien) return;
    // The first board seen is the one the file holds.
    if (dernieresauve.empty()) {
        dernieresauve = etatasauver();
        instantsauve = maintenant;
        return;
    }
    // Tried again a second later when it fails.
    if (maintenant - instantsauve < 1000) return;
    instantsauve = maintenant;
    effets e;
    sauvejeu(e, true);
}

bool clapartie::sauvejeu(effets& e, bool silencieux) {
    if (param.grillecourante > 0) {
        gstring etat;
        grillejeu.getactudata(3, &etat);
        memogrilluser(param, param.grillecourante, etat.adr());
    }
    const std::string nom = getfichier();
    if (!sansenregistrer && ecriparamusernew(param, nom.c_str())) {
        dernieresauve = etatasauver();
        return true;
    }
    if (!silencieux) {
        questionjeu q;
        q.numero = sansenregistrer ? short(25) : short(17);
        q.genre = questionjeu::icone::exclamation;
        q.p1 = nom;
        const std::vector<bipjeu> bips = e.bips;
        e = questionne(suite::rien, std::move(q));
        e.bips = bips;
    }
    return false;
}

void clapartie::ouvreregles() {
    // Already in the rules (a repeated command): what was kept stays kept.
    if (!anymode(modeappli::regles)) {
        regles.grille = anymode(modeappli::jeu) && param.grillecourante > 0;
        if (regles.grille) {
            grillejeu.getactudata(3, &regles.etat);
            regles.position = histo.moveto(regles.pile);
            regles.points = marques;
        }
    }
    fixemode(modeappli::regles);
}

bool clapartie::reprendapresregles() const {
    return regles.grille && param.grillecourante > 0;
}

effets clapartie::quitteregles() {
    const short g = param.grillecourante;
    effets e;
    if (reprendapresregles()) e = charge(g);
    if (e.grillechargee) {
        restaureplateau(grillejeu, niveauchoisi(param, g), regles.etat.adr());
        grillejeu.debutmodaffichagrille();
        grillejeu.ajustepossicase();
        histo.setfrom(regles.position, regles.pile);
        marques = regles.points;
        e.grillereprise = true;
    } else {
        fixemode(modeappli::sansgrille);
        histo.clear();
    }
    regles = gardee{};
    e.repeindre = true;
    return e;
}
