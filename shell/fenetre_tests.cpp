// Scenarios of the game played through its main window: messages sent to
// WindProc, boxes answered through the test hook, results read from the grid
// model, the undo history, the beeps and the painted picture.
#include "shell/fenetre_testing.h"
#include "shell/idcommandes.h"

#include "shell/core/partie_testing.h"

#include "shell/boites.h"
#include "shell/clagdtooltip.h"
#include "shell/selecteur.h"

#include "shell/core/chronogrilles.h"
#include "shell/core/paramabime.h"
#include "shell/core/verrouparam.h"

#include <chrono>
#include <fstream>
#include <sstream>

namespace shelltest {
namespace {

constexpr COLORREF magenta = 0xFF00FF;

// The client point of the selector's triangle of value v.
POINT triangle(const claappli& a, short v) {
    for (short k = 0; k < 6; ++k)
        if (claselecteur::valeurboutri(k) == v) {
            const RECT r = a.selecteur.cadre();
            const POINT c{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
            static const POINT d[6] = {{15, -8}, {0, -17}, {-15, -8}, {-15, 8}, {0, 17}, {15, 8}};
            return POINT{c.x + d[k].x, c.y + d[k].y};
        }
    return POINT{0, 0};
}

// Fill the empty cells by trial (each value its neighbours leave), the
// given values kept; false when the grid has no solution.
bool resous(claappli& a, short c = 1) {
    clagrivora& g = a.page.modele();
    if (c > g.getnbcases()) return true;
    if (!g.casestvide(c)) return resous(a, static_cast<short>(c + 1));
    for (short v = 1; v <= 6; ++v) {
        bool libre = true;
        for (short i = 0; i < 12 && libre; ++i) {
            const short n = g.casevoisine(c, i);
            libre = n == 0 || g.getcaseval(n) != v;
        }
        if (!libre) continue;
        g.setcaseval(c, v);
        if (resous(a, static_cast<short>(c + 1))) return true;
    }
    g.setcaseval(c, 0);
    return false;
}

TEST_F(fenetrejeu, StartsOnGridOneInPlayWithTheColumnAndTheGridPainted) {
    EXPECT_EQ(partie().mode(), modeappli::jeu);
    EXPECT_EQ(partie().parametres().grillecourante, 1);
    EXPECT_GT(partie().grille().getnbcases(), 0);
    ASSERT_NE(imagepeinte(), nullptr);
    for (short id : {idlangue, idplus, idmoins, idinfo, idzero, idfixe, idpause, idsauver,
                     idquitter, idannuler, idrefaire})
        EXPECT_NE(bouton(id), nullptr) << id;
    EXPECT_FALSE(IsWindowEnabled(bouton(idannuler)));
    EXPECT_FALSE(IsWindowEnabled(bouton(idplus)) == FALSE);
    EXPECT_FALSE(IsWindowEnabled(bouton(idmoins)));
    // A given's digit is black on the cell fill.
    for (short c = 1; c <= partie().grille().getnbcases(); ++c)
        if (partie().grille().casestfixe(c)) {
            EXPECT_GT(sombres(c, 6), 3);
            break;
        }
}

TEST_F(fenetrejeu, TheWindowCarriesTheProgramsIcon) {
#ifdef _WIN32
    const HICON attendue = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconevora));
    ASSERT_NE(attendue, nullptr) << "the resource script compiles the icon in";
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(fenetre, GCLP_HICON)), attendue);
#else
    const HICON attendue = LoadIconA(nullptr, MAKEINTRESOURCEA(iconevora));
    ASSERT_NE(attendue, nullptr) << "the program registers its icon";
    EXPECT_EQ(vora::platform::testing::window_icon(fenetre), attendue);
#endif
}

TEST_F(fenetrejeu, AValueChosenOnTheSelectorIsEnteredShownAndRecorded) {
    const short c = casevide();
    const short v = valeur(c, true);
    ASSERT_GT(v, 0);
    clic(triangle(appli(), v));
    EXPECT_EQ(partie().valeurcourante(), v);
    EXPECT_EQ(pixels(c, magenta), 0);
    clicase(c);
    EXPECT_EQ(partie().grille().getcaseval(c), v);
    EXPECT_EQ(historiquetextes(),
              std::vector<std::string>{"v" + std::to_string(v) + "," + std::to_string(c)});
    EXPECT_GT(pixels(c, magenta), 5);
    EXPECT_TRUE(IsWindowEnabled(bouton(idannuler)));
    EXPECT_TRUE(bips.empty());
}

