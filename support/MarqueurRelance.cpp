// Recognition of Remplo's restart marker (see MarqueurRelance.h).
#include "MarqueurRelance.h"

#include "Texte.h"

LigneDeDémarrage SansMarqueurRelance(std::string_view arguments) {
    const std::string_view marqueur = MarqueurRelance;
    std::string_view reste = arguments;
    while (!reste.empty() && BlancsEtTabs.find(reste.back()) != std::string_view::npos)
        reste.remove_suffix(1);
    if (reste.size() < marqueur.size() || reste.substr(reste.size() - marqueur.size()) != marqueur)
        return {std::string(arguments), false};
    reste.remove_suffix(marqueur.size());
    // "x(~!~)" is a word of its own, not the marker.
    if (!reste.empty() && BlancsEtTabs.find(reste.back()) == std::string_view::npos)
        return {std::string(arguments), false};
    while (!reste.empty() && BlancsEtTabs.find(reste.back()) != std::string_view::npos)
        reste.remove_suffix(1);
    return {std::string(reste), true};
}
