// 8-bit BMP and ICO writing for the picture tool.
#include "tools/reglesimages/imagesbmp.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <unordered_map>

namespace {

void ajoute16(std::vector<unsigned char>& o, unsigned v) {
    o.push_back(static_cast<unsigned char>(v & 0xFF));
    o.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void ajoute32(std::vector<unsigned char>& o, std::uint32_t v) {
    ajoute16(o, v & 0xFFFF);
    ajoute16(o, v >> 16);
}

// BITMAPINFOHEADER of a w x h picture at bpp bits per pixel, uncompressed
// (BI_RGB, 0) or run-length encoded (BI_RLE8, 1).
void entetedib(std::vector<unsigned char>& o, int w, int h, int bpp, std::uint32_t taille,
               std::uint32_t couleurs, std::uint32_t compression = 0) {
    ajoute32(o, 40);
    ajoute32(o, static_cast<std::uint32_t>(w));
    ajoute32(o, static_cast<std::uint32_t>(h));
    ajoute16(o, 1);
    ajoute16(o, static_cast<unsigned>(bpp));
    ajoute32(o, compression);
    ajoute32(o, taille);
    ajoute32(o, 3937); // 100 dpi
    ajoute32(o, 3937);
    ajoute32(o, couleurs);
    ajoute32(o, 0);
}

int ecart(std::uint32_t a, std::uint32_t b) {
    int s = 0;
    for (int k = 0; k < 24; k += 8) {
        const int d = static_cast<int>((a >> k) & 0xFF) - static_cast<int>((b >> k) & 0xFF);
        s += d * d;
    }
    return s;
}

} // namespace

std::vector<unsigned char> encodebmp8(const imagergb& image) {
    std::map<std::uint32_t, long> frequences;
    for (std::uint32_t p : image.pixels) ++frequences[p & 0xFFFFFF];
    std::vector<std::pair<std::uint32_t, long>> tri(frequences.begin(), frequences.end());
    std::stable_sort(tri.begin(), tri.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    std::vector<std::uint32_t> palette;
    for (size_t i = 0; i < tri.size() && i < 256; ++i) palette.push_back(tri[i].first);
    std::unordered_map<std::uint32_t, unsigned char> index;
    for (const auto& [c, n] : tri) {
        size_t meilleur = 0;
        for (size_t k = 1; k < palette.size(); ++k)
            if (ecart(c, palette[k]) < ecart(c, palette[meilleur])) meilleur = k;
        index[c] = static_cast<unsigned char>(meilleur);
    }
    // Rows bottom-up, each as runs of one index (count, index) and an end of
    // row (0, 0); an end of picture (0, 1) closes the last one.
    std::vector<unsigned char> rle;
    for (int y = image.haut - 1; y >= 0; --y) {
        int x = 0;
        while (x < image.larg) {
            const unsigned char i = index[image.at(x, y) & 0xFFFFFF];
            int n = 1;
            while (x + n < image.larg && n < 255 && index[image.at(x + n, y) & 0xFFFFFF] == i) ++n;
            rle.push_back(static_cast<unsigned char>(n));
            rle.push_back(i);
            x += n;
        }
        rle.push_back(0);
        rle.push_back(y > 0 ? 0 : 1);
    }
    const auto donnees = static_cast<std::uint32_t>(rle.size());
    const std::uint32_t debut = 14 + 40 + 256 * 4;
    std::vector<unsigned char> o;
    o.push_back('B');
    o.push_back('M');
    ajoute32(o, debut + donnees);
    ajoute32(o, 0);
    ajoute32(o, debut);
    entetedib(o, image.larg, image.haut, 8, donnees, 256, 1);
    for (size_t k = 0; k < 256; ++k) {
        const std::uint32_t c = k < palette.size() ? palette[k] : 0;
        o.push_back(static_cast<unsigned char>((c >> 16) & 0xFF)); // blue
        o.push_back(static_cast<unsigned char>((c >> 8) & 0xFF));  // green
        o.push_back(static_cast<unsigned char>(c & 0xFF));         // red
        o.push_back(0);
    }
    o.insert(o.end(), rle.begin(), rle.end());
    return o;
}

std::vector<unsigned char> encodeico(const imagergb& image, std::uint32_t transparent) {
    const int w = image.larg;
    const int h = image.haut;
    const int masque = (w + 31) / 32 * 4; // bytes per row of the AND mask
    const std::uint32_t taille =
        40 + static_cast<std::uint32_t>(w * h * 4) + static_cast<std::uint32_t>(masque * h);
    std::vector<unsigned char> o;
    ajoute16(o, 0);
    ajoute16(o, 1); // icon
    ajoute16(o, 1); // one image
    o.push_back(static_cast<unsigned char>(w >= 256 ? 0 : w));
    o.push_back(static_cast<unsigned char>(h >= 256 ? 0 : h));
    o.push_back(0);
    o.push_back(0);
    ajoute16(o, 1);
    ajoute16(o, 32);
    ajoute32(o, taille);
    ajoute32(o, 6 + 16);
    entetedib(o, w, 2 * h, 32, 0, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = image.at(x, y) & 0xFFFFFF;
            o.push_back(static_cast<unsigned char>((c >> 16) & 0xFF));
            o.push_back(static_cast<unsigned char>((c >> 8) & 0xFF));
            o.push_back(static_cast<unsigned char>(c & 0xFF));
            o.push_back(c == transparent ? 0 : 255);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<unsigned char> rangee(static_cast<size_t>(masque), 0);
        for (int x = 0; x < w; ++x)
            if ((image.at(x, y) & 0xFFFFFF) == transparent)
                rangee[static_cast<size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        o.insert(o.end(), rangee.begin(), rangee.end());
    }
    return o;
}

namespace {

std::uint32_t crc32(const unsigned char* d, size_t n, std::uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) {
        crc ^= d[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void ajoute32be(std::vector<unsigned char>& o, std::uint32_t v) {
    for (int k = 24; k >= 0; k -= 8) o.push_back(static_cast<unsigned char>((v >> k) & 0xFF));
}

void morceau(std::vector<unsigned char>& o, const char* type, const std::vector<unsigned char>& d) {
    ajoute32be(o, static_cast<std::uint32_t>(d.size()));
    std::vector<unsigned char> t(type, type + 4);
    t.insert(t.end(), d.begin(), d.end());
    o.insert(o.end(), t.begin(), t.end());
    ajoute32be(o, crc32(t.data(), t.size()));
}

} // namespace

std::vector<unsigned char> encodepngalpha(const imagergb& image, std::uint32_t transparent) {
    std::vector<unsigned char> brut;
    for (int y = 0; y < image.haut; ++y) {
        brut.push_back(0); // no filter
        for (int x = 0; x < image.larg; ++x) {
            const std::uint32_t c = image.at(x, y) & 0xFFFFFF;
            brut.push_back(static_cast<unsigned char>(c & 0xFF));
            brut.push_back(static_cast<unsigned char>((c >> 8) & 0xFF));
            brut.push_back(static_cast<unsigned char>((c >> 16) & 0xFF));
            brut.push_back(c == transparent ? 0 : 255);
        }
    }
    std::vector<unsigned char> z = {0x78, 0x01};
    for (size_t i = 0; i < brut.size() || i == 0; i += 65535) {
        const size_t n = std::min<size_t>(65535, brut.size() - i);
        z.push_back(i + n >= brut.size() ? 1 : 0);
        ajoute16(z, static_cast<unsigned>(n));
        ajoute16(z, static_cast<unsigned>(~n & 0xFFFF));
        z.insert(z.end(), brut.begin() + static_cast<long>(i),
                 brut.begin() + static_cast<long>(i + n));
    }
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (unsigned char c : brut) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    ajoute32be(z, b << 16 | a);
    std::vector<unsigned char> o = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> ihdr;
    ajoute32be(ihdr, static_cast<std::uint32_t>(image.larg));
    ajoute32be(ihdr, static_cast<std::uint32_t>(image.haut));
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA
    morceau(o, "IHDR", ihdr);
    morceau(o, "IDAT", z);
    morceau(o, "IEND", {});
    return o;
}

bool ecrirefichier(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}
