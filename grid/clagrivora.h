// clagrivora: one puzzle grid with its hexagons, its cells, the values in the
// cells and the derived tables that the rules, the drawing code and the mouse
// handling read.
//
// Cells and hexagons are numbered from 1 in the order of the grid's lists; 0
// means none. Every accessor taking a cell or hexagon number reads 0 and
// writes nothing for a number outside 1..count (or before its table exists),
// so record 0 of every table stays clear.
//
// Derived structures are built lazily: each has a built flag, its faut
// operation builds it (first building what it needs), its vide or kill
// operation empties or frees it.
//
// The class is defined over several files of grid/:
//   clagrivora.cpp   construction, clear, name, size and angle, record accessors
//   grivobase.cpp    setfromgrivecdef, the hexagon, cell and point lists,
//                    contour and ring lists, look-up by name
//   grivotables.cpp  the cell and hexagon tables, rows and columns, pixel
//                    centres, the given values in the table
//   grivoproche.cpp  pixel positions of cells and points, outlines, hit tests
//   grivovoisins.cpp the neighbour lines and the neighbour table
//   grivopossi.cpp   allowed values: ajustepossicase, metencase, interdi*
//   grivoniveau.cpp  difficulty levels, thresholds and level labels
//   grivojoueur.cpp  pencil marks, the end of the grid, retourafixe, labels
//   grivoetat.cpp    the game-state text (getactudata, setactudatabis,
//                    injecterpossuval)
#pragma once

#include "grid/grivorecords.h"
#include "lattice/clavochemin.h"
#include "render/geometry/clagravec.h"

#include "foundation/gstring.h"
#include "foundation/lichavo.h"
#include "foundation/paralivo.h"

#include <vector>

// The opposite-cell rule: off, and nothing in the game switches it on.
extern unsigned char regleopposees;

// The player entries decoded from the last game-state text, waiting to be
// applied: "v,cell,value" and "p,cell,mask" texts (setactudatabis fills it,
// injecterpossuval empties it).
extern lichavo lisaisiesattente;

class clagrivora : public clavochemin {
public:
    // An empty grid: size 40, angle 0, thresholds 100, levels 6.
    clagrivora();
    ~clagrivora();
    clagrivora(const clagrivora&) = delete;
    clagrivora& operator=(const clagrivora&) = delete;

    // Every mode empties the name, zeroes the counts, the angle and the
    // correction, sets the thresholds to 100 (the one in force to 0), clears
    // the byte flags and every built flag (freeing the tables), keeps the
    // twelve-neighbour rule on and sets the size to 40. Mode 'C' also sets
    // the wanted and effective levels to 6; mode 'N' also empties every list
    // (the definition lines included) and the given values.
    void clear(char mode);

    void setnom(const char* text);
    const char* getnom() const { return nom.adr(); }
    // Size of a lattice step in pixels; recflag selects the rectangle form of
    // the hexagon geometry. Drops the stored pixel coordinates.
    void settaillepix(short size, unsigned char recflag);
    // Rotation of the grid in degrees. Drops the stored pixel coordinates.
    void setangle(short degrees);
    short gettaillepix() const { return taillepix; }
    short getangle() const { return angle; }

    // Empty the grid, then build its hexagon and cell lists and its given
    // values from definition lines, and complete the lists with the topology
    // (fautbasexhaustive). The grid keeps its own copy of the lines
    // (getlignesdef); null counts as no lines.
    void setfromgrivecdef(const lichavo* lines);
    // The definition lines of the last setfromgrivecdef (emptied by clear('N')).
    const lichavo& getlignesdef() const { return lignesdef; }

    // Lazy builders.
    // Canonical hexagon paths, the cells of every hexagon added, every point
    // with its six cells present made a hexagon, partial hexagons listed.
    void fautbasexhaustive();
    // The lattice points of the cells.
    void fautunelivopoint();
    void fautunetabledeshexas();
    void fautunetabledescases();
    // Pixel centres of cells and hexagons at the current size and angle.
    void fautcoordentableaux();
    // Given values and codes copied into the cell table.
    void fautvalfixentables();
    // Contour segments: inner lines and outer contour.
    void fautdeslistesegtour();
    // Ring of cells around the grid: enclosed holes and outside ring.
    void fautdeslistescasautour();

