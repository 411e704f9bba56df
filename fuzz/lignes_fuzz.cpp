// Fuzz target: line input of text files (every line end, any byte), lines
// written by ecriligne reading back as they were, and the string lists read
// from files and from comma-separated texts.
#include "fuzz/fuzzcheck.h"

#include "foundation/gstring.h"
#include "foundation/lichavo.h"
#include "foundation/textfile.h"

#include <cstdio>
#include <cstring>

namespace {

// The lines of bytes as the line input must return them: cut at "\n", "\r",
// "\r\n" or "\n\r", each cut at its first NUL and right-trimmed of blanks.
std::vector<std::string> lignesattendues(const std::string& bytes) {
    std::vector<std::string> lignes;
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t j = i;
        while (j < bytes.size() && bytes[j] != '\n' && bytes[j] != '\r') ++j;
        std::string l = bytes.substr(i, j - i);
        l = l.substr(0, l.find('\0'));
        while (!l.empty() && l.back() == ' ') l.pop_back();
        lignes.push_back(l);
        if (j < bytes.size()) {
            const char fin = bytes[j++];
            if (j < bytes.size() && (bytes[j] == '\n' || bytes[j] == '\r') && bytes[j] != fin) ++j;
        }
        i = j;
    }
    return lignes;
}

std::vector<std::string> litlignes(std::FILE* f) {
    std::vector<std::string> lignes;
    bool eof = false;
    for (;;) {
        heaptext l = heaplinput(f, eof);
        if (eof) {
            FUZZ_CHECK(l.text()[0] == 0);
            break;
        }
        lignes.emplace_back(l.text());
    }
    // Once at the end, every further read stays there.
    heaptext encore = heaplinput(f, eof);
    FUZZ_CHECK(eof && encore.text()[0] == 0);
    return lignes;
}

// A file reading bytes, from memory (an empty one from a temporary file,
// which fmemopen does not take; on Windows, which has no fmemopen, always
// from a temporary file).
std::FILE* ouvre(std::string& bytes) {
#ifdef _WIN32
    std::FILE* f = std::tmpfile();
    if (f != nullptr) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::rewind(f);
    }
    return f;
#else
    return bytes.empty() ? std::tmpfile() : fmemopen(bytes.data(), bytes.size(), "rb");
#endif
}

// The bytes written into a file by ecrire.
template <class F> std::string ecritdans(F ecrire) {
#ifdef _WIN32
    std::FILE* g = std::tmpfile();
    FUZZ_CHECK(g != nullptr);
    ecrire(g);
    std::string ecrit;
    std::rewind(g);
    char morceau[4096];
    for (std::size_t n; (n = std::fread(morceau, 1, sizeof morceau, g)) > 0;)
        ecrit.append(morceau, n);
    std::fclose(g);
    return ecrit;
#else
    char* tampon = nullptr;
    std::size_t longueur = 0;
    std::FILE* g = open_memstream(&tampon, &longueur);
    FUZZ_CHECK(g != nullptr);
    ecrire(g);
    std::fclose(g);
    std::string ecrit(tampon, longueur);
    std::free(tampon);
    return ecrit;
#endif
}

// The file every run reads, in the working directory of this process.
const std::string& chemin() {
    static const std::string c = dossierdetravail("vora-fuzz-lignes-") + "/L.TXT";
    return c;
}

std::vector<std::string> elements(const lichavo& l) {
    std::vector<std::string> v;
    for (short i = 1; i <= l.effectif(); ++i) v.emplace_back(l.adr(i));
    return v;
}

// A list read from the file holds its lines (without the empty ones for
// bkill); written back and read again, the same list.
void listes(const std::string& bytes, const std::vector<std::string>& lues) {
    std::FILE* f = std::fopen(chemin().c_str(), "wb");
    FUZZ_CHECK(f != nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    lichavo garde, sansvides;
    garde.addfromfilebkeep(chemin().c_str());
    sansvides.addfromfilebkill(chemin().c_str());
    FUZZ_CHECK(elements(garde) == lues);
    std::vector<std::string> pleines;
    for (const std::string& l : lues)
        if (!l.empty()) pleines.push_back(l);
    FUZZ_CHECK(elements(sansvides) == pleines);
    garde.copycreafile(chemin().c_str());
    lichavo relue;
    relue.addfromfilebkeep(chemin().c_str());
    FUZZ_CHECK(elements(relue) == lues);
}

// A comma-separated list printed back ("a,b,") reads as the same list.
void virgules(const std::string& texte) {
    lichavo l;
    l.setfromgskeep(texte.c_str());
    gstring g;
    l.copytogstring(g);
    lichavo m;
    m.setfromgskeep(g);
    FUZZ_CHECK(elements(m) == elements(l));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    std::FILE* f = ouvre(bytes);
    FUZZ_CHECK(f != nullptr);
    const std::vector<std::string> lues = litlignes(f);
    std::fclose(f);
    FUZZ_CHECK(lues == lignesattendues(bytes));

    // Written back with CR LF, the same lines read back.
    std::string relu = ecritdans([&](std::FILE* g) {
        for (const std::string& l : lues) ecriligne(g, l.c_str());
    });
    FUZZ_CHECK(relu.size() == [&] {
        std::size_t n = 0;
        for (const std::string& l : lues) n += l.size() + 2;
        return n;
    }());
    std::FILE* h = ouvre(relu);
    FUZZ_CHECK(h != nullptr);
    FUZZ_CHECK(litlignes(h) == lues);
    std::fclose(h);

    listes(bytes, lues);
    virgules(bytes.substr(0, bytes.find('\0')));

    bool eof = false;
    heaptext rien = heaplinput(nullptr, eof);
    FUZZ_CHECK(eof && rien.text()[0] == 0);
    return 0;
}
