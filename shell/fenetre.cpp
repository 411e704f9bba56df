// The main window procedure: its message table and the steps run at the end
// of every handled message.
#include "shell/fenetre.h"

#include "shell/bipeur.h"
#include "shell/boites.h"
#include "shell/boutons.h"
#include "shell/bulleaide.h"
#include "shell/chronoaffiche.h"
#include "shell/clagdtooltip.h"
#include "shell/clavier.h"
#include "shell/commandes.h"
#include "shell/curseurs.h"
#include "shell/defilement.h"
#include "shell/etatjeu.h"
#include "shell/fendemarrage.h"
#include "shell/jeu.h"
#include "shell/menucles.h"
#include "shell/miseenpage.h"
#include "shell/niveauchoix.h"
#include "shell/nouvelle.h"
#include "shell/paramdefaut.h"
#include "shell/paramdemarrage.h"
#include "shell/peinture.h"
#include "shell/selecteur.h"
#include "shell/tracepeinture.h"

#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"
#include "render/couleurs.h"
#include "render/pageregle.h"
#include "resources/ressourcesregles.h"
#include "shell/core/textesvora.h"

#include <algorithm>

namespace {

constexpr UINT_PTR timerchrono = 1;
// A window manager's resize or maximise settles for this long before the
// cell size follows it.
constexpr UINT_PTR timertaille = 4;
constexpr UINT delaitaille = 300;
short marqueurcreation = 0;

POINT pointdu(LPARAM l) {
    return POINT{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
}

// The tooltip for the pointer where it now is; a click holds it back first.
void survolbulle(HWND window, bool clic) {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    const auto x = static_cast<short>(p.x);
    const auto y = static_cast<short>(p.y);
    if (clic) tooltip.retiens(x, y);
    tooltip.danszoclifen(window, x, y, anymode(modeappli::jeu) ? boutriproche(x, y) : 0);
}

// The client size changed by someone else than the layout (a window
// manager's resize or maximise): the cell size follows once it settles.
void tailleimposee(HWND window, WPARAM genre, LPARAM taille) {
    if (genre == SIZE_MINIMIZED || !jeu.pret || jeu.nidpositionnement != 0) return;
    if (!anymode(modeappli::jeu) || anymode(modeappli::regles)) return;
    const miseenpage& m = miseenpagecourante();
    if (LOWORD(taille) == m.largeur && HIWORD(taille) == m.hauteur) return;
    SetTimer(window, timertaille, delaitaille, nullptr);
}

// The largest cell size whose play window fits in the window as it now is,
// but not below the usual sizes the player chose with "-" (a window manager
// may shrink a window larger than the screen as soon as it shows).
void tailleassise(HWND window) {
    KillTimer(window, timertaille);
    if (!anymode(modeappli::jeu) || anymode(modeappli::regles) || IsIconic(window)) return;
    RECT r{};
    if (!GetWindowRect(window, &r)) return;
    // The window's place is where the window manager put it (a maximised
    // window's frame may lie beyond the screen's edge); the size fits within
    // the window and within what the screen leaves from there.
    const RECT z = zonetravail();
    partie.parametres().left = static_cast<short>(std::clamp(r.left, z.left, z.right - 1));
    partie.parametres().top = static_cast<short>(std::clamp(r.top, z.top, z.bottom - 1));
    const short entre =
        tailleentrant(gabaritcourant(), std::min(r.right, z.right) - partie.parametres().left,
                      std::min(r.bottom, z.bottom) - partie.parametres().top);
    const short t = std::max(entre, std::min(partie.parametres().taillecase, taillecasemax));
    if (t != partie.parametres().taillecase) changetaillecase(t, true);
}

void lancerunpaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE);
    jeu.repeindre = false;
}

void finmessage(HWND window) {
    // A new grid or cell size: the window takes its new size before the
    // repaint (resizing from inside a paint is not honoured everywhere).
    if (!jeu.miseenpagevalide && jeu.pret && jeu.nidpositionnement == 0) {
        jetterfond();
        recalculemiseenpage();
        setgriwinposition();
        jeu.repeindre = true;
    }
    if (jeu.repeindre && jeu.nidpositionnement == 0) {
        jeu.repeindre = false;
        if (jeu.fenetremontrable) lancerunpaint(window);
    }
    const bool iconique = IsIconic(window) != FALSE;
    if (iconique != jeu.minimise) fenetreduction(iconique);
    captouchauvol();
}

// The label of the cell under the pointer into the cell-name box.
void nomcasesous(POINT client) {
    if (!anymode(modeappli::jeu) || !jeu.miseenpagevalide) return;
    const POINT l = pointlocal(client);
    const short c = partie.grille().caseproche(static_cast<short>(l.x), static_cast<short>(l.y));
    if (c == jeu.derniercaseaffichee) return;
    jeu.derniercaseaffichee = c;
    gstring texte;
    if (c != 0) partie.grille().ecricalignouv(&texte, 1, c, "");
    if (boitenomcase() != nullptr) SetWindowTextA(boitenomcase(), texte.adr());
}

