// PNG writing and reading on the standard library alone: CRC and Adler
// checksums, a small deflate compressor (LZ77 with fixed Huffman codes) and a
// full inflater.
#include "render/imagepng.h"

#include <array>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

using octets = std::vector<unsigned char>;

std::uint32_t crc32(const unsigned char* p, size_t n, std::uint32_t crc = 0) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t adler32(const octets& d) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (unsigned char c : d) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

constexpr std::array<int, 29> baselong = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                          15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                          67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> extralong = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> basedist = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> extradist = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                           6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Bits written least significant first, as deflate packs them.
class ecrivainbits {
public:
    explicit ecrivainbits(octets& o) : out(o) {}
    void bits(std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) {
            acc |= ((v >> i) & 1u) << nb;
            if (++nb == 8) vide();
        }
    }
    // A Huffman code, sent most significant bit first.
    void code(std::uint32_t c, int n) {
        for (int i = n - 1; i >= 0; --i) bits((c >> i) & 1u, 1);
    }
    void fin() {
        if (nb > 0) vide();
    }

private:
    void vide() {
        out.push_back(static_cast<unsigned char>(acc));
        acc = 0;
        nb = 0;
    }
    octets& out;
    std::uint32_t acc = 0;
    int nb = 0;
};

void litteral(ecrivainbits& w, int v) {
    if (v < 144)
        w.code(static_cast<std::uint32_t>(0x30 + v), 8);
    else if (v < 256)
        w.code(static_cast<std::uint32_t>(0x190 + v - 144), 9);
    else if (v < 280)
        w.code(static_cast<std::uint32_t>(v - 256), 7);
    else
        w.code(static_cast<std::uint32_t>(0xC0 + v - 280), 8);
}

void correspondance(ecrivainbits& w, int len, int dist) {
    int i = 28;
    while (baselong[static_cast<size_t>(i)] > len) --i;
    litteral(w, 257 + i);
    w.bits(static_cast<std::uint32_t>(len - baselong[static_cast<size_t>(i)]),
           extralong[static_cast<size_t>(i)]);
    int j = 29;
    while (basedist[static_cast<size_t>(j)] > dist) --j;
    w.code(static_cast<std::uint32_t>(j), 5);
    w.bits(static_cast<std::uint32_t>(dist - basedist[static_cast<size_t>(j)]),
           extradist[static_cast<size_t>(j)]);
}

// A zlib stream of d: one deflate block with fixed codes, greedy LZ77 over a
// 32 KiB window with hash chains.
octets compresse(const octets& d) {
    octets out = {0x78, 0x01};
    ecrivainbits w(out);
    w.bits(1, 1);
    w.bits(1, 2);
    constexpr int fenetre = 32768;
    constexpr size_t nbhash = 1 << 15;
    std::vector<int> tete(nbhash, -1);
    std::vector<int> precedent(d.size(), -1);
    auto hache = [&](size_t i) {
        return ((static_cast<size_t>(d[i]) << 10) ^ (static_cast<size_t>(d[i + 1]) << 5) ^
                d[i + 2]) &
               (nbhash - 1);
    };
    auto insere = [&](size_t i) {
        if (i + 2 >= d.size()) return;
        const size_t h = hache(i);
        precedent[i] = tete[h];
        tete[h] = static_cast<int>(i);
    };
    size_t i = 0;
    while (i < d.size()) {
        int meilleur = 0;
        int distance = 0;
        if (i + 2 < d.size()) {
            int cand = tete[hache(i)];
            for (int essais = 0; cand >= 0 && essais < 32; ++essais) {
                const int dist = static_cast<int>(i) - cand;
                if (dist > fenetre) break;
                int l = 0;
                const int maxl = static_cast<int>(std::min<size_t>(258, d.size() - i));
                while (l < maxl &&
                       d[static_cast<size_t>(cand + l)] == d[i + static_cast<size_t>(l)])
                    ++l;
                if (l > meilleur) {
                    meilleur = l;
                    distance = dist;
                    if (l == maxl) break;
                }
                cand = precedent[static_cast<size_t>(cand)];
            }
        }
        if (meilleur >= 3) {
            correspondance(w, meilleur, distance);
            for (int k = 0; k < meilleur; ++k) insere(i + static_cast<size_t>(k));
            i += static_cast<size_t>(meilleur);
        } else {
            litteral(w, d[i]);
            insere(i);
            ++i;
        }
    }
    litteral(w, 256);
    w.fin();
    const std::uint32_t a = adler32(d);
    for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<unsigned char>(a >> s));
    return out;
}