TEST_F(fenetrejeu, ARefusedValueBeepsAndChangesNothing) {
    const short c = casevide();
    const short v = valeur(c, false);
    ASSERT_GT(v, 0);
    clic(triangle(appli(), v));
    bips.clear();
    clicase(c);
    EXPECT_TRUE(partie().grille().casestvide(c));
    EXPECT_EQ(partie().historique().effectif(), 0);
    std::vector<bipjoue> attendus = {{800, 5, v}, {1200, 5, v}};
    EXPECT_EQ(bips, attendus);
    // A player's value with another value chosen is refused too.
    const short w = valeur(c, true);
    clic(triangle(appli(), w));
    clicase(c);
    const short autre = w == 1 ? 2 : 1;
    clic(triangle(appli(), autre));
    bips.clear();
    clicase(c);
    EXPECT_EQ(partie().grille().getcaseval(c), w);
    attendus = {{800, 5, autre}, {1200, 5, autre}};
    EXPECT_EQ(bips, attendus);
}

TEST_F(fenetrejeu, ClickingOnesOwnValueErasesItWithTheEraseSignal) {
    const short c = casevide();
    const short v = valeur(c, true);
    clic(triangle(appli(), v));
    clicase(c);
    bips.clear();
    clicase(c);
    EXPECT_TRUE(partie().grille().casestvide(c));
    EXPECT_EQ(pixels(c, magenta), 0);
    // Three falling beeps under the erase cursor, which stays while they
    // play; the value cursor after.
    const std::vector<bipjoue> signal = {{250, 80, 10}, {200, 80, 10}, {150, 80, 10}};
    EXPECT_EQ(bips, signal);
    EXPECT_EQ(curseurcourant(), 10);
#ifdef _WIN32
    Sleep(300);
#else
    vora::platform::testing::advance_clock(240);
#endif
    peins();
    EXPECT_EQ(curseurcourant(), v);
    // Entered then erased: two steps, the entry can be brought back.
    EXPECT_EQ(partie().historique().effectif(), 2);
    // The eraser empties a player's value too, and the erasure is recorded.
    clicase(c);
    presse(idzero);
    EXPECT_EQ(partie().valeurcourante(), 0);
    clicase(c);
    EXPECT_TRUE(partie().grille().casestvide(c));
    EXPECT_EQ(partie().historique().effectif(), 4);
    // A given cell selects its value instead.
    for (short g = 1; g <= partie().grille().getnbcases(); ++g)
        if (partie().grille().casestfixe(g)) {
            clicase(g);
            EXPECT_EQ(partie().valeurcourante(), partie().grille().getcaseval(g));
            EXPECT_EQ(partie().grille().getcaseval(g), partie().grille().getcaseval(g));
            break;
        }
}

bool dedans(const RECT& r, const RECT& zone) {
    return r.right > r.left && r.left >= zone.left && r.top >= zone.top && r.right <= zone.right &&
           r.bottom <= zone.bottom;
}