    void videlivopoint();
    void videlistesegtour();
    void videlistescasautour();
    void killtabledeshexas();
    void killtabledescases();
    // Forget the stored pixel centres (rebuilt by the next
    // fautcoordentableaux).
    void calcupositionsdouteux();

    // Number of a cell name (exact, case-insensitive) in the cell list; 0 when
    // absent.
    short numerodelacase(const char* name) const;
    // Number of the hexagon centred at path (any path notation): complete
    // hexagons 1..nbhexacompletes, partial ones after them; 0 when none.
    short numerodelhexanor(const char* path) const;

    short getcaseval(short cell) const;
    // Store the value, without propagation.
    void setcaseval(short cell, short v);
    bool casestvide(short cell) const { return getcaseval(cell) <= 0; }
    bool casenonvide(short cell) const { return getcaseval(cell) > 0; }
    bool casestfixe(short cell) const;
    void defixercase(short cell);
    short getvaluposs(short cell) const;
    void setvaluposs(short cell, short mask);
    // Address of the cell's mask for the drawing code; null out of range.
    // Valid until the cell table is freed.
    short* possitabladr(short cell);
    short getpuser(short cell) const;
    short getvaldef(short cell) const;
    short getnidef(short cell) const;
    short getrangee(short cell) const;
    short getcolonne(short cell) const;
    short getcolonnecopie(short cell) const;
    short getcacentrix(short cell) const;
    short getcacentry(short cell) const;
    short gethexacentrix(short hexa) const;
    short gethexacentry(short hexa) const;
    // Whether a cell name contains ":AB" (case-insensitive).
    static bool triaplat(const char* name);
    // Recount the complete, partial and total hexagon counts from the lists.
    void combiendhexas();

    // Lattice coordinate of a cell name in expanded form: "X" the x, "Y" the
    // y (A = (2, 0), B = (1, 1), C = (-1, 1) and the opposites), read up to
    // the first ":"; any other axis gives 0.
    static short positaconv(char axis, const char* name);
    // Row and column numbers of every cell, each starting at 1.
    void calnulibase();

    // Hit tests at pixel (x, y) in the grid's frame (y upwards): by the
    // distance |dx| + |dy|, the lowest number winning ties.
    // The nearest cell; 0 when more than taillepix / 2 away.
    short caseproche(short x, short y);
    // The nearest complete hexagon; 0 when more than taillepix / 6 away.
    short hexaproche(short x, short y);
    // hexaproche, else the nearest partial hexagon (numbered after the
    // complete ones); 0 when more than taillepix / 4 away.
    short hexapartproche(short x, short y);
    // The nearest lattice point (1-based in the point list); 0 when more
    // than taillepix / 6 away.
    short pointproche(short x, short y);

    // Pixel centre of a cell name / of a point path at the current size and
    // angle.
    void giveposicase(const char* cell, short& x, short& y);
    void giveposipoint(const char* path, short& x, short& y);
    // The cell's outline: its three corners and the first again (4 points
    // written to the caller's array); returns 4, or 0 for no such cell.
    short givecasepoints(short cell, vopoint* points);
    // A hexagon of the cell geometry around the cell's centre (7 points,
    // closed); returns 7, or 0 for no such cell.
    short givepthexapoints(short cell, vopoint* points);
    // Bounding rectangle of every cell's corners; all 0 for an empty grid.
    void posicadremax(short& xmin, short& ymin, short& xmax, short& ymax);

