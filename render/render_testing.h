// Helpers for the drawing tests: loading a catalogue grid into a page, live
// GDI object counts, and a test environment that frees the shared drawing
// objects (and on Linux the font caches) after the last test.
#pragma once

#include "render/clagripage.h"
#include "render/contextedessin.h"
#include "render/gripageimage.h"
#include "render/ressources.h"

#include "lattice/catalogue/grillecatalogue.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/font_caches.h"
#ifndef _WIN32
#include "platform/gdi_internal.h"
#include "platform/gdi_objects.h"
#endif

namespace rendertest {

// Load catalogue grid name into page as the grid in play (slot 0); false
// when unknown.
inline bool chargegrille(clagripage& page, const char* name) {
    return grilleload(0, &page.modele(), name) != 0;
}

// A catalogue grid drawn as the shell paints it, with three played values and
// three cells with pencil marks; scroll arrows right and down open, left and
// up closed.
struct scene {
    contextedessin ctx; // the game's settings, arrows set below
    clagripage page;
    cladevout d;
    std::unique_ptr<bitmapmemoire> fond;
    std::unique_ptr<bitmapmemoire> image;
    // Contour and link colour: blue as in the game, or another colour so
    // that blue ink can only be pencil marks.
    int couleur = 0xFF0000;

    scene(const char* nom, short mode, short taille = 40) {
        EXPECT_TRUE(chargegrille(page, nom));
        joueexemple(page, 3, 3);
        ctx.taillechoisie = taille;
        const SIZE s = tailleimage(page, taille, mode, 20);
        fond = std::make_unique<bitmapmemoire>(s.cx, s.cy);
        image = std::make_unique<bitmapmemoire>(s.cx, s.cy);
        placegrille(page, d, *fond, 20);
        const LONG w = s.cx;
        const LONG h = s.cy;
        const POINT fleches[4][4] = {
            {{w - 12, h / 2 - 8}, {w - 12, h / 2 + 8}, {w - 4, h / 2}, {w - 12, h / 2 - 8}},
            {{12, h / 2 - 8}, {12, h / 2 + 8}, {4, h / 2}, {12, h / 2 - 8}},
            {{w / 2 + 8, 12}, {w / 2 - 8, 12}, {w / 2, 4}, {w / 2 + 8, 12}},
            {{w / 2 + 8, h - 12}, {w / 2 - 8, h - 12}, {w / 2, h - 4}, {w / 2 + 8, h - 12}},
        };
        for (int f = 0; f < 4; ++f)
            for (int i = 0; i < 4; ++i) ctx.fleches.poly[f][i] = fleches[f][i];
        ctx.fleches.droite = 1;
        ctx.fleches.bas = 1;
        dessine();
    }
    void dessine() {
        dessinefond(ctx, page, d, *fond, couleur);
        peintgrille(ctx, page, d, *fond, *image, couleur);
    }
    // The image pixel of a grid point.
    POINT pixel(short x, short y) {
        page.setlocagrille(&d);
        POINT p{d.devx(x), d.devy(y)};
        d.setlocxy(0, 0);
        return p;
    }
    POINT centre(short c) {
        return pixel(page.modele().getcacentrix(c), page.modele().getcacentry(c));
    }
    // Whether some pixel within r of p satisfies test.
    template <class F> bool autour(POINT p, int r, F test) const {
        for (int y = p.y - r; y <= p.y + r; ++y)
            for (int x = p.x - r; x <= p.x + r; ++x)
                if (test(image->at(x, y))) return true;
        return false;
    }
};

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
        vora::platform::release_font_caches();
    }
};
inline ::testing::Environment* const liberedessin =
    ::testing::AddGlobalTestEnvironment(new LibereDessin);

} // namespace rendertest