// Real boxes (no answerer): a timer running in the boxes' own loops notes
// where each box is and presses OK. A question closed may bring another (the
// arrows a move made appear explained once painted).
std::vector<RECT> boitesouvertes;
HWND fenetrejeuprincipale = nullptr;
void CALLBACK noteboite(HWND, UINT, UINT_PTR, DWORD) {
    const HWND focus = GetFocus();
    const HWND boite = focus != nullptr ? GetParent(focus) : nullptr;
    if (boite == nullptr || boite == fenetrejeuprincipale) return;
    RECT r{};
    GetWindowRect(boite, &r);
    boitesouvertes.push_back(r);
    PostMessageA(boite, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// With the window dragged so that the pointer resting on "+" lies at each
// edge and corner of the work area, the tooltip and the message boxes (each
// centred on the window, which runs off the screen) open inside it. The
// layer's work area is given panels at the top and bottom.
TEST_F(fenetrejeu, BoxesAndTooltipsStayInsideTheWorkArea) {
#ifndef _WIN32
    const RECT panneaux{0, 30, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) - 40};
    vora::platform::testing::set_work_area(&panneaux);
#endif
    RECT zone{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &zone, 0));
    RECT plus{};
    RECT fen{};
    GetWindowRect(bouton(idplus), &plus);
    GetWindowRect(fenetre, &fen);
    const POINT depuiscoin{plus.left - fen.left + 5, plus.top - fen.top + 5};
    const LONG mx = (zone.left + zone.right) / 2;
    const LONG my = (zone.top + zone.bottom) / 2;
    const LONG g = zone.left + 2;
    const LONG d = zone.right - 3;
    const LONG h = zone.top + 2;
    const LONG b = zone.bottom - 3;
    const struct {
        const char* ou;
        POINT pointeur; // on the screen
    } cas[] = {{"left", {g, my}},       {"right", {d, my}},      {"top", {mx, h}},
               {"bottom", {mx, b}},     {"top left", {g, h}},    {"top right", {d, h}},
               {"bottom left", {g, b}}, {"bottom right", {d, b}}};
    vora::platform::set_message_box_answerer({});
    fenetrejeuprincipale = fenetre;
    const struct minuterie {
        UINT_PTR id = SetTimer(nullptr, 0, 10, noteboite);
        ~minuterie() { KillTimer(nullptr, id); }
    } boites;
    for (const auto& c : cas) {
        boitesouvertes.clear();
        SetWindowPos(fenetre, nullptr, c.pointeur.x - depuiscoin.x, c.pointeur.y - depuiscoin.y, 0,
                     0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        POINT p = c.pointeur;
        ScreenToClient(fenetre, &p);
        tooltip().virefentooltip();
        tooltip().danszoclifen(fenetre, static_cast<short>(p.x), static_cast<short>(p.y), 0);
        ASSERT_TRUE(tooltip().estvisible()) << c.ou;
        RECT r{};
        GetWindowRect(tooltip().popup(), &r);
        EXPECT_TRUE(dedans(r, zone)) << c.ou << ": tooltip at " << r.left << "," << r.top;
        questionjeu q;
        q.numero = 7;
        q.choix = questionjeu::boutons::okannuler;
        q.p1 = "compact 2 (a long grid name)";
        q.p2 = "1350";
        appliquer(appli(), partie().annonce(q));
        EXPECT_FALSE(boitesouvertes.empty()) << c.ou;
        for (const RECT& o : boitesouvertes)
            EXPECT_TRUE(dedans(o, zone)) << c.ou << ": box at " << o.left << "," << o.top << " to "
                                         << o.right << "," << o.bottom;
    }
#ifndef _WIN32
    vora::platform::testing::set_work_area(nullptr);
#endif
}

// The beeps play while the game goes on: the click that erases (three beeps
// of 80 ms) and the one refused (two of 5 ms) return, painted, at once, on
// the game's clock, and the erasing one before its beeps could end on the
// steady clock.
TEST_F(fenetrejeu, BeepsNeverHoldTheClickNorItsPaint) {
    const short c = casevide();
    const short v = valeur(c, true);
    clic(triangle(appli(), v));
    clicase(c);
    const short refusee = valeur(casevide(), false);
#ifdef _WIN32
    // The system's clock: the click's own work, well below the 240 ms of beeps.
    constexpr DWORD delaimax = 200;
#else
    // The layer's manual clock: nothing but a wait can move it.
    constexpr DWORD delaimax = 5;
#endif
    for (const bool efface : {true, false}) {
        const POINT p = centre(efface ? c : casevide());
        if (!efface) clic(triangle(appli(), refusee));
        bips.clear();
        const DWORD avant = GetTickCount();
        const auto avantreel = std::chrono::steady_clock::now();
        clic(p);
        const auto reel = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - avantreel);
        EXPECT_EQ(bips.size(), efface ? 3u : 2u);
        EXPECT_LT(GetTickCount() - avant, delaimax) << (efface ? "erasing" : "refused");
        // A click held by its beeps lasts at least as long as they do; the
        // refused ones are too short to tell from a slow machine's click.
        DWORD duree = 0;
        for (const bipjoue& b : bips) duree += b.duree;
        if (efface) {
            EXPECT_LT(reel.count(), duree) << "erasing";
        }
    }
    EXPECT_TRUE(partie().grille().casestvide(c));
    EXPECT_EQ(pixels(c, magenta), 0);
}

