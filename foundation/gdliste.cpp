// gdliste: a list kept in one comma-separated buffer.
#include "foundation/gdliste.h"

#include "foundation/depile.h"

void gdliste::push(const char* text) {
    buf.set(text, ",", buf.adr());
}

void gdliste::add(const char* text) {
    buf.cat(text, ",");
}

heaptext gdliste::pop() {
    gstring first;
    depilemotbkeepall(first, buf.adr());
    return first.gdup();
}

void gdliste::gpopto(gstring& g) {
    depilemotbkeepall(g, buf.adr());
}

short gdliste::effectif() const {
    std::size_t commas = 0;
    for (const char* p = buf.adr(); *p; ++p)
        if (*p == ',') ++commas;
    return saturlen(commas);
}
