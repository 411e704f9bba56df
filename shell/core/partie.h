// clapartie: the game in progress, without any window. It owns the grid in
// play, the kept states of the other grids, the undo history, the current
// value and cell, the three lattice-point markers, the mode and the player's
// options (with each grid's level and chronometer). The shell turns the
// player's clicks and commands into its operations (the intents) and carries
// out the effects they answer: repaints, beeps, questions (every box of the
// game), the erase signal.
//
// A question is answered through repond, which says what the answer does
// next (possibly another question). Between a question and its answer no
// other intent is given.
#pragma once

#include "shell/core/curseurgrille.h"
#include "shell/core/defairefaire.h"
#include "shell/core/effets.h"
#include "shell/core/indice.h"
#include "shell/core/modeappli.h"
#include "shell/core/paramuser.h"
#include "shell/core/partiesgrilles.h"
#include "shell/core/records.h"
#include "shell/core/solutiongrille.h"

#include "grid/clagrivora.h"
#include "grid/solver/generator.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The level one step up (monter) or down from courant, wrapping within
// 1..plafond; a courant outside that range counts as the nearest bound.
short niveauvoisin(short courant, bool monter, short plafond);

// The player's options, each switched by a key and kept in the parameter
// file.
enum class optionjeu { surligne, comptes, nettoie, erreurs, crayon, sauveauto };

// What the chronometer rule reads from the window.
struct etatfenetre {
    bool actif = true;     // the chronometer may run (chronomactiver)
    bool minimise = false; // the main window is minimised
    short verrous = 0;     // the game lock counter (a message box is open)
};

class clapartie {
public:
    using marqueurs = std::array<short, 3>; // lattice points: newest, previous, oldest

    // Options at their defaults for grilles grids, no grid loaded, the
    // parameter file at its usual name (nomfichierparam).
    explicit clapartie(short grilles = 5);
    clapartie(const clapartie&) = delete;
    clapartie& operator=(const clapartie&) = delete;

    // Read-only views of the game.
    const clagrivora& grille() const { return grillejeu; }
    const claparamuser& parametres() const { return param; }
    const defairefaire& historique() const { return histo; }
    const marqueurs& points() const { return marques; }
    short valeurcourante() const { return valeur; }
    short casecourante() const { return cellule; }
    // Whether the keyboard cursor shows (on the current cell).
    bool curseurvisible() const { return curseur; }
    modeappli mode() const { return modecourant; }
    // Whether the cells that constrain each other are shown (six choices of 6
    // in a row, by any means; any other value, a grid loaded, the rules
    // pages or a mode set hide them).
    bool contraintesaffichees() const { return contraintes; }
    // The grid in play as the drawing side borrows it (once, for the run):
    // its pixel geometry (the cell size, the pixel centres, the hit tests)
    // is worked out on demand inside the model. Its state of play changes
    // only through the intents.
    clagrivora& grilledessin() { return grillejeu; }

    // Set the mode (a mode of the shell's own: no grid before the first
    // one is loaded); the cells that constrain each other are hidden.
    void fixemode(modeappli m);
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
    // The solver's shape of the grid in play and its solution (entry c - 1
    // for cell c; empty when not known), worked out once when it was loaded.
    const solver::shape& formesolveur() const { return solution.forme; }
    const std::vector<short>& solutionjeu() const { return solution.valeurs; }
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
    // Every flag the chronometer rule reads: the game's, and the window's as
    // fixefenetre last gave them.
    etatchrono etatchronocourant() const;
    // The window's flags as they now are (a box opened or closed, the
    // chronometer stopped or let run, the window minimised or restored):
    // kept for the rule, which the shell evaluates (chronomevaluer) when
    // they change, and for the chronometers the intents clear.
    void fixefenetre(const etatfenetre& f) { fen = f; }
    const etatfenetre& fenetre() const { return fen; }
    // Evaluate the rule again with the flags as they are.
    void chronomevaluer();
    // The current grid's chronometer text for its box (chronogrilles::
    // affichronocourt): whether it differs from the text given last.
    bool textechrono(bool pret, gstring& out);
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
    // Read the parameter file at path into the settings and the grids' kept
    // states (getparamuser); a file without a current grid gives grid 1.
    // When no file could be read (a first start), the language is
    // languesansfichier. Returns whether the file was read.
    bool litparametres(const char* path, short languesansfichier = languefrancais);