TEST_F(fenetrejeu, UndoAndRedoWalkTheHistoryAndTheButtonsFollow) {
    const short a = casevide();
    const short va = valeur(a, true);
    clic(triangle(appli(), va));
    clicase(a);
    const short b = casevide();
    const short vb = valeur(b, true);
    clic(triangle(appli(), vb));
    clicase(b);
    ASSERT_EQ(partie().historique().effectif(), 2);
    presse(idannuler);
    EXPECT_TRUE(partie().grille().casestvide(b));
    EXPECT_EQ(partie().grille().getcaseval(a), va);
    EXPECT_EQ(pixels(b, magenta), 0);
    EXPECT_TRUE(IsWindowEnabled(bouton(idrefaire)));
    presse(idannuler);
    EXPECT_TRUE(partie().grille().casestvide(a));
    EXPECT_FALSE(IsWindowEnabled(bouton(idannuler)));
    presse(idannuler); // nothing left to undo
    EXPECT_EQ(partie().historique().getposition(), 0);
    presse(idrefaire);
    presse(idrefaire);
    EXPECT_EQ(partie().grille().getcaseval(a), va);
    EXPECT_EQ(partie().grille().getcaseval(b), vb);
    EXPECT_GT(pixels(b, magenta), 5);
    EXPECT_FALSE(IsWindowEnabled(bouton(idrefaire)));
    // A new entry after an undo drops the undone one.
    presse(idannuler);
    clic(triangle(appli(), vb));
    clicase(b);
    EXPECT_EQ(partie().historique().effectif(), 2);
    EXPECT_FALSE(IsWindowEnabled(bouton(idrefaire)));
}

TEST_F(fenetrejeu, RightClicksTogglePencilMarksAndTheFillFlagSetsAllSix) {
    const short c = casevide();
    short x = 0;
    short y = 0;
    appli().page.modele().givepossofuser(c, 3, x, y);
    clic(client(x, y), true);
    EXPECT_EQ(partie().grille().getpuser(c), 1 << 2);
    clic(client(x, y), true);
    EXPECT_EQ(partie().grille().getpuser(c), 0);
    accespartie::parametres(partie()).remplitmarques = true;
    clic(centre(c), true);
    EXPECT_EQ(partie().grille().getpuser(c), 63);
    EXPECT_GT(pixels(c, 0xFF0000, 16), 5); // the marks are blue
    // The eraser clears a cell's marks with a low beep.
    presse(idzero);
    bips.clear();
    clicase(c);
    EXPECT_EQ(partie().grille().getpuser(c), 0);
    const std::vector<bipjoue> bas = {{200, 50, 0}};
    EXPECT_EQ(bips, bas);
}

TEST_F(fenetrejeu, AGridIsLoadedOnlyWhenThePlayerSaysYes) {
    const std::string nom1 = partie().grille().getnom();
    reponses = {IDNO};
    presse(idbouttongrille(2));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find('2'), std::string::npos);
    EXPECT_EQ(partie().parametres().grillecourante, 1);
    EXPECT_EQ(partie().grille().getnom(), nom1);
    const short c = casevide();
    clic(triangle(appli(), valeur(c, true)));
    clicase(c);
    reponses = {IDYES};
    presse(idbouttongrille(2));
    EXPECT_EQ(partie().parametres().grillecourante, 2);
    EXPECT_NE(partie().grille().getnom(), nom1);
    EXPECT_EQ(partie().historique().effectif(), 0);
    EXPECT_EQ(partie().fenetre().verrous, 0);
    EXPECT_EQ(appli().verrousboutons, 0);
}

TEST_F(fenetrejeu, ACommandWhileABoxIsOpenIsRefusedWithTwoBeeps) {
    const short taille = partie().parametres().taillecase;
    pendantboite = [this] {
        EXPECT_EQ(partie().fenetre().verrous, 1);
        SendMessageA(fenetre, WM_COMMAND, idplus, 0);
    };
    reponses = {IDNO};
    presse(idbouttongrille(3));
    EXPECT_EQ(partie().parametres().taillecase, taille);
    EXPECT_EQ(frequences(), (std::vector<DWORD>{800, 1200}));
    bips.clear();
    presse(idplus);
    EXPECT_EQ(partie().parametres().taillecase, taille + 10);
    EXPECT_TRUE(bips.empty());
}

