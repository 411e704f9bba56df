// clapartie: the game in progress, without any window. It owns the grid in
// play, the kept states of the other grids, the undo history, the current
// value and cell, the three lattice-point markers, the mode and the player's
// options (with each grid's level and chronometer). The shell turns the
// player's clicks and commands into its operations (the intents) and carries
// out the effects they answer: repaints, beeps, numbered questions, the
// erase signal.
//
// A question is answered through repond, which says what the answer does
// next (possibly another question). Between a question and its answer no
// other intent is given.
#pragma once

#include "shell/core/curseurgrille.h"
#include "shell/core/defairefaire.h"
#include "shell/core/indice.h"
#include "shell/core/modeappli.h"
#include "shell/core/paramuser.h"
#include "shell/core/partiesgrilles.h"
#include "shell/core/records.h"

#include "grid/clagrivora.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// One beep: frequency in Hz, duration in ms.
struct bipjeu {
    unsigned frequence = 0;
    unsigned duree = 0;
    bool operator==(const bipjeu&) const = default;
};

// A numbered question (message number, createmsg.h) and its box.
struct questionjeu {
    enum class boutons { ok, ouinon, ouinonannuler };
    enum class icone { information, question, exclamation };
    short numero = 0;
    boutons choix = boutons::ok;
    icone genre = icone::information;
    short pardefaut = 1; // the default button, 1..3
    std::string p1;      // the message's parameters
    std::string p2;
    bool chargeoui = false; // a yes loads a grid (the shell shows its splash first)
};

// The player's answer to a question.
enum class reponsejeu { ok, oui, non, annuler };

// What an intent asks of the shell, in this order: the erase signal and the
// beeps, the repaint, then the question.
struct effets {
    bool repeindre = false;
    std::vector<bipjeu> bips;
    bool effacement = false;         // the erase cursor while the erasing's beeps play
    short valeurdonnee = 0;          // a given cell clicked: its value (1..6) becomes current
    bool grillechargee = false;      // a grid was loaded: the page takes its size and display
    bool niveauchange = false;       // the level changed: background and buttons are stale
    bool chronoazero = false;        // the current grid's chronometer is to be reset
    bool quitter = false;            // the game may end
    bool curseurdeplace = false;     // the keyboard cursor moved: the shell keeps it in view
    std::vector<short> conflits;     // a refused entry: the cells holding the value around
    std::optional<aidemontree> aide; // help to show until the next move, click or key
    std::optional<questionjeu> question;
};

// The refusal beeps: 800 Hz then 1200 Hz, 5 ms each.
inline const std::vector<bipjeu> bipsderefus{{800, 5}, {1200, 5}};

// The level one step up (monter) or down from courant, wrapping within
// 1..plafond; a courant outside that range counts as the nearest bound.
short niveauvoisin(short courant, bool monter, short plafond);

class clapartie {
public:
    using marqueurs = std::array<short, 3>; // lattice points: newest, previous, oldest

    // Options at their defaults for grilles grids, no grid loaded, the
    // parameter file at its usual name (nomfichierparam).
    explicit clapartie(short grilles = 5);
    clapartie(const clapartie&) = delete;
    clapartie& operator=(const clapartie&) = delete;

