// The shared pen, brush and font through which all drawing selects its
// objects: each setter replaces (and deletes) the one held before, so at most
// one pen, one brush and one font made by the drawing code exist at a time.
#pragma once

#include "render/clabitmap.h"
#include "render/claminibitmap.h"
#include "render/claobjetgdi.h"
#include "render/clapolice.h"

extern clacrayon moncrayon;
extern clabrosse mabrosse;
extern clapolice mapolice;

// Give each DC the shared pen, brush and font were used on back the objects
// they replaced (the objects themselves are kept for the next use). Each
// drawing pass ends with it, so a pass leaves its DC as it found it.
void finusageressources();
// Release the three shared objects: each DC they were used on gets back the
// objects it held, and the objects are deleted. The shell runs it before its
// window's DC goes away; tests run it to find no GDI object left.
void libereressources();