TEST_F(fenetrejeu, FinishingTheGridCongratulatesAndOffersToSave) {
    // Everything but one cell solved; the player enters the last value.
    std::vector<short> vides;
    for (short c = 1; c <= partie().grille().getnbcases(); ++c)
        if (partie().grille().casestvide(c)) vides.push_back(c);
    ASSERT_TRUE(resous(appli()));
    const short derniere = vides.back();
    const short v = partie().grille().getcaseval(derniere);
    appli().page.modele().setcaseval(derniere, 0);
    clic(triangle(appli(), v));
    bips.clear();
    reponses = {IDOK, IDYES};
    clicase(derniere);
    EXPECT_EQ(partie().grille().getcaseval(derniere), v);
    EXPECT_EQ(partie().grille().cestfini(), 1);
    ASSERT_GE(bips.size(), 3u);
    EXPECT_EQ(bips[0].frequence, 800u);
    EXPECT_EQ(bips[1].frequence, 1200u);
    EXPECT_EQ(bips[2].frequence, 1600u);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_NE(questions[0].find('1'), std::string::npos);
    // The yes saved the finished grid's state in the parameter file.
    const std::string nom = fichierparam();
    const std::string contenu = litfichier(nom);
    EXPECT_NE(contenu.find("gri=1"), std::string::npos);
    EXPECT_NE(contenu.find("gv1:A="), std::string::npos);
}

TEST_F(fenetrejeu, SaveWritesTheStateThatTheNextStartRestores) {
    const short c = casevide();
    const short v = valeur(c, true);
    clic(triangle(appli(), v));
    clicase(c);
    reponses = {IDYES};
    presse(idsauver);
    reponses = {IDYES};
    presse(idquitter);
    EXPECT_FALSE(IsWindow(fenetre));
    finjeu(appli());
    fenetre = relance();
    ASSERT_NE(fenetre, nullptr);
    peins();
    EXPECT_EQ(partie().grille().getcaseval(c), v);
    EXPECT_GT(pixels(c, magenta), 5);
}

// A second copy started while this one holds the parameter file is told so
// and ends, writing nothing; a damaged file is kept aside and told once, and
// the game plays on and saves.
TEST_F(fenetrejeu, ASecondCopyAndADamagedFileAtStartUp) {
    const short c = casevide();
    const short v = valeur(c, true);
    clic(triangle(appli(), v));
    clicase(c);
    reponses = {IDYES};
    presse(idsauver);
    const std::string nom = fichierparam();
    const std::string sauve = litfichier(nom);
    ASSERT_NE(sauve.find("gv1:A="), std::string::npos);
    {
        // The copy already running, as far as the file goes.
        claverrouparam autre;
        DestroyWindow(fenetre);
        finjeu(appli());
        ASSERT_EQ(autre.prendre(nom), claverrouparam::issue::tenu);
        questions.clear();
        reponses = {IDOK};
        EXPECT_EQ(relance(), nullptr);
        ASSERT_EQ(questions.size(), 1u);
        EXPECT_NE(questions[0].find("d\xE9j\xE0 ouvert"), std::string::npos) << questions[0];
        EXPECT_EQ(litfichier(nom), sauve);
        finjeu(appli());
    }
    const std::string abime = sauve + std::string(40, '\0') + "\x01\xFF";
    ecrisfichier(nom, abime);
    questions.clear();
    reponses = {IDOK};
    fenetre = relance();
    ASSERT_NE(fenetre, nullptr);
    peins();
    const std::string aside = nomdecote(nom, 1);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find(aside), std::string::npos) << questions[0];
    EXPECT_EQ(litfichier(aside), abime);
    EXPECT_FALSE(std::filesystem::exists(nom));
    EXPECT_EQ(partie().grille().getcaseval(c), v) << "what could be read is taken up";
    reponses = {IDYES};
    presse(idsauver);
    EXPECT_FALSE(fichierabime(nom));
    DestroyWindow(fenetre);
    finjeu(appli());
    questions.clear();
    fenetre = relance();
    ASSERT_NE(fenetre, nullptr);
    EXPECT_TRUE(questions.empty()) << "told once";
    EXPECT_EQ(litfichier(aside), abime);
}

