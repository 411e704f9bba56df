// System colours (a light Windows theme) and their stock brushes.
#include "platform/gdi_objects.h"

#include <array>

using namespace gdi;

namespace {

constexpr std::array<COLORREF, COLOR_INFOBK + 1> colors = {
    RGB(200, 200, 200), // COLOR_SCROLLBAR
    RGB(0, 0, 0),       // COLOR_BACKGROUND
    RGB(153, 180, 209), // COLOR_ACTIVECAPTION
    RGB(191, 205, 219), // COLOR_INACTIVECAPTION
    RGB(240, 240, 240), // COLOR_MENU
    RGB(255, 255, 255), // COLOR_WINDOW
    RGB(100, 100, 100), // COLOR_WINDOWFRAME
    RGB(0, 0, 0),       // COLOR_MENUTEXT
    RGB(0, 0, 0),       // COLOR_WINDOWTEXT
    RGB(0, 0, 0),       // COLOR_CAPTIONTEXT
    RGB(180, 180, 180), // COLOR_ACTIVEBORDER
    RGB(244, 247, 252), // COLOR_INACTIVEBORDER
    RGB(171, 171, 171), // COLOR_APPWORKSPACE
    RGB(0, 120, 215),   // COLOR_HIGHLIGHT
    RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    RGB(240, 240, 240), // COLOR_BTNFACE
    RGB(160, 160, 160), // COLOR_BTNSHADOW
    RGB(109, 109, 109), // COLOR_GRAYTEXT
    RGB(0, 0, 0),       // COLOR_BTNTEXT
    RGB(67, 78, 84),    // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
    RGB(105, 105, 105), // COLOR_3DDKSHADOW
    RGB(227, 227, 227), // COLOR_3DLIGHT
    RGB(0, 0, 0),       // COLOR_INFOTEXT
    RGB(255, 255, 225), // COLOR_INFOBK
};

bool known(int index) {
    return index >= 0 && index < static_cast<int>(colors.size());
}

} // namespace

DWORD WINAPI GetSysColor(int n_index) {
    return known(n_index) ? colors[static_cast<std::size_t>(n_index)] : 0;
}

HBRUSH WINAPI GetSysColorBrush(int n_index) {
    static const std::array<Object*, colors.size()> brushes = [] {
        std::array<Object*, colors.size()> made{};
        for (std::size_t i = 0; i < colors.size(); ++i) {
            auto brush = std::make_unique<Brush>();
            brush->color = colors[i];
            brush->stock = true;
            made[i] = adopt(std::move(brush));
        }
        return made;
    }();
    return known(n_index) ? handle_of<Object, HBRUSH>(brushes[static_cast<std::size_t>(n_index)])
                          : nullptr;
}
