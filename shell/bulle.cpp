// The help's bubble window: its text cut into lines, its paint and its click.
#include "shell/bulle.h"

#include "shell/classes.h"

#include "platform/messagebox/work_area.h"

#include <algorithm>

namespace {

constexpr const char* classebulle = "VORAAIDE";
constexpr int largeurtexte = 360;
constexpr int hauteurligne = 16;
constexpr int marge = 8;

// The text cut into lines no wider than largeur on dc's font; "\n" always
// breaks.
std::vector<std::string> coupe(HDC dc, const std::string& texte, int largeur) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    while (debut <= texte.size()) {
        std::size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos) fin = texte.size();
        std::string ligne;
        std::size_t i = debut;
        while (i < fin) {
            std::size_t j = texte.find(' ', i);
            if (j == std::string::npos || j > fin) j = fin;
            const std::string essai =
                ligne.empty() ? texte.substr(i, j - i) : ligne + " " + texte.substr(i, j - i);
            SIZE s{};
            GetTextExtentPoint32A(dc, essai.c_str(), static_cast<int>(essai.size()), &s);
            if (s.cx > largeur && !ligne.empty()) {
                lignes.push_back(ligne);
                ligne = texte.substr(i, j - i);
            } else {
                ligne = essai;
            }
            i = j + 1;
        }
        lignes.push_back(ligne);
        debut = fin + 1;
    }
    return lignes;
}

} // namespace

LRESULT CALLBACK procbulle(HWND fenetre, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrA(fenetre, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(
                              reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams));
        return DefWindowProcA(fenetre, message, wParam, lParam);
    }
    auto* bulle = reinterpret_cast<clabulle*>(GetWindowLongPtrA(fenetre, GWLP_USERDATA));
    if (bulle == nullptr) return DefWindowProcA(fenetre, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        bulle->peindre(fenetre);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONUP:
        if (bulle->surclic) bulle->surclic();
        return 0;
    default:
        return DefWindowProcA(fenetre, message, wParam, lParam);
    }
}

clabulle::~clabulle() {
    ferme();
}

void clabulle::peindre(HWND f) const {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(f, &ps);
    RECT r{};
    GetClientRect(f, &r);
    HBRUSH fond = CreateSolidBrush(0xE0FFFF);
    FillRect(dc, &r, fond);
    HGDIOBJ ancienne = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int mode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, 0);
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const std::string& t = lignes[i];
        TextOutA(dc, marge, marge / 2 + static_cast<int>(i) * hauteurligne, t.c_str(),
                 static_cast<int>(t.size()));
    }
    SetBkMode(dc, mode);
    SelectObject(dc, ancienne);
    DeleteObject(fond);
    EndPaint(f, &ps);
}

void clabulle::ferme() {
    if (fenetre == nullptr) return;
    HWND f = fenetre;
    fenetre = nullptr;
    DestroyWindow(f);
}

void clabulle::ouvre(HWND principale, HINSTANCE instance, const std::string& texte, int largeurmax,
                     const std::function<POINT(SIZE)>& place) {
    ferme();
    if (principale == nullptr) return;
    WNDCLASSEXA c{};
    c.cbSize = sizeof(c);
    c.lpfnWndProc = procbulle;
    c.hInstance = instance;
    c.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    c.lpszClassName = classebulle;
    if (!inscritclasse(c)) return;
    fenetre =
        CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, classebulle, "", WS_POPUP | WS_BORDER, 0,
                        0, 10, 10, principale, nullptr, instance, this);
    if (fenetre == nullptr) return;
    HDC dc = GetDC(fenetre);
    HGDIOBJ ancienne = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    lignes = coupe(dc, texte, std::clamp(largeurmax - 2 * marge - 2, 80, largeurtexte));
    int largeur = 0;
    for (const std::string& l : lignes) {
        SIZE s{};
        GetTextExtentPoint32A(dc, l.c_str(), static_cast<int>(l.size()), &s);
        largeur = std::max<int>(largeur, s.cx);
    }
    SelectObject(dc, ancienne);
    ReleaseDC(fenetre, dc);
    largeur += 2 * marge + 2;
    const int hauteur = static_cast<int>(lignes.size()) * hauteurligne + marge + 2;
    const POINT p = place(SIZE{largeur, hauteur});
    const RECT r = vora::platform::inside_work_area(RECT{p.x, p.y, p.x + largeur, p.y + hauteur});
    SetWindowPos(fenetre, nullptr, r.left, r.top, largeur, hauteur, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(fenetre, SW_SHOWNOACTIVATE);
    UpdateWindow(fenetre);
}
