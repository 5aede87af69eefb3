// Recognition of Remplo's restart marker (see MarqueurRelance.h).
#include "MarqueurRelance.h"

#include "Texte.h"

LigneDeDémarrage SansMarqueurRelance(std::string_view arguments) {
    const std::string_view marqueur = MarqueurRelance;
    std::string_view reste = SansBlancsDerrière(arguments, BlancsEtTabs);
    if (!reste.ends_with(marqueur)) return {std::string(arguments), false};
    reste.remove_suffix(marqueur.size());
    // "x(~!~)" is a word of its own, not the marker.
    if (!reste.empty() && SansBlancsDerrière(reste, BlancsEtTabs).size() == reste.size())
        return {std::string(arguments), false};
    return {std::string(SansBlancsDerrière(reste, BlancsEtTabs)), true};
}
