// Text of the layer's own controls and boxes: lines split at '\n', placed
// left, centred or right in a rectangle with the DC's current font.
#include "platform/user_internal.h"

#include <algorithm>

namespace vora::platform::user {

std::vector<std::string> split_lines(const std::string& text) {
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

std::string strip_prefix(const std::string& text, int& underlined) {
    std::string out;
    underlined = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&') underlined = static_cast<int>(out.size());
        }
        out.push_back(text[i]);
    }
    return out;
}

namespace {

// Underlines character `index` of a line drawn at (x, y) with the alignment.
void underline(HDC dc, const std::string& line, int index, int x, int y, UINT align) {
    SIZE whole{}, before{}, through{};
    int n = static_cast<int>(line.size());
    GetTextExtentPoint32A(dc, line.c_str(), n, &whole);
    GetTextExtentPoint32A(dc, line.c_str(), index, &before);
    GetTextExtentPoint32A(dc, line.c_str(), index + 1, &through);
    int left = align == TA_CENTER ? x - whole.cx / 2 : align == TA_RIGHT ? x - whole.cx : x;
    int baseline = y + whole.cy * 4 / 5; // the ascent of the faces used: 4/5 of the cell
    HPEN pen = CreatePen(PS_SOLID, 1, GetTextColor(dc));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, left + before.cx, baseline + 1, nullptr);
    LineTo(dc, left + through.cx, baseline + 1);
    SelectObject(dc, old);
    DeleteObject(pen);
}

} // namespace

SIZE measure_lines(HDC dc, const std::string& text) {
    SIZE total{0, 0};
    for (const std::string& line : split_lines(text)) {
        SIZE extent{0, 0};
        GetTextExtentPoint32A(dc, line.empty() ? " " : line.c_str(),
                              line.empty() ? 1 : static_cast<int>(line.size()), &extent);
        total.cx = std::max(total.cx, line.empty() ? 0 : extent.cx);
        total.cy += extent.cy;
    }
    return total;
}

void draw_lines(HDC dc, const std::string& text, const RECT& box, TextPlace place) {
    SIZE total = measure_lines(dc, text);
    int y = box.top;
    if (place.vertical_centre) y = box.top + ((box.bottom - box.top) - total.cy) / 2;
    UINT align = place.horizontal == SS_CENTER  ? TA_CENTER
                 : place.horizontal == SS_RIGHT ? TA_RIGHT
                                                : TA_LEFT;
    int x = place.horizontal == SS_CENTER  ? (box.left + box.right) / 2
            : place.horizontal == SS_RIGHT ? box.right
                                           : box.left;
    UINT old_align = SetTextAlign(dc, align | TA_TOP);
    for (const std::string& written : split_lines(text)) {
        int underlined = -1;
        std::string line = place.prefix ? strip_prefix(written, underlined) : written;
        SIZE extent{0, 0};
        GetTextExtentPoint32A(dc, "Ag", 2, &extent);
        if (!line.empty()) TextOutA(dc, x, y, line.c_str(), static_cast<int>(line.size()));
        if (underlined >= 0) underline(dc, line, underlined, x, y, align);
        y += extent.cy;
    }
    SetTextAlign(dc, old_align);
}

HFONT control_font(const Window& w) {
    return w.font != nullptr ? w.font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

} // namespace vora::platform::user
