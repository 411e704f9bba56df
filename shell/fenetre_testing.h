// The game started in-process under the headless display for the shell's
// scenario tests: message boxes answered from a queue, beeps recorded,
// clicks and commands sent to the main window, the painted picture read.
#pragma once

#include "shell/appli.h"
#include "shell/fenetre.h"
#include "shell/jeu.h"
#include "shell/miseenpage.h"
#include "shell/paramdemarrage.h"
#include "shell/peinture.h"

#include "platform/font_caches.h"
#include "platform/messagebox/message_box.h"
#ifndef _WIN32
#include "platform/user_testing.h"
#endif
#include "render/bitmapmemoire.h"
#include "render/ressources.h"
#include "resources/ressourcesregles.h"
#include "shell/core/cheminparam.h"
#include "shell/core/paramuser_testing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace shelltest {

struct bipjoue {
    DWORD frequence;
    DWORD duree;
    short curseur; // the cursor shown while it played
    bool operator==(const bipjoue&) const = default;
};

// One run of the game, in a fresh directory (its parameter file lands there):
// its application object, and the parts of it the scenarios look at.
class fenetrejeu : public ::testing::Test {
protected:
    // The run's application object, made again by relance.
    std::unique_ptr<claappli> jeu = std::make_unique<claappli>(nullptr);
    claappli& appli() const { return *jeu; }
    clapartie& partie() const { return jeu->partie; }
    clagdtooltip& tooltip() const { return jeu->tooltip; }
    clafendemarrage& fendemarrage() const { return jeu->fendemarrage; }
    regionsjeu& regions() const { return jeu->regions; }
    contextedessin& contexte() const { return jeu->contexte; }
    // The game started again as WinMain starts it: a new application object
    // (finjeu ended the previous run).
    HWND relance() {
        jeu = std::make_unique<claappli>(nullptr);
        observe();
        return demarrage(*jeu, SW_SHOW);
    }
    // The beeps recorded with the cursor shown while each played.
    void observe() {
        jeu->observateurbips = [this](DWORD f, DWORD d) {
            bips.push_back({f, d, jeu->curseurs.curseurcourant()});
        };
    }

    void SetUp() override {
#ifndef _WIN32
        // The layer's headless display, on a manual clock.
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        // A French desktop, whatever the machine's: a start without a
        // parameter file speaks the language the tests expect.
        setenv("LANG", "fr_FR.UTF-8", 1);
        unsetenv("LC_ALL");
        unsetenv("LC_MESSAGES");
        vora::platform::testing::use_manual_clock(1000);
#endif
        enregistreimagesregles();
        // The user's data folder inside the test's directory, never the real
        // one: the parameter file lands in it unless the test put one in the
        // current directory.
#ifdef _WIN32
        _putenv_s("APPDATA", dossier.fichier("donnees").c_str());
#else
        setenv("XDG_DATA_HOME", dossier.fichier("donnees").c_str(), 1);
#endif
        ancien = std::filesystem::current_path();
        std::filesystem::current_path(std::filesystem::path(dossier.fichier("")));
        if (fichierdepart != nullptr) {
            gstring nom;
            nomfichierparam(nom);
            ecrisfichier(nom.adr(), fichierdepart);
        }
        vora::platform::set_message_box_answerer(
            [this](const vora::platform::MessageBoxQuestion& q) {
                questions.push_back(q.text);
                if (pendantboite) {
                    auto f = std::move(pendantboite);
                    pendantboite = nullptr;
                    f();
                }
                if (reponses.empty()) return IDNO;
                const int r = reponses.front();
                reponses.pop_front();
                return r;
            });
        observe();
        fenetre = demarrage(*jeu, SW_SHOW);
        ASSERT_NE(fenetre, nullptr);
        peins();
    }

    void TearDown() override {
        if (IsWindow(fenetre)) DestroyWindow(fenetre);
        MSG m{};
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        finjeu(*jeu);
        jeu->observateurbips = {};
        vora::platform::set_message_box_answerer({});
        std::filesystem::current_path(ancien);
    }

