// The user parameter file: the shell state it keeps between runs, reading it
// (getparamuser) and writing it (ecriparamusernew), and the in-memory saved
// states of play of every grid.
//
// How the game in progress (partie.h) and the shell use it (one claparamuser
// for the process):
// - start-up: paramdefaut does the window's part (arrows, palette, mode) and
//   leaves this state at its initial values; nomgrinit; then
//   getparamuser(state, the name from nomfichierparam); then settailleprin
//   (state.taillecase), and the layout is marked invalid. state.left and
//   state.top place the window (the shell keeps them on the screen).
// - leaving grid g for another (or reloading it): getactudata(3, text),
//   memogrilluser(state, g, text), so that the grid comes back as it was
//   left and the next write keeps it;
// - loading grid i: grilluserfromram(state, text, i) and restaureplateau
//   (etatsauve.h) with niveauchoisi(state, i).
// - "S", yes after finishing a grid, yes to the quit question, and the end
//   of the session: getactudata(3, text), memogrilluser(state, current grid,
//   text), then ecriparamusernew; when it returns false, message 17 tells the
//   player (the old file is kept; at quitting message 22 then asks whether
//   to quit all the same; at the session's end nothing is asked).
// - the window moved: state.left and state.top; "+"/"-": state.taillecase;
//   "FR/EN": state.langue.
// - a level chosen for grid i (after message 16): fixeniveauchoisi(state, i,
//   level), memogrilluser(state, i, "") since the entries are emptied (so the
//   in-memory level and state always go together), then restaureplateau
//   with that level and state.chronos.remiseazero(i, ...).
#pragma once

#include "shell/core/chronogrilles.h"
#include "shell/core/createmsg.h"
#include "shell/core/records.h"

#include "foundation/gstring.h"
#include "foundation/lichavo.h"
#include "render/palette/palette.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Cell sizes: the default, the bounds and the step of the four usual
// sizes; larger ones, up to taillecaseplafond, are as the screen allows.
inline constexpr short taillecasedefaut = 40;
inline constexpr short taillecasemin = 40;
inline constexpr short taillecasemax = 70;
inline constexpr short taillecasepas = 10;
inline constexpr short taillecaseplafond = 300;
// The longest state of play a file can hold: 26 pieces ("A".."Z") of 60.
inline constexpr short longueurpiece = 60;
inline constexpr short longueuretatmax = 26 * longueurpiece;
// The most "usr=" lines a file keeps (the first ones; the lists' indices are
// 16-bit).
inline constexpr short lignesusrmax = 32000;

// The most definition texts a generated grid keeps ("nvt1".."nvt400"), and
// the longest shape description ("centres" and a path per hexagon).
inline constexpr short textesnouvellemax = 400;
inline constexpr std::size_t formenouvellemax = 4000;

// The generated grid kept beside the catalogue's: how it was made and its
// grouped definition texts, so that it loads without being made again. Its
// state of play, chosen level and chronometer are those of grid number
// numeronouvelle. Present when it has texts.
struct grillenouvelle {
    std::string forme;               // "nvf": the shape's description
    std::uint32_t graine = 0;        // "nvg": the generator's seed
    short niveau = 0;                // "nvl": the level it was made for, 1..7
    std::vector<std::string> textes; // "nvt1", "nvt2", ...
    bool presente() const { return !textes.empty(); }
};

// The shell state kept in the parameter file. The initial values are the
// defaults.
struct claparamuser {
    explicit claparamuser(short grilles = 5);

