// Normalisation of point, cell and segment names; the hexagon marker.
#include "lattice/vonormalise.h"

#include "lattice/clavochemin.h"

#include "foundation/gstring.h"
#include "foundation/lichavo.h"

#include <algorithm>

namespace {

bool endswith(const std::string& s, std::string_view fin) {
    return s.size() >= fin.size() && s.compare(s.size() - fin.size(), fin.size(), fin) == 0;
}

// Replace the final `fin` of s by `par` when s ends with it; true when done.
bool remplacefin(std::string& s, std::string_view fin, std::string_view par) {
    if (!endswith(s, fin)) return false;
    s.replace(s.size() - fin.size(), fin.size(), par);
    return true;
}

std::string finalecase(std::string_view cell) {
    std::string s(cell);
    const size_t deux = s.find(':');
    if (deux == std::string::npos) return s;
    std::sort(s.begin() + static_cast<std::ptrdiff_t>(deux) + 1, s.end(), [](char a, char b) {
        return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
    });
    remplacefin(s, ":BC", "C:AF") || remplacefin(s, ":CD", "D:AB") ||
        remplacefin(s, ":DE", "D:AF") || remplacefin(s, ":EF", "E:AB");
    return s;
}

std::string finaleseg(std::string_view segment) {
    std::string s(segment);
    remplacefin(s, ":D", "D:A") || remplacefin(s, ":E", "E:B") || remplacefin(s, ":F", "F:C");
    return s;
}

std::string canonpath(std::string_view path, bool compact) {
    // One path object per thread: building one computes its direction vectors.
    thread_local clavochemin c;
    c.setchemin(std::string(path).c_str());
    return compact ? c.compacte() : c.decompacte();
}

// Canonical path of the part before the first ":", then the suffix.
std::string chemieux(const std::string& name, bool compact) {
    const size_t deux = name.find(':');
    if (deux == std::string::npos) return canonpath(name, compact);
    return canonpath(std::string_view(name).substr(0, deux), compact) + name.substr(deux);
}

const char* orvide(const char* text) {
    return text == nullptr ? "" : text;
}

} // namespace

std::string normepoint(std::string_view path) {
    return canonpath(path, false);
}

std::string normecase(std::string_view cell) {
    return chemieux(finalecase(cell), false);
}

std::string normeseg(std::string_view segment) {
    return chemieux(finaleseg(segment), false);
}

void vodecalage(gstring* out, const char* pattern, const char* path) {
    out->set(path, pattern);
}

void normafincase(gstring* out, const char* cell) {
    out->set(finalecase(orvide(cell)).c_str());
}

void normafinseg(gstring* out, const char* segment) {
    out->set(finaleseg(orvide(segment)).c_str());
}

void chemieuxcase(char form, gstring* out, const char* cell) {
    const bool compact = form == 'C' || form == 'c';
    out->set(chemieux(finalecase(orvide(cell)), compact).c_str());
}

void chemieuxseg(char form, gstring* out, const char* segment) {
    const bool compact = form == 'C' || form == 'c';
    out->set(chemieux(finaleseg(orvide(segment)), compact).c_str());
}

void chemieuxcasedec(gstring* out, const char* cell) {
    chemieuxcase('D', out, cell);
}

void chemieuxcasedec(gstring* g) {
    chemieuxcase('D', g, g->adr());
}

void chemieuxsegdec(gstring* out, const char* segment) {
    chemieuxseg('D', out, segment);
}

void hexarajoutix(gstring* text) {
    if (!text->debut("X")) text->set("X", text->adr());
}

void hexaretirix(gstring* text) {
    std::string s = text->adr();
    const size_t debut = s.find_first_not_of(' ');
    if (debut == std::string::npos || (s[debut] != 'X' && s[debut] != 'x')) return;
    const size_t suite = s.find_first_not_of(' ', debut + 1);
    text->set(suite == std::string::npos ? "" : s.c_str() + suite);
}

void hexarajoutix(lichavo* list) {
    list->parunekeepcroi([](gstring& g) { hexarajoutix(&g); });
}

void hexaretirix(lichavo* list) {
    list->parunekeepcroi([](gstring& g) { hexaretirix(&g); });
}