// ---- Inflating ----

struct lecteurbits {
    const octets& in;
    size_t pos;
    std::uint32_t acc = 0;
    int nb = 0;
    bool erreur = false;

    std::uint32_t bits(int n) {
        while (nb < n) {
            if (pos >= in.size()) {
                erreur = true;
                return 0;
            }
            acc |= static_cast<std::uint32_t>(in[pos++]) << nb;
            nb += 8;
        }
        const std::uint32_t v = acc & ((1u << n) - 1u);
        acc >>= n;
        nb -= n;
        return v;
    }
};

// A canonical Huffman code: counts per length and symbols in code order.
struct huffman {
    std::array<short, 16> compte{};
    std::vector<short> symboles;

    bool construit(const short* longueurs, int n) {
        compte.fill(0);
        for (int i = 0; i < n; ++i) ++compte[static_cast<size_t>(longueurs[i])];
        std::array<short, 16> offs{};
        for (size_t l = 1; l < 16; ++l) offs[l] = static_cast<short>(offs[l - 1] + compte[l - 1]);
        offs[0] = 0;
        compte[0] = 0;
        std::array<short, 16> debut{};
        short total = 0;
        for (size_t l = 1; l < 16; ++l) {
            debut[l] = total;
            total = static_cast<short>(total + compte[l]);
        }
        symboles.assign(static_cast<size_t>(total), 0);
        for (int i = 0; i < n; ++i)
            if (longueurs[i] != 0)
                symboles[static_cast<size_t>(debut[static_cast<size_t>(longueurs[i])]++)] =
                    static_cast<short>(i);
        return true;
    }

    int decode(lecteurbits& r) const {
        int code = 0;
        int premier = 0;
        int index = 0;
        for (size_t l = 1; l < 16; ++l) {
            code |= static_cast<int>(r.bits(1));
            const int c = compte[l];
            if (code - c < premier) return symboles[static_cast<size_t>(index + (code - premier))];
            index += c;
            premier += c;
            premier <<= 1;
            code <<= 1;
            if (r.erreur) return -1;
        }
        return -1;
    }
};

bool bloc(lecteurbits& r, octets& out, const huffman& lit, const huffman& dist) {
    for (;;) {
        const int s = lit.decode(r);
        if (s < 0 || r.erreur) return false;
        if (s < 256) {
            out.push_back(static_cast<unsigned char>(s));
            continue;
        }
        if (s == 256) return true;
        const size_t li = static_cast<size_t>(s - 257);
        if (li >= baselong.size()) return false;
        const int len = baselong[li] + static_cast<int>(r.bits(extralong[li]));
        const int ds = dist.decode(r);
        if (ds < 0 || ds >= 30) return false;
        const size_t di = static_cast<size_t>(ds);
        const size_t d = static_cast<size_t>(basedist[di]) + r.bits(extradist[di]);
        if (r.erreur || d > out.size()) return false;
        for (int k = 0; k < len; ++k) out.push_back(out[out.size() - d]);
    }
}

