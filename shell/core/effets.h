// What the game in progress answers to an intent: the effects the shell
// carries out (repaints, beeps, the erase signal, help to show) and the one
// question it asks, whose answer goes back through clapartie::repond.
#pragma once

#include "shell/core/indice.h"

#include <optional>
#include <string>
#include <vector>

// One beep: frequency in Hz, duration in ms.
struct bipjeu {
    unsigned frequence = 0;
    unsigned duree = 0;
    bool operator==(const bipjeu&) const = default;
};

// A numbered question (message number, createmsg.h) and its box; a question
// with a text of its own (texte not empty) shows that text instead, under the
// program's title.
struct questionjeu {
    enum class boutons { ok, ouinon, ouinonannuler, okannuler };
    enum class icone { information, question, exclamation, arret };
    short numero = 0;
    std::string texte;
    boutons choix = boutons::ok;
    icone genre = icone::information;
    short pardefaut = 1; // the default button, 1..3
    std::string p1;      // the message's parameters
    std::string p2;
    bool chargeoui = false; // a yes loads a grid (the shell shows its splash first)
};

// A yes/no question: message numero with its icon and default button.
inline questionjeu ouinon(short numero, questionjeu::icone icone, short pardefaut = 1) {
    questionjeu q;
    q.numero = numero;
    q.choix = questionjeu::boutons::ouinon;
    q.genre = icone;
    q.pardefaut = pardefaut;
    return q;
}

// The player's answer to a question.
enum class reponsejeu { ok, oui, non, annuler };

// A new grid to make beside the game: the shape's description and the level
// it is to be played at (the shell runs the generator and gives the puzzle
// back through clapartie::prendnouvelle).
struct generation {
    std::string forme;
    short niveau = 0;
};

// What an intent asks of the shell, in this order: the erase signal and the
// beeps, the repaint, then the question.
struct effets {
    bool repeindre = false;
    std::vector<bipjeu> bips;
    bool effacement = false;     // the erase cursor while the erasing's beeps play
    bool valeurchoisie = false;  // the current value was chosen: the mouse cursor follows
    bool grillechargee = false;  // a grid was loaded: the page takes its size and display
    bool grillereprise = false;  // ... the grid in play, back from the rules: size and place stay
    bool niveauchange = false;   // the level changed: background and buttons are stale
    bool languechangee = false;  // the language changed: tips, boxes and texts follow
    bool pause = false;          // the window is to be minimised
    bool quitter = false;        // the game may end
    bool curseurdeplace = false; // the keyboard cursor moved: the shell keeps it in view
    bool choixnouvelle = false;  // the picker of a new grid's shape and level is to open
    std::vector<short> conflits; // a refused entry: the cells holding the value around
    std::optional<aidemontree> aide; // help to show until the next move, click or key
    std::optional<generation> generer;
    std::optional<questionjeu> question;
};

// The refusal beeps: 800 Hz then 1200 Hz, 5 ms each.
inline const std::vector<bipjeu> bipsderefus{{800, 5}, {1200, 5}};
