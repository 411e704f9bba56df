// The help's bubble window and its marks on the grid.
#include "shell/bulleaide.h"

#include "shell/etatjeu.h"
#include "shell/miseenpage.h"
#include "shell/peinture.h"

#include "platform/messagebox/work_area.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr const char* classebulle = "VORAAIDE";
constexpr int largeurtexte = 360;
constexpr int hauteurligne = 16;
constexpr int marge = 8;

struct etatbulle {
    HWND fenetre = nullptr;
    std::vector<std::string> lignes;
    bool montree = false;
};
etatbulle bulle;

// The text cut into lines no wider than largeurtexte on dc's font; "\n"
// always breaks.
std::vector<std::string> coupe(HDC dc, const std::string& texte) {
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
            if (s.cx > largeurtexte && !ligne.empty()) {
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

void peindrebulle(HWND fenetre) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(fenetre, &ps);
    RECT r{};
    GetClientRect(fenetre, &r);
    HBRUSH fond = CreateSolidBrush(0xE0FFFF);
    FillRect(dc, &r, fond);
    HGDIOBJ ancienne = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int mode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, 0);
    for (std::size_t i = 0; i < bulle.lignes.size(); ++i) {
        const std::string& t = bulle.lignes[i];
        TextOutA(dc, marge, marge / 2 + static_cast<int>(i) * hauteurligne, t.c_str(),
                 static_cast<int>(t.size()));
    }
    SetBkMode(dc, mode);
    SelectObject(dc, ancienne);
    DeleteObject(fond);
    EndPaint(fenetre, &ps);
}

LRESULT CALLBACK procbulle(HWND fenetre, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        peindrebulle(fenetre);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONUP:
        cacheaide();
        return 0;
    default:
        return DefWindowProcA(fenetre, message, wParam, lParam);
    }
}

bool classeprete() {
    static bool inscrite = false;
    if (inscrite) return true;
    WNDCLASSEXA c{};
    c.cbSize = sizeof(c);
    c.lpfnWndProc = procbulle;
    c.hInstance = jeu.instance;
    c.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    c.lpszClassName = classebulle;
    inscrite = RegisterClassExA(&c) != 0;
    return inscrite;
}

void fermebulle() {
    if (bulle.fenetre == nullptr) return;
    HWND f = bulle.fenetre;
    bulle.fenetre = nullptr;
    DestroyWindow(f);
}

// The bubble's top left, client pixels: under the grid, level with its left
// edge, so that it hides none of the cells it speaks of (unless the screen's
// edge pushes it back up).
POINT placebulle() {
    const miseenpage& m = miseenpagecourante();
    short xmin = 0;
    short ymin = 0;
    short xmax = 0;
    short ymax = 0;
    partie.grilledessin().posicadremax(xmin, ymin, xmax, ymax);
    return POINT{std::max<int>(dispositionjeu::L, m.originex + xmin), m.originey - ymin + 12};
}

void ouvrebulle(const std::string& texte) {
    fermebulle();
    if (jeu.fenetre == nullptr || !classeprete()) return;
    bulle.fenetre =
        CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, classebulle, "", WS_POPUP | WS_BORDER, 0,
                        0, 10, 10, jeu.fenetre, nullptr, jeu.instance, nullptr);
    if (bulle.fenetre == nullptr) return;
    HDC dc = GetDC(bulle.fenetre);
    HGDIOBJ ancienne = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    bulle.lignes = coupe(dc, texte);
    int largeur = 0;
    for (const std::string& l : bulle.lignes) {
        SIZE s{};
        GetTextExtentPoint32A(dc, l.c_str(), static_cast<int>(l.size()), &s);
        largeur = std::max<int>(largeur, s.cx);
    }
    SelectObject(dc, ancienne);
    ReleaseDC(bulle.fenetre, dc);
    largeur += 2 * marge + 2;
    const int hauteur = static_cast<int>(bulle.lignes.size()) * hauteurligne + marge + 2;
    POINT p = placebulle();
    ClientToScreen(jeu.fenetre, &p);
    const RECT place =
        vora::platform::inside_work_area(RECT{p.x, p.y, p.x + largeur, p.y + hauteur});
    SetWindowPos(bulle.fenetre, nullptr, place.left, place.top, largeur, hauteur,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(bulle.fenetre, SW_SHOWNOACTIVATE);
    UpdateWindow(bulle.fenetre);
}

void marques(const aidemontree& a) {
    contextedessin& c = dessinjeu();
    c.caseindice = a.cible;
    c.casesindice = a.surlignees;
    c.casesombrees = a.ombrees;
    c.caseencadree = a.encadree;
    c.casesfausses = a.fausses;
}

} // namespace

void montreaide(const aidemontree& a) {
    marques(a);
    bulle.montree = true;
    reaffigri();
    ouvrebulle(a.texte);
}

bool aidevisible() {
    return bulle.montree;
}

void cacheaide() {
    if (!bulle.montree) return;
    bulle.montree = false;
    fermebulle();
    marques({});
    partie.oublieaide();
    reaffigri();
}