bool inflate(const octets& in, size_t debut, octets& out) {
    lecteurbits r{in, debut};
    static const short ordre[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                    11, 4,  12, 3, 13, 2, 14, 1, 15};
    bool dernier = false;
    while (!dernier) {
        dernier = r.bits(1) != 0;
        const std::uint32_t type = r.bits(2);
        if (r.erreur) return false;
        if (type == 0) {
            r.acc = 0;
            r.nb = 0;
            if (r.pos + 4 > in.size()) return false;
            const size_t len = in[r.pos] | (static_cast<size_t>(in[r.pos + 1]) << 8);
            r.pos += 4;
            if (r.pos + len > in.size()) return false;
            out.insert(out.end(), in.begin() + static_cast<long>(r.pos),
                       in.begin() + static_cast<long>(r.pos + len));
            r.pos += len;
        } else if (type == 1) {
            short l[288 + 30];
            for (int i = 0; i < 144; ++i) l[i] = 8;
            for (int i = 144; i < 256; ++i) l[i] = 9;
            for (int i = 256; i < 280; ++i) l[i] = 7;
            for (int i = 280; i < 288; ++i) l[i] = 8;
            for (int i = 0; i < 30; ++i) l[288 + i] = 5;
            huffman lit;
            huffman dist;
            lit.construit(l, 288);
            dist.construit(l + 288, 30);
            if (!bloc(r, out, lit, dist)) return false;
        } else if (type == 2) {
            const int nlit = static_cast<int>(r.bits(5)) + 257;
            const int ndist = static_cast<int>(r.bits(5)) + 1;
            const int nlong = static_cast<int>(r.bits(4)) + 4;
            short lc[19] = {};
            for (int i = 0; i < nlong; ++i) lc[ordre[i]] = static_cast<short>(r.bits(3));
            huffman hl;
            hl.construit(lc, 19);
            short l[288 + 32] = {};
            int i = 0;
            while (i < nlit + ndist) {
                const int s = hl.decode(r);
                if (s < 0 || r.erreur) return false;
                if (s < 16) {
                    l[i++] = static_cast<short>(s);
                    continue;
                }
                int rep = 0;
                short v = 0;
                if (s == 16) {
                    if (i == 0) return false;
                    v = l[i - 1];
                    rep = 3 + static_cast<int>(r.bits(2));
                } else if (s == 17) {
                    rep = 3 + static_cast<int>(r.bits(3));
                } else {
                    rep = 11 + static_cast<int>(r.bits(7));
                }
                if (i + rep > nlit + ndist) return false;
                while (rep-- > 0) l[i++] = v;
            }
            huffman lit;
            huffman dist;
            lit.construit(l, nlit);
            dist.construit(l + nlit, ndist);
            if (!bloc(r, out, lit, dist)) return false;
        } else {
            return false;
        }
    }
    return true;
}

void ajoute32(octets& o, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) o.push_back(static_cast<unsigned char>(v >> s));
}

std::uint32_t lit32(const octets& o, size_t p) {
    return (static_cast<std::uint32_t>(o[p]) << 24) | (static_cast<std::uint32_t>(o[p + 1]) << 16) |
           (static_cast<std::uint32_t>(o[p + 2]) << 8) | o[p + 3];
}

void morceau(octets& png, const char* type, const octets& data) {
    ajoute32(png, static_cast<std::uint32_t>(data.size()));
    const size_t debut = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    ajoute32(png, crc32(png.data() + debut, png.size() - debut));
}

const unsigned char signature[8] = {137, 80, 78, 71, 13, 10, 26, 10};

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

} // namespace

std::vector<unsigned char> encodepng(const imagergb& image) {
    octets png(signature, signature + 8);
    octets ihdr;
    ajoute32(ihdr, static_cast<std::uint32_t>(image.larg));
    ajoute32(ihdr, static_cast<std::uint32_t>(image.haut));
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
    morceau(png, "IHDR", ihdr);
    octets brut;
    brut.reserve(static_cast<size_t>(image.haut) * (static_cast<size_t>(image.larg) * 3 + 1));
    for (int y = 0; y < image.haut; ++y) {
        brut.push_back(0);
        for (int x = 0; x < image.larg; ++x) {
            const std::uint32_t c = image.at(x, y);
            brut.push_back(static_cast<unsigned char>(c & 0xFF));
            brut.push_back(static_cast<unsigned char>((c >> 8) & 0xFF));
            brut.push_back(static_cast<unsigned char>((c >> 16) & 0xFF));
        }
    }
    morceau(png, "IDAT", compresse(brut));
    morceau(png, "IEND", {});
    return png;
}