    clagrivora& grille() { return grillejeu; }
    const clagrivora& grille() const { return grillejeu; }
    claparamuser& parametres() { return param; }
    const claparamuser& parametres() const { return param; }
    defairefaire& historique() { return histo; }
    const defairefaire& historique() const { return histo; }
    const marqueurs& points() const { return marques; }
    void fixepoints(const marqueurs& m) { marques = m; }
    short valeurcourante() const { return valeur; }
    short casecourante() const { return cellule; }
    // Whether the keyboard cursor shows (on the current cell).
    bool curseurvisible() const { return curseur; }
    modeappli mode() const { return modecourant; }
    void fixemode(modeappli m) { modecourant = m; }
    // True when the mode is set and equals a or b.
    bool anymode(modeappli a, modeappli b = modeappli::aucun) const;
    // For each value v (1..6, entry 0 unused): how many empty cells could
    // still take it (no cell sharing a corner holds it); 0 when the value
    // has no place left.
    std::array<short, 7> placeslibres() const;
    // For each value v (1..6, entry 0 unused): how many v are still to be
    // placed, the cells holding v in the grid's solution less the cells that
    // hold v now, never below 0. Any v entered lowers it, right or wrong, as
    // a player counts what is left to place: the counts never tell a wrong
    // entry apart. Empty when the grid's solution is not known.
    std::optional<std::array<short, 7>> restantes() const;
    // Whether every cell of the grid in play holds a value.
    bool grillefinie() const;
    // The key of the grid in play in the records: a catalogue grid's name,
    // the generated grid's shape description; empty when no grid is in play.
    std::string clegrille() const;
    // Help of kind g given on the grid in play (a hint, a check of the
    // entries, a fill of the pencil marks): counted for that grid and saved
    // with it. The count goes with the grid's chronometer: it stays while
    // the grid is left and loaded again, and starts again from zero when
    // the chronometer does (a level chosen, "F" back to the givens). A
    // finish with help counted is timed apart from finishes without.
    // Nothing outside play.
    void noteaide(genreaide g);
    // The help counted on the grid in play (none outside play).
    aidesgrille aidesutilisees() const;
    // The rule's part of the chronometer flags: display, mode, grid, finished.
    etatchrono etatpartie() const;
    // The parameter file written by the saves (its usual name when none is
    // set).
    void fixefichier(std::string path) { fichier = std::move(path); }
    std::string getfichier() const;
    // From now on (until recommence) no save writes anything: each says so
    // (message 25) and fails. The player chose it when the parameter file's
    // lock could not be taken.
    void interditenregistrement() { sansenregistrer = true; }
    bool enregistrementpermis() const { return !sansenregistrer; }
    // The highest level the grid in play has: 7 when it has a level 7, else 6.
    short niveaumax();
    // A new session: options at their defaults for grilles grids, nothing
    // kept of any grid, no history, no markers, value 1, no mode.
    void recommence(short grilles);

    // Intents.
    // v (0..6, 0 the eraser) becomes the current value.
    effets choisitvaleur(short v);
    // A left click on cell c: it becomes current and gets the current value.
    // A click (left or right) hides the keyboard cursor.
    effets clicgauche(short c);
    // Enter the current value in the current cell: an empty cell takes an
    // allowed value (refusal beeps otherwise; the eraser there clears every
    // pencil mark with one beep when there are any); the player's own value
    // or the eraser on it erases it with the erase signal; a given cell makes
    // its value the current one. Filling the last cell congratulates
    // (message 6, its second argument the lines of textefin: the grid's
    // time, which becomes the best of its level, with or without help, with
    // today's date when it is faster) and offers to save (message 12).
    effets posevaleur();
    // A right click on cell c, v the value whose pencil mark is nearest (0
    // for none): c becomes current; with the fill flag and no marks in c, all
    // six marks are set, otherwise v's mark toggles.
    effets clicdroit(short c, short v);
    // A click on lattice point p: the newest marker again clears all three,
    // else p becomes the newest and the others age by one.
    effets clicpoint(short p);
    effets defaire();
    effets refaire();

