// Fuzz target: popping comma-separated words and reading numbers.
#include "fuzz/fuzzcheck.h"

#include "foundation/depile.h"
#include "foundation/gstring.h"
#include "foundation/numtext.h"

#include <cstring>

namespace {

bool toutblanc(const std::string& s) {
    return s.find_first_not_of(' ') == std::string::npos;
}

std::string majuscules(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string ltrim(const std::string& s) {
    const std::size_t p = s.find_first_not_of(' ');
    return p == std::string::npos ? std::string() : s.substr(p);
}

// Popping with every blank kept cuts the text at its commas exactly.
void decoupeexacte(const std::string& src) {
    std::vector<char> buf = tampon(src);
    gstring mot;
    std::size_t virgules = 0;
    for (char c : src) virgules += c == ',';
    std::size_t pops = 0;
    while (buf[0] != 0) {
        const std::string avant = buf.data();
        depilemotbkeepall(mot, buf.data());
        const std::string apres = buf.data();
        FUZZ_CHECK(apres.size() < avant.size());
        if (avant.find(',') != std::string::npos)
            FUZZ_CHECK(avant == std::string(mot.adr()) + "," + apres);
        else
            FUZZ_CHECK(avant == mot.adr() && apres.empty());
        ++pops;
    }
    const bool finitvirgule = !src.empty() && src.back() == ',';
    FUZZ_CHECK(pops == virgules + (src.empty() || finitvirgule ? 0 : 1));
}

// Popping trimmed words: as many words as nbdepilable counts, each without
// commas or outer blanks, the upper-case variant agreeing, and dummydepile
// dropping the same words.
void motsnettoyes(const std::string& src) {
    std::vector<char> buf = tampon(src);
    std::vector<char> ubuf = tampon(src);
    std::vector<char> hbuf = tampon(src);
    gstring mot, umot;
    short pops = 0;
    while (buf[0] != 0) {
        depilemot(mot, buf.data());
        depilumot(umot, ubuf.data());
        heaptext h = heapdepilemot(hbuf.data());
        const std::string m = mot.adr();
        FUZZ_CHECK(m.find(',') == std::string::npos);
        FUZZ_CHECK(m.empty() || (m.front() != ' ' && m.back() != ' '));
        FUZZ_CHECK(majuscules(m) == umot.adr());
        FUZZ_CHECK(m == h.text());
        FUZZ_CHECK(std::strcmp(buf.data(), ubuf.data()) == 0);
        FUZZ_CHECK(std::strcmp(buf.data(), hbuf.data()) == 0);
        FUZZ_CHECK(buf[0] != ' ');
        ++pops;
        if (pops == 1) {
            std::vector<char> autre = tampon(src);
            dummydepile(autre.data(), 1);
            FUZZ_CHECK(std::strcmp(autre.data(), buf.data()) == 0);
        }
    }
    std::vector<char> autre = tampon(src);
    dummydepile(autre.data(), pops);
    FUZZ_CHECK(autre[0] == 0);
    const short attendu = !src.empty() && toutblanc(src) ? 1 : nbdepilable(src.c_str());
    if (src.size() < 30000) FUZZ_CHECK(pops == attendu);
}

// A number written by vi reads back through depilint and recupint, and the
// rest of the text is left as the popping rules say.
void nombres(const std::uint8_t* data, std::size_t size, const std::string& src) {
    if (size < 2) return;
    const short n = static_cast<short>(static_cast<unsigned short>(data[0] | (data[1] << 8)));
    std::string texte = std::string("  ") + vi(n) + " ," + src;
    std::vector<char> buf = tampon(texte);
    FUZZ_CHECK(depilint(buf.data()) == n);
    FUZZ_CHECK(std::string(buf.data()) == ltrim(src));

    const unsigned short u = static_cast<unsigned short>(n);
    texte = std::string(" ") + vi(u) + src;
    buf = tampon(texte);
    const short r = recupint(buf.data());
    if (src.empty() || src[0] < '0' || src[0] > '9') {
        FUZZ_CHECK(r == n);
        FUZZ_CHECK(std::string(buf.data()) == src);
    }
    // Whatever the text, the reads stay within their ranges and never grow it.
    buf = tampon(src);
    (void)depilint(buf.data());
    FUZZ_CHECK(std::strlen(buf.data()) <= src.size());
    buf = tampon(src);
    const double x = depilefloat(buf.data());
    FUZZ_CHECK(x == x);
    buf = tampon(src);
    (void)recupint(buf.data());
    FUZZ_CHECK(std::strlen(buf.data()) <= src.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string src = textedentree(data, size);
    decoupeexacte(src);
    motsnettoyes(src);
    nombres(data, size, src.size() >= 2 ? src.substr(2) : std::string());
    return 0;
}
