// Recognition of Remplo's restart marker (see MarqueurRelance.h).
#include "MarqueurRelance.h"

#include "Texte.h"

namespace {

std::string_view SansBlancsDerrière(std::string_view texte) {
    while (!texte.empty() && BlancsEtTabs.find(texte.back()) != std::string_view::npos)
        texte.remove_suffix(1);
    return texte;
}

}  // namespace

LigneDeDémarrage SansMarqueurRelance(std::string_view arguments) {
    const std::string_view marqueur = MarqueurRelance;
    std::string_view reste = SansBlancsDerrière(arguments);
    if (!reste.ends_with(marqueur)) return {std::string(arguments), false};
    reste.remove_suffix(marqueur.size());
    // "x(~!~)" is a word of its own, not the marker.
    if (!reste.empty() && SansBlancsDerrière(reste).size() == reste.size())
        return {std::string(arguments), false};
    return {std::string(SansBlancsDerrière(reste)), true};
}