    short getnbcases() const { return nbcases; }
    short getnbhexacompletes() const { return nbhexacompletes; }
    short getnbhexapartiels() const { return nbhexapartiels; }
    short getnbhexatotal() const { return nbhexatotal; }
    short getnbpoints() const { return nbpoints; }
    short getnbrangees() const { return nbrangees; }
    short getnbcolonnes() const { return nbcolonnes; }
    bool yavalfixes() const { return faitvalfixes != 0; }
    unsigned char getregledouze() const { return regledouze; }
    bool getmodetaillerec() const { return modetaillerec != 0; }

    // The lists (read-only views; valid until the grid changes).
    const lichavo& gethexas() const { return livohexa; }
    const lichavo& getpartiels() const { return livopartie; }
    const lichavo& getcases() const { return livotri; }
    const lichavo& getpoints() const { return livopoint; }
    const lichavo& getsegmentsinternes() const { return lisegmentour; }
    const lichavo& getsegmentsexternes() const { return lisegmentourbis; }
    const lichavo& getcasesautourinternes() const { return licasesautour; }
    const lichavo& getcasesautourexternes() const { return licasesautourbis; }
    const paralivo& getvalcafixes() const { return livalcafixes; }
    const clagravec& getgravhexa() const { return gravhexa; }
    const clagravec& getgravcase() const { return gravcase; }

    // Neighbours: two cells that share a corner must hold different values.
    // The neighbour lines: each cell, then the cells of the grid sharing a
    // corner with it (and the narrower variant, which the rules do not read).
    void fautunelistevoisidouze();
    void videlistevoisidouze();
    // The neighbour table: per cell, up to 12 neighbour numbers packed from
    // slot 0, then 3 opposite-cell slots that stay 0.
    void fautunetablevoisiquinze();
    // Free the table and build it anew from the neighbour lines.
    void creatablevoisiquinze();
    void killtablevoisiquinze();
    // Fill slots 0..11 of table (15 slots per cell number, borrowed) from
    // neighbour lines: each line's first name selects the record, the
    // following names are added once each; unknown names count as 0 and add
    // nothing (a first name that is no cell writes into record 0).
    void alimunetabvoidouze(std::vector<short>& table, const lichavo& list) const;
    // Neighbour slot i (0..11) of the cell; 0 means none.
    short casevoisine(short cell, short i) const;
    // Opposite slot j (0..2) of the cell; always 0.
    short casopposee(short cell, short j) const;
    const lichavo& getlistevoisins() const { return listecavoisines; }
    const lichavo& getlistevoisinsbis() const { return listecavoisinesbis; }

    // Possibilities: each cell's mask of the values its neighbours leave.
    // Recompute every mask from the values on the board (builds the cell and
    // neighbour tables first when needed; no allocation once they exist).
    void ajustepossicase();
    // Put v in the cell and forbid it around; 1 when anything changed.
    unsigned char metencase(short cell, short v);
    unsigned char metencaseleger(short cell, short v);
    // Forbid v in the neighbours and the opposite cells; 1 when some mask
    // changed.
    unsigned char interdiquinze(short cell, short v);
    // Forbid v in the empty neighbours (when the twelve-neighbour rule holds).
    unsigned char interdidouze(short cell, short v);
    // Forbid v in the empty opposite cells (under the opposite-cell rule).
    unsigned char interditrois(short cell, short v);
    // Forbid v (1..6) in one empty cell; 1 when its mask lost v.
    unsigned char interdicaval(short cell, short v);

