// The five lattice transform tables and the routines that apply them.
#include "lattice/vorotation.h"

#include "foundation/gstring.h"

#include <string>

namespace {

const char* const source = "ABCDEF-abcdef";

clatraducara fromtarget(const std::string& target) {
    clatraducara t;
    t.settable(source, target.c_str());
    return t;
}

std::string through(const clatraducara& t, std::string s) {
    t.translat(s.data());
    return s;
}

} // namespace

char caracafbon(int code) {
    while (code > 'F') code -= 6;
    while (code < 'A') code += 6;
    return static_cast<char>(code);
}

void vorotasoixantescargot(char* text) {
    if (text == nullptr) return;
    for (char* p = text; *p != 0; ++p) {
        if (*p >= 'a' && *p <= 'f') *p = static_cast<char>(*p - 'a' + 'A');
        if (*p >= 'A' && *p <= 'F') *p = caracafbon(*p + 1);
    }
}

const clatraducara& rotavosoixante() {
    static const clatraducara t = [] {
        std::string target = source;
        vorotasoixantescargot(target.data());
        return fromtarget(target);
    }();
    return t;
}

const clatraducara& rotavocentvingt() {
    static const clatraducara t =
        fromtarget(through(rotavosoixante(), through(rotavosoixante(), source)));
    return t;
}

const clatraducara& rotavodemitour() {
    static const clatraducara t =
        fromtarget(through(rotavocentvingt(), through(rotavosoixante(), source)));
    return t;
}

const clatraducara& symexaghoriz() {
    static const clatraducara t = fromtarget("DCBAFE-DCBAFE");
    return t;
}

const clatraducara& symexagverti() {
    static const clatraducara t = fromtarget("AFEDCB-AFEDCB");
    return t;
}

void vorotagausoixante(char* text) {
    rotavosoixante().translat(text);
}
void vorotagausoixante(gstring* text) {
    vorotagausoixante(text->adr());
}
void vorotagaucentvingt(char* text) {
    rotavocentvingt().translat(text);
}
void vorotagaucentvingt(gstring* text) {
    vorotagaucentvingt(text->adr());
}
void vorotacentquatrevingt(char* text) {
    rotavodemitour().translat(text);
}
void vorotacentquatrevingt(gstring* text) {
    vorotacentquatrevingt(text->adr());
}
void vosymethoriz(char* text) {
    symexaghoriz().translat(text);
}
void vosymethoriz(gstring* text) {
    vosymethoriz(text->adr());
}
void vosymetverti(char* text) {
    symexagverti().translat(text);
}
void vosymetverti(gstring* text) {
    vosymetverti(text->adr());
}
