// Finding a text in the note.
#include "Recherche.h"

#include <algorithm>
#include <string>

#include "Note.h"
#include "Texte.h"

namespace {

bool Égaux(std::u16string_view a, std::u16string_view b, bool casseExacte) {
    if (casseExacte) return a == b;
    // Every letter the mapping knows fits in one UTF-16 unit; surrogates map to themselves.
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char16_t x, char16_t y) {
        return x == y || Majuscule(x) == Majuscule(y);
    });
}

// The first match starting in [de, à] going down, the last one going up.
std::optional<Étendue> Parcourt(std::u16string_view texte, std::u16string_view motif,
                                std::size_t de, std::size_t à, const OptionsRecherche& o) {
    const std::size_t n = motif.size();
    for (std::size_t k = 0; de <= à && k <= à - de; ++k) {
        const std::size_t i = o.versLeBas ? de + k : à - k;
        if (Égaux(texte.substr(i, n), motif, o.casseExacte)) return Étendue{i, i + n};
    }
    return std::nullopt;
}

}  // namespace

std::optional<Étendue> Cherche(std::u16string_view texte, std::u16string_view motif,
                               Étendue sélection, OptionsRecherche options) {
    if (motif.empty() || motif.size() > texte.size()) return std::nullopt;
    const std::size_t dernier = texte.size() - motif.size();  // last possible start
    const std::size_t début = std::min(sélection.début, texte.size());
    const std::size_t fin = std::clamp(sélection.fin, début, texte.size());
    std::optional<Étendue> trouvé;
    if (options.versLeBas)
        trouvé = Parcourt(texte, motif, fin, dernier, options);
    else if (début >= motif.size())
        trouvé = Parcourt(texte, motif, 0, début - motif.size(), options);
    if (trouvé || !options.boucle) return trouvé;
    return Parcourt(texte, motif, 0, dernier, options);
}

void RechercheÉchoue(Dialogues& dialogues, std::string_view motif) {
    dialogues.Bip();
    dialogues.Message("Impossible de trouver \"" + std::string(motif) + "\".", TitrePensil,
                      Mb::Ok | Mb::IcôneInformation);
}