    // The parameter file in the test's data folder.
    static std::string fichierdonnees() {
        const systemeparam sys = systemecourant();
        return cheminparam("V-O-RA 110.TXT", false,
                           dossierdonnees(sys, [](const char* v) { return std::getenv(v); }), sys);
    }
    // Dispatch what is queued, then paint what is invalid.
    void peins() {
        MSG m{};
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        UpdateWindow(fenetre);
    }
    // The client pixel of a grid-local point.
    POINT client(short x, short y) const {
        const miseenpage& m = jeu->courante;
        return POINT{m.originex + x, m.originey - y};
    }
    // The picture the last paint drew, a button of the column, the cursor
    // shown, the parameter file in use.
    const bitmapmemoire* imagepeinte() const {
        return ::imagepeinte(*jeu);
    }
    HWND bouton(short id) const {
        return jeu->colonne.bouton(id);
    }
    short curseurcourant() const {
        return jeu->curseurs.curseurcourant();
    }
    const std::string& fichierparam() const {
        return ::fichierparam(*jeu);
    }
    POINT centre(short cellule) const {
        return client(partie().grille().getcacentrix(cellule),
                      partie().grille().getcacentry(cellule));
    }
    void clic(POINT p, bool droit = false) {
        const LPARAM l = MAKELPARAM(p.x, p.y);
        SendMessageA(fenetre, droit ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, 0, l);
        SendMessageA(fenetre, droit ? WM_RBUTTONUP : WM_LBUTTONUP, 0, l);
        peins();
    }
    void clicase(short cellule) {
        clic(centre(cellule));
    }
    void presse(short id) {
        SendMessageA(fenetre, WM_COMMAND, static_cast<WPARAM>(id), 0);
        peins();
    }
    // The first empty cell, and a value allowed / refused there.
    short casevide() const {
        for (short c = 1; c <= partie().grille().getnbcases(); ++c)
            if (partie().grille().casestvide(c)) return c;
        return 0;
    }
    short valeur(short cellule, bool permise) {
        jeu->page.modele().ajustepossicase();
        for (short v = 1; v <= 6; ++v)
            if ((partie().grille().isautorisee(cellule, v) != 0) == permise) return v;
        return 0;
    }
    // Pixels near a cell's centre in the last painted picture: dark ones
    // (the antialiased digits of the givens), or of one colour.
    int sombres(short cellule, int rayon) const {
        const bitmapmemoire* image = imagepeinte();
        if (image == nullptr) return 0;
        const POINT p = centre(cellule);
        int n = 0;
        for (int y = p.y - rayon; y <= p.y + rayon; ++y)
            for (int x = p.x - rayon; x <= p.x + rayon; ++x) {
                const COLORREF c = image->at(x, y);
                if ((c & 0xFF) < 0x50 && ((c >> 8) & 0xFF) < 0x50 && ((c >> 16) & 0xFF) < 0x50) ++n;
            }
        return n;
    }
    // Pixels of colour near a cell's centre in the last painted picture.
    int pixels(short cellule, COLORREF couleur, int rayon = 10) const {
        const bitmapmemoire* image = imagepeinte();
        if (image == nullptr) return 0;
        const POINT p = centre(cellule);
        int n = 0;
        for (int y = p.y - rayon; y <= p.y + rayon; ++y)
            for (int x = p.x - rayon; x <= p.x + rayon; ++x)
                if (image->at(x, y) == couleur) ++n;
        return n;
    }
    std::vector<DWORD> frequences() const {
        std::vector<DWORD> f;
        for (const bipjoue& b : bips) f.push_back(b.frequence);
        return f;
    }
    std::vector<std::string> historiquetextes() const {
        std::vector<std::string> h;
        for (short i = 1; i <= partie().historique().effectif(); ++i)
            h.emplace_back(partie().historique().adr(i));
        return h;
    }

    // The parameter file the game starts on (none when null): the smallest
    // cell size unless a test wants the size of a fresh start.
    const char* fichierdepart = "ver=3.6\r\ntca=40\r\n";
    dossiertemporaire dossier;
    std::filesystem::path ancien;
    HWND fenetre = nullptr;
    std::deque<int> reponses;
    std::vector<std::string> questions;
    std::vector<bipjoue> bips;
    std::function<void()> pendantboite; // run inside the next box
};

// Frees the shared drawing objects and stops the layer after the last test,
// so that the leak checker sees a clean process.
class arretcouche : public ::testing::Environment {
public:
    void TearDown() override {
        libereressources();
#ifndef _WIN32
        vora::platform::testing::shutdown_layer();
#endif
        vora::platform::release_font_caches();
    }
};
inline ::testing::Environment* const arret = ::testing::AddGlobalTestEnvironment(new arretcouche);

} // namespace shelltest
