// Windows-1252 <-> UTF-8. Bytes below 0x80 and from 0xA0 are the same code points
// (Latin-1); 0x80 to 0x9F go through the table below.
#include "Texte1252.h"

#include <cstdint>

#include "Texte.h"

namespace {

// Code points of the bytes 0x80 to 0x9F; the five unassigned bytes keep their own value.
constexpr char32_t Table80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// What the user is shown for bytes that are not UTF-8 at all.
constexpr const char* Remplacement = "\xEF\xBF\xBD";  // U+FFFD

// The Windows-1252 byte of a code point, or -1 when it has none.
int Octet1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int k = 0; k < 32; ++k)
        if (Table80[k] == c) return 0x80 + k;
    return -1;
}

}  // namespace

std::string DepuisWindows1252(std::string_view octets) {
    std::string s;
    s.reserve(octets.size() + octets.size() / 8);
    for (const char o : octets) {
        const auto b = static_cast<unsigned char>(o);
        if (b < 0x80)
            s += o;
        else
            AjouteUtf8(s, b < 0xA0 ? Table80[b - 0x80] : char32_t{b});
    }
    return s;
}

Résultat<std::string> VersWindows1252(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            s += utf8[i++];
            continue;
        }
        char32_t c = 0;
        if (!LitUtf8(utf8, i, c)) return Résultat<std::string>::Échec(Remplacement);
        const int octet = Octet1252(c);
        if (octet < 0) {
            std::string caractère;
            AjouteUtf8(caractère, c);
            return Résultat<std::string>::Échec(caractère);
        }
        s += static_cast<char>(octet);
    }
    return Résultat<std::string>::Réussi(std::move(s));
}

std::string VersWindows1252Approché(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        if (!LitUtf8(utf8, i, c)) {
            s += '?';
            ++i;
            continue;
        }
        const int octet = Octet1252(c);
        s += octet < 0 ? '?' : static_cast<char>(octet);
    }
    return s;
}

std::optional<std::string_view> CommeUtf8(std::string_view octets) {
    constexpr std::string_view Bom = "\xEF\xBB\xBF";
    const bool marque = octets.starts_with(Bom);
    const std::string_view texte = marque ? octets.substr(Bom.size()) : octets;
    bool multiOctet = false;
    char32_t c = 0;
    for (std::size_t i = 0; i < texte.size();) {
        if (static_cast<unsigned char>(texte[i]) < 0x80) {
            ++i;
            continue;
        }
        if (!LitUtf8(texte, i, c)) return std::nullopt;
        multiOctet = true;
    }
    if (!marque && !multiOctet) return std::nullopt;
    return texte;
}

std::string DepuisFichierTexte(std::string_view octets) {
    if (const auto utf8 = CommeUtf8(octets)) return std::string(*utf8);
    return DepuisWindows1252(octets);
}