    // Difficulty levels. A given cell carries a code, the highest percent
    // threshold at which it is still shown as a given; a level 1..7 maps to a
    // threshold (75, 80, 85, 90, 95, 100, 120).
    // The threshold of a level; any level outside 2..7 gives 75.
    static short sixtocent(short level);
    // The level of a code: 80, 85, 90, 95, 100, 120 give 2..7, anything
    // else 1.
    static short centosix(short code);
    // Store the wanted threshold (120 becomes 100 on a grid without level 7)
    // and mark the levels to be derived again; returns the threshold stored.
    short fixenivoulu(short code);
    // Derive the effective and nominal levels and both thresholds from a
    // wanted level, with the correction for the grid's shape.
    void bonsniveaux(short level);
    // Derive the levels if needed (a wanted threshold of 74 or less counts as
    // 100); whether the threshold to apply is the one on the board.
    bool yaleuboniveau();
    // Put the given values in the cell table and apply the level unless it is
    // already in force (a grid without given values only marks them as not
    // placed).
    void fautappliquerniveau();
    // Show as givens the cells whose code reaches the threshold to apply and
    // empty every other cell (player entries are lost).
    void appliquerniveau();
    // Whether the grid has a level 7: some code is 120 and some is 100. With
    // 120 but no 100, every code above 100 is lowered to 100. False before
    // the cell table exists.
    bool yaniveausept();
    // The correction from the grid's shape: min(3, 6 - the greatest number of
    // neighbouring hexagon centres any hexagon has). It depends on the
    // hexagons only: computed once per definition.
    void declassecalc();
    // The level's number in decimal, its French label (Windows-1252) and its
    // English label; "xxx" for a level outside 1..7.
    static void texteniv(short level, gstring* number, gstring* french, gstring* english);
    // The level label shown with the grid: from the effective level, or the
    // nominal one (which 10, 11), the level without the correction (13, 14;
    // 7 stays 7) or the wanted one (15). text becomes the number when flag is
    // false, else the English label (which 10, 13) or the French one. Returns
    // the level used.
    short libniveaubis(gstring* text, short which, bool flag);
    short getseuilvoulu() const { return seuilvoulu; }
    short getseuilapplique() const { return seuilapplique; }
    short getseuilenplace() const { return seuilenplace; }
    bool getniveaucalcule() const { return niveaucalcule != 0; }
    short getdeclassement() const { return declassement; }
    short getniveauvoulu() const { return niveauvoulu; }
    short getniveaueffectif() const { return niveaueffectif; }
    short getniveaunominal() const { return niveaunominal; }

    // Player entries and pencil marks.
    // Everything a drawing needs: base, points, tables, pixel centres, the
    // level (when the grid has given values), the pending player entries and
    // the contour segments.
    void debutmodaffichagrille();
    // 1 when v is in the cell's possible values.
    short isautorisee(short cell, short v) const;
    // Toggle the pencil mark of v (1..6) in the cell.
    void swapossuser(short cell, short v);
    void razpuser(short cell);
    void razallpuser();
    // 1 when some cell has a pencil mark.
    short yadespossusers() const;
    // Pencil-mark offsets from a cell's centre: the round layout (same for
    // both cell types) and the triangle layout.
    void calposipuserond();
    void calposipusertri();
    // Pixel position of the mark of v (1..6) in the cell; the cell's centre
    // for any other v.
    void givepossofuser(short cell, short v, short& x, short& y);
    // The value whose mark in the cell is nearest to (x, y), lowest winning
    // ties; 0 when more than taillepix / 6 away.
    short possiproche(short cell, short x, short y);
    // 1 when every cell holds a value, that is none is empty by casestvide (0
    // for a grid without cells).
    short cestfini() const;
    // Empty every cell that is not a given, then clear every possible-values
    // mask (the next recomputation rebuilds them).
    void retourafixe();
    // Mode 3: text becomes the game-state text, one item per cell: "A".."F"
    // for a value, "G" for an empty cell without marks, two octal digits (low
    // then high three marks) for an empty cell with marks; then "GGG" becomes
    // "K" and "GG" becomes "H". Any other mode gives the empty text.
    void getactudata(short mode, gstring* text);
    // Decode a game-state text into the cells and the pending entries. A
    // given cell keeps its value and marks whatever its item is. A text with
    // more items than cells, or with a letter that contradicts a given, is
    // rejected: the board keeps the givens only, without marks, and the
    // pending entries are dropped. Any other character stores value 0 and no
    // marks at its cell. Returns whether the text was accepted.
    bool setactudatabis(const char* text);
    // Apply and remove the pending entries: "v" sets the value of a cell that
    // is not a given, "p" sets the cell's possible-values mask.
    void injecterpossuval();
    // A cell label: "L", the row, middle, then "C" and the column (which not
    // 0) or "-P" and the copy of the column (which 0).
    void ecricalignouv(gstring* text, short which, short cell, const char* middle) const;

