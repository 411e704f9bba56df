// The command table and what reads it: commands, keys, tips, the popup menu
// and the list of keys.
#include "shell/commandes.h"

#include "shell/bulleaide.h"
#include "shell/defilement.h"
#include "shell/idcommandes.h"
#include "shell/jeu.h"
#include "shell/miseenpage.h"
#include "shell/pilotemenu.h"
#include "shell/pilotenouvelle.h"
#include "shell/piloteregles.h"
#include "shell/piloteselecteur.h"

#include "shell/core/textesvora.h"

#include <iterator>
#include <optional>
#include <string>

namespace {

// When a command's keys work: outside the rules pages, while a grid is
// played, or on the rules pages.
enum class quand : unsigned char { horsregles, jeu, regles };

// A key of a command: its virtual key, then Ctrl and Shift: 1 held, 0 not
// held, -1 either.
struct raccourci {
    WPARAM touche = 0;
    signed char ctrl = 0;
    signed char maj = -1;
};

// What a command's popup menu line is: none, its tip (with its key), the
// text of its text key, that text with the option's state, the new grids'
// lines (lignesnouvelle), or the list of keys' label.
enum class ligne : unsigned char { aucune, tip, texte, option, nouvelles, liste };

struct commandejeu {
    short id;
    const char* fr; // its tip, French and English (null: none)
    const char* en;
    const char* cletouche; // the text naming its key in its tip and line
    ligne menu;
    const char* cle; // the text key of its line (ligne::texte, option, liste)
    quand mode;
    raccourci touches[2];
    void (*executer)(claappli& a, short id);
    // Run as a command (commande: the button lock, the help hidden, the
    // focus given back), else called as it is (the popup menu's key).
    bool encommande = true;
};

// The handlers.
void grille(claappli& a, short id) {
    const short g = grilledubouton(id);
    if (g <= a.nbgrilles && grillecharger(a, g, nullptr, true)) a.reaffigri();
}
void defile(claappli& a, short id) {
    defilebouton(a, id);
}
void annuler(claappli& a, short) {
    appliquer(a, a.partie.defaire());
}
void refaire(claappli& a, short) {
    appliquer(a, a.partie.refaire());
}
void plus(claappli& a, short) {
    changetaillecase(a, tailleplus(a.partie.parametres().taillecase, taillemaxiecran(a)), true);
}
void moins(claappli& a, short) {
    changetaillecase(a, taillemoins(a.partie.parametres().taillecase), true);
}
void informations(claappli& a, short) {
    appliquer(a, a.partie.demandeinformations(a.regions.flecheaffichee()));
}
void valeur(claappli& a, short id) {
    nombreclic(a, static_cast<short>(id - idzero));
}
void regles(claappli& a, short) {
    ouvrirregles(a);
}
void retour(claappli& a, short) {
    if (a.anymode(modeappli::regles)) quitterregles(a);
}
void precedente(claappli& a, short) {
    pageprecedente(a);
}
void suivante(claappli& a, short) {
    pagesuivante(a);
}
void premiere(claappli& a, short) {
    premierepage(a);
}
void derniere(claappli& a, short) {
    dernierepage(a);
}
void quitter(claappli& a, short) {
    SendMessageA(a.fenetre, WM_CLOSE, 0, 0);
}
void fixe(claappli& a, short) {
    appliquer(a, a.partie.demandefixe());
}
void pause(claappli& a, short) {
    appliquer(a, a.partie.demandepause());
}
void sauver(claappli& a, short) {
    appliquer(a, a.partie.demandesauver());
}
void langue(claappli& a, short) {
    appliquer(a, a.partie.changelangue());
}
void liste(claappli& a, short) {
    if (!a.anymode(modeappli::regles)) listetouches(a);
}
std::optional<optionjeu> optiondelid(short id) {
    if (id == idoptionsurligne) return optionjeu::surligne;
    if (id == idoptioncomptes) return optionjeu::comptes;
    if (id == idoptionnettoie) return optionjeu::nettoie;
    if (id == idoptionerreurs) return optionjeu::erreurs;
    if (id == idoptioncrayon) return optionjeu::crayon;
    if (id == idoptionsauve) return optionjeu::sauveauto;
    return std::nullopt;
}
void option(claappli& a, short id) {
    if (const std::optional<optionjeu> o = optiondelid(id))
        appliquer(a, a.partie.basculeoption(*o));
}
void theme(claappli& a, short) {
    appliquer(a, a.partie.themesuivant());
}
void aide(claappli& a, short id) {
    if (!a.anymode(modeappli::jeu)) return;
    appliquer(a, id == idindice    ? a.partie.indice()
                 : id == idverifie ? a.partie.verifie()
                                   : a.partie.notecandidats());
}
void niveau(claappli& a, short id) {
    if (a.anymode(modeappli::jeu)) appliquer(a, a.partie.demandeniveau(id == idniveau));
}
void nouvelle(claappli& a, short id) {
    // The column's "N" loads the generated grid, as the menu's line back to it.
    commandenouvelle(a, id == idboutonnouvelle ? idnouvelleretour : id);
}
void menu(claappli& a, short) {
    ouvremenucommandes(a, coincolonne(a));
}

constexpr raccourci aucun{};
// A key without Ctrl, Shift either way.
constexpr raccourci touche(WPARAM t) {
    return raccourci{t, 0, -1};
}

// The commands: the button column's in its order (the popup menu's), then
// those without a button. The menu's lines follow this order.
const commandejeu table[] = {
    {idlangue,
     "Langue",
     "Language",
     "touche.36",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {touche('L'), aucun},
     langue},
    {idgrille1,
     "S\xE9lec. grille 1",
     "Select grid #1",
     "touche.34",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {touche(VK_F2), aucun},
     grille},
    {idgrille2,
     "S\xE9lec. grille 2",
     "Select grid #2",
     "touche.31",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {touche(VK_F3), aucun},
     grille},
    {idgrille3,
     "S\xE9lec. grille 3",
     "Select grid #3",
     "touche.33",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {touche(VK_F4), aucun},
     grille},
    {idgrille4,
     "S\xE9lec. grille 4",
     "Select grid #4",
     "touche.32",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {touche(VK_F5), aucun},
     grille},
    {idgrille5,
     "S\xE9lec. grille 5",
     "Select grid #5",
     "touche.30",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {touche(VK_F6), aucun},
     grille},
    {idniveau,
     "Niveau : clic gauche +1, clic droit -1",
     "Level: left click up, right click down",
     "touche.37",
     ligne::tip,
     nullptr,
     quand::jeu,
     {touche(VK_PRIOR), aucun},
     niveau},
    {idboutonnouvelle,
     "S\xE9lec. la nouvelle grille",
     "Select the new grid",
     nullptr,
     ligne::aucune,
     nullptr,
     quand::horsregles,
     {aucun, aucun},
     nouvelle},
    {idnouvelle,
     nullptr,
     nullptr,
     nullptr,
     ligne::nouvelles,
     "nouvelle.menu",
     quand::horsregles,
     {raccourci{'N', 0, 0}, aucun},
     nouvelle},
    {idmoins,
     "Diminuer",
     "Smaller",
     "touche.20",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {touche(VK_SUBTRACT), touche(VK_OEM_MINUS)},
     moins},
    {idplus,
     "Agrandir",
     "Bigger",
     "touche.10",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {touche(VK_ADD), touche(VK_OEM_PLUS)},
     plus},
    {idregles,
     "R\xE8gle du jeu",
     "Game rules",
     "touche.23",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {touche(VK_F1), aucun},
     regles},
    {idinfo,
     "Informations...",
     "Information...",
     "touche.12",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {touche('I'), aucun},
     informations},
    {idannuler,
     "D\xE9"
     "faire",
     "Undo",
     "touche.8",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {raccourci{'Z', 1, -1}, aucun},
     annuler},
    {idrefaire,
     "Refaire",
     "Redo",
     "touche.9",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {raccourci{'Y', 1, -1}, aucun},
     refaire},
    {idzero,
     "Effacer",
     "Erase",
     "touche.13",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {aucun, aucun},
     valeur},
    {idfixe,
     "Revenir aux valeurs donn\xE9"
     "es",
     "Back to the given values",
     "touche.26",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {touche('F'), aucun},
     fixe},
    {idpause,
     "Pause",
     "Pause",
     "touche.28",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {touche('P'), aucun},
     pause},
    {idsauver,
     "Enregistrer",
     "Save",
     "touche.29",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {touche('S'), aucun},
     sauver},
    {idquitter,
     "Quitter",
     "Exit",
     "touche.21",
     ligne::tip,
     nullptr,
     quand::horsregles,
     {touche('X'), aucun},
     quitter},
    {idindice,
     nullptr,
     nullptr,
     nullptr,
     ligne::texte,
     "aide.menu.indice",
     quand::horsregles,
     {touche('H'), aucun},
     aide},
    {idverifie,
     nullptr,
     nullptr,
     nullptr,
     ligne::texte,
     "aide.menu.verif",
     quand::horsregles,
     {touche('K'), aucun},
     aide},
    {idnotes,
     nullptr,
     nullptr,
     nullptr,
     ligne::texte,
     "aide.menu.notes",
     quand::horsregles,
     {touche('M'), aucun},
     aide},
    // The look before the options: the options' lines keep their places
    // from the menu's end.
    {idoptiontheme,
     nullptr,
     nullptr,
     nullptr,
     ligne::option,
     "option.thm",
     quand::jeu,
     {touche('T'), aucun},
     theme},
    {idoptionsurligne,
     nullptr,
     nullptr,
     nullptr,
     ligne::option,
     "option.surl",
     quand::jeu,
     {touche('V'), aucun},
     option},
    {idoptioncomptes,
     nullptr,
     nullptr,
     nullptr,
     ligne::option,
     "option.cpt",
     quand::jeu,
     {touche('C'), aucun},
     option},
    {idoptionnettoie,
     nullptr,
     nullptr,
     nullptr,
     ligne::option,
     "option.net",
     quand::jeu,
     {touche('A'), aucun},
     option},
    {idoptionerreurs,
     nullptr,
     nullptr,
     nullptr,
     ligne::option,
     "option.err",
     quand::jeu,
     {touche('E'), aucun},
     option},
    {idoptioncrayon,
     nullptr,
     nullptr,
     nullptr,
     ligne::option,
     "option.cray",
     quand::jeu,
     {touche('O'), aucun},
     option},
    {idoptionsauve,
     nullptr,
     nullptr,
     nullptr,
     ligne::option,
     "option.auto",
     quand::jeu,
     {touche('W'), aucun},
     option},
    {idliste,
     nullptr,
     nullptr,
     nullptr,
     ligne::liste,
     "option.liste",
     quand::horsregles,
     {aucun, aucun},
     liste},
    // Without a line of the popup menu.
    {idniveaubas,
     nullptr,
     nullptr,
     nullptr,
     ligne::aucune,
     nullptr,
     quand::jeu,
     {touche(VK_NEXT), aucun},
     niveau},
    {idmenu,
     nullptr,
     nullptr,
     nullptr,
     ligne::aucune,
     nullptr,
     quand::horsregles,
     {raccourci{VK_APPS, -1, -1}, raccourci{VK_F10, -1, 1}},
     menu,
     false},
    {idvaleur(1),
     "S\xE9lec. chiffre 1",
     "Select number 1",
     nullptr,
     ligne::aucune,
     nullptr,
     quand::horsregles,
     {aucun, aucun},
     valeur},
    {idvaleur(2),
     "S\xE9lec. chiffre 2",
     "Select number 2",
     nullptr,
     ligne::aucune,
     nullptr,
     quand::horsregles,
     {aucun, aucun},
     valeur},
    {idvaleur(3),
     "S\xE9lec. chiffre 3",
     "Select number 3",
     nullptr,
     ligne::aucune,
     nullptr,
     quand::horsregles,
     {aucun, aucun},
     valeur},
    {idvaleur(4),
     "S\xE9lec. chiffre 4",
     "Select number 4",
     nullptr,
     ligne::aucune,
     nullptr,
     quand::horsregles,
     {aucun, aucun},
     valeur},
    {idvaleur(5),
     "S\xE9lec. chiffre 5",
     "Select number 5",
     nullptr,
     ligne::aucune,
     nullptr,
     quand::horsregles,
     {aucun, aucun},
     valeur},
    {idvaleur(6),
     "S\xE9lec. chiffre 6",
     "Select number 6",
     nullptr,
     ligne::aucune,
     nullptr,
     quand::horsregles,
     {aucun, aucun},
     valeur},
    {iddefiledroite,
     nullptr,
     nullptr,
     nullptr,
     ligne::aucune,
     nullptr,
     quand::jeu,
     {aucun, aucun},
     defile},
    {iddefilegauche,
     nullptr,
     nullptr,
     nullptr,
     ligne::aucune,
     nullptr,
     quand::jeu,
     {aucun, aucun},
     defile},
    {iddefilebas,
     nullptr,
     nullptr,
     nullptr,
     ligne::aucune,
     nullptr,
     quand::jeu,
     {aucun, aucun},
     defile},
    {iddefilehaut,
     nullptr,
     nullptr,
     nullptr,
     ligne::aucune,
     nullptr,
     quand::jeu,
     {aucun, aucun},
     defile},
    // The rules pages' buttons and keys.
    {idretour,
     "Retour \xE0 la grille (\xC9"
     "chap, Entr\xE9"
     "e)",
     "Return to the grid (Esc, Enter)",
     nullptr,
     ligne::aucune,
     nullptr,
     quand::regles,
     {raccourci{VK_ESCAPE, -1, -1}, raccourci{VK_RETURN, -1, -1}},
     retour},
    {idpageprec,
     "Page pr\xE9"
     "c\xE9"
     "dente (fl\xE8"
     "che gauche, Pg pr\xE9"
     "c, D\xE9"
     "but : premi\xE8"
     "re)",
     "Previous page (Left arrow, Page Up, Home: first)",
     nullptr,
     ligne::aucune,
     nullptr,
     quand::regles,
     {raccourci{VK_LEFT, -1, -1}, raccourci{VK_PRIOR, -1, -1}},
     precedente},
    {idpagesuiv,
     "Page suivante (fl\xE8"
     "che droite, Pg suiv, Fin : derni\xE8"
     "re)",
     "Next page (Right arrow, Page Down, End: last)",
     nullptr,
     ligne::aucune,
     nullptr,
     quand::regles,
     {raccourci{VK_RIGHT, -1, -1}, raccourci{VK_NEXT, -1, -1}},
     suivante},
    {idpagepremiere,
     nullptr,
     nullptr,
     nullptr,
     ligne::aucune,
     nullptr,
     quand::regles,
     {raccourci{VK_HOME, -1, -1}, aucun},
     premiere,
     false},
    {idpagederniere,
     nullptr,
     nullptr,
     nullptr,
     ligne::aucune,
     nullptr,
     quand::regles,
     {raccourci{VK_END, -1, -1}, aucun},
     derniere,
     false},
};

const commandejeu* commandedid(short id) {
    for (const commandejeu& c : table)
        if (c.id == id) return &c;
    return nullptr;
}

bool enmode(const claappli& a, quand q) {
    switch (q) {
    case quand::horsregles:
        return !a.anymode(modeappli::regles);
    case quand::jeu:
        return a.anymode(modeappli::jeu);
    case quand::regles:
        return a.anymode(modeappli::regles);
    }
    return false;
}

bool convient(signed char attendu, bool tenu) {
    return attendu < 0 || (attendu != 0) == tenu;
}

std::string texte(const claappli& a, const std::string& cle) {
    const bool en = a.partie.parametres().langue == langueanglais;
    gstring t;
    textevora(t, (cle + (en ? ".en" : ".fr")).c_str());
    return t.adr();
}

std::string avectouchedans(short langue, const commandejeu& c, const char* tip) {
    if (c.cletouche == nullptr) return tip;
    gstring nom;
    textevora(nom, (std::string(c.cletouche) + (langue == langueanglais ? ".en" : ".fr")).c_str());
    if (nom.isempty()) return tip;
    return std::string(tip) + " (" + nom.adr() + ")";
}

} // namespace

