// Text of the layer's own controls and boxes: lines split at '\n', placed
// left, centred or right in a rectangle with the DC's current font.
#include "platform/user_internal.h"

#include <algorithm>

namespace vora::platform::user {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

SIZE measureLines(HDC dc, const std::string& text) {
    SIZE total{0, 0};
    for (const std::string& line : splitLines(text)) {
        SIZE extent{0, 0};
        GetTextExtentPoint32A(dc, line.empty() ? " " : line.c_str(),
                              line.empty() ? 1 : static_cast<int>(line.size()), &extent);
        total.cx = std::max(total.cx, line.empty() ? 0 : extent.cx);
        total.cy += extent.cy;
    }
    return total;
}

void drawLines(HDC dc, const std::string& text, const RECT& box, TextPlace place) {
    SIZE total = measureLines(dc, text);
    int y = box.top;
    if (place.verticalCentre) y = box.top + ((box.bottom - box.top) - total.cy) / 2;
    UINT align = place.horizontal == SS_CENTER  ? TA_CENTER
                 : place.horizontal == SS_RIGHT ? TA_RIGHT
                                                : TA_LEFT;
    int x = place.horizontal == SS_CENTER  ? (box.left + box.right) / 2
            : place.horizontal == SS_RIGHT ? box.right
                                           : box.left;
    UINT oldAlign = SetTextAlign(dc, align | TA_TOP);
    for (const std::string& line : splitLines(text)) {
        SIZE extent{0, 0};
        GetTextExtentPoint32A(dc, "Ag", 2, &extent);
        if (!line.empty()) TextOutA(dc, x, y, line.c_str(), static_cast<int>(line.size()));
        y += extent.cy;
    }
    SetTextAlign(dc, oldAlign);
}

HFONT controlFont(const Window& w) {
    return w.font != nullptr ? w.font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

} // namespace vora::platform::user