    short nbgrilles;                     // the number of grids (the catalogue's count)
    short grillecourante = 0;            // "gri", 1..nbgrilles once read
    short langue = languefrancais;       // "lng": 1 French, 2 English
    short taillecase = taillecasedefaut; // "tca"
    bool tailledonnee = false;           // whether the file gave a "tca"
    short left = 60;                     // "left", screen pixels
    short top = 60;                      // "top"
    bool chronoaffiche = true;           // "chro": the chronometer display flag
    bool remplitmarques = false;         // "cviz": the pencil-mark fill flag
    // The player's options (a file without their lines gives these).
    bool surligne = false;             // "surl": the current value's cells highlighted
    bool comptes = false;              // "cpt": the selector shows what each value still lacks
    bool nettoiemarques = true;        // "net": an entry removes its value from the marks around
    bool erreurs = false;              // "err": entries that differ from the solution framed
    bool crayon = false;               // "cray": a left click or a digit toggles a pencil mark
    bool sauveauto = false;            // "auto": saved after every move, without questions
    short theme = themeoriginal;       // "thm": the look, 0..nbthemes - 1 (palette.h)
    lichavo etats;                     // entry i: grid i's saved state text
    lichavo lignesusr;                 // the "usr=" lines, written back unchanged
    std::vector<short> niveaux;        // "niv" + i: grid i's chosen level, 0 = built-in
    chronogrilles chronos;             // "tps" + i: grid i's chronometer
    std::vector<aidesgrille> aides;    // "aid" + i ("nvaid"): the help used on grid i
    std::vector<recordgrille> records; // "rec": the best times, in the order kept
    grillenouvelle nouvelle;           // the generated grid, when there is one
    // The generated grid's number, after the catalogue's grids: its entries
    // in etats, niveaux, chronos and aides ("nvgv", "nvniv", "nvtps" and
    // "nvaid" in the file).
    short numeronouvelle() const { return static_cast<short>(nbgrilles + 1); }
};

// The parameter file's name: the program title followed by ".TXT".
void nomfichierparam(gstring& out);

// Up to 70, the nearest cell size among 40, 50, 60, 70 (on a tie the
// smaller); a larger size is kept, up to taillecaseplafond.
short taillenviron(short size);

// Pad the saved states with empty entries up to i, then make entry i text.
// i outside 1..nbgrilles stores nothing, but for numeronouvelle when there
// is a generated grid.
void memogrilluser(claparamuser& state, short i, const char* text);
// out becomes grid i's saved state, empty when there is none.
void grilluserfromram(const claparamuser& state, gstring& out, short i);

// Grid i's chosen level (1..7), 0 for its built-in level; fixeniveauchoisi
// stores level (anything outside 1..7 stores 0).
short niveauchoisi(const claparamuser& state, short i);
void fixeniveauchoisi(claparamuser& state, short i, short level);

// The help counted on grid i since its chronometer last started from zero
// (none outside 1..nbgrilles); fixeaides stores counts for grid i.
aidesgrille aidesde(const claparamuser& state, short i);
void fixeaides(claparamuser& state, short i, const aidesgrille& counts);

// Read the file at path into state. The current grid, the saved states, the
// chosen levels, the times, the help counts and the records are reset first;
// every other value keeps its current one unless the file gives a good value
// for it. A missing file, or a name that is no regular file (read without
// waiting: lecturefichier.h), leaves the defaults, with grid 1. A damaged file
// is read as far as it makes sense (lines as lignesparam.h cuts them): a key
// with a bad value (not a number, out of range, overflowing) keeps its
// default, a state of play with characters that no state holds or longer
// than 26 pieces is dropped, lines without "=" and lines over ligneparammax
// (but "usr=" lines, kept whatever their length) are ignored, the first of
// duplicated keys counts, only the first "usr=" lines are kept (lignesusrmax
// of them, octetsusrmax bytes), as ligneusrgardee keeps them, and reading
// stops after fichierparammax bytes. Every valid "rec=" line counts (the
// fastest of two for the same grid, level and help), up to recordsmax; a
// record or help count line that does not read whole is dropped. The
// generated grid is read only when its shape, seed, level and texts are all
// good (texts of letters, digits, "%" and commas, numbered from 1 without a
// gap); otherwise it is dropped with its state, and "gri" naming it counts as
// absent. Returns whether the file could be read. What contenuparamuser then
// writes reads back as no damage (paramabime.h) and into the same state, but
// for the times that a chronometer display turned off does not save. (The
// shell keeps aside a file from which this would lose more than bad values:
// paramabime.h.)
bool getparamuser(claparamuser& state, const char* path);
// The same on content, the bytes of a file (its first fichierparammax).
void lisparamuser(claparamuser& state, std::string_view content);

// The file's content as ecriparamusernew writes it (lines end with CR LF).
std::string contenuparamuser(const claparamuser& state);
// Replace the file at path with the state, atomically (fichieratomique.h).
// Returns false when it could not be written; the old file is then whole.
bool ecriparamusernew(const claparamuser& state, const char* path);
