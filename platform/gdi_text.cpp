// Text: fonts through Cairo's fontconfig faces, TextOutA and
// GetTextExtentPoint32A. Glyphs are antialiased; the opaque background box is
// not (platform/README.md).
#include "platform/gdi_internal.h"
#include "platform/gdi_objects.h"

#include <fontconfig/fontconfig.h>

#include <cmath>
#include <numbers>

using namespace gdi;

namespace {

// Share of each letter (and the space) in a thousand characters of text: the
// weights by which a TrueType font's average character width is defined.
constexpr int letter_weights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                    56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
constexpr int space_weight = 166;

cairo_font_face_t* face_of(Font& font) {
    if (font.cairo_face == nullptr) {
        font.cairo_face = cairo_toy_font_face_create(
            font.face.c_str(), font.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
            font.weight >= FW_SEMIBOLD ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    }
    return font.cairo_face;
}

// Sets the font on `cr` with unhinted metrics (so that sizes scale exactly)
// and antialiased glyphs.
void use_font(cairo_t* cr, Font& font, double xsize, double ysize) {
    cairo_set_font_face(cr, face_of(font));
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, xsize, ysize);
    cairo_set_font_matrix(cr, &m);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

// Works out the font's pixel sizes once; `cr` is any context, its font is
// changed.
const Font& measured(cairo_t* cr, Font& font) {
    if (font.measured) return font;
    constexpr double unit = 1000.0; // measured at a large size, then scaled
    use_font(cr, font, unit, unit);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    const double ascent = fe.ascent / unit, descent = fe.descent / unit;
    Font& m = font;
    m.em = font.height < 0                 ? -font.height
           : font.height > 0 && ascent > 0 ? font.height / (ascent + descent)
                                           : 12.0;
    m.xscale = 1.0;
    if (font.width != 0) {
        double total = 0;
        char letter[2] = {'a', '\0'};
        cairo_text_extents_t te;
        for (int i = 0; i < 26; ++i) {
            letter[0] = static_cast<char>('a' + i);
            cairo_text_extents(cr, letter, &te);
            total += te.x_advance * letter_weights[i];
        }
        cairo_text_extents(cr, " ", &te);
        total += te.x_advance * space_weight;
        const double average = total / 1000.0 / unit; // per em
        if (average > 0) m.xscale = font.width / (average * m.em);
    }
    m.ascent = ascent * m.em;
    m.descent = descent * m.em;
    m.measured = true;
    return m;
}

// A scratch context for measuring, on the DC's own target.
struct Measure {
    explicit Measure(cairo_surface_t* s) : cr(cairo_create(s)) {}
    ~Measure() { cairo_destroy(cr); }
    Measure(const Measure&) = delete;
    Measure& operator=(const Measure&) = delete;
    cairo_t* cr;
};

} // namespace

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr || psizl == nullptr || c < 0 || (lpString == nullptr && c > 0)) return FALSE;
    Measure measure(dc->target);
    const Font& m = measured(measure.cr, *dc->font);
    use_font(measure.cr, *dc->font, m.em * m.xscale, m.em);
    cairo_text_extents_t te{};
    if (c > 0) cairo_text_extents(measure.cr, cp1252_to_utf8(lpString, c).c_str(), &te);
    psizl->cx = static_cast<LONG>(std::lround(te.x_advance));
    psizl->cy = static_cast<LONG>(std::lround(m.ascent + m.descent));
    return TRUE;
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr || c < 0 || (lpString == nullptr && c > 0)) return FALSE;
    const std::string text = cp1252_to_utf8(lpString, c);
    const UINT align = dc->text_align;
    const bool update = (align & TA_UPDATECP) != 0;
    const double angle = dc->font->escapement * std::numbers::pi / 1800.0;

    cairo_t* cr = dc->context();
    cairo_save(cr);
    const Font& m = measured(cr, *dc->font);
    use_font(cr, *dc->font, m.em * m.xscale, m.em);
    cairo_text_extents_t te;
    cairo_text_extents(cr, text.c_str(), &te);
    const double advance = te.x_advance;

    // The text's own frame: x along the baseline, y down, origin at the
    // reference point; escapement turns it counter-clockwise on the screen.
    const POINT at = update ? dc->position : POINT{x, y};
    cairo_translate(cr, at.x, at.y);
    cairo_rotate(cr, -angle);
    const double left = (align & TA_CENTER) == TA_CENTER ? -advance / 2
                        : (align & TA_RIGHT) != 0        ? -advance
                                                         : 0.0;
    const double baseline = (align & TA_BASELINE) == TA_BASELINE ? 0.0
                            : (align & TA_BOTTOM) != 0           ? -m.descent
                                                                 : m.ascent;
    if (dc->bk_mode == OPAQUE) {
        cairo_rectangle(cr, left, baseline - m.ascent, advance, m.ascent + m.descent);
        set_source_colorref(cr, dc->bk_color);
        cairo_fill(cr);
    }
    set_source_colorref(cr, dc->text_color);
    cairo_move_to(cr, left, baseline);
    cairo_show_text(cr, text.c_str());
    cairo_restore(cr);
    cairo_surface_flush(dc->target);

    if (update && (align & TA_CENTER) != TA_CENTER) {
        const double step = (align & TA_RIGHT) != 0 ? -advance : advance;
        dc->position.x += static_cast<LONG>(std::lround(step * std::cos(angle)));
        dc->position.y -= static_cast<LONG>(std::lround(step * std::sin(angle)));
    }
    return TRUE;
}

void gdi::release_font_caches() {
    for_each_object(Kind::font, [](Object& o) {
        auto& font = static_cast<Font&>(o);
        if (font.cairo_face != nullptr) cairo_font_face_destroy(font.cairo_face);
        font.cairo_face = nullptr;
    });
    cairo_debug_reset_static_data();
    FcFini();
}
