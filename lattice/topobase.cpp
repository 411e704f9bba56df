// Building the topology base patterns.
#include "lattice/topobase.h"

#include "lattice/topointerne.h"
#include "lattice/vonormalise.h"
#include "lattice/vorotation.h"

#include <string>

gstring sixcasesdunhexa;
gstring sixcasopposhexa;
gstring sixcasopposgspvo;
gstring sixvoisineshexapcote;
gstring douzevoisineshexapsommet;
gstring dixhuitvoisineshexa;
gstring sixsegminternes;
gstring sixsegmexternes;
gstring troispointscaseab;
gstring troispointscaseaf;
gstring troisvoisicaseab;
gstring troisvoisicaseaf;
unsigned char topotravengsp = 0;

namespace {

bool construit = false;
topo::motifs lesmotifsconstruits;

std::string tourne(std::string s) {
    vorotagausoixante(s.data());
    return s;
}

// Append each start name, then turn them all; n times. seg selects segment
// normalisation instead of cell normalisation.
std::string tournefois(std::vector<std::string> noms, int n, bool seg) {
    std::string out;
    for (int k = 0; k < n; ++k) {
        for (std::string& nom : noms) {
            out += nom + ",";
            nom = seg ? normeseg(tourne(nom)) : normecase(tourne(nom));
        }
    }
    return out;
}

// The two cells (normalised) and four points of each turn of the text.
std::string groupesoppos() {
    std::string texte = "C:AB,E:AF,B,C,E,F,";
    std::string out;
    for (int k = 0; k < 3; ++k) {
        const topo::noms n = topo::decoupe(texte);
        for (size_t i = 0; i < n.size(); ++i)
            out += (i < 2 ? normecase(n[i]) : normepoint(n[i])) + ",";
        texte = tourne(texte);
    }
    return out;
}

} // namespace

const topo::motifs& topo::lesmotifs() {
    globinitvoragotopo();
    return lesmotifsconstruits;
}

void globinitvoragotopo() {
    if (construit) return;
    construit = true;
    const std::string six = tournefois({":AB"}, 6, false);
    const std::string cote = tournefois({"B:AF"}, 6, false);
    const std::string sommet = tournefois({"A:AB", "A:AF"}, 6, false);
    sixcasesdunhexa.set(six.c_str());
    sixcasopposhexa.set(tournefois({"C:AB", "E:AF"}, 3, false).c_str());
    sixcasopposgspvo.set(groupesoppos().c_str());
    sixvoisineshexapcote.set(cote.c_str());
    douzevoisineshexapsommet.set(sommet.c_str());
    dixhuitvoisineshexa.set(cote.c_str(), sommet.c_str());
    sixsegminternes.set(tournefois({":A"}, 6, true).c_str());
    sixsegmexternes.set(tournefois({"C:A"}, 6, true).c_str());
    troispointscaseab.set(",A,B");
    troispointscaseaf.set(",A,F");
    troisvoisicaseab.set(":AF,B:AF,C:AF");
    troisvoisicaseaf.set(":AB,E:AB,F:AB");

    topo::motifs& m = lesmotifsconstruits;
    m.sixcases = topo::decoupe(sixcasesdunhexa.adr());
    m.oppos = topo::decoupe(sixcasopposgspvo.adr());
    m.dixhuit = topo::decoupe(dixhuitvoisineshexa.adr());
    m.internes = topo::decoupe(sixsegminternes.adr());
    m.externes = topo::decoupe(sixsegmexternes.adr());
    topo::noms demi = {"B:AF", "D:AB", "D:AF", "E:AB"};
    for (topo::noms& tour : m.demi) {
        tour = demi;
        for (std::string& nom : demi) nom = normecase(tourne(nom));
    }
}
