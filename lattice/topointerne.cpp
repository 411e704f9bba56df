// Helpers shared by the topology builders.
#include "lattice/topointerne.h"

#include "lattice/clavochemin.h"
#include "lattice/topobase.h"
#include "lattice/vonormalise.h"

#include "foundation/lichavo.h"
#include "foundation/textcompare.h"

#include <algorithm>
#include <climits>

namespace topo {

namespace {

std::string plie(std::string_view nom) {
    std::string s(nom);
    for (char& c : s) c = carmaju(c);
    return s;
}

} // namespace

noms decoupe(std::string_view text) {
    noms v;
    size_t debut = 0;
    while (debut < text.size()) {
        const size_t virgule = text.find(',', debut);
        if (virgule == std::string_view::npos) {
            v.emplace_back(text.substr(debut));
            break;
        }
        v.emplace_back(text.substr(debut, virgule - debut));
        debut = virgule + 1;
    }
    return v;
}

ensemble::ensemble(const noms& v) {
    for (const std::string& nom : v) add(nom);
}

bool ensemble::has(std::string_view nom) const {
    return cles.count(plie(nom)) != 0;
}

bool ensemble::add(std::string_view nom) {
    return cles.insert(plie(nom)).second;
}

bool ensemble::remove(std::string_view nom) {
    return cles.erase(plie(nom)) != 0;
}

void trier(noms& v, bool unique) {
    const auto avant = [](const std::string& a, const std::string& b) {
        return plusgrandnor(a.c_str(), b.c_str()) == 2;
    };
    std::stable_sort(v.begin(), v.end(), avant);
    // Runs of equal names: sorted insertion puts the newest first, and
    // killdoubles keeps the first of a run.
    noms out;
    out.reserve(v.size());
    for (size_t i = 0; i < v.size();) {
        size_t fin = i + 1;
        while (fin < v.size() && !avant(v[i], v[fin])) ++fin;
        if (unique) {
            out.push_back(std::move(v[fin - 1]));
        } else {
            for (size_t k = fin; k > i; --k) out.push_back(std::move(v[k - 1]));
        }
        i = fin;
    }
    v = std::move(out);
}

noms lire(const lichavo* list) {
    noms v;
    const short n = list->effectif();
    v.reserve(static_cast<size_t>(n));
    for (short i = 1; i <= n; ++i) v.emplace_back(list->adr(i));
    return v;
}

void ecrire(lichavo* list, const noms& v) {
    list->clear();
    for (const std::string& nom : v) list->padd(nom.c_str());
}

std::string centre(std::string_view hexagon) {
    size_t i = 0;
    while (i < hexagon.size() && hexagon[i] == ' ') ++i;
    if (i < hexagon.size() && (hexagon[i] == 'X' || hexagon[i] == 'x')) ++i;
    while (i < hexagon.size() && hexagon[i] == ' ') ++i;
    return normepoint(hexagon.substr(i));
}

std::string placecase(const std::string& point, const std::string& item) {
    return normecase(point + item);
}

std::string placeseg(const std::string& point, const std::string& item) {
    return normeseg(point + item);
}

std::string placepoint(const std::string& point, const std::string& item) {
    return normepoint(point + item);
}

std::string pointdecase(std::string_view cell) {
    return normepoint(cell.substr(0, std::min(cell.find(':'), cell.size())));
}

bool estab(std::string_view cell) {
    return cell.size() >= 3 && cell.substr(cell.size() - 3) == ":AB";
}

std::array<std::string, 3> troispoints(std::string_view cell) {
    globinitvoragotopo();
    const std::string nom = normecase(cell);
    const std::string p = pointdecase(nom);
    const noms motif = decoupe(estab(nom) ? troispointscaseab.adr() : troispointscaseaf.adr());
    return {placepoint(p, motif[0]), placepoint(p, motif[1]), placepoint(p, motif[2])};
}

std::array<std::string, 3> troisvoisins(std::string_view cell) {
    globinitvoragotopo();
    const std::string nom = normecase(cell);
    const std::string p = pointdecase(nom);
    const noms motif = decoupe(estab(nom) ? troisvoisicaseab.adr() : troisvoisicaseaf.adr());
    return {placecase(p, motif[0]), placecase(p, motif[1]), placecase(p, motif[2])};
}

noms sixcases(const std::string& point) {
    noms v;
    v.reserve(6);
    for (const std::string& item : lesmotifs().sixcases) v.push_back(placecase(point, item));
    return v;
}

int distanseg(std::string_view path, std::string_view letters) {
    clavochemin c;
    c.setchemin(std::string(path).c_str());
    c.bonchemin();
    int s = 0;
    for (char l : letters) {
        if (l >= 'A' && l <= 'F') s += c.getnbpas(static_cast<short>(l - 'A'));
    }
    return s;
}

} // namespace topo