    // Settings.
    // Switch an option (the highlight, the counts, the cleaning of pencil
    // marks); the grid is repainted.
    effets basculeoption(optionjeu o);
    bool option(optionjeu o) const;
    // The next look (after the last, the original); the grid is repainted.
    effets themesuivant();
    // French to English or back: the tips, the boxes and the texts follow at
    // once, without a box (the window shows the new language).
    effets changelangue();
    // The cell size (pixels) and the window's position (screen pixels) the
    // parameter file keeps.
    void fixetaillecase(short taille);
    void fixeposition(short gauche, short haut);

    // Intents.
    // v (0..6, 0 the eraser) becomes the current value (a click on the
    // selector, a button, a given cell): repainted, and counted for the
    // cells that constrain each other. Nothing for another v.
    effets choisitvaleur(short v);
    // The same from the keyboard (a digit without the cursor): repainted
    // only when the value or the constraint display changes.
    effets touchevaleur(short v);
    // Tab: the next value (after 6 comes 1, after 0 comes 1), as touchevaleur.
    effets valeursuivante();
    // A left click on cell c: it becomes current and gets the current value
    // (in pencil mode, an empty c toggles the current value's mark instead,
    // as marque). A click (left or right) hides the keyboard cursor.
    effets clicgauche(short c);
    // Enter the current value in the current cell: an empty cell takes an
    // allowed value (refusal beeps otherwise; the eraser there clears the
    // cell's pencil marks with one beep, one undo step, when it has any); the
    // player's own value
    // or the eraser on it erases it with the erase signal; a given cell makes
    // its value the current one. Filling the last cell congratulates
    // (message 6, its second argument the lines of textefin: the grid's
    // time, which becomes the best of its level, with or without help, with
    // today's date when it is faster) and offers to save (message 12).
    effets posevaleur();
    // A right click on cell c, v the value whose pencil mark is nearest (0
    // for none): c becomes current; with the fill flag and no marks in c, all
    // six marks are set, otherwise v's mark toggles; one undo step.
    effets clicdroit(short c, short v);
    // A click on lattice point p: the newest marker again clears all three,
    // else p becomes the newest and the others age by one.
    effets clicpoint(short p);
    effets defaire();
    effets refaire();

