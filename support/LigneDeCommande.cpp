// A Windows command line cut into its program and arguments (see LigneDeCommande.h).
#include "LigneDeCommande.h"

#include "Texte.h"

LigneCoupée CoupeLigneDeCommande(std::string_view ligne) {
    if (!ligne.empty() && ligne.front() == '"') {
        const auto fin = ligne.find('"', 1);
        if (fin == std::string_view::npos) return {ligne.substr(1), {}};
        return {ligne.substr(1, fin - 1), ligne.substr(fin + 1)};
    }
    const auto blanc = ligne.find_first_of(BlancsEtTabs);
    if (blanc == std::string_view::npos) return {ligne, {}};
    return {ligne.substr(0, blanc), ligne.substr(blanc + 1)};
}