// Without a parameter file in the current directory the game keeps it in the
// user's data folder, made at start-up; a file in the current directory is
// the one read, saved and named by "I" from then on, and the data folder's
// is left alone.
TEST_F(fenetrejeu, TheCurrentDirectorysFileComesBeforeTheDataFolders) {
    // A start without the fixture's file in the current directory.
    DestroyWindow(fenetre);
    finjeu(appli());
    std::filesystem::remove("V-O-RA 110.TXT");
    fenetre = relance();
    ASSERT_NE(fenetre, nullptr);
    peins();
    const std::string donnees = fichierdonnees();
    EXPECT_EQ(fichierparam(), donnees);
    reponses = {IDYES};
    presse(idsauver);
    const std::string sauve = litfichier(donnees);
    ASSERT_NE(sauve.find("gri=1"), std::string::npos);
    DestroyWindow(fenetre);
    finjeu(appli());
    const std::string ici = "V-O-RA 110.TXT";
    ecrisfichier(ici, "gri=2\r\nusr=mine\r\n");
    fenetre = relance();
    ASSERT_NE(fenetre, nullptr);
    peins();
    EXPECT_EQ(fichierparam(), ici);
    EXPECT_EQ(partie().parametres().grillecourante, 2);
    questions.clear();
    reponses = {IDYES, IDCANCEL};
    presse(idsauver);
    presse(idinfo);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_NE(questions[1].find("Fichier des parties : " + dossier.fichier(ici) + "\n"),
              std::string::npos)
        << questions[1];
    const std::string garde = litfichier(ici);
    EXPECT_NE(garde.find("gri=2"), std::string::npos);
    EXPECT_NE(garde.find("usr=mine"), std::string::npos);
    EXPECT_EQ(litfichier(donnees), sauve);
}

#ifndef _WIN32
// Keys come from the display through the layer's test input.
TEST_F(fenetrejeu, KeysChooseTheValueAndTabStepsIt) {
    vora::platform::testing::send_key('4', true);
    peins();
    SendMessageA(fenetre, WM_TIMER, 1, 0);
    EXPECT_EQ(partie().valeurcourante(), 4);
    vora::platform::testing::send_key('4', false);
    vora::platform::testing::send_key(VK_TAB, true);
    peins();
    SendMessageA(fenetre, WM_TIMER, 1, 0);
    EXPECT_EQ(partie().valeurcourante(), 5);
    vora::platform::testing::send_key(VK_TAB, false);
    peins();
    SendMessageA(fenetre, WM_TIMER, 1, 0);
    EXPECT_EQ(partie().valeurcourante(), 5);
}

// Shift and a digit from the display toggles that mark of the cursor's empty
// cell and nothing else: the current value stays, with the cursor or without,
// on an empty cell or a given one.
TEST_F(fenetrejeu, ShiftAndADigitOnlyTogglesTheMark) {
    namespace t = vora::platform::testing;
    const auto shiftchiffre = [&](int chiffre) {
        t::send_key(VK_SHIFT, true);
        t::send_key(chiffre, true);
        t::send_key(chiffre, false);
        t::send_key(VK_SHIFT, false);
        peins();
    };
    presse(idvaleur(2));
    ASSERT_EQ(partie().valeurcourante(), 2);
    shiftchiffre('5');
    EXPECT_EQ(partie().valeurcourante(), 2) << "without the cursor";
    EXPECT_EQ(partie().historique().effectif(), 0);
    t::send_key(VK_RIGHT, true);
    t::send_key(VK_RIGHT, false);
    peins();
    ASSERT_TRUE(partie().curseurvisible());
    for (int i = 0; i < 200 && !partie().grille().casestvide(partie().casecourante()); ++i)
        SendMessageA(fenetre, WM_KEYDOWN, VK_RIGHT, 0);
    const short c = partie().casecourante();
    ASSERT_TRUE(partie().grille().casestvide(c));
    shiftchiffre('5');
    EXPECT_EQ(partie().valeurcourante(), 2) << "on an empty cell";
    EXPECT_EQ(partie().grille().getpuser(c), 1 << 4);
    EXPECT_EQ(partie().historique().effectif(), 1) << "one undo step";
    for (int i = 0; i < 200 && !partie().grille().casestfixe(partie().casecourante()); ++i)
        SendMessageA(fenetre, WM_KEYDOWN, VK_RIGHT, 0);
    ASSERT_TRUE(partie().grille().casestfixe(partie().casecourante()));
    shiftchiffre('3');
    EXPECT_EQ(partie().valeurcourante(), 2) << "on a given cell";
    EXPECT_EQ(partie().historique().effectif(), 1);
}