// Handle the message; false when it goes to DefWindowProcA.
bool traite(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& resultat) {
    const bool principale = window == jeu.fenetre || marqueurcreation == 2;
    resultat = 0;
    switch (message) {
    case WM_CREATE:
        if (marqueurcreation == 2) {
            if (partie.parametres().chronoaffiche) SetTimer(window, timerchrono, 200, nullptr);
            marqueurcreation = 0;
        }
        resultat = 1;
        return true;
    case WM_DESTROY:
        if (!principale) return false;
        KillTimer(window, timerchrono);
        KillTimer(window, timertaille);
        annulenouvelle();
        fermemenu();
        cacheaide();
        destrucursou();
        regionsdujeu().libere();
        PostQuitMessage(0);
        return true;
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED) jeu.minimise = true;
        if (wParam == SIZE_MAXIMIZED) jeu.minimise = false;
        if (principale) tailleimposee(window, wParam, lParam);
        return true;
    case WM_PAINT:
        if (!principale) return false;
        peindre(window);
        // The first time the arrows show, once they are painted.
        expliquefleches();
        resultat = 1;
        return true;
    case WM_CLOSE:
        if (!principale) return false;
        if (quitterdemande()) DestroyWindow(window);
        return true;
    case WM_QUERYENDSESSION:
        if (!principale) return false;
        resultat = TRUE;
        return true;
    case WM_ENDSESSION:
        // The session ends and the process with it: no one may be there to
        // answer, so the play is saved without a question.
        if (!principale) return false;
        if (wParam != FALSE) sauvejeu(true);
        return true;
    case WM_ERASEBKGND:
        return true;
    case WM_SETCURSOR: {
        fixecursouris(true);
        if (!principale) return true;
        // A button pressed over the window or one of its buttons.
        const auto souris = HIWORD(static_cast<DWORD>(lParam));
        survolbulle(window, souris == WM_LBUTTONDOWN || souris == WM_RBUTTONDOWN);
        resultat = 1;
        return true;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == 0) commande(jeu.fenetre, static_cast<short>(LOWORD(wParam)));
        return true;
    case WM_TIMER:
        if (wParam == timerchrono) affichronocourt();
        if (wParam == timereffacement && principale) finsignaleffacer();
        if (wParam == timertaille && principale) tailleassise(window);
        if (wParam == timerconflits && principale) finconflits();
        if (wParam == timernouvelle && principale) surveillenouvelle(window);
        if (wParam == timerrepos && principale) {
            tooltip.reposatteint(window);
            survolbulle(window, false);
        }
        return true;
    case WM_KEYDOWN:
        if (principale && (touchenouvelle(wParam) || touchemenu(wParam))) return true;
        if (wParam >= VK_LEFT && wParam <= VK_DOWN) tracetouche();
        return principale && (toucheregles(jeu.fenetre, wParam) || touchejeu(jeu.fenetre, wParam));
    case WM_SYSKEYDOWN:
        // Windows sends F10 (Shift+F10: the menu) as a system key.
        return principale && wParam == VK_F10 && touchejeu(jeu.fenetre, wParam);
    case WM_MOUSEMOVE:
        fixecursouris(true);
        nomcasesous(pointdu(lParam));
        return true;
    case WM_LBUTTONDOWN:
        fermemenu();
        cacheaide();
        tracepression();
        tooltip.retiens(static_cast<short>(pointdu(lParam).x),
                        static_cast<short>(pointdu(lParam).y));
        jeu.appuigauche = pointdu(lParam);
        resultat = 1;
        return true;
    case WM_LBUTTONUP:
        if (!clicniveau(pointdu(lParam), true)) clicgauche(pointdu(lParam));
        resultat = 1;
        return true;
    case WM_RBUTTONDOWN:
        fermemenu();
        cacheaide();
        jeu.appuidroit = pointdu(lParam);
        resultat = 1;
        return true;
    case WM_RBUTTONUP:
        if (clicniveau(pointdu(lParam), false)) return true;
        // The button column's background: the popup menu.
        if (!anymode(modeappli::regles) && pointdu(lParam).x < dispositionjeu::L) {
            POINT p = pointdu(lParam);
            ClientToScreen(window, &p);
            ouvremenu(jeu.fenetre, p);
            return true;
        }
        clicdroit();
        return true;
    case WM_MOVING: {
        if (!principale) return false;
        const auto* r = reinterpret_cast<const RECT*>(lParam);
        if (r != nullptr) {
            partie.parametres().left = static_cast<short>(r->left);
            partie.parametres().top = static_cast<short>(r->top);
            fenetredeplacee();
        }
        resultat = 1;
        return true;
    }
    default:
        return false;
    }
}

} // namespace