    // Whether each structure is built.
    bool faitbase() const { return fbase != 0; }
    bool faitpoints() const { return fpoints != 0; }
    bool faittabhexas() const { return ftabhexas != 0; }
    bool faittabcases() const { return ftabcases != 0; }
    bool faitcoord() const { return fcoord != 0; }
    bool faitvalfix() const { return fvalfix != 0; }
    bool faitsegtour() const { return fsegtour != 0; }
    bool faitcasautour() const { return fcasautour != 0; }
    bool faitvoisidouze() const { return fvoisidouze != 0; }
    bool faittabvoisi() const { return ftabvoisi != 0; }

protected:
    // The record of a cell / hexagon number, null outside 1..count.
    grivocase* cellule(short cell);
    const grivocase* cellule(short cell) const;
    // The 15 neighbour slots of a cell, null outside the table.
    const short* voisinsde(short cell) const;
    grivohexa* hexagone(short hexa);
    const grivohexa* hexagone(short hexa) const;

private:
    void defauts();
    void geretaille();
    void casetoutclear(short cell);
    void metcoordentableaux();
    void mettrevalfixentables();

    gstring nom;
    std::vector<grivohexa> tabhexas;
    std::vector<grivocase> tabcases;
    // Neighbour table: 15 slots per cell number 0..nbcases (12 neighbours,
    // then 3 opposite cells that nothing fills).
    std::vector<short> tabvoisi;
    clagravec gravhexa; // hexagon geometry: steps of taillepix
    clagravec gravcase; // cell geometry: steps of a third of taillepix

    short nbhexacompletes = 0;
    short nbhexapartiels = 0;
    short nbhexatotal = 0;
    short nbcases = 0;
    short nbpoints = 0;
    short taillepix = 40;
    short angle = 0;
    short nbrangees = 0;
    short nbcolonnes = 0;

    // Difficulty levels: thresholds in percent, levels 1..7.
    short seuilvoulu = 100;
    short seuilapplique = 100;
    short seuilenplace = 0;
    unsigned char niveaucalcule = 0;
    short declassement = 0;
    short niveauvoulu = 6;
    short niveaueffectif = 6;
    short niveaunominal = 6;

    // Pencil-mark offsets (dx, dy) of values 1..6 for ":AB" and ":AF" cells.
    int possuserab[6][2] = {};
    int possuseraf[6][2] = {};

    unsigned char modetaillerec = 0;
    unsigned char regledouze = 1;

    lichavo lignesdef;          // the definition lines the grid was built from
    lichavo livohexa;           // canonical paths of the complete hexagons
    lichavo livopartie;         // paths of the partial hexagons
    lichavo livotri;            // cell names
    lichavo livopoint;          // lattice points
    lichavo listecavoisines;    // cell, then its corner-sharing neighbours
    lichavo listecavoisinesbis; // the narrower variant, not read by the rules
    lichavo lisegmentour;       // inner segments
    lichavo lisegmentourbis;    // outer contour
    lichavo licasesautour;      // ring cells enclosed by the grid
    lichavo licasesautourbis;   // ring cells outside the grid
    paralivo livalcafixes;      // cell name = "value,code"

    unsigned char fbase = 0;
    unsigned char fdeclasse = 0; // declassement is that of the current base
    unsigned char fpoints = 0;
    unsigned char ftabhexas = 0;
    unsigned char ftabcases = 0;
    unsigned char fcoord = 0;
    unsigned char fvalfix = 0; // they are in the cell table
    unsigned char fsegtour = 0;
    unsigned char fcasautour = 0;
    unsigned char fvoisidouze = 0;
    unsigned char ftabvoisi = 0;
    unsigned char faitvalfixes = 0; // the definition has given values
};
