// The tooltip popup, its zones and its texts.
#include "shell/clagdtooltip.h"

#include "shell/classes.h"

#include "platform/messagebox/work_area.h"

#include <string>

namespace {
constexpr const char* classetooltip = "GDTTIP";
} // namespace

void clagdtooltip::clear() {
    textes.clear();
    zones.clear();
    idcourant = 0;
    idaffiche = 0;
    retenu = false;
    posretenue = POINT{-1, -1};
    decalx = 15;
    decaly = 20;
    largeurlabel = 100;
    hauteurlabel = 18;
    visible = false;
    texteaffiche.clear();
}

void clagdtooltip::scratch() {
    clear();
    if (fenetrepopup != nullptr && IsWindow(fenetrepopup)) DestroyWindow(fenetrepopup);
    fenetrepopup = nullptr;
    label = nullptr;
    principale = nullptr;
}

bool clagdtooltip::creawinklassetooltip(HINSTANCE inst) {
    instance = inst;
    WNDCLASSEXA c{};
    c.cbSize = sizeof(c);
    c.style = CS_HREDRAW | CS_VREDRAW;
    c.lpfnWndProc = tooltyproc;
    c.hInstance = inst;
    c.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    c.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    c.lpszClassName = classetooltip;
    return classeprete = inscritclasse(c);
}

std::string clagdtooltip::textede(short id) const {
    gstring lu;
    if (textes.getparam(lu, std::to_string(id).c_str()) == 0) return {};
    std::string t = lu.adr();
    const auto a = t.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return t.substr(a, t.find_last_not_of(' ') - a + 1);
}

void clagdtooltip::settextip(short id, const char* text) {
    const std::string t = std::string("  ") + text + "  ";
    textes.setparam(std::to_string(id).c_str(), t.c_str());
}

void clagdtooltip::settextip(short id, const char* text, short n) {
    settextip(id, (std::string(text) + std::to_string(n)).c_str());
}

void clagdtooltip::cleartextips() {
    textes.clear();
}

void clagdtooltip::addboutcoo(short id, short x1, short x2, short y1, short y2) {
    for (zone& z : zones)
        if (z.id == id) {
            z = {id, x1, x2, y1, y2};
            return;
        }
    zones.push_back({id, x1, x2, y1, y2});
}

void clagdtooltip::virefentooltip() {
    if (!visible) return;
    SetWindowPos(fenetrepopup, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    visible = false;
}

void clagdtooltip::retiens(short x, short y) {
    virefentooltip();
    retenu = true;
    posretenue = POINT{x, y};
    if (principale != nullptr) KillTimer(principale, timerrepos);
}

void clagdtooltip::danszoclifen(HWND window, short x, short y, short valeurtriangle) {
    short id = 0;
    for (const zone& z : zones) {
        if (x < z.x1 || x > z.x2 || y < z.y1 || y > z.y2) continue;
        // A button hidden for the mode (the rules' ">" on the last page) has
        // no tooltip; the zones without a window (the level) always have.
        const HWND b = GetDlgItem(window, z.id);
        if (b != nullptr && !IsWindowVisible(b)) continue;
        id = z.id;
        break;
    }
    if (valeurtriangle != 0) id = static_cast<short>(idbase + valeurtriangle);
    if (id != idcourant) {
        virefentooltip();
        idcourant = id;
    }
    if (retenu) {
        if (x != posretenue.x || y != posretenue.y) {
            posretenue = POINT{x, y};
            SetTimer(window, timerrepos, delairepos, nullptr);
        }
        return;
    }
    if (idcourant != 0 && !visible) tooltipaffiloc(window, x, y);
}

void clagdtooltip::reposatteint(HWND window) {
    KillTimer(window, timerrepos);
    retenu = false;
}

void clagdtooltip::tooltipaffiloc(HWND window, short x, short y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    tooltipaffichecr(static_cast<short>(p.x), static_cast<short>(p.y));
}

void clagdtooltip::tooltipaffichecr(short x, short y) {
    gstring lu;
    if (!classeprete) return;
    if (textes.getparam(lu, std::to_string(idcourant).c_str()) == 0 || lu.isempty()) {
        idcourant = 0;
        return;
    }
    // The list gives values without their leading blanks: put them back.
    gstring texte;
    texte.set("  ", lu.adr());
    if (fenetrepopup == nullptr) {
        fenetrepopup = CreateWindowExA(0, classetooltip, "", WS_POPUP | WS_DISABLED, 0, 0, 10, 10,
                                       nullptr, nullptr, instance, nullptr);
        if (fenetrepopup == nullptr) return;
        label = CreateWindowExA(
            0, "static", "", WS_CHILD | WS_VISIBLE | WS_BORDER | SS_CENTER, 1, 1, 10, 10,
            fenetrepopup, reinterpret_cast<HMENU>(static_cast<intptr_t>(1)), instance, nullptr);
        SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     0);
    }
    HDC dc = GetDC(label);
    HGDIOBJ ancienne = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE s{};
    GetTextExtentPoint32A(dc, texte.adr(), static_cast<int>(std::string(texte.adr()).size()), &s);
    SelectObject(dc, ancienne);
    ReleaseDC(label, dc);
    largeurlabel = static_cast<short>(s.cx - 10 > 20 ? s.cx - 10 : 20);
    hauteurlabel = 18;
    SetWindowTextA(label, texte.adr());
    texteaffiche.set(texte.adr());
    idaffiche = idcourant;
    // Beside the pointer, moved inside the work area near a screen edge.
    const RECT place = vora::platform::inside_work_area(
        RECT{x + decalx, y + decaly, x + decalx + largeurlabel + 2, y + decaly + hauteurlabel + 2});
    SetWindowPos(fenetrepopup, nullptr, place.left, place.top, largeurlabel + 2, hauteurlabel + 2,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SetWindowPos(label, nullptr, 1, 1, largeurlabel, hauteurlabel,
                 SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOACTIVATE);
    visible = true;
}

LRESULT CALLBACK tooltyproc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(window, &ps);
        RECT r{};
        GetClientRect(window, &r);
        HBRUSH b = CreateSolidBrush(0x999999);
        FillRect(dc, &r, b);
        DeleteObject(b);
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
