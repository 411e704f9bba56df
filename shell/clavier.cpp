// The keys of play: commands, options and the keyboard cursor.
#include "shell/clavier.h"

#include "shell/boites.h"
#include "shell/boutons.h"
#include "shell/commandes.h"
#include "shell/defilement.h"
#include "shell/etatjeu.h"
#include "shell/jeu.h"
#include "shell/menucles.h"
#include "shell/miseenpage.h"
#include "shell/nouvelle.h"

#include "shell/core/textesvora.h"

#include <utility>

namespace {

// Held with the key being handled (the state at the key's message, not now:
// a Ctrl released before a late handling still makes Ctrl+Z).
bool enfoncee(int touche) {
    return (static_cast<unsigned short>(GetKeyState(touche)) & 0x8000u) != 0;
}

struct touchecommande {
    WPARAM touche;
    bool ctrl;
    short id;
};

constexpr touchecommande commandesclavier[] = {
    {'Z', true, idannuler},       {'Y', true, idrefaire},        {VK_ADD, false, idplus},
    {VK_OEM_PLUS, false, idplus}, {VK_SUBTRACT, false, idmoins}, {VK_OEM_MINUS, false, idmoins},
    {'I', false, idinfo},         {VK_F1, false, idregles},      {'F', false, idfixe},
    {'P', false, idpause},        {'S', false, idsauver},        {'L', false, idlangue},
    {'X', false, idquitter},      {'H', false, idindice},        {'K', false, idverifie},
    {'M', false, idnotes},
};

// The digit 0..6 of a key of the main keyboard or the numeric pad, else -1.
short chiffre(WPARAM touche) {
    if (touche >= '0' && touche <= '6') return static_cast<short>(touche - '0');
    if (touche >= VK_NUMPAD0 && touche <= VK_NUMPAD0 + 6)
        return static_cast<short>(touche - VK_NUMPAD0);
    return -1;
}

bool toucheoption(HWND window, WPARAM touche) {
    switch (touche) {
    case 'V':
        commande(window, idoptionsurligne);
        return true;
    case 'C':
        commande(window, idoptioncomptes);
        return true;
    case 'A':
        commande(window, idoptionnettoie);
        return true;
    default:
        return false;
    }
}

bool* option(short id) {
    claparamuser& p = partie.parametres();
    if (id == idoptionsurligne) return &p.surligne;
    if (id == idoptioncomptes) return &p.comptes;
    if (id == idoptionnettoie) return &p.nettoiemarques;
    return nullptr;
}

// The keys on the grid, in play only.
bool touchegrille(WPARAM touche, bool majuscule) {
    const short v = chiffre(touche);
    // Without the cursor a digit only chooses the value (captouchauvol).
    if (v >= 0 && (majuscule || partie.curseurvisible())) {
        if (majuscule) {
            if (v > 0) appliquer(partie.basculemarque(v));
        } else {
            appliquer(partie.touchechiffre(v));
        }
        return true;
    }
    switch (touche) {
    case VK_LEFT:
        appliquer(partie.deplacecurseur(sensdeplacement::gauche));
        return true;
    case VK_RIGHT:
        appliquer(partie.deplacecurseur(sensdeplacement::droite));
        return true;
    case VK_UP:
        appliquer(partie.deplacecurseur(sensdeplacement::haut));
        return true;
    case VK_DOWN:
        appliquer(partie.deplacecurseur(sensdeplacement::bas));
        return true;
    case VK_SPACE:
    case VK_RETURN:
        appliquer(partie.entreevaleur());
        return true;
    case VK_DELETE:
    case VK_BACK:
        appliquer(partie.effacecase());
        return true;
    default:
        return false;
    }
}

std::string texte(const std::string& cle) {
    const bool en = partie.parametres().langue == langueanglais;
    gstring t;
    textevora(t, (cle + (en ? ".en" : ".fr")).c_str());
    return t.adr();
}

} // namespace

void listetouches() {
    std::string liste = texte("menu");
    for (const short id : {idoptionsurligne, idoptioncomptes, idoptionnettoie})
        liste += "\n" + texteoption(id);
    liste += "\n";
    for (const char* cle :
         {"nouvelle.menu", "aide.menu.indice", "aide.menu.verif", "aide.menu.notes"})
        liste += "\n" + texte(cle);
    gstring titre;
    titreprogramme(titre);
    blocagedujeu();
    chronomactiver(false);
    boitetexte(liste.c_str(), titre.adr(), MB_OK | MB_ICONINFORMATION);
    deblocagedujeu();
    chronomactiver(true);
}

bool touchejeu(HWND window, WPARAM touche) {
    if (anymode(modeappli::regles)) return false;
    const bool ctrl = enfoncee(VK_CONTROL);
    const bool majuscule = enfoncee(VK_SHIFT);
    for (const touchecommande& c : commandesclavier)
        if (c.touche == touche && c.ctrl == ctrl) {
            commande(window, c.id);
            return true;
        }
    if (touche == VK_APPS || (touche == VK_F10 && majuscule)) {
        POINT p{dispositionjeu::L, 40};
        ClientToScreen(window, &p);
        ouvremenu(window, p);
        return true;
    }
    if (touche >= VK_F2 && touche <= VK_F6 && !ctrl) {
        commande(window, idbouttongrille(static_cast<short>(touche - VK_F2 + 1)));
        return true;
    }
    if (touche == 'N' && !ctrl && !majuscule) {
        commande(window, idnouvelle);
        return true;
    }
    if (ctrl || !anymode(modeappli::jeu)) return false;
    if (touche == VK_PRIOR || touche == VK_NEXT) {
        if (jeu.verrousboutons > 0) {
            bipsrefus();
        } else {
            appliquer(partie.demandeniveau(touche == VK_PRIOR));
        }
        return true;
    }
    return toucheoption(window, touche) || touchegrille(touche, majuscule);
}

void basculeoption(short id) {
    bool* o = option(id);
    if (o == nullptr) return;
    *o = !*o;
    reaffigri();
}

std::string texteoption(short id) {
    static const std::pair<short, const char*> cles[] = {{idoptionsurligne, "surl"},
                                                         {idoptioncomptes, "cpt"},
                                                         {idoptionnettoie, "net"},
                                                         {idliste, "liste"}};
    for (const auto& [i, cle] : cles) {
        if (i != id) continue;
        std::string t = texte(std::string("option.") + cle);
        if (const bool* o = option(id)) t += " (" + texte(*o ? "option.oui" : "option.non") + ")";
        return t;
    }
    return {};
}

std::string avectouche(short id, const char* tip) {
    const std::string nom = texte("touche." + std::to_string(id));
    if (nom.empty()) return tip;
    return std::string(tip) + " (" + nom + ")";
}
