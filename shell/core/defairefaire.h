// defairefaire: the undo history of the grid in play, a list of action texts
// and the number of them currently applied.
#pragma once

#include "foundation/gstring.h"
#include "foundation/lichavo.h"

// Entries 1..position are applied; the entries above the position have been
// undone and can be redone. Action texts are "v3,17" (value 3 entered in cell
// 17) and "/v3,17" (value 3 erased from cell 17).
class defairefaire {
public:
    defairefaire() { clear(); }
    ~defairefaire() { clear(); }
    defairefaire(const defairefaire&) = delete;
    defairefaire& operator=(const defairefaire&) = delete;

    // No entries, position 0.
    void clear();
    // Drop every undone entry, append text; the position becomes the count.
    void ajoute(const char* text);
    // One step back: out receives the entry at the position, which then
    // decreases; at position 0 out is emptied.
    void retire(gstring& out);
    // One step forward: the position increases and out receives the entry
    // there; at the last entry out is emptied.
    void avance(gstring& out);
    bool peutreculer() const { return position > 0; }
    bool peutavancer() const { return position < entrees.effectif(); }
    // Bring the position down to the count when it is above it.
    void gaffeniv();
    // Move every entry, in order, to the end of list (emptied first); the
    // history is left without entries but its position is kept and returned.
    short moveto(lichavo& list);
    // The entries become a copy of list's; the position is p bounded to
    // 0..count.
    void setfrom(short p, const lichavo& list);

    short getposition() const { return position; }
    short effectif() const { return entrees.effectif(); }
    // The i-th entry (1-based), null out of range.
    const char* adr(short i) const { return entrees.adr(i); }
    // Remove the i-th entry (the position is not changed: call gaffeniv).
    void kill(short i) { entrees.kill(i); }

private:
    lichavo entrees;
    short position = 0;
};
