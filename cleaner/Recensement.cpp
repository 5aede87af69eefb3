// The census walk and the handlers of "Recenser", "Conserver", "Effacer" and "Annuler".
#include "Recensement.h"

#include <algorithm>

#include "Colonnes.h"
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

std::string TotalTexte(uint64_t total) {
    return NombreColonne(static_cast<double>(total)) + " bytes";
}

void Nettix::Montre(ÉtatFenêtre é) {
    état_ = é;
    vue_.État(é);
}

void Nettix::Choisit(int32_t i) {
    vue_.ListeSélectionne(i);
    Sélectionne(i);
}

void Nettix::Sélectionne(int32_t i) {
    sélection_ = i >= 0 && i < static_cast<int32_t>(liste_.size()) ? i : -1;
    // During the deletion the list is the deletion's own: "Conserver" would keep nothing.
    vue_.ConserverPermis(sélection_ >= 0 && !effacement_);
}

void Nettix::Recenser() {
    if (enCours_ || effacement_) return;
    Montre(ÉtatFenêtre::Recensement);
    liste_.clear();
    sélection_ = -1;
    vue_.ListeVide();
    total_ = 0;
    vue_.Total(TotalTexte(0));
    enCours_ = true;
    annule_ = false;

    struct Suivi : SuiviRecensement {
        Nettix& n;
        explicit Suivi(Nettix& x) : n(x) {}
        void Dossier(const std::string& rep) override { n.vue_.Statut(rep); }
        void Trouvé(const FichierTrouvé& f) override {
            n.liste_.push_back(f);
            n.vue_.ListeAjoute(f.chemin);
            n.total_ += f.taille;
            n.vue_.Total(TotalTexte(n.total_));
        }
        bool Interrompu() override {
            n.vue_.Cède();
            return n.annule_;
        }
    } suivi(*this);

    std::vector<std::string> extensions;
    for (const auto& e : p_.extensions.Entrées())
        if (e.choisie) extensions.push_back(e.texte);
    for (const auto& u : p_.unités.Entrées()) {
        if (u.choisie) Nettoyer(u.texte + "\\", listeur_, extensions, suivi);
        if (annule_) break;
    }
    enCours_ = false;

    if (annule_) {
        annule_ = false;
        liste_.clear();
        vue_.ListeVide();
        Montre(ÉtatFenêtre::Saisie);
        return;
    }
    if (liste_.empty()) {
        vue_.Termine(true);
        return;
    }
    if (p_.automatique) {
        Montre(ÉtatFenêtre::Revue);
        Effacer();
        return;
    }
    vue_.Bip();
    vue_.Statut("Fichiers à supprimer :");
    Montre(ÉtatFenêtre::Revue);
    vue_.ConserverPermis(false);
}

void Nettix::Conserver() {
    // During the deletion the list is the deletion's own.
    if (effacement_ || sélection_ < 0 || sélection_ >= static_cast<int32_t>(liste_.size())) return;
    const int32_t i = sélection_;
    total_ -= std::min(total_, liste_[static_cast<size_t>(i)].taille);
    vue_.Total(TotalTexte(total_));
    liste_.erase(liste_.begin() + i);
    vue_.ListeRetire(i);
    sélection_ = -1;
    vue_.ConserverPermis(false);
    if (!liste_.empty())
        Choisit(std::min(i, static_cast<int32_t>(liste_.size()) - 1));
    else
        Annuler();
}

void Nettix::Effacer() {
    if (enCours_ || effacement_) return;
    effacement_ = true;
    // The files that could not be deleted move up to the front (`gardés` of them so far):
    // the current file is on line `gardés` of the list. One pass, whatever the list's length.
    size_t& gardés = gardés_;
    gardés = 0;
    for (size_t i = 0; i < liste_.size(); ++i) {
        suivant_ = i;
        Choisit(static_cast<int32_t>(gardés));
        if (fichiers_.Supprimer(liste_[i].chemin)) {
            total_ -= std::min(total_, liste_[i].taille);
            suivant_ = i + 1;
            vue_.ListeRetire(static_cast<int32_t>(gardés));
            sélection_ = -1;
        } else {
            if (gardés != i) liste_[gardés] = std::move(liste_[i]);
            ++gardés;
            suivant_ = i + 1;
        }
        vue_.Cède();  // "Annuler" meanwhile empties the list, which ends the loop
    }
    if (!liste_.empty()) liste_.resize(gardés);
    effacement_ = false;
    if (liste_.empty() || p_.automatique) {
        vue_.Termine(false);
        return;
    }
    vue_.Total(TotalTexte(total_));
    vue_.Bip();
    vue_.Statut("Impossible de supprimer ces fichiers :");
    Montre(ÉtatFenêtre::Échecs);
    vue_.ConserverPermis(sélection_ >= 0);
}

size_t Nettix::NombreLignes() const {
    return effacement_ ? gardés_ + (liste_.size() - std::min(suivant_, liste_.size()))
                       : liste_.size();
}

const std::string& Nettix::Ligne(size_t k) const {
    static const std::string vide;
    if (effacement_ && k >= gardés_) k += suivant_ - gardés_;
    return k < liste_.size() ? liste_[k].chemin : vide;
}

void Nettix::Annuler() {
    if (enCours_) {
        annule_ = true;
        return;
    }
    liste_.clear();
    gardés_ = suivant_ = 0;
    sélection_ = -1;
    vue_.ListeVide();
    Montre(ÉtatFenêtre::Saisie);
}

void Nettix::ModeBascule() {
    p_.automatique = !p_.automatique;
    vue_.Mode(p_.automatique);
}
