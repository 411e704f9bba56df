// The popup menu: drawn, hit-tested and keyed here.
#include "shell/menupopup.h"

#include "shell/classes.h"

#include "platform/messagebox/work_area.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* classemenu = "VORAMENU";
constexpr int hauteurligne = 18;

int lignesous(LPARAM l) {
    const int y = static_cast<short>(HIWORD(l));
    return (y - 2) / hauteurligne;
}

} // namespace

LRESULT CALLBACK procmenu(HWND fenetre, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrA(fenetre, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(
                              reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams));
        return DefWindowProcA(fenetre, message, wParam, lParam);
    }
    auto* menu = reinterpret_cast<clamenupopup*>(GetWindowLongPtrA(fenetre, GWLP_USERDATA));
    if (menu == nullptr) return DefWindowProcA(fenetre, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        menu->peindre(fenetre);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE: {
        const int i = lignesous(lParam);
        if (i != menu->choix && i >= 0 && i < static_cast<int>(menu->lignes.size())) {
            menu->choix = i;
            InvalidateRect(fenetre, nullptr, FALSE);
        }
        return 0;
    }
    case WM_LBUTTONUP:
        menu->execute(lignesous(lParam));
        return 0;
    default:
        return DefWindowProcA(fenetre, message, wParam, lParam);
    }
}

clamenupopup::~clamenupopup() {
    ferme();
}

void clamenupopup::execute(int ligne) {
    if (ligne < 0 || ligne >= static_cast<int>(lignes.size())) return;
    const short id = lignes[static_cast<size_t>(ligne)].id;
    HWND p = principale;
    ferme();
    PostMessageA(p, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

void clamenupopup::peindre(HWND f) const {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(f, &ps);
    RECT r{};
    GetClientRect(f, &r);
    HBRUSH fond = CreateSolidBrush(0xF4F4F4);
    HBRUSH choisi = CreateSolidBrush(0xF0D8B0);
    FillRect(dc, &r, fond);
    HGDIOBJ ancienne = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int mode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, 0);
    for (int i = 0; i < static_cast<int>(lignes.size()); ++i) {
        const RECT l{0, 2 + i * hauteurligne, r.right, 2 + (i + 1) * hauteurligne};
        if (i == choix) FillRect(dc, &l, choisi);
        const std::string& t = lignes[static_cast<size_t>(i)].texte;
        TextOutA(dc, 8, l.top + 2, t.c_str(), static_cast<int>(t.size()));
    }
    SetBkMode(dc, mode);
    SelectObject(dc, ancienne);
    DeleteObject(choisi);
    DeleteObject(fond);
    EndPaint(f, &ps);
}

void clamenupopup::ouvre(HWND p, HINSTANCE instance, POINT coin, std::vector<lignemenu> l) {
    ferme();
    if (l.empty()) return;
    WNDCLASSEXA c{};
    c.cbSize = sizeof(c);
    c.lpfnWndProc = procmenu;
    c.hInstance = instance;
    c.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    c.lpszClassName = classemenu;
    if (!inscritclasse(c)) return;
    principale = p;
    lignes = std::move(l);
    choix = 0;
    fenetre = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, classemenu, "",
                              WS_POPUP | WS_BORDER, 0, 0, 10, 10, p, nullptr, instance, this);
    if (fenetre == nullptr) return;
    HDC dc = GetDC(fenetre);
    HGDIOBJ ancienne = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    int largeur = 120;
    for (const lignemenu& ligne : lignes) {
        SIZE s{};
        GetTextExtentPoint32A(dc, ligne.texte.c_str(), static_cast<int>(ligne.texte.size()), &s);
        largeur = std::max<int>(largeur, s.cx + 20);
    }
    SelectObject(dc, ancienne);
    ReleaseDC(fenetre, dc);
    const int hauteur = static_cast<int>(lignes.size()) * hauteurligne + 6;
    const RECT place =
        vora::platform::inside_work_area(RECT{coin.x, coin.y, coin.x + largeur, coin.y + hauteur});
    SetWindowPos(fenetre, nullptr, place.left, place.top, largeur, hauteur,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(fenetre, SW_SHOWNOACTIVATE);
    UpdateWindow(fenetre);
}

void clamenupopup::ferme() {
    if (fenetre == nullptr) return;
    HWND f = fenetre;
    fenetre = nullptr;
    DestroyWindow(f);
}

bool clamenupopup::touche(WPARAM t) {
    if (fenetre == nullptr) return false;
    const int n = static_cast<int>(lignes.size());
    switch (t) {
    case VK_UP:
        choix = (choix + n - 1) % n;
        InvalidateRect(fenetre, nullptr, FALSE);
        return true;
    case VK_DOWN:
        choix = (choix + 1) % n;
        InvalidateRect(fenetre, nullptr, FALSE);
        return true;
    case VK_RETURN:
    case VK_SPACE:
        execute(choix);
        return true;
    case VK_ESCAPE:
    case VK_APPS:
        ferme();
        return true;
    default:
        ferme();
        return false;
    }
}
