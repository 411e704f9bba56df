// defairefaire: the undo history's list operations.
#include "shell/core/defairefaire.h"

#include "foundation/numbers.h"

void defairefaire::clear() {
    entrees.clear();
    position = 0;
}

void defairefaire::ajoute(const char* text) {
    while (entrees.effectif() > position && entrees.effectif() > 0) entrees.killast();
    entrees.padd(text);
    position = entrees.effectif();
}

void defairefaire::retire(gstring& out) {
    if (position <= 0) {
        out.clear();
        return;
    }
    out.set(entrees.adr(position));
    --position;
}

void defairefaire::avance(gstring& out) {
    if (position < entrees.effectif()) {
        ++position;
        out.set(entrees.adr(position));
    } else {
        out.clear();
    }
}

void defairefaire::gaffeniv() {
    if (entrees.effectif() < position) position = entrees.effectif();
}

short defairefaire::moveto(lichavo& list) {
    list.clear();
    list.mergeclean(entrees);
    return position;
}

void defairefaire::setfrom(short p, const lichavo& list) {
    entrees.clear();
    entrees.mergekeep(list);
    position = bndslim(p, 0, entrees.effectif());
}
