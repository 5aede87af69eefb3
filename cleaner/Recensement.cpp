// The census walk of a folder tree.
#include "Recensement.h"

#include <algorithm>

#include "Texte.h"

namespace {

constexpr uint32_t ÉtiquetteDeVolume = 0x8;

// Examines the entries of one folder: the files found go to `suivi` at once, the names of
// the sub-folders into `sousDossiers`, for later.
struct Examen : VisiteurDossier {
    const std::string& rep;
    ListeurDossiers& listeur;
    const std::vector<std::string>& suffixes;
    SuiviRecensement& suivi;
    std::vector<std::string>* sousDossiers = nullptr;
    bool interrompu = false;

    Examen(const std::string& r, ListeurDossiers& l, const std::vector<std::string>& s,
           SuiviRecensement& v)
        : rep(r), listeur(l), suffixes(s), suivi(v) {}

    bool Entrée(const EntréeDossier& e) override {
        if (!e.nom.empty() && e.nom[0] != '.' &&
            !(e.attributs & (Attr::PointDAnalyse | ÉtiquetteDeVolume))) {
            if (e.attributs & Attr::Dossier) {
                sousDossiers->push_back(e.nom);
            } else {
                const std::string nom = Majuscules(e.nom);
                for (const auto& s : suffixes) {
                    if (nom.size() >= s.size() &&
                        nom.compare(nom.size() - s.size(), s.size(), s) == 0) {
                        const std::string chemin = rep + e.nom;
                        if (!listeur.LienCaché(chemin, false)) suivi.Trouvé({chemin, e.taille});
                        break;
                    }
                }
            }
        }
        interrompu = suivi.Interrompu();
        return !interrompu;
    }
};

// A folder of the walk whose sub-folders are not all walked yet: the length of its path
// in the walk's one path text, and the next of its sub-folders to enter.
struct Niveau {
    size_t longueur = 0;
    std::vector<std::string> sousDossiers;
    size_t suivant = 0;
};

}  // namespace

void Nettoyer(std::string rep, ListeurDossiers& listeur, const std::vector<std::string>& extensions,
              SuiviRecensement& suivi) {
    if (rep.empty() || rep.back() != '\\') rep += "\\";
    listeur.Commence(rep);
    std::vector<std::string> suffixes;
    for (const auto& e : extensions) suffixes.push_back("." + Majuscules(e));

    // The walk keeps its own stack of open folders instead of recursing: through "\\?\"
    // paths a tree can be thousands of levels deep, more than the thread's stack holds.
    // `rep` is the path of the folder being examined, grown and cut back in place.
    Examen examen(rep, listeur, suffixes, suivi);
    std::vector<Niveau> pile;
    const auto liste = [&] {  // false when the census was interrupted
        suivi.Dossier(rep);
        pile.push_back({rep.size(), {}, 0});
        examen.sousDossiers = &pile.back().sousDossiers;
        // A folder that cannot be listed counts as empty: the census goes on.
        listeur.Liste(rep, examen);
        return !examen.interrompu;
    };
    if (!liste()) return;
    while (!pile.empty()) {
        Niveau& n = pile.back();
        if (n.suivant == n.sousDossiers.size()) {
            pile.pop_back();
            continue;
        }
        if (suivi.Interrompu()) return;
        rep.resize(n.longueur);
        rep += n.sousDossiers[n.suivant++];
        if (listeur.LienCaché(rep, true)) continue;
        rep += '\\';
        if (!liste()) return;
    }
}