void commande(claappli& a, short id) {
    a.menu.ferme();
    // A second hint enters the value of the one shown.
    if (id != idindice) cacheaide(a);
    if (a.verrousboutons > 0) {
        a.bipsrefus();
        return;
    }
    a.boutonbloquer();
    if (const commandejeu* c = commandedid(id))
        c->executer(a, id);
    else
        commandenouvelle(a, id);
    a.boutonlaisser();
    if (a.fenetre != nullptr && GetFocus() != a.fenetre) SetFocus(a.fenetre);
}

bool touchecommande(claappli& a, WPARAM t, bool ctrl, bool maj) {
    for (const commandejeu& c : table) {
        if (!enmode(a, c.mode)) continue;
        for (const raccourci& r : c.touches) {
            if (r.touche == 0 || r.touche != t || !convient(r.ctrl, ctrl) || !convient(r.maj, maj))
                continue;
            if (c.encommande)
                commande(a, c.id);
            else
                c.executer(a, c.id);
            return true;
        }
    }
    return false;
}

std::string avectouche(const claappli& a, short id, const char* tip) {
    const commandejeu* c = commandedid(id);
    return c != nullptr ? avectouchedans(a.partie.parametres().langue, *c, tip) : tip;
}

std::string texteoption(const claappli& a, short id) {
    const commandejeu* c = commandedid(id);
    if (c == nullptr || (c->menu != ligne::option && c->menu != ligne::liste)) return {};
    std::string t = texte(a, c->cle);
    if (const std::optional<optionjeu> o = optiondelid(id))
        t += " (" + texte(a, a.partie.option(*o) ? "option.oui" : "option.non") + ")";
    if (id == idoptiontheme)
        t += " (" + texte(a, "theme." + std::to_string(a.partie.parametres().theme)) + ")";
    return t;
}