    // Keyboard intents, in play only. An arrow key: the cursor shows on the
    // current cell, or, when it shows, moves that way (casedanssens).
    effets deplacecurseur(sensdeplacement sens);
    // While the cursor shows: digit v (0..6) becomes the current value (as
    // touchevaleur) and is entered in its cell (posevaleur); in pencil mode
    // digits 1..6 toggle that mark of its cell instead (basculemarque);
    // nothing otherwise.
    effets touchechiffre(short v);
    // While the cursor shows: the current value entered in its cell.
    effets entreevaleur();
    // While the cursor shows: its cell erased as with the eraser (the
    // current value kept); a given cell answers the refusal beeps.
    effets effacecase();
    // While the cursor shows: pencil mark v (1..6) of its empty cell
    // toggled, one undo step, the current value kept; a filled cell answers
    // the refusal beeps.
    effets basculemarque(short v);
    // Help, in play only (nothing on a finished grid). A hint: when some
    // entries differ from the solution, their count (a second hint marks
    // them as the check does); else the first stage of the next hint
    // (chercheindice); each hint while it shows gives its next stage, and
    // the one after its last enters its value in its cell as posevaleur
    // does (the current value kept). Counted once per hint.
    effets indice();
    // The check: the entries that differ from the solution marked, or the
    // text that none does.
    effets verifie();
    // Every empty cell's pencil marks become its candidates (the values no
    // corner-sharing cell holds), in one undo step; nothing when they are.
    effets notecandidats();
    // With the option sauveauto, in play: the parameter file written again
    // (silently, replaced atomically as every save) when the grid in play or
    // its state of play changed since the last write, at most once a second
    // (maintenant: tickms()); the first call only notes the board, which
    // the file holds. Nothing while a question waits for its answer.
    void sauveauto(std::uint32_t maintenant);
    // Whether sauveauto has a change left to write.
    bool sauvegardeenattente();
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
    // The puzzle the generator made on the shape of description from graine,
    // turned into grid texts, becomes the generated grid at level niveau,
    // replacing the one kept (its state, level, chronometer, undo history and
    // markers forgotten), and is loaded at that level as any grid is loaded
    // (its solution the generator's); the grid left is kept as charge keeps
    // it. Nothing, the grid in play untouched, when the puzzle makes no grid
    // (a stopped generation).
    effets prendnouvelle(const std::string& description, std::uint32_t graine, short niveau,
                         const solver::generated_puzzle& puzzle);
    // Message 16 with the next level's label (monter up, else down) and the
    // grid; a yes applies that level (changeniveau). A grid holding no entry
    // and no pencil mark has nothing to lose: the level applies at once,
    // without a question (so walking several levels asks at most once).
    // Nothing outside play.
    effets demandeniveau(bool monter);
    // "N": the picker of a new grid opens (choixnouvelle) at once, or after
    // a question when the generated grid kept holds entries or pencil marks
    // (a yes opens it; the grid made from it replaces that one).
    effets demandechoixnouvelle();
    // The shape description and the level niveau chosen in the picker: the
    // generation asked (the question, if any, came before the picker).
    effets demandenouvelle(const std::string& description, short niveau);
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
    // "P": message 8; a yes minimises the window.
    effets demandepause();
    // "I": the grid's page (its number and level, its cells filled, its
    // time, its best times and the help used on it, the parameter file in
    // use), then the help pages (messages 15, 14, 3, 13, and 2 on the
    // arrows when fleches), each with its footer (28, the last 29): OK goes
    // on, Cancel back to the game.
    effets demandeinformations(bool fleches);
    // The first time the arrows show in a session: message 2 explains them;
    // nothing after that.
    effets expliquefleches();
    // A box the shell composes (the list of keys, the parameter file's
    // messages at start-up), asked as any question; its answer changes
    // nothing.
    effets annonce(questionjeu q);
    // At start-up, when the parameter file cannot be locked (message 23) or
    // its folder is not safe (24): yes plays without saving (every save
    // then refused with message 25), no ends the game before it begins.
    effets demandesansenregistrer(short numero, std::string nom, std::string objet);
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
    // The grid in play's number and state of play, as the autosave compares
    // them (kept by every save); empty out of play.
    std::string etatasauver();
    // The rules pages open: a grid in play is kept (its state, undo history
    // and markers) until they close; the mode becomes the rules.
    void ouvreregles();
    // Whether leaving the rules loads a grid again.
    bool reprendapresregles() const;
    // The rules pages close: the grid kept is loaded and given back as it
    // was, or the mode becomes no grid.
    effets quitteregles();

private:
    friend struct accespartie; // partie_testing.h

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
        quitterquandmeme,
        pause,
        nouvelle,
        informations,
        sansenregistrer
    };
    effets questionne(suite s, questionjeu q);
    // The finish of the grid in play: its time noted in the records; the
    // finish message's lines about it.
    std::string notefin();
    // What the last help shows, for its second press.
    enum class aideen { rien, indice, fausses };
    // Pencil mark v (1..6) of empty cell c toggled, one undo step; a filled
    // cell answers the refusal beeps.
    effets marque(short c, short v);
    // Undo or redo one step (pasdefaire, pasrefaire).
    effets rejoue(short pas);
    // v becomes the current value; clavier: repainted only when something
    // shown changes.
    effets prendvaleur(short v, bool clavier);
    // The cells that constrain each other hidden, their count back to 0.
    void cachecontraintes();
    // The current grid's chronometer cleared (its time back to 0).
    void chronoazero();
    // The information page numbered argument (0 the first) as a question.
    effets pageinformations();
    std::string pagegrille();

    // Load the grid as charge does; the solution of a generated grid is the
    // generator's when it is given (else searched).
    effets chargeavec(short number, const char* definition, const solver::cellvalues* generee);

    // The shape and the solution of the grid in play, and the filling the
    // generator made for the generated grid kept (empty once it is read back
    // from the parameter file: it is then searched).
    solutiongrille solution;
    solver::cellvalues solutionnouvelle;

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
    std::string dernieresauve;      // etatasauver() when last written
    std::uint32_t instantsauve = 0; // the tick of the autosave's last try
    aideen aideaffichee = aideen::rien;
    indicejeu indiceencours;      // the hint shown
    std::size_t etapeencours = 0; // the stage of it shown
    // The pending question's continuation and its argument.
    suite attente = suite::rien;
    short argument = 0;
    // The six-6 count and whether the constraints show.
    short compteurcontraintes = 0;
    bool contraintes = false;
    etatfenetre fen;
    bool flechesexpliquees = false;
    // The information pages of the sequence asked.
    std::vector<std::string> pagesinfo;
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