// The pointer resting on a button or a selector triangle shows its tooltip,
// in the language in force.
TEST_F(fenetrejeu, TooltipsFollowThePointerAndTheLanguage) {
    auto survole = [this](POINT p) {
        vora::platform::testing::send_mouse_move(fenetre, p);
        peins();
    };
    RECT plus{};
    GetWindowRect(bouton(idplus), &plus);
    POINT p{plus.left + 5, plus.top + 5};
    ScreenToClient(fenetre, &p);
    survole(p);
    EXPECT_TRUE(tooltip().estvisible());
    EXPECT_STREQ(tooltip().textelabel(), "  Agrandir (+)  ");
    EXPECT_EQ(vora::platform::testing::window_role(tooltip().popup()),
              vora::platform::testing::WindowRole::tooltip);
    survole(triangle(appli(), 3));
    EXPECT_STREQ(tooltip().textelabel(), "  S\xE9lec. chiffre 3  ");
    const std::size_t avant = questions.size();
    presse(idlangue);
    EXPECT_EQ(questions.size(), avant) << "the language changes without a box";
    survole(p);
    EXPECT_STREQ(tooltip().textelabel(), "  Bigger (+)  ");
    // Over the grid (inside the window's shape), away from every tool.
    survole(client(partie().grille().gethexacentrix(1), partie().grille().gethexacentry(1)));
    EXPECT_FALSE(tooltip().estvisible());
}
#endif

// "I" on a grid that fits the window: the grid's page (number, level, cells
// filled, time) and four help pages, each numbered, OK going on and Cancel
// going back to the game; in English every page is English.
TEST_F(fenetrejeu, InformationSaysWhatTheGridIsAndEachPageHowToLeave) {
    ASSERT_FALSE(regions().flecheaffichee());
    const short c = casevide();
    partie().choisitvaleur(valeur(c, true));
    clicase(c);
    accespartie::parametres(partie()).chronos.grille(1).ajoutsec(124);
    short remplies = 0;
    for (short k = 1; k <= partie().grille().getnbcases(); ++k)
        if (!partie().grille().casestvide(k)) ++remplies;
    const std::string cases =
        std::to_string(remplies) + " sur " + std::to_string(partie().grille().getnbcases());
    gstring francais;
    gstring anglais;
    clagrivora::texteniv(partie().grille().getniveauvoulu(), nullptr, &francais, &anglais);

    reponses = {IDOK, IDOK, IDOK, IDOK, IDOK};
    presse(idinfo);
    ASSERT_EQ(questions.size(), 5u) << "no arrows page: the grid fits";
    const std::string& grille = questions[0];
    for (const std::string& attendu :
         {std::string("Grille n\xB0") + "1\n", std::string("Niveau : ") + francais.adr() + "\n",
          "Cases remplies : " + cases + "\n", std::string("grille : 02mn 04s\n"),
          "Fichier des parties : " + dossier.fichier("V-O-RA 110.TXT") + "\n"})
        EXPECT_NE(grille.find(attendu), std::string::npos) << attendu << " in " << grille;
    EXPECT_EQ(grille.find("1251"), std::string::npos) << "the catalogue's name means nothing";
    for (std::size_t i = 0; i < 5; ++i) {
        const std::string page = "Page " + std::to_string(i + 1) + "/5. OK : ";
        EXPECT_NE(questions[i].find(page), std::string::npos) << questions[i];
        EXPECT_EQ(questions[i].find("plus grande que la fen"), std::string::npos) << i;
    }
    EXPECT_NE(questions[3].find("Annuler : retour au jeu."), std::string::npos);
    EXPECT_NE(questions[4].find("OK : retour au jeu."), std::string::npos);
    EXPECT_EQ(questions[4].find("Annuler"), std::string::npos) << "the last page has OK only";
    EXPECT_EQ(partie().fenetre().verrous, 0);
    EXPECT_NE(chronoquitourne(partie().etatchronocourant()), 0) << "the chronometer runs again";

    // English; Cancel on the second page ends the sequence there.
    reponses = {IDOK};
    presse(idlangue);
    char boite[32] = {};
    GetWindowTextA(appli().colonne.boitechrono(), boite, sizeof boite);
    EXPECT_STREQ(boite, " 02m 04s") << "the chronometer box follows the language at once";
    questions.clear();
    reponses = {IDOK, IDCANCEL, IDOK};
    noterecord(accespartie::parametres(partie()).records,
               {partie().clegrille(), partie().grille().getniveauvoulu(), true, 75, 20261209});
    presse(idinfo);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].rfind("Grid #1\nLevel: " + std::string(anglais.adr()) +
                                     "\nCells filled: " + std::to_string(remplies) + " of " +
                                     std::to_string(partie().grille().getnbcases()) +
                                     "\nTime spent on this grid: 02m 04s\n\nBest times on this "
                                     "grid:\n" +
                                     anglais.adr() +
                                     ", with help: 01m 15s (2026-12-09)\n\nSaved games file: " +
                                     dossier.fichier("V-O-RA 110.TXT") +
                                     "\n\nPage 1/5. OK: next page, Cancel: back to the game.",
                                 0),
              0u)
        << questions[0];
    for (const std::string& q : questions)
        for (char ch : q) EXPECT_LT(static_cast<unsigned char>(ch), 0x80) << q;
    EXPECT_EQ(partie().fenetre().verrous, 0);
    EXPECT_NE(chronoquitourne(partie().etatchronocourant()), 0);
}

