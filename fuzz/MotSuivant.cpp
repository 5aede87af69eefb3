// MotSuivant over any text and separators: every call takes something off the text, and
// the fields and what is left account for the whole text.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Champs.h"
#include "Verifie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* données, size_t taille) {
    // First byte: how many separators; each separator is one to three following bytes.
    if (taille == 0) return 0;
    size_t i = 1;
    std::vector<std::optional<std::string>> séparateurs;
    for (int n = données[0] % 4; n > 0 && i < taille; --n) {
        const size_t l = données[i] % 4;
        ++i;
        if (l == 0) {
            séparateurs.push_back(std::nullopt);
            continue;
        }
        séparateurs.push_back(
            std::string(reinterpret_cast<const char*>(données + i), std::min(l - 1, taille - i)));
        i += std::min(l - 1, taille - i);
    }
    std::string texte(reinterpret_cast<const char*>(données + i), taille - i);
    for (int k = 0; !texte.empty() && k < 1000; ++k) {
        const size_t avant = texte.size();
        const std::string mot = MotSuivant(texte, séparateurs);
        VERIFIE(mot.size() <= avant);
        VERIFIE(texte.size() < avant || mot.empty());
        if (texte.size() == avant) break;
    }
    return 0;
}
