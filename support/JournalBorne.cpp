#include "JournalBorne.h"

#include <algorithm>

#include "SautsDeLigne.h"

namespace {

// The shortest line a log can hold: a CR LF alone. A file no larger than the bound's worth of
// such lines cannot be over the bound, so a young log is never read back.
constexpr uint64_t OctetsParLigneMin = 2;

}  // namespace

std::vector<std::string_view> LignesDuJournal(std::string_view octets) {
    std::vector<std::string_view> lignes;
    while (!octets.empty()) {
        const size_t fin = std::min(octets.find('\n'), octets.size());
        std::string_view ligne = octets.substr(0, fin);
        if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        lignes.push_back(ligne);
        octets.remove_prefix(std::min(fin + 1, octets.size()));
    }
    return lignes;
}

Statut JournalAjoute(Fichiers& fichiers, const std::string& chemin, std::string_view ligne) {
    std::string octets(ligne);
    octets += FinDeLigne;
    return JournalAjouteLignes(fichiers, chemin, octets);
}

Statut JournalAjouteLignes(Fichiers& fichiers, const std::string& chemin, std::string_view lot) {
    if (lot.empty()) return {};
    if (auto ajout = fichiers.Ajouter(chemin, std::string(lot)); !ajout) return ajout;
    const auto taille = fichiers.Taille(chemin);
    if (!taille || *taille <= JournalLignesMax * OctetsParLigneMin) return {};
    const auto lu = fichiers.Lire(chemin);
    if (!lu) return Statut::Échec(lu.erreur);
    const auto lignes = LignesDuJournal(*lu);
    if (lignes.size() <= JournalLignesMax) return {};
    std::string gardé;
    for (size_t i = lignes.size() - JournalLignesGardées; i < lignes.size(); ++i) {
        gardé += lignes[i];
        gardé += FinDeLigne;
    }
    return fichiers.Écrire(chemin, gardé);
}