#ifndef _WIN32
// A click on a button hides its tooltip, which stays hidden while the
// pointer stays or moves, and comes back once the pointer rests.
TEST_F(fenetrejeu, AClickHidesTheTooltipUntilThePointerRestsAgain) {
    namespace hooks = vora::platform::testing;
    RECT zero{};
    GetWindowRect(bouton(idzero), &zero);
    POINT p{zero.left + 5, zero.top + 5};
    ScreenToClient(fenetre, &p);
    hooks::send_mouse_move(fenetre, p);
    peins();
    ASSERT_TRUE(tooltip().estvisible());
    EXPECT_STREQ(tooltip().textelabel(), "  Effacer (0, Suppr, Retour arri\xE8re)  ");
    const POINT surbouton{5, 5};
    hooks::send_mouse_button(bouton(idzero), surbouton, 1, true);
    hooks::send_mouse_button(bouton(idzero), surbouton, 1, false);
    peins();
    EXPECT_EQ(partie().valeurcourante(), 0) << "the click went to the button";
    EXPECT_FALSE(tooltip().estvisible()) << "hidden by the click";
    hooks::advance_clock(2 * delairepos);
    peins();
    EXPECT_FALSE(tooltip().estvisible()) << "the pointer has not moved since the click";
    for (int i = 1; i <= 3; ++i) {
        hooks::send_mouse_move(fenetre, POINT{p.x + i, p.y});
        peins();
        hooks::advance_clock(delairepos / 2);
        peins();
        EXPECT_FALSE(tooltip().estvisible()) << "moving, step " << i;
    }
    hooks::advance_clock(delairepos);
    peins();
    EXPECT_TRUE(tooltip().estvisible()) << "the pointer rests";
    EXPECT_STREQ(tooltip().textelabel(), "  Effacer (0, Suppr, Retour arri\xE8re)  ");
    // A click in the window (on the grid) hides it too.
    clicase(casevide());
    EXPECT_FALSE(tooltip().estvisible());
}
#endif

TEST_F(fenetrejeu, SixSelectionsOfSixTurnTheConstraintDisplayOn) {
    for (int i = 0; i < 5; ++i) clic(triangle(appli(), 6));
    EXPECT_EQ(contexte().contraffi, 0);
    clic(triangle(appli(), 6));
    EXPECT_EQ(contexte().contraffi, 1);
    clic(triangle(appli(), 3));
    EXPECT_EQ(contexte().contraffi, 0);
}

} // namespace
} // namespace shelltest