    // Keyboard intents, in play only. An arrow key: the cursor shows on the
    // current cell, or, when it shows, moves that way (casedanssens).
    effets deplacecurseur(sensdeplacement sens);
    // While the cursor shows: digit v (0..6) becomes the current value and
    // is entered in its cell (posevaleur); nothing otherwise.
    effets touchechiffre(short v);
    // While the cursor shows: the current value entered in its cell.
    effets entreevaleur();
    // While the cursor shows: its cell erased as with the eraser (the
    // current value kept); a given cell answers the refusal beeps.
    effets effacecase();
    // While the cursor shows: pencil mark v (1..6) of its empty cell
    // toggled; a filled cell answers the refusal beeps.
    effets basculemarque(short v);
    // Help, in play only (nothing on a finished grid). A hint: when some
    // entries differ from the solution, their count (a second hint marks
    // them as the check does); else the next deduction (chercheindice),
    // which a second hint while it shows enters in its cell as posevaleur
    // does (the current value kept).
    effets indice();
    // The check: the entries that differ from the solution marked, or the
    // text that none does.
    effets verifie();
    // Every empty cell's pencil marks become its candidates (the values no
    // corner-sharing cell holds), in one undo step; nothing when they are.
    effets notecandidats();
    // The help shown went away: a next hint starts afresh.
    void oublieaide() { aideaffichee = aideen::rien; }
    // Load grid number (1..count) of the playable list, or the grid named
    // definition when given: the grid left, if any, is kept as it is
    // (laissegrille); the grid comes back with its level, its state of play,
    // undo history and markers as they were left (or as the parameter file
    // gave them). Nothing when the name is unknown.
    effets charge(short number, const char* definition = nullptr);
    // Grid number param.numeronouvelle() loads the generated grid (nothing
    // when there is none or its texts do not make a grid).
    // The same after message 5 (the grid in play again) or 4 (another).
    effets demandecharger(short number);
    // Whether the generated grid holds player entries or pencil marks (in
    // play, or in its saved state).
    bool nouvelleentamee();
    // Make g the generated grid, replacing the one kept (its state, level,
    // chronometer, undo history and markers forgotten), and load it at its
    // level as any grid is loaded; the grid left is kept as charge keeps it.
    // Nothing, the grid in play untouched, when g's texts do not make a grid.
    effets prendnouvelle(grillenouvelle g);
    // Message 16 with the next level's label (monter up, else down) and the
    // grid; a yes applies that level (changeniveau). Nothing outside play.
    effets demandeniveau(bool monter);
    // Make level the wanted level of the grid in play: every player entry
    // and pencil mark emptied, kept for the grid in the parameter state (its
    // saved state emptied), undo history and markers cleared, chronometer
    // reset.
    effets changeniveau(short level);
    // "F": message 10; a yes puts the grid back to its givens, clears undo
    // and resets the chronometer.
    effets demandefixe();
    // "S": message 11; a yes saves (sauvejeu) when a grid is current.
    effets demandesauver();
    // Closing: message 9; yes saves and quits, no quits, cancel stays; after
    // a failed save, message 22 asks whether to quit all the same.
    effets demandequitter();
    // The answer to the last question.
    effets repond(reponsejeu r);

    // Keep the grid in play as it is now: its state of play in the saved
    // states, its undo history (moved out) and markers aside.
    void laissegrille();
    // Store the current grid's state of play and write the parameter file.
    // Returns whether it was written; when not, the effect is message 17
    // with the file's name, or message 25 when saves are not allowed
    // (unless silencieux: no one may be there).
    bool sauvejeu(effets& e, bool silencieux = false);
    // The rules pages open: a grid in play is kept (its state, undo history
    // and markers) until they close; the mode becomes the rules.
    void ouvreregles();
    // Whether leaving the rules loads a grid again.
    bool reprendapresregles() const;
    // The rules pages close: the grid kept is loaded and given back as it
    // was, or the mode becomes no grid.
    effets quitteregles();

private:
    enum class suite {
        rien,
        charger,
        niveau,
        fixe,
        sauver,
        bravo,
        bravosauver,
        quitter,
        echecquitter,
        quitterquandmeme
    };
    effets questionne(suite s, questionjeu q);
    // The finish of the grid in play: its time noted in the records; the
    // finish message's lines about it.
    std::string notefin();
    // What the last help shows, for its second press.
    enum class aideen { rien, indice, fausses };
    // Undo or redo one step (pasdefaire, pasrefaire).
    effets rejoue(short pas);

    // The cells holding each value in the solution of the grid in play.
    std::optional<std::array<short, 7>> totaux;

    clagrivora grillejeu;
    claparamuser param;
    defairefaire histo;
    partiesgrilles laissees;
    marqueurs marques{0, 0, 0};
    short valeur = 1;
    short cellule = 1;
    bool curseur = false;
    modeappli modecourant = modeappli::aucun;
    std::string fichier;
    bool sansenregistrer = false;
    aideen aideaffichee = aideen::rien;
    short aidecase = 0;
    short aidevaleur = 0;
    // The pending question's continuation and its argument.
    suite attente = suite::rien;
    short argument = 0;
    // What the rules pages keep of the grid in play.
    struct gardee {
        bool grille = false;
        gstring etat;
        lichavo pile;
        short position = 0;
        marqueurs points{};
    };
    gardee regles;
};
