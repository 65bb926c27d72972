#pragma once
// A black PNG of any size written without holding its pixels: every row is a filter
// byte 0 and black samples, so the whole stream is zeros, which one deflate block of
// fixed codes writes as a literal 0 then matches of 258 bytes at distance 1 (13 bits each).
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

namespace PngNoir {

namespace detail {

inline std::uint32_t Crc(const QByteArray& octets) {
    static std::uint32_t table[256] = {};
    static const bool pret = [] {
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        return true;
    }();
    (void)pret;
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char o : octets) c = table[(c ^ o) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

inline void Gros(QByteArray& b, std::uint32_t v) {
    for (int i = 3; i >= 0; --i) b.append(char((v >> (8 * i)) & 0xFF));
}

inline void Morceau(QByteArray& sortie, const char* type, const QByteArray& donnees) {
    Gros(sortie, std::uint32_t(donnees.size()));
    const QByteArray corps = QByteArray(type, 4) + donnees;
    sortie.append(corps);
    Gros(sortie, Crc(corps));
}

// Bits of a deflate stream, lowest first; Huffman codes go most significant bit first.
struct Bits {
    QByteArray octets;
    std::uint32_t tampon = 0;
    int n = 0;
    void bit(int b) {
        tampon |= std::uint32_t(b & 1) << n;
        if (++n == 8) {
            octets.append(char(tampon));
            tampon = 0;
            n = 0;
        }
    }
    void valeur(std::uint32_t v, int longueur) {
        for (int i = 0; i < longueur; ++i) bit(int(v >> i));
    }
    void code(std::uint32_t c, int longueur) {
        for (int i = longueur - 1; i >= 0; --i) bit(int(c >> i));
    }
    void fin() {
        if (n > 0) octets.append(char(tampon));
    }
};

} // namespace detail

// Writes a black RGB picture of w x h pixels at `chemin`.
inline bool Ecrit(const QString& chemin, std::uint32_t w, std::uint32_t h) {
    using namespace detail;
    const std::uint64_t total = std::uint64_t(h) * (1 + 3ull * w);
    Bits z;
    z.valeur(1, 1);  // last block
    z.valeur(1, 2);  // fixed codes
    z.code(0x30, 8);  // literal 0
    std::uint64_t reste = total - 1;
    for (; reste >= 258; reste -= 258) {
        z.code(0xC5, 8);  // length 258 (code 285)
        z.code(0, 5);     // distance 1
    }
    for (; reste > 0; --reste) z.code(0x30, 8);
    z.code(0, 7);  // end of block
    z.fin();
    QByteArray zlib("\x78\x01", 2);
    zlib.append(z.octets);
    // Adler-32 of zeros: the first sum stays 1, the second adds it once a byte.
    Gros(zlib, std::uint32_t((total % 65521) << 16 | 1));

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray ihdr;
    Gros(ihdr, w);
    Gros(ihdr, h);
    ihdr.append(char(8)).append(char(2)).append(char(0)).append(char(0)).append(char(0));
    Morceau(png, "IHDR", ihdr);
    Morceau(png, "IDAT", zlib);
    Morceau(png, "IEND", QByteArray());
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(png) == png.size();
}

} // namespace PngNoir
