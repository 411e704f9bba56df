// Text: fonts through Cairo's fontconfig faces, TextOutA and
// GetTextExtentPoint32A. Glyphs are antialiased; the opaque background box is
// not (platform/README.md).
#include "platform/font_caches.h"
#include "platform/gdi_internal.h"
#include "platform/gdi_objects.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

using namespace gdi;

namespace {

// Share of each letter (and the space) in a thousand characters of text: the
// weights by which the average character width is worked out for a font that
// does not declare one.
constexpr int letter_weights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                    56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
constexpr int space_weight = 166;

// The average character width the font declares (its OS/2 table's
// xAvgCharWidth), per em: what GDI reports as tm_ave_char_width and matches a
// font's explicit width against. 0 when the font declares none.
double declared_average(cairo_t* cr) {
    cairo_scaled_font_t* scaled = cairo_get_scaled_font(cr);
    if (cairo_scaled_font_get_type(scaled) != CAIRO_FONT_TYPE_FT) return 0;
    FT_Face face = cairo_ft_scaled_font_lock_face(scaled);
    if (face == nullptr) return 0;
    double average = 0;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF && os2->xAvgCharWidth > 0 &&
        face->units_per_EM > 0)
        average = static_cast<double>(os2->xAvgCharWidth) / face->units_per_EM;
    cairo_ft_scaled_font_unlock_face(scaled);
    return average;
}

// The average width of ordinary text per em, for fonts that declare none.
double text_average(cairo_t* cr, double unit) {
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
    return total / 1000.0 / unit;
}

// The face Windows draws for a name: its standard substitutes (the
// FontSubstitutes of every installation) first, as fontconfig's own choice
// for those names differs.
std::string windows_face(const std::string& name) {
    static const std::pair<const char*, const char*> substitutes[] = {
        {"helvetica", "Arial"}, {"times", "Times New Roman"}, {"courier", "Courier New"}};
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    for (const auto& [from, to] : substitutes)
        if (lower == from) return to;
    return name;
}

cairo_font_face_t* face_of(Font& font) {
    if (font.cairo_face == nullptr) {
        font.cairo_face = cairo_toy_font_face_create(
            windows_face(font.face).c_str(),
            font.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
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
    // As GDI: a whole number of pixels per em, and a stretch that makes the
    // declared average width (in whole pixels at that size) the width asked.
    m.em = font.height < 0 ? -font.height
           : font.height > 0 && ascent > 0
               ? std::max(1.0, std::round(font.height / (ascent + descent)))
               : 12.0;
    m.xscale = 1.0;
    if (font.width != 0) {
        double average = declared_average(cr);
        if (average <= 0) average = text_average(cr, unit);
        const double pixels = std::max(1.0, std::round(average * m.em));
        if (average > 0) m.xscale = font.width / pixels;
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

// The glyphs of a text on the font of `cr`, placed from (x, y) along the
// baseline with whole-pixel advances as GDI lays text out: each advance is
// rounded at the font's natural width and then, for a font stretched by
// `xscale`, stretched and rounded up (which the widths measured under Wine
// follow for every face and size the game uses).
class Glyphs {
public:
    Glyphs(cairo_t* cr, const std::string& utf8, double x, double y, double xscale) {
        cairo_scaled_font_t* font = cairo_get_scaled_font(cr);
        int count = 0;
        if (cairo_scaled_font_text_to_glyphs(font, 0, 0, utf8.c_str(),
                                             static_cast<int>(utf8.size()), &glyphs_, &count,
                                             nullptr, nullptr, nullptr) != CAIRO_STATUS_SUCCESS)
            count = 0;
        count_ = count;
        double pen = 0;
        for (int i = 0; i < count_; ++i) {
            cairo_text_extents_t te;
            cairo_scaled_font_glyph_extents(font, &glyphs_[i], 1, &te);
            glyphs_[i].x = x + pen;
            glyphs_[i].y = y;
            const double natural = std::floor(te.x_advance / xscale + 0.5 + 1e-6);
            pen += xscale == 1.0 ? natural : std::ceil(natural * xscale - 1e-6);
        }
        advance_ = pen;
    }
    ~Glyphs() { cairo_glyph_free(glyphs_); }
    Glyphs(const Glyphs&) = delete;
    Glyphs& operator=(const Glyphs&) = delete;

    double advance() const { return advance_; }
    // Moves every glyph by (dx, dy).
    void shift(double dx, double dy) {
        for (int i = 0; i < count_; ++i) {
            glyphs_[i].x += dx;
            glyphs_[i].y += dy;
        }
    }
    void show(cairo_t* cr) const { cairo_show_glyphs(cr, glyphs_, count_); }

private:
    cairo_glyph_t* glyphs_ = nullptr; // owned, freed with cairo_glyph_free
    int count_ = 0;
    double advance_ = 0;
};

} // namespace

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lp_string, int c, LPSIZE psizl) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr || psizl == nullptr || c < 0 || (lp_string == nullptr && c > 0)) return FALSE;
    Measure measure(dc->target);
    const Font& m = measured(measure.cr, *dc->font);
    use_font(measure.cr, *dc->font, m.em * m.xscale, m.em);
    const Glyphs glyphs(measure.cr, c > 0 ? cp1252_to_utf8(lp_string, c) : std::string(), 0, 0,
                        m.xscale);
    psizl->cx = static_cast<LONG>(std::lround(glyphs.advance()));
    psizl->cy = static_cast<LONG>(std::lround(m.ascent + m.descent));
    return TRUE;
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lp_string, int c) {
    Dc* dc = find<Dc>(hdc);
    if (dc == nullptr || c < 0 || (lp_string == nullptr && c > 0)) return FALSE;
    const std::string text = cp1252_to_utf8(lp_string, c);
    const UINT align = dc->text_align;
    const bool update = (align & TA_UPDATECP) != 0;
    const double angle = dc->font->escapement * std::numbers::pi / 1800.0;

    cairo_t* cr = dc->context();
    cairo_save(cr);
    const Font& m = measured(cr, *dc->font);
    use_font(cr, *dc->font, m.em * m.xscale, m.em);
    Glyphs glyphs(cr, text, 0, 0, m.xscale);
    const double advance = glyphs.advance();

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
    glyphs.shift(left, baseline);
    glyphs.show(cr);
    cairo_restore(cr);
    cairo_surface_flush(dc->target);

    if (update && (align & TA_CENTER) != TA_CENTER) {
        const double step = (align & TA_RIGHT) != 0 ? -advance : advance;
        dc->position.x += static_cast<LONG>(std::lround(step * std::cos(angle)));
        dc->position.y -= static_cast<LONG>(std::lround(step * std::sin(angle)));
    }
    return TRUE;
}

void vora::platform::release_font_caches() {
    for_each_object(Kind::font, [](Object& o) {
        auto& font = static_cast<Font&>(o);
        if (font.cairo_face != nullptr) cairo_font_face_destroy(font.cairo_face);
        font.cairo_face = nullptr;
    });
    cairo_debug_reset_static_data();
    FcFini();
}
