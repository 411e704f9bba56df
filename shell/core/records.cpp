// The records and help counts: lookup, the rule of a new best, their lines.
#include "shell/core/records.h"

#include <algorithm>
#include <string_view>

namespace {

// The whole of t is 1..10 decimal digits whose value lies within lo..hi.
bool entier(std::string_view t, std::int64_t lo, std::int64_t hi, std::int64_t& out) {
    if (t.empty() || t.size() > 10) return false;
    std::int64_t v = 0;
    for (const char c : t) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    if (v < lo || v > hi) return false;
    out = v;
    return true;
}

bool datevalide(std::int32_t date) {
    const int annee = date / 10000;
    const int mois = date / 100 % 100;
    const int jour = date % 100;
    return annee >= 2000 && annee <= 9999 && mois >= 1 && mois <= 12 && jour >= 1 && jour <= 31;
}

// The next comma-separated field of rest (rest keeps what follows it).
std::string_view champ(std::string_view& rest) {
    const size_t virgule = rest.find(',');
    const std::string_view c = rest.substr(0, virgule);
    rest = virgule == std::string_view::npos ? std::string_view() : rest.substr(virgule + 1);
    return c;
}

} // namespace

void ajouteaide(aidesgrille& a, genreaide g) {
    short& n = a[static_cast<size_t>(g)];
    if (n < 32767) ++n;
}

bool yadesaides(const aidesgrille& a) {
    return std::any_of(a.begin(), a.end(), [](short n) { return n != 0; });
}

const recordgrille* chercherecord(const std::vector<recordgrille>& records,
                                  const std::string& grille, short niveau, bool aide) {
    const auto it = std::find_if(records.begin(), records.end(), [&](const recordgrille& r) {
        return r.niveau == niveau && r.aide == aide && r.grille == grille;
    });
    return it == records.end() ? nullptr : &*it;
}

bool noterecord(std::vector<recordgrille>& records, const recordgrille& r) {
    const recordgrille* ancien = chercherecord(records, r.grille, r.niveau, r.aide);
    if (ancien == nullptr) {
        if (records.size() >= static_cast<size_t>(recordsmax)) return false;
        records.push_back(r);
        return true;
    }
    if (r.secondes >= ancien->secondes) return false;
    records[static_cast<size_t>(ancien - records.data())] = r;
    return true;
}

bool recordvalide(const recordgrille& r) {
    const std::string& g = r.grille;
    return !g.empty() && g.size() <= clerecordmax && g.front() != ' ' && g.back() != ' ' &&
           std::none_of(g.begin(), g.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 32; }) &&
           r.niveau >= 1 && r.niveau <= 7 && r.secondes >= 0 && datevalide(r.date);
}

std::string valeurrecord(const recordgrille& r) {
    return std::to_string(r.niveau) + "," + (r.aide ? "1" : "0") + "," +
           std::to_string(r.secondes) + "," + std::to_string(r.date) + "," + r.grille;
}

std::optional<recordgrille> lisrecord(const std::string& value) {
    std::string_view rest = value;
    std::int64_t niveau = 0;
    std::int64_t aide = 0;
    std::int64_t secondes = 0;
    std::int64_t date = 0;
    if (!entier(champ(rest), 1, 7, niveau) || !entier(champ(rest), 0, 1, aide) ||
        !entier(champ(rest), 0, 2147483647, secondes) || !entier(champ(rest), 0, 99991231, date))
        return std::nullopt;
    recordgrille r;
    r.grille = std::string(rest);
    r.niveau = static_cast<short>(niveau);
    r.aide = aide != 0;
    r.secondes = static_cast<std::int32_t>(secondes);
    r.date = static_cast<std::int32_t>(date);
    if (!recordvalide(r)) return std::nullopt;
    return r;
}

std::string valeuraides(const aidesgrille& a) {
    std::string s;
    for (const short n : a) s += (s.empty() ? "" : ",") + std::to_string(n);
    return s;
}

std::optional<aidesgrille> lisaides(const std::string& value) {
    if (value.empty() || value.back() == ',') return std::nullopt;
    std::string_view rest = value;
    aidesgrille a{};
    for (short& n : a) {
        std::int64_t v = 0;
        if (rest.empty() || !entier(champ(rest), 0, 32767, v)) return std::nullopt;
        n = static_cast<short>(v);
    }
    if (!rest.empty()) return std::nullopt;
    return a;
}
