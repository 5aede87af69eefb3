// Long absolute paths in the "\\?\" form (see CheminLong.h).
#include "CheminLong.h"

#include <algorithm>
#include <vector>

namespace {

// UTF-16 units of a UTF-8 text: one per character, two beyond U+FFFF.
std::size_t UnitésUtf16(std::string_view s) {
    std::size_t n = 0;
    for (const char o : s) {
        const auto c = static_cast<unsigned char>(o);
        if ((c & 0xC0) != 0x80) ++n;
        if (c >= 0xF0) ++n;
    }
    return n;
}

bool EstLettre(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::string CheminLong(std::string_view chemin) {
    if (UnitésUtf16(chemin) < LongueurMaxChemin || chemin.starts_with("\\\\?\\") ||
        chemin.starts_with("\\\\.\\"))
        return std::string(chemin);
    std::string p(chemin);
    for (char& c : p)
        if (c == '/') c = '\\';

    std::string racine;
    std::size_t reste;
    if (p.size() >= 3 && EstLettre(p[0]) && p[1] == ':' && p[2] == '\\') {
        racine = "\\\\?\\" + p.substr(0, 2);
        reste = 2;
    } else if (p.starts_with("\\\\")) {
        const std::size_t serveur = p.find('\\', 2);
        if (serveur == std::string::npos || serveur == 2) return std::string(chemin);
        const std::size_t partage = std::min(p.find('\\', serveur + 1), p.size());
        if (partage == serveur + 1) return std::string(chemin);
        racine = "\\\\?\\UNC" + p.substr(1, partage - 1);
        reste = partage;
    } else {
        return std::string(chemin);
    }

    std::vector<std::string_view> noms;
    const std::string_view suite = std::string_view(p).substr(reste);
    for (std::size_t i = 0; i < suite.size();) {
        std::size_t fin = suite.find('\\', i);
        if (fin == std::string_view::npos) fin = suite.size();
        const std::string_view nom = suite.substr(i, fin - i);
        if (nom == "..") {
            if (!noms.empty()) noms.pop_back();
        } else if (!nom.empty() && nom != ".") {
            noms.push_back(nom);
        }
        i = fin + 1;
    }
    std::string long_ = racine;
    for (const auto nom : noms) {
        long_ += '\\';
        long_ += nom;
    }
    if (noms.empty() || suite.ends_with('\\')) long_ += '\\';
    return long_;
}
