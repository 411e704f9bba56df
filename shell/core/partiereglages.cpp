// The settings of the game in progress (options, language, cell size,
// position, the parameter file read), the chronometer rule with the window's
// flags, and the boxes of information asked as questions: pause, the "I"
// pages, the arrows, a new grid over an entered one, the shell's own boxes.
#include "shell/core/partie.h"

#include "shell/core/createmsg.h"
#include "shell/core/textesrecords.h"
#include "shell/core/textesvora.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

// The text of message numero (the game's page is always drawn in display
// mode 6: no circles).
std::string message(short numero, short langue, const char* a = nullptr, const char* b = nullptr) {
    gstring t;
    createmsg(&t, numero, langue, a, b);
    return t.adr();
}

} // namespace

bool clapartie::litparametres(const char* path, short languesansfichier) {
    const bool lu = getparamuser(param, path);
    if (!lu) param.langue = languesansfichier;
    if (param.grillecourante == 0) param.grillecourante = 1;
    return lu;
}

effets clapartie::basculeoption(optionjeu o) {
    bool& b = o == optionjeu::surligne    ? param.surligne
              : o == optionjeu::comptes   ? param.comptes
              : o == optionjeu::erreurs   ? param.erreurs
              : o == optionjeu::crayon    ? param.crayon
              : o == optionjeu::sauveauto ? param.sauveauto
                                          : param.nettoiemarques;
    b = !b;
    effets e;
    e.repeindre = true;
    return e;
}

bool clapartie::option(optionjeu o) const {
    if (o == optionjeu::surligne) return param.surligne;
    if (o == optionjeu::comptes) return param.comptes;
    if (o == optionjeu::erreurs) return param.erreurs;
    if (o == optionjeu::crayon) return param.crayon;
    if (o == optionjeu::sauveauto) return param.sauveauto;
    return param.nettoiemarques;
}

effets clapartie::themesuivant() {
    param.theme = static_cast<short>((param.theme + 1) % nbthemes);
    effets e;
    e.repeindre = true;
    return e;
}

effets clapartie::changelangue() {
    param.langue = param.langue == languefrancais ? langueanglais : languefrancais;
    effets e;
    e.languechangee = true;
    return e;
}

void clapartie::fixetaillecase(short taille) {
    param.taillecase = taille;
}

void clapartie::fixeposition(short gauche, short haut) {
    param.left = gauche;
    param.top = haut;
}

etatchrono clapartie::etatchronocourant() const {
    etatchrono e = etatpartie();
    e.actif = fen.actif;
    e.minimise = fen.minimise;
    e.verrous = fen.verrous;
    return e;
}

void clapartie::chronomevaluer() {
    param.chronos.chronomevaluer(etatchronocourant());
}

bool clapartie::textechrono(bool pret, gstring& out) {
    return param.chronos.affichronocourt(param.grillecourante, pret, out,
                                         param.langue == langueanglais);
}

void clapartie::chronoazero() {
    param.chronos.remiseazero(param.grillecourante, etatchronocourant());
}

effets clapartie::demandechoixnouvelle() {
    if (!nouvelleentamee()) {
        effets e;
        e.choixnouvelle = true;
        return e;
    }
    questionjeu q = ouinon(0, questionjeu::icone::question, 2);
    gstring t;
    textevora(t, param.langue == langueanglais ? "nouvelle.remplace.en" : "nouvelle.remplace.fr");
    q.texte = t.adr();
    return questionne(suite::nouvelle, std::move(q));
}

effets clapartie::demandenouvelle(const std::string& description, short niveau) {
    effets e;
    e.generer = generation{description, niveau};
    return e;
}

effets clapartie::demandepause() {
    return questionne(suite::pause, ouinon(8, questionjeu::icone::exclamation, 2));
}

std::string clapartie::pagegrille() {
    const bool en = param.langue == langueanglais;
    const short g = param.grillecourante;
    gstring francais;
    gstring anglais;
    clagrivora::texteniv(grillejeu.getniveauvoulu(), nullptr, &francais, &anglais);
    short remplies = 0;
    for (short c = 1; c <= grillejeu.getnbcases(); ++c)
        if (!grillejeu.casestvide(c)) ++remplies;
    gstring temps;
    param.chronos.grille(g).affiduresec(temps, en);
    std::string duree = temps.adr();
    duree.erase(0, std::min(duree.size(), duree.find_first_not_of(' ')));
    const char* niveau = en ? anglais.adr() : francais.adr();
    std::string page = message(7, param.langue, std::to_string(g).c_str(), niveau);
    if (g == param.numeronouvelle()) {
        // The generated grid is named by its shape and seed, not a number.
        page = texteaide("nouvelle.info", param.langue, param.nouvelle.forme, niveau) + "\n" +
               texteaide("nouvelle.graine", param.langue, std::to_string(param.nouvelle.graine));
    }
    page += "\n" + message(26, param.langue, std::to_string(remplies).c_str(),
                           std::to_string(grillejeu.getnbcases()).c_str());
    page += "\n" + message(27, param.langue, duree.c_str());
    page +=
        "\n\n" + texterecords(param.records, clegrille(), aidesutilisees(), param.langue) + "\n";
    std::error_code e;
    const std::string nom = getfichier();
    const std::filesystem::path absolu = std::filesystem::absolute(nom, e);
    page += "\n" + message(21, param.langue, (e ? nom : absolu.string()).c_str());
    return page;
}

effets clapartie::demandeinformations(bool fleches) {
    pagesinfo = {pagegrille()};
    for (const short numero : {short{15}, short{14}, short{3}, short{13}})
        pagesinfo.push_back(message(numero, param.langue));
    if (fleches) pagesinfo.push_back(message(2, param.langue));
    argument = 0;
    return pageinformations();
}

effets clapartie::pageinformations() {
    const auto i = static_cast<size_t>(argument);
    const bool derniere = i + 1 == pagesinfo.size();
    questionjeu q;
    q.texte = pagesinfo[i] + "\n\n" +
              message(derniere ? 29 : 28, param.langue, std::to_string(i + 1).c_str(),
                      std::to_string(pagesinfo.size()).c_str());
    q.choix = derniere ? questionjeu::boutons::ok : questionjeu::boutons::okannuler;
    return questionne(suite::informations, std::move(q));
}

effets clapartie::expliquefleches() {
    if (flechesexpliquees) return {};
    flechesexpliquees = true;
    questionjeu q;
    q.numero = 2;
    return questionne(suite::rien, std::move(q));
}

effets clapartie::annonce(questionjeu q) {
    return questionne(suite::rien, std::move(q));
}

effets clapartie::demandesansenregistrer(short numero, std::string nom, std::string objet) {
    questionjeu q = ouinon(numero, questionjeu::icone::exclamation);
    q.p1 = std::move(nom);
    q.p2 = std::move(objet);
    return questionne(suite::sansenregistrer, std::move(q));
}
