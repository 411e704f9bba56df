// The splash window: placement, showing and hiding, and its paint.
#include "shell/fendemarrage.h"

#include "shell/classes.h"

#include "render/couleurs.h"
#include "shell/core/paramuser.h"
#include "shell/core/textesvora.h"

#include <algorithm>
#include <cstring>

namespace {

// The splash text's box: the text is laid out for this size whatever the
// window's size.
constexpr int largeurtexte = 400;
constexpr int hauteurtexte = 150;

} // namespace

void clafendemarrage::clear() {
    left = 0;
    top = 0;
    width = 100;
    height = 100;
    instance = nullptr;
    principale = nullptr;
    fendem = nullptr;
    classe.set("DEMFEN");
    fond = static_cast<COLORREF>(clair(0xFF0000));
    cree = false;
    visible = false;
    principaleconnue = false;
    deplacee = false;
}

void clafendemarrage::scratch() {
    if (fendem != nullptr && IsWindow(fendem)) DestroyWindow(fendem);
    clear();
    classe.clear();
}

void clafendemarrage::fixetaille(short w, short h, COLORREF colour) {
    width = w;
    height = h;
    fond = colour;
}

void clafendemarrage::sethwndprin(HWND window) {
    principale = window;
    principaleconnue = window != nullptr;
}

void clafendemarrage::repositionner() {
    if (!cree) return;
    deplacee = true;
    SetWindowPos(fendem, HWND_TOPMOST, left, top, width, height,
                 SWP_NOACTIVATE | (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void clafendemarrage::fixesurecran(short x, short y) {
    left = x;
    top = y;
    repositionner();
}

void clafendemarrage::fixaucentrecran() {
    left = static_cast<short>((GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    top = static_cast<short>((GetSystemMetrics(SM_CYSCREEN) - height) / 2 - 20);
    repositionner();
}

void clafendemarrage::fixaucentremain() {
    RECT r{};
    if (!principaleconnue || !IsWindow(principale) || GetWindowRect(principale, &r) == FALSE) {
        fixaucentrecran();
        return;
    }
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2;
    left = static_cast<short>(std::max(0, cx - width / 2));
    top = static_cast<short>(std::max(0, cy - 20 - height / 2));
    repositionner();
}

void clafendemarrage::fixaucentremain(HWND window) {
    sethwndprin(window);
    fixaucentremain();
}

bool clafendemarrage::creawinklassefendem(HINSTANCE inst) {
    instance = inst;
    // The brush belongs to the class once it is registered.
    if (classeinscrite(classe.adr())) return true;
    WNDCLASSEXA c{};
    c.cbSize = sizeof(c);
    c.style = CS_HREDRAW | CS_VREDRAW;
    c.lpfnWndProc = fendemproc;
    c.hInstance = inst;
    c.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    c.hbrBackground = CreateSolidBrush(fond);
    c.lpszClassName = classe.adr();
    const bool inscrite = inscritclasse(c);
    if (!inscrite) DeleteObject(c.hbrBackground);
    return inscrite;
}

bool clafendemarrage::creafendem(HINSTANCE inst) {
    if (!creawinklassefendem(inst)) return false;
    fendem = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, classe.adr(), "",
                             WS_POPUP | WS_DISABLED | WS_BORDER, left, top, width, height, nullptr,
                             nullptr, inst, this);
    cree = fendem != nullptr;
    visible = false;
    fixaucentrecran();
    return cree;
}

void clafendemarrage::simplaffidem(bool show) {
    if (!cree) return;
    if (show && !visible) {
        visible = true;
        ShowWindow(fendem, SW_SHOWNOACTIVATE);
        UpdateWindow(fendem);
    } else if (!show && visible) {
        visible = false;
        ShowWindow(fendem, SW_HIDE);
    }
}

void clafendemarrage::fixafficentrecran(bool show) {
    if (show) {
        fixaucentrecran();
        simplaffidem(true);
    } else {
        simplaffidem(false);
        fixaucentrecran();
    }
}

void clafendemarrage::fixafficentremain(bool show) {
    if (show) {
        fixaucentremain();
        simplaffidem(true);
    } else {
        simplaffidem(false);
        fixaucentremain();
    }
}

void clafendemarrage::fermer() {
    if (cree && IsWindow(fendem)) SendMessageA(fendem, WM_CLOSE, 0, 0);
    cree = false;
    visible = false;
    fendem = nullptr;
}

short longenpixels(HDC dc, const char* text) {
    SIZE s{};
    if (text == nullptr ||
        GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &s) == FALSE)
        return 0;
    return static_cast<short>(s.cx);
}

void dessinfendem(HDC dc, short langue) {
    HFONT police =
        CreateFontA(40, 20, 0, 0, 600, TRUE, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Times New Roman");
    HGDIOBJ ancienne = SelectObject(dc, police);
    const UINT a0 = SetTextAlign(dc, TA_CENTER | TA_TOP);
    const int m0 = SetBkMode(dc, TRANSPARENT);
    const COLORREF c0 = SetTextColor(dc, 0);
    gstring titre;
    titreprogramme(titre);
    TextOutA(dc, largeurtexte / 2, hauteurtexte / 5, titre.adr(),
             static_cast<int>(std::strlen(titre.adr())));
    gstring accueil;
    textevora(accueil, langue == langueanglais ? "demarrage.en" : "demarrage.fr");
    TextOutA(dc, largeurtexte / 2, hauteurtexte / 2, accueil.adr(),
             static_cast<int>(std::strlen(accueil.adr())));
    SetTextColor(dc, c0);
    SetBkMode(dc, m0);
    SetTextAlign(dc, a0);
    SelectObject(dc, ancienne);
    DeleteObject(police);
}

LRESULT CALLBACK fendemproc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(
                              reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams));
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_PAINT: {
        const auto* f =
            reinterpret_cast<const clafendemarrage*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(window, &ps);
        RECT r{};
        GetClientRect(window, &r);
        HBRUSH b = CreateSolidBrush(f != nullptr ? f->couleurfond() : clair(0xFF0000));
        FillRect(dc, &r, b);
        DeleteObject(b);
        dessinfendem(dc, f != nullptr ? f->languefendem() : languefrancais);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_CREATE:
    case WM_DESTROY:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_CHAR:
    case WM_COMMAND:
    case WM_LBUTTONDOWN:
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
