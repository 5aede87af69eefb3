// Small helpers over the programs' UTF-8 text (see Texte.h).
#include "Texte.h"

#include <algorithm>

std::string_view SansBlancs(std::string_view t, std::string_view blancs) {
    return SansBlancsDerrière(SansBlancsDevant(t, blancs), blancs);
}

std::string_view SansBlancsDevant(std::string_view t, std::string_view blancs) {
    const auto début = t.find_first_not_of(blancs);
    return début == std::string_view::npos ? std::string_view() : t.substr(début);
}

std::string_view SansBlancsDerrière(std::string_view t, std::string_view blancs) {
    return t.substr(0, t.find_last_not_of(blancs) + 1);
}

std::size_t LongueurCaractère(std::string_view s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80             ? 1
                    : (c & 0xE0) == 0xC0 ? 2
                    : (c & 0xF0) == 0xE0 ? 3
                    : (c & 0xF8) == 0xF0 ? 4
                                         : 0;
    if (n == 0 || i + n > s.size()) return 1;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
    return n;
}

std::size_t NombreCaractères(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); i += LongueurCaractère(s, i)) ++n;
    return n;
}

std::string Début(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < s.size(); ++k) i += LongueurCaractère(s, i);
    return std::string(s.substr(0, i));
}

bool LitUtf8(std::string_view t, std::size_t& i, char32_t& c) {
    const auto o = static_cast<unsigned char>(t[i]);
    std::size_t longueur;
    char32_t minimum, v;
    if (o < 0x80) {
        c = o;
        ++i;
        return true;
    } else if (o >= 0xC2 && o <= 0xDF) {
        longueur = 2, minimum = 0x80, v = o & 0x1F;
    } else if (o >= 0xE0 && o <= 0xEF) {
        longueur = 3, minimum = 0x800, v = o & 0x0F;
    } else if (o >= 0xF0 && o <= 0xF4) {
        longueur = 4, minimum = 0x10000, v = o & 0x07;
    } else {
        return false;
    }
    if (t.size() - i < longueur) return false;
    for (std::size_t k = 1; k < longueur; ++k) {
        const auto suite = static_cast<unsigned char>(t[i + k]);
        if ((suite & 0xC0) != 0x80) return false;
        v = (v << 6) | (suite & 0x3F);
    }
    if (v < minimum || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return false;
    c = v;
    i += longueur;
    return true;
}

void AjouteUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool EstUtf8(std::string_view t) {
    char32_t c;
    for (std::size_t i = 0; i < t.size();)
        if (!LitUtf8(t, i, c)) return false;
    return true;
}

std::string Majuscules(std::string_view texte) {
    std::string sortie;
    sortie.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size();) {
        if (static_cast<unsigned char>(texte[i]) < 0x80) {
            const char o = texte[i++];
            sortie += o >= 'a' && o <= 'z' ? static_cast<char>(o - 'a' + 'A') : o;
            continue;
        }
        const std::size_t début = i;
        char32_t c = 0;
        if (!LitUtf8(texte, i, c)) {  // an invalid byte stays as it is
            sortie += texte[i++];
            continue;
        }
        const char32_t m = Majuscule(c);
        if (m == c)
            sortie.append(texte.substr(début, i - début));
        else
            AjouteUtf8(sortie, m);
    }
    return sortie;
}

int CompareSansCasse(std::string_view a, std::string_view b) {
    return Majuscules(a).compare(Majuscules(b));
}

std::string SéparateursEnBlancs(std::string s) {
    std::replace_if(s.begin(), s.end(), EstSéparateur, ' ');
    return s;
}
