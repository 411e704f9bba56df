// Helpers for the drawing tests: loading a catalogue grid into a page, live
// GDI object counts, and a test environment that frees the shared drawing
// objects (and on Linux the font caches) after the last test.
#pragma once

#include "render/clagripage.h"
#include "render/ressources.h"

#include "lattice/catalogue/grillecatalogue.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include "platform/gdi_internal.h"
#include "platform/gdi_objects.h"
#endif

namespace rendertest {

// Load catalogue grid name into page (slot 0); false when unknown.
inline bool chargegrille(clagripage& page, const char* name) {
    if (!grilleload(0, name)) return false;
    page.setfromgrivecdef(&grilleslots[0].lignesdef);
    page.setnom(name);
    if (nigridef > 0) page.bonsniveaux(nigridef);
    page.fautunetabledescases();
    page.fautunetablevoisiquinze();
    page.fautappliquerniveau();
    page.ajustepossicase();
    return true;
}

// Pens, brushes, fonts, bitmaps and regions alive in the process, stock
// objects left out (on Windows: the process's GDI object count).
inline long objetsgdivivants() {
#ifdef _WIN32
    return static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
#else
    static long n;
    n = 0;
    for (gdi::Kind k :
         {gdi::Kind::pen, gdi::Kind::brush, gdi::Kind::font, gdi::Kind::bitmap, gdi::Kind::region})
        gdi::for_each_object(k, [](gdi::Object& o) { n += o.stock ? 0 : 1; });
    return n;
#endif
}

// Whether objetsgdivivants counts: Wine answers 0 for every process.
inline bool objetscomptables() {
#ifdef _WIN32
    return objetsgdivivants() > 0;
#else
    return true;
#endif
}

// Whether a pen, brush, font or bitmap handle still names a live object.
inline bool objetvivant(HGDIOBJ h) {
#ifdef _WIN32
    return GetObjectType(h) != 0;
#else
    return gdi::find_object(h) != nullptr;
#endif
}

class LibereDessin : public ::testing::Environment {
public:
    void TearDown() override {
        libereressources();
#ifndef _WIN32
        gdi::release_font_caches();
#endif
    }
};
inline ::testing::Environment* const liberedessin =
    ::testing::AddGlobalTestEnvironment(new LibereDessin);

} // namespace rendertest
