// The shared pen, brush and font.
#include "render/ressources.h"

clacrayon moncrayon;
clabrosse mabrosse;
clapolice mapolice;

void libereressources() {
    moncrayon.clear();
    mabrosse.clear();
    mapolice.clear();
}

void finusageressources() {
    moncrayon.enduse();
    mabrosse.enduse();
    mapolice.enduse();
}
