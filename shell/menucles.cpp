// The popup menu of commands and options, drawn and hit-tested here.
#include "shell/menucles.h"

#include "shell/boutons.h"
#include "shell/clagdtooltip.h"
#include "shell/clavier.h"
#include "shell/etatjeu.h"
#include "shell/nouvelle.h"

#include "platform/messagebox/work_area.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* classemenu = "VORAMENU";
constexpr int hauteurligne = 18;

struct etatmenu {
    HWND fenetre = nullptr;
    HWND principale = nullptr;
    std::vector<lignemenu> lignes;
    int choisie = 0;
};
etatmenu menu;

// The command ids in the column's order, then the options and the list.
std::vector<lignemenu> lignesdumenu() {
    static const short commandes[] = {idlangue,  34,      31,     33,       32,       30,
                                      idniveau,  idmoins, idplus, idregles, idinfo,   idannuler,
                                      idrefaire, idzero,  idfixe, idpause,  idsauver, idquitter};
    std::vector<lignemenu> l;
    for (const short id : commandes) {
        const std::string t = tooltip.textede(id);
        if (!t.empty()) l.push_back({id, t});
        if (id == idniveau) {
            for (lignemenu& n : lignesnouvelle()) l.push_back(std::move(n));
        }
    }
    const std::pair<short, const char*> aides[] = {{idindice, "aide.menu.indice"},
                                                   {idverifie, "aide.menu.verif"},
                                                   {idnotes, "aide.menu.notes"}};
    for (const auto& [id, cle] : aides)
        l.push_back({id, texteaide(cle, partie.parametres().langue)});
    for (const short id : {idoptionsurligne, idoptioncomptes, idoptionnettoie})
        l.push_back({id, texteoption(id)});
    l.push_back({idliste, texteoption(idliste)});
    return l;
}

void execute(int ligne) {
    if (ligne < 0 || ligne >= static_cast<int>(menu.lignes.size())) return;
    const short id = menu.lignes[static_cast<size_t>(ligne)].id;
    HWND principale = menu.principale;
    fermemenu();
    PostMessageA(principale, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

void peindremenu(HWND fenetre) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(fenetre, &ps);
    RECT r{};
    GetClientRect(fenetre, &r);
    HBRUSH fond = CreateSolidBrush(0xF4F4F4);
    HBRUSH choix = CreateSolidBrush(0xF0D8B0);
    FillRect(dc, &r, fond);
    HGDIOBJ ancienne = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int mode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, 0);
    for (int i = 0; i < static_cast<int>(menu.lignes.size()); ++i) {
        const RECT l{0, 2 + i * hauteurligne, r.right, 2 + (i + 1) * hauteurligne};
        if (i == menu.choisie) FillRect(dc, &l, choix);
        const std::string& t = menu.lignes[static_cast<size_t>(i)].texte;
        TextOutA(dc, 8, l.top + 2, t.c_str(), static_cast<int>(t.size()));
    }
    SetBkMode(dc, mode);
    SelectObject(dc, ancienne);
    DeleteObject(choix);
    DeleteObject(fond);
    EndPaint(fenetre, &ps);
}

int lignesous(LPARAM l) {
    const int y = static_cast<short>(HIWORD(l));
    return (y - 2) / hauteurligne;
}

LRESULT CALLBACK procmenu(HWND fenetre, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        peindremenu(fenetre);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE: {
        const int i = lignesous(lParam);
        if (i != menu.choisie && i >= 0 && i < static_cast<int>(menu.lignes.size())) {
            menu.choisie = i;
            InvalidateRect(fenetre, nullptr, FALSE);
        }
        return 0;
    }
    case WM_LBUTTONUP:
        execute(lignesous(lParam));
        return 0;
    default:
        return DefWindowProcA(fenetre, message, wParam, lParam);
    }
}

bool classeprete(HINSTANCE instance) {
    static bool inscrite = false;
    if (inscrite) return true;
    WNDCLASSEXA c{};
    c.cbSize = sizeof(c);
    c.lpfnWndProc = procmenu;
    c.hInstance = instance;
    c.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    c.lpszClassName = classemenu;
    inscrite = RegisterClassExA(&c) != 0;
    return inscrite;
}

} // namespace

void ouvremenu(HWND principale, POINT p) {
    ouvrelignes(principale, p, lignesdumenu());
}

void ouvrelignes(HWND principale, POINT p, std::vector<lignemenu> lignes) {
    fermemenu();
    if (lignes.empty() || !classeprete(jeu.instance)) return;
    menu.principale = principale;
    menu.lignes = std::move(lignes);
    menu.choisie = 0;
    menu.fenetre =
        CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, classemenu, "", WS_POPUP | WS_BORDER, 0,
                        0, 10, 10, principale, nullptr, jeu.instance, nullptr);
    if (menu.fenetre == nullptr) return;
    HDC dc = GetDC(menu.fenetre);
    HGDIOBJ ancienne = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    int largeur = 120;
    for (const lignemenu& l : menu.lignes) {
        SIZE s{};
        GetTextExtentPoint32A(dc, l.texte.c_str(), static_cast<int>(l.texte.size()), &s);
        largeur = std::max<int>(largeur, s.cx + 20);
    }
    SelectObject(dc, ancienne);
    ReleaseDC(menu.fenetre, dc);
    const int hauteur = static_cast<int>(menu.lignes.size()) * hauteurligne + 6;
    const RECT place =
        vora::platform::inside_work_area(RECT{p.x, p.y, p.x + largeur, p.y + hauteur});
    SetWindowPos(menu.fenetre, nullptr, place.left, place.top, largeur, hauteur,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(menu.fenetre, SW_SHOWNOACTIVATE);
    UpdateWindow(menu.fenetre);
}

bool menuouvert() {
    return menu.fenetre != nullptr;
}

void fermemenu() {
    if (menu.fenetre == nullptr) return;
    HWND f = menu.fenetre;
    menu.fenetre = nullptr;
    DestroyWindow(f);
}

bool touchemenu(WPARAM touche) {
    if (menu.fenetre == nullptr) return false;
    const int n = static_cast<int>(menu.lignes.size());
    switch (touche) {
    case VK_UP:
        menu.choisie = (menu.choisie + n - 1) % n;
        InvalidateRect(menu.fenetre, nullptr, FALSE);
        return true;
    case VK_DOWN:
        menu.choisie = (menu.choisie + 1) % n;
        InvalidateRect(menu.fenetre, nullptr, FALSE);
        return true;
    case VK_RETURN:
    case VK_SPACE:
        execute(menu.choisie);
        return true;
    case VK_ESCAPE:
    case VK_APPS:
        fermemenu();
        return true;
    default:
        fermemenu();
        return false;
    }
}