bool decodepng(const std::vector<unsigned char>& bytes, imagergb& image) {
    if (bytes.size() < 8 || std::memcmp(bytes.data(), signature, 8) != 0) return false;
    size_t p = 8;
    int larg = 0;
    int haut = 0;
    int type = -1;
    octets palette;
    octets idat;
    while (p + 12 <= bytes.size()) {
        const std::uint32_t n = lit32(bytes, p);
        if (p + 12 + n > bytes.size()) return false;
        const char* t = reinterpret_cast<const char*>(&bytes[p + 4]);
        const size_t d = p + 8;
        if (std::memcmp(t, "IHDR", 4) == 0 && n >= 13) {
            larg = static_cast<int>(lit32(bytes, d));
            haut = static_cast<int>(lit32(bytes, d + 4));
            type = bytes[d + 9];
            if (bytes[d + 8] != 8 || bytes[d + 12] != 0) return false;
        } else if (std::memcmp(t, "PLTE", 4) == 0) {
            palette.assign(bytes.begin() + static_cast<long>(d),
                           bytes.begin() + static_cast<long>(d + n));
        } else if (std::memcmp(t, "IDAT", 4) == 0) {
            idat.insert(idat.end(), bytes.begin() + static_cast<long>(d),
                        bytes.begin() + static_cast<long>(d + n));
        } else if (std::memcmp(t, "IEND", 4) == 0) {
            break;
        }
        p += 12 + n;
    }
    int canaux = 0;
    switch (type) {
    case 0:
        canaux = 1;
        break;
    case 2:
        canaux = 3;
        break;
    case 3:
        canaux = 1;
        break;
    case 4:
        canaux = 2;
        break;
    case 6:
        canaux = 4;
        break;
    default:
        return false;
    }
    if (larg <= 0 || haut <= 0 || larg > 30000 || haut > 30000 || idat.size() < 2) return false;
    octets brut;
    if (!inflate(idat, 2, brut)) return false;
    const size_t ligne = static_cast<size_t>(larg) * static_cast<size_t>(canaux);
    if (brut.size() < static_cast<size_t>(haut) * (ligne + 1)) return false;
    octets courant(ligne);
    octets avant(ligne, 0);
    image.larg = larg;
    image.haut = haut;
    image.pixels.assign(static_cast<size_t>(larg) * static_cast<size_t>(haut), 0);
    const size_t bpp = static_cast<size_t>(canaux);
    for (int y = 0; y < haut; ++y) {
        const unsigned char* src = &brut[static_cast<size_t>(y) * (ligne + 1)];
        const int filtre = src[0];
        for (size_t i = 0; i < ligne; ++i) {
            const int a = i >= bpp ? courant[i - bpp] : 0;
            const int b = avant[i];
            const int c = i >= bpp ? avant[i - bpp] : 0;
            int v = src[i + 1];
            switch (filtre) {
            case 0:
                break;
            case 1:
                v += a;
                break;
            case 2:
                v += b;
                break;
            case 3:
                v += (a + b) / 2;
                break;
            case 4:
                v += paeth(a, b, c);
                break;
            default:
                return false;
            }
            courant[i] = static_cast<unsigned char>(v);
        }
        for (int x = 0; x < larg; ++x) {
            const unsigned char* px = &courant[static_cast<size_t>(x) * bpp];
            std::uint32_t r = px[0];
            std::uint32_t g = px[0];
            std::uint32_t b = px[0];
            if (type == 2 || type == 6) {
                g = px[1];
                b = px[2];
            } else if (type == 3) {
                const size_t k = static_cast<size_t>(px[0]) * 3;
                if (k + 2 >= palette.size()) return false;
                r = palette[k];
                g = palette[k + 1];
                b = palette[k + 2];
            }
            image.pixels[static_cast<size_t>(y) * static_cast<size_t>(larg) +
                         static_cast<size_t>(x)] = r | (g << 8) | (b << 16);
        }
        avant.swap(courant);
    }
    return true;
}

bool ecrirepng(const std::string& path, const imagergb& image) {
    const octets png = encodepng(image);
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return static_cast<bool>(f);
}

bool lirepng(const std::string& path, imagergb& image) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    const octets bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    return decodepng(bytes, image);
}