std::vector<lignemenu> lignesdumenu(const claappli& a) {
    const bool en = a.partie.parametres().langue == langueanglais;
    std::vector<lignemenu> l;
    for (const commandejeu& c : table) {
        switch (c.menu) {
        case ligne::tip:
            l.push_back({c.id, avectouche(a, c.id, en ? c.en : c.fr)});
            break;
        case ligne::texte:
            l.push_back({c.id, texteaide(c.cle, a.partie.parametres().langue)});
            break;
        case ligne::option:
        case ligne::liste:
            l.push_back({c.id, texteoption(a, c.id)});
            break;
        case ligne::nouvelles:
            for (lignemenu& n : lignesnouvelle(a)) l.push_back(std::move(n));
            break;
        case ligne::aucune:
            break;
        }
    }
    return l;
}

void ouvremenucommandes(claappli& a, POINT p) {
    ouvremenu(a, p, lignesdumenu(a));
}

void textestips(claappli& a) {
    for (auto& t : a.textestips) t.clear();
    for (const short langue : {languefrancais, langueanglais})
        for (const commandejeu& c : table) {
            if (c.fr == nullptr) continue;
            const char* tip = langue == langueanglais ? c.en : c.fr;
            const std::size_t i =
                (c.mode == quand::regles ? 2 : 0) + (langue == langueanglais ? 1 : 0);
            a.textestips[i].emplace_back(c.id, avectouchedans(langue, c, tip));
        }
}

void listetouches(claappli& a) {
    std::string l = texte(a, "menu");
    for (const commandejeu& c : table)
        if (c.menu == ligne::option) l += "\n" + texteoption(a, c.id);
    l += "\n";
    for (const commandejeu& c : table)
        if (c.menu == ligne::nouvelles || c.menu == ligne::texte) l += "\n" + texte(a, c.cle);
    questionjeu q;
    q.texte = l;
    appliquer(a, a.partie.annonce(std::move(q)));
}
