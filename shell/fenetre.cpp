// The main window procedure: its message table, the steps run at the end of
// every handled message, and the start-up.
#include "shell/fenetre.h"

#include "shell/boites.h"
#include "shell/bulleaide.h"
#include "shell/chronoaffiche.h"
#include "shell/classes.h"
#include "shell/commandes.h"
#include "shell/defilement.h"
#include "shell/jeu.h"
#include "shell/miseenpage.h"
#include "shell/paramdemarrage.h"
#include "shell/peinture.h"
#include "shell/pilotecolonne.h"
#include "shell/pilotegrille.h"
#include "shell/pilotemenu.h"
#include "shell/pilotenouvelle.h"
#include "shell/piloteselecteur.h"

#include "shell/core/horloge.h"

#include "grid/vocalculinit.h"
#include "lattice/catalogue/grillecatalogue.h"
#include "render/couleurs.h"
#include "resources/ressourcesregles.h"

#include <algorithm>

namespace {

constexpr UINT_PTR timerchrono = 1;
// A window manager's resize or maximise settles for this long before the
// cell size follows it.
constexpr UINT_PTR timertaille = 4;
constexpr UINT delaitaille = 300;
// A change left for the autosave is written when this timer comes.
constexpr UINT_PTR timersauve = 7;

POINT pointdu(LPARAM l) {
    return POINT{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
}

// Held with the key being handled (the state at the key's message, not now:
// a Ctrl released before a late handling still makes Ctrl+Z).
bool enfoncee(int touche) {
    return (static_cast<unsigned short>(GetKeyState(touche)) & 0x8000u) != 0;
}

// The client size changed by someone else than the layout (a window
// manager's resize or maximise): the cell size follows once it settles.
void tailleimposee(claappli& a, HWND window, WPARAM genre, LPARAM taille) {
    if (genre == SIZE_MINIMIZED || !a.pret || a.nidpositionnement != 0) return;
    if (!a.anymode(modeappli::jeu) || a.anymode(modeappli::regles)) return;
    if (LOWORD(taille) == a.courante.largeur && HIWORD(taille) == a.courante.hauteur) return;
    SetTimer(window, timertaille, delaitaille, nullptr);
}

// The largest cell size whose play window fits in the window as it now is,
// but not below the usual sizes the player chose with "-" (a window manager
// may shrink a window larger than the screen as soon as it shows).
void tailleassise(claappli& a, HWND window) {
    KillTimer(window, timertaille);
    if (!a.anymode(modeappli::jeu) || a.anymode(modeappli::regles) || IsIconic(window)) return;
    RECT r{};
    if (!GetWindowRect(window, &r)) return;
    // The window's place is where the window manager put it (a maximised
    // window's frame may lie beyond the screen's edge); the size fits within
    // the window and within what the screen leaves from there.
    const RECT z = zonetravail();
    a.partie.fixeposition(static_cast<short>(std::clamp(r.left, z.left, z.right - 1)),
                          static_cast<short>(std::clamp(r.top, z.top, z.bottom - 1)));
    const claparamuser& p = a.partie.parametres();
    const short entre = tailleentrant(gabaritcourant(a), std::min(r.right, z.right) - p.left,
                                      std::min(r.bottom, z.bottom) - p.top);
    const short t = std::max(entre, std::min(p.taillecase, taillecasemax));
    if (t != p.taillecase) changetaillecase(a, t, true);
}

// The window moved by someone else than the layout (a window manager, a
// keyboard move, a snap): the stored position follows, and with it the
// overflow and the arrows, so that "+" and "-" keep the window where it now
// is. A minimised window keeps the position it had.
void placeimposee(claappli& a, HWND window) {
    if (!a.pret || a.nidpositionnement != 0 || IsIconic(window)) return;
    RECT r{};
    if (!GetWindowRect(window, &r)) return;
    const claparamuser& p = a.partie.parametres();
    if (r.left == p.left && r.top == p.top) return;
    a.partie.fixeposition(static_cast<short>(r.left), static_cast<short>(r.top));
    fenetredeplacee(a);
}

// After the arrows were painted for the first time in play: message 2
// explains them (a box the player's move did not cause: the help shown
// stays).
void expliquefleches(claappli& a) {
    if (!a.anymode(modeappli::jeu) || !a.regions.flecheaffichee()) return;
    if (effets e = a.partie.expliquefleches(); e.question) appliquer(a, std::move(e), true);
}

// The keys: the generator's Escape and the open popup menu first, then the
// command table, the keys of play, and the choice of the value.
bool touche(claappli& a, WPARAM t) {
    if (touchenouvelle(a, t) || touchemenu(a, t)) return true;
    if (t >= VK_LEFT && t <= VK_DOWN) a.trace.tracetouche();
    const bool ctrl = enfoncee(VK_CONTROL);
    const bool maj = enfoncee(VK_SHIFT);
    if (touchecommande(a, t, ctrl, maj)) return true;
    if (!ctrl && touchegrille(a, t, maj)) return true;
    return captouchauvol(a, t, maj, ctrl);
}

// Handle the message; false when it goes to DefWindowProcA.
bool traite(claappli& a, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
            LRESULT& resultat) {
    const bool principale = window == a.fenetre || a.marqueurcreation == 2;
    resultat = 0;
    switch (message) {
    case WM_CREATE:
        if (a.marqueurcreation == 2) {
            if (a.partie.parametres().chronoaffiche) SetTimer(window, timerchrono, 200, nullptr);
            a.marqueurcreation = 0;
        }
        resultat = 1;
        return true;
    case WM_DESTROY:
        if (!principale) return false;
        KillTimer(window, timerchrono);
        KillTimer(window, timertaille);
        annulenouvelle(a);
        a.menu.ferme();
        cacheaide(a);
        a.curseurs.destrucursou();
        a.regions.libere();
        PostQuitMessage(0);
        return true;
    case WM_SIZE:
        // The flag only: the rule is evaluated at the end of the message
        // when the window's state and the flag differ.
        if (wParam == SIZE_MINIMIZED || wParam == SIZE_MAXIMIZED) {
            etatfenetre f = a.partie.fenetre();
            f.minimise = wParam == SIZE_MINIMIZED;
            a.partie.fixefenetre(f);
        }
        if (principale) tailleimposee(a, window, wParam, lParam);
        return true;
    case WM_PAINT:
        if (!principale) return false;
        a.sablierdeb();
        peindre(a, window);
        if (a.pret) a.fendemarrage.fixafficentremain(false);
        a.sablierfin();
        if (a.pret && a.anymode(modeappli::jeu)) {
            a.trace.tracepeinturegrille();
            a.peinteenjeu = true;
        }
        resultat = 1;
        return true;
    case WM_CLOSE:
        if (!principale) return false;
        if (quitterdemande(a)) DestroyWindow(window);
        return true;
    case WM_QUERYENDSESSION:
        if (!principale) return false;
        resultat = TRUE;
        return true;
    case WM_ENDSESSION:
        // The session ends and the process with it: no one may be there to
        // answer, so the play is saved without a question.
        if (!principale) return false;
        if (wParam != FALSE) sauvejeu(a, true);
        return true;
    case WM_ERASEBKGND:
        return true;
    case WM_SETCURSOR: {
        a.fixecursouris(true);
        if (!principale) return true;
        // A button pressed over the window or one of its buttons.
        const auto souris = HIWORD(static_cast<DWORD>(lParam));
        survolbulle(a, window, souris == WM_LBUTTONDOWN || souris == WM_RBUTTONDOWN);
        resultat = 1;
        return true;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == 0) commande(a, static_cast<short>(LOWORD(wParam)));
        return true;
    case WM_TIMER:
        if (wParam == timerchrono) affichronocourt(a);
        if (wParam == timereffacement && principale) finsignaleffacer(a);
        if (wParam == timertaille && principale) tailleassise(a, window);
        if (wParam == timerconflits && principale) finconflits(a);
        if (wParam == timernouvelle && principale) surveillenouvelle(a);
        if (wParam == timersauve && principale) KillTimer(window, timersauve);
        if (wParam == timerrepos && principale) {
            a.tooltip.reposatteint(window);
            survolbulle(a, window, false);
        }
        return true;
    case WM_KEYDOWN:
        return principale && touche(a, wParam);
    case WM_SYSKEYDOWN:
        // Windows sends F10 (Shift+F10: the menu) as a system key.
        return principale && wParam == VK_F10 &&
               touchecommande(a, wParam, enfoncee(VK_CONTROL), enfoncee(VK_SHIFT));
    case WM_MOUSEMOVE:
        a.fixecursouris(true);
        nomcasesous(a, pointdu(lParam));
        return true;
    case WM_LBUTTONDOWN:
        a.menu.ferme();
        cacheaide(a);
        a.trace.tracepression();
        a.tooltip.retiens(static_cast<short>(pointdu(lParam).x),
                          static_cast<short>(pointdu(lParam).y));
        a.appuigauche = pointdu(lParam);
        resultat = 1;
        return true;
    case WM_LBUTTONUP:
        if (!clicniveau(a, pointdu(lParam), true)) clicgauche(a, pointdu(lParam));
        resultat = 1;
        return true;
    case WM_RBUTTONDOWN:
        a.menu.ferme();
        cacheaide(a);
        a.appuidroit = pointdu(lParam);
        resultat = 1;
        return true;
    case WM_RBUTTONUP:
        if (clicniveau(a, pointdu(lParam), false)) return true;
        // The button column's background: the popup menu.
        if (!a.anymode(modeappli::regles) && pointdu(lParam).x < dispositionjeu::L) {
            POINT p = pointdu(lParam);
            ClientToScreen(window, &p);
            ouvremenucommandes(a, p);
            return true;
        }
        clicdroit(a);
        return true;
    case WM_MOVE:
        // Also after WM_MOVING, where the position is already stored.
        if (principale) placeimposee(a, window);
        return true;
    case WM_MOVING: {
        if (!principale) return false;
        const auto* r = reinterpret_cast<const RECT*>(lParam);
        if (r != nullptr) {
            a.partie.fixeposition(static_cast<short>(r->left), static_cast<short>(r->top));
            fenetredeplacee(a);
        }
        resultat = 1;
        return true;
    }
    default:
        return false;
    }
}

} // namespace

void finmessage(claappli& a) {
    HWND window = a.fenetre;
    if (window == nullptr) return;
    // A new grid or cell size: the window takes its new size and shape
    // before the repaint (resizing from inside a paint is not honoured
    // everywhere).
    miseajour(a);
    if (a.repeindre && a.nidpositionnement == 0) {
        a.repeindre = false;
        if (a.fenetremontrable) {
            preparevue(a);
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE);
        }
    }
    const bool iconique = IsIconic(window) != FALSE;
    if (iconique != a.partie.fenetre().minimise) a.fenetreduction(iconique);
    // Never a box over a question still open: the explanation waits for the
    // first paint after it.
    if (a.peinteenjeu && a.partie.fenetre().verrous <= 0) {
        a.peinteenjeu = false;
        expliquefleches(a);
    }
    // Saved after every move: at most once a second, the last move written
    // by the timer when none follows.
    a.partie.sauveauto(tickms());
    if (a.partie.sauvegardeenattente()) SetTimer(window, timersauve, 1000, nullptr);
}