LRESULT CALLBACK WindProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT resultat = 0;
    if (!traite(window, message, wParam, lParam, resultat))
        return DefWindowProcA(window, message, wParam, lParam);
    if (window == jeu.fenetre && IsWindow(window)) finmessage(window);
    return resultat;
}

HWND demarrage(HINSTANCE instance, int montrer) {
    jeu = etatjeu{};
    jeu.instance = instance;
    grilleload(0, &partie.grille(), "X");
    gstring titre;
    titreprogramme(titre);
    globinitvocalcul();
    fendemarrage.clear();
    fendemarrage.fixetaille(400, 150, static_cast<COLORREF>(clair(0xFF0000)));
    fendemarrage.creafendem(instance);
    partie.recommence(5);
    paramdefaut();
    nomgrinit();
    jeu.nbgrilles = partie.parametres().nbgrilles;
    if (!lisparametres()) return nullptr;
    if (partie.parametres().grillecourante == 0) partie.parametres().grillecourante = 1;
    fendemarrage.fixesurecran(static_cast<short>(partie.parametres().left + 180),
                              static_cast<short>(partie.parametres().top + 180));
    fendemarrage.simplaffidem(true);

    WNDCLASSEXA classe{};
    classe.cbSize = sizeof(classe);
    classe.lpfnWndProc = WindProc;
    classe.hInstance = instance;
    // The program's icon; the system takes the small one from the same
    // resource.
    HINSTANCE module = instance;
#ifdef _WIN32
    if (module == nullptr) module = GetModuleHandleA(nullptr);
#endif
    classe.hIcon = LoadIconA(module, MAKEINTRESOURCEA(iconevora));
    if (classe.hIcon == nullptr) classe.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    classe.hIconSm = nullptr;
    classe.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    classe.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<intptr_t>(COLOR_BTNFACE + 1));
    classe.lpszClassName = "VORAFENETRE";
    // The class is registered once per process (tests start the game again).
    static bool inscrite = false;
    if (!inscrite) {
        if (RegisterClassExA(&classe) == 0) {
            boitetexte("Window Registration Failed!", "Error!", MB_ICONEXCLAMATION);
            return nullptr;
        }
        inscrite = true;
    }
    tooltip.clear();
    tooltip.creawinklassetooltip(instance);
    tooltip.setdecalage(25, 0);
    const RECT r = taillegrifen();
    marqueurcreation = 2;
    HWND w = CreateWindowExA(
        WS_EX_LEFT, "VORAFENETRE", titre.adr(),
        WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME, r.left, r.top,
        r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
    marqueurcreation = 0;
    if (w == nullptr) {
        boitetexte("Window Creation Failed!", "Error!", MB_ICONEXCLAMATION);
        return nullptr;
    }
    EnableWindow(w, TRUE);
    jeu.fenetre = w;
    fendemarrage.sethwndprin(w);
    tooltip.sethwndprin(w);
    textipenvoi();
    creacursouris();
    ShowWindow(w, SW_HIDE);
    setgriwinposition();
    grillecharger(w, partie.parametres().grillecourante, nullptr, false);
    settailleprin(partie.parametres().taillecase);
    // No shape until the first paint lays the grid out (buttons made).
    jeu.miseenpagevalide = false;
    if (anymode(modeappli::jeu)) regionsdujeu().calcuregmini(w);
    jeu.boutonscreables = true;
    jeu.fenetremontrable = true;
    setgriwinposition();
    createwinboutons(instance, montrer);
    creacursouris();
    // Without a size in the parameter file: one that suits the screen.
    if (!partie.parametres().tailledonnee && anymode(modeappli::jeu)) {
        const RECT z = zonetravail();
        changetaillecase(tailledepart(gabaritcourant(), z.right - z.left, z.bottom - z.top), true);
    }
    placefenetredepart();
    setgriwinposition();
    jeu.pret = true;
    ShowWindow(w, montrer);
    UpdateWindow(w);
    // The keyboard plays from the start: Wine makes a window the foreground
    // one (the one that gets the keys) only through a window manager, unless
    // the program asks.
    SetForegroundWindow(w);
    return w;
}

int bouclemessages() {
    MSG m{};
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return static_cast<int>(m.wParam);
}

void finjeu() {
    bipeurjeu().arrete();
    finsignaleffacer();
    rendparametres();
    fendemarrage.scratch();
    tooltip.scratch();
    oublieboutons();
    destrucursou();
    libererbitmaps();
    liberepagesregles();
    oublieregions();
}
