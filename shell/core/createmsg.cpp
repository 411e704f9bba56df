// The numbered message texts: plain pieces, stored pieces and how they join.
#include "shell/core/createmsg.h"

#include "shell/core/textesvora.h"

#include "foundation/numtext.h"

namespace {

// Appends stored pieces of one message in one language.
class assembleur {
public:
    assembleur(gstring& sortie, short numero, bool anglais, const char* a, const char* b)
        : out(sortie), num(numero), en(anglais), arga(a ? a : ""), argb(b ? b : "") {}

    // The stored piece k, its "zukv" and "zukw" tokens replaced by a and b.
    void piece(short k) {
        gstring cle;
        cle.set("m", vi(num), en ? ".en." : ".fr.");
        cle.cat(vi(k));
        gstring t;
        textevora(t, cle.adr());
        t.replaceall("zukv", arga);
        t.replaceall("zukw", argb);
        out.cat(t.adr());
    }
    // Pieces first..last, each after the separator but the first.
    void pieces(short first, short last, const char* sep) {
        for (short k = first; k <= last; ++k) {
            if (k > first) out.cat(sep);
            piece(k);
        }
    }
    void plain(const char* s1, const char* s2 = nullptr, const char* s3 = nullptr) {
        out.cat(s1, s2, s3);
    }
    const char* a() const { return arga; }
    const char* b() const { return argb; }

private:
    gstring& out;
    short num;
    bool en;
    const char* arga;
    const char* argb;
};

} // namespace

void createmsg(gstring* out, short number, short langue, const char* a, const char* b, bool ronds) {
    if (!out) return;
    out->clear();
    const bool en = langue == langueanglais;
    assembleur m(*out, number, en, a, b);
    switch (number) {
    case 2:
        m.pieces(1, 5, "\n");
        break;
    case 3:
        m.piece(1);
        m.plain("\n");
        m.piece(ronds ? 3 : 2);
        m.plain("\n");
        m.piece(4);
        m.plain("\n");
        m.piece(5);
        break;
    case 4:
        if (en) {
            m.plain("Load grid #", m.a(), "?");
        } else {
            m.piece(1);
            m.plain(m.a(), " ?");
        }
        if (m.b()[0] != '\0') {
            m.plain("\n\n");
            m.piece(2);
        }
        break;
    case 5:
        if (en) {
            m.plain("Grid #", m.a(), " is already in use.");
            m.plain("\n\n", "Reload grid #", m.a());
            m.plain("?");
        } else {
            m.piece(1);
            m.plain(m.a(), " ");
            m.piece(2);
            m.plain("\n\n");
            m.piece(3);
            m.plain(m.a(), " ?");
        }
        m.plain("\n");
        m.piece(4);
        break;
    case 6:
        m.piece(1);
        m.plain("\n", "*** BRAVO ***");
        if (m.b()[0] != '\0') m.plain("\n\n", m.b());
        break;
    case 7:
    case 8:
    case 10:
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
    case 25:
        m.pieces(1, 2, "\n");
        break;
    case 9:
    case 13:
    case 14:
    case 23:
    case 24:
        m.pieces(1, 4, "\n");
        break;
    case 11:
    case 12:
    case 21:
    case 26:
    case 27:
    case 28:
    case 29:
        m.piece(1);
        break;
    case 15:
    case 22:
        m.pieces(1, 3, "\n");
        break;
    default:
        break;
    }
}