LRESULT CALLBACK WindProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(
                              reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* a = reinterpret_cast<claappli*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    LRESULT resultat = 0;
    if (a == nullptr || !traite(*a, window, message, wParam, lParam, resultat))
        return DefWindowProcA(window, message, wParam, lParam);
    if (window == a->fenetre && IsWindow(window)) finmessage(*a);
    return resultat;
}

HWND demarrage(claappli& a, int montrer) {
    HINSTANCE instance = a.instance;
    grilleload(0, &a.partie.grilledessin(), "X");
    const std::string titre = claappli::titre();
    globinitvocalcul();
    a.fendemarrage.clear();
    a.fendemarrage.fixetaille(400, 150, static_cast<COLORREF>(clair(0xFF0000)));
    a.fendemarrage.creafendem(instance);
    a.partie.recommence(5);
    a.paramdefaut();
    nomgrinit();
    a.nbgrilles = a.partie.parametres().nbgrilles;
    textestips(a);
    if (!lisparametres(a)) return nullptr;
    a.fendemarrage.fixelangue(a.partie.parametres().langue);
    a.fendemarrage.fixesurecran(static_cast<short>(a.partie.parametres().left + 180),
                                static_cast<short>(a.partie.parametres().top + 180));
    a.fendemarrage.simplaffidem(true);

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
    if (!inscritclasse(classe)) {
        boitetexte(nullptr, "Window Registration Failed!", "Error!", MB_ICONEXCLAMATION);
        return nullptr;
    }
    a.tooltip.clear();
    a.tooltip.creawinklassetooltip(instance);
    a.tooltip.setdecalage(25, 0);
    a.bulle.surclic = [&a] {
        cacheaide(a);
        finmessage(a);
    };
    const RECT r = taillegrifen(a);
    a.marqueurcreation = 2;
    HWND w = CreateWindowExA(
        WS_EX_LEFT, "VORAFENETRE", titre.c_str(),
        WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME, r.left, r.top,
        r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, &a);
    a.marqueurcreation = 0;
    if (w == nullptr) {
        boitetexte(nullptr, "Window Creation Failed!", "Error!", MB_ICONEXCLAMATION);
        return nullptr;
    }
    EnableWindow(w, TRUE);
    a.fenetre = w;
    a.fendemarrage.sethwndprin(w);
    a.tooltip.sethwndprin(w);
    a.textipenvoi();
    a.curseurs.creacursouris(instance);
    ShowWindow(w, SW_HIDE);
    setgriwinposition(a);
    grillecharger(a, a.partie.parametres().grillecourante, nullptr, false);
    a.settailleprin(a.partie.parametres().taillecase);
    // The start-up shape (none) until the layout is made, once the buttons
    // are.
    a.miseenpagevalide = false;
    if (a.anymode(modeappli::jeu)) a.regions.calcuregmini(w);
    a.boutonscreables = true;
    a.fenetremontrable = true;
    setgriwinposition(a);
    createwinboutons(a, montrer);
    a.curseurs.creacursouris(instance);
    // Without a size in the parameter file: one that suits the screen.
    if (!a.partie.parametres().tailledonnee && a.anymode(modeappli::jeu)) {
        const RECT z = zonetravail();
        changetaillecase(a, tailledepart(gabaritcourant(a), z.right - z.left, z.bottom - z.top),
                         true);
    }
    placefenetredepart(a);
    setgriwinposition(a);
    a.pret = true;
    // The first layout, its shape and its view, before the window shows.
    miseajour(a);
    preparevue(a);
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

void finjeu(claappli& a) {
    a.bipeur.arrete();
    finsignaleffacer(a);
    rendparametres(a);
    a.fendemarrage.scratch();
    a.tooltip.scratch();
    a.colonne.oublie(a.tooltip);
    a.curseurs.destrucursou();
    a.fond.reset();
    a.tout.reset();
    a.regles.liberepagesregles();
    a.regions.libere();
}
