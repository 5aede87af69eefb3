// Nettix's parameters (lists, settings, command line, help text) and the handlers of
// "Recenser", "Conserver", "Effacer" and "Annuler" (see Nettix.h).
#include "Nettix.h"

#include <algorithm>

#include "Champs.h"
#include "Colonnes.h"
#include "DateHeure.h"
#include "JournalBorne.h"
#include "ListeCherche.h"
#include "Registre.h"
#include "SautsDeLigne.h"
#include "Texte.h"
#include "Texte1252.h"
#include "Valeurs.h"

namespace {

// The value of a setting, or `défaut` when it is empty or missing.
std::string LitOuDéfaut(Registre& registre, const std::string& nom, const std::string& défaut) {
    std::string v = TexteDe(registre.ParamProgLit(nom));
    return v.empty() ? défaut : v;
}

// The tab-separated items of a setting, in order.
std::vector<std::string> Éléments(std::string texte, const std::string& séparateur = "\t") {
    std::vector<std::string> items;
    while (!texte.empty()) items.push_back(MotSuivant(texte, {séparateur}));
    return items;
}

}  // namespace

// ---- ListeChoix -----------------------------------------------------------------------

int32_t ListeChoix::Ajoute(const std::string& texte, int32_t donnée) {
    auto it = std::upper_bound(
        entrées_.begin(), entrées_.end(), texte,
        [](const std::string& t, const Entrée& e) { return CompareSansCasse(t, e.texte) < 0; });
    it = entrées_.insert(it, {texte, donnée, false});
    return static_cast<int32_t>(it - entrées_.begin());
}

int32_t ListeChoix::Trouve(const std::string& texte) const {
    const auto it = std::find_if(entrées_.begin(), entrées_.end(),
                                 [&](const Entrée& e) { return ÉgalSansCasse(e.texte, texte); });
    return it == entrées_.end() ? -1 : static_cast<int32_t>(it - entrées_.begin());
}

void ListeChoix::ChoisitTout(bool choisie) {
    for (auto& e : entrées_) e.choisie = choisie;
}

bool ListeChoix::UneChoisie() const {
    return std::any_of(entrées_.begin(), entrées_.end(), [](const Entrée& e) { return e.choisie; });
}

std::string ListeChoix::ChoisiesTab() const {
    std::string s;
    for (const auto& e : entrées_)
        if (e.choisie) s += e.texte + "\t";
    return s;
}

std::string ListeChoix::ToutesTab() const {
    std::string s;
    for (const auto& e : entrées_) s += e.texte + "\t";
    return s;
}

std::string ListeChoix::Texte(int32_t i) const {
    return i >= 0 && i < Nombre() ? entrées_[static_cast<size_t>(i)].texte : std::string();
}

int32_t ListeChoix::Donnée(int32_t i) const {
    return i >= 0 && i < Nombre() ? entrées_[static_cast<size_t>(i)].donnée : 0;
}

// ---- Start-up -------------------------------------------------------------------------

int TypeÀNettoyer(std::string_view type) {
    return !type.empty() && type[0] >= '2' && type[0] <= '4' ? type[0] - '0' : 0;
}

ListeChoix UnitésConstruit(const std::vector<Lecteur>& lecteurs) {
    ListeChoix unités;
    for (const auto& l : lecteurs)
        if (const int type = TypeÀNettoyer(l.type)) unités.Ajoute(Majuscules(l.nom), type);
    return unités;
}

void LocalChoisit(ParamètresNettix& p) {
    for (int32_t i = 0; i < p.unités.Nombre(); ++i) p.unités.Choisit(i, p.unités.Donnée(i) == 3);
}

ParamètresNettix ParamètresCharge(Registre& registre, ListeChoix unités, Dialogues& dialogues) {
    ParamètresNettix p;
    p.unités = std::move(unités);

    const std::string sauvées = TexteDe(registre.ParamProgLit("Unités sélectionnées"));
    if (sauvées.empty()) {
        p.unités.ChoisitTout(true);
    } else {
        p.unitésSauvées = true;
        for (const auto& item : Éléments(sauvées)) {
            const int32_t i = ListeCherche(p.unités, item, dialogues);
            if (i >= 0) p.unités.Choisit(i, true);
        }
    }

    std::string interdites = TexteDe(registre.ParamProgLit("Extensions interdites"));
    if (interdites.empty()) {
        interdites = InterditesDéfaut;
        registre.ParamProgEcrit("Extensions interdites", interdites);
    }
    if (interdites.back() != ',') interdites += ",";
    if (interdites.front() != ',') interdites.insert(0, ",");
    p.interdites = interdites;

    for (const auto& brut : Éléments(LitOuDéfaut(registre, "Extensions", ExtensionsDéfaut))) {
        const std::string item(SansBlancs(brut));
        if (item.empty()) continue;
        if (p.interdites.find("," + Majuscules(item) + ",") != std::string::npos) continue;
        p.extensions.Ajoute(item);
    }

    for (const auto& item :
         Éléments(LitOuDéfaut(registre, "Extensions sélectionnées", ExtensionsChoisiesDéfaut))) {
        const int32_t i = p.extensions.Trouve(item);
        if (i >= 0) p.extensions.Choisit(i, true);
    }
    return p;
}

void ParamètresEnregistre(Registre& registre, const ParamètresNettix& p) {
    registre.ParamProgEcrit("Unités sélectionnées", p.unités.ChoisiesTab());
    registre.ParamProgEcrit("Extensions", p.extensions.ToutesTab());
    registre.ParamProgEcrit("Extensions sélectionnées", p.extensions.ChoisiesTab());
}

// ---- Command line ---------------------------------------------------------------------

Lancement LigneDeCommandeApplique(ParamètresNettix& p, const std::string& arguments,
                                  Dialogues& dialogues, const std::string& version) {
    if (arguments.empty()) {
        LocalChoisit(p);
        p.automatique = false;
        return Lancement::Interactif;
    }
    const std::string majuscules = Majuscules(arguments);
    if (majuscules.rfind("/AUTO", 0) == 0) {
        if (majuscules != "/AUTO")
            dialogues.Message("La présence du paramètre /AUTO fait ignorer les autres paramètres.",
                              version + " Avertissement !", Mb::Ok | Mb::IcôneExclamation);
        if (!p.unitésSauvées) LocalChoisit(p);
        p.automatique = true;
        return Lancement::Automatique;
    }

    std::string reste = arguments;
    while (!reste.empty()) {
        const std::string item = MotSuivant(reste, {" "});
        const std::string option = Majuscules(Début(item, 3));
        const std::string suite = item.substr(std::min(item.size(), Début(item, 3).size()));
        if (option == "/U:") {
            if (suite.empty()) {
                LocalChoisit(p);
                continue;
            }
            p.unités.ChoisitTout(false);
            for (const auto& partie : Éléments(suite, ",")) {
                const int32_t i =
                    ListeCherche(p.unités, Majuscules(SansBlancs(partie)) + ":", dialogues);
                if (i >= 0) p.unités.Choisit(i, true);
            }
        } else if (option == "/E:") {
            if (suite.empty()) {
                p.extensions.ChoisitTout(true);
                continue;
            }
            p.extensions.ChoisitTout(false);
            for (const auto& partie : Éléments(suite, ",")) {
                const std::string ext(SansBlancs(partie));
                if (ext.empty()) continue;
                int32_t i = p.extensions.Trouve(ext);
                if (i < 0) i = p.extensions.Ajoute(ext);
                p.extensions.Choisit(i, true);
            }
        } else {
            dialogues.Message("Je ne comprend pas le paramètre \"" + item + "\" !" + SautLigne(2) +
                                  "Arrêt du programme." + SautLigne(2) +
                                  "Relancez le programme sans paramètre et cliquez sur le "
                                  "bouton AIDE.",
                              version + " Erreur !", Mb::Ok | Mb::IcôneExclamation);
            return Lancement::Arrêt;
        }
    }
    p.automatique = true;
    return Lancement::Automatique;
}

// ---- Help -----------------------------------------------------------------------------

std::string TexteAide() {
    struct Ligne {
        const char* texte;
        int blancs, sauts;
    };
    static const Ligne lignes[] = {
        {"Nettix fait partie de la suite Orvan 98, créée par Talmon (www.orvan98.ch).", 0, 2},
        {"Ce programme a été créé spécialement pour la suite Orvan 98", 0, 1},
        {"Il peut néanmoins être utilisé sans l'interface Orvan 98", 0, 2},
        {"", 0, 2},
        {"L'auteur décline toute responsabilité pour des dommages résultant de l'utilisation "
         "(correcte ou non) de ce programme.",
         0, 2},
        {"UTILISATION NORMALE :", 0, 2},
        {"- sélectionner les unités à traiter", 0, 1},
        {"(un clic suffit pour sélectionner/désélectionner)", 3, 2},
        {"- sélectionner les extensions de fichiers temporaires", 0, 2},
        {"- cliquer sur le bouton RECENSER", 0, 1},
        {"(le programme constitue une liste des fichiers correspondants)", 3, 2},
        {"- sélectionner éventuellement les fichiers à conserver et cliquer sur CONSERVER", 0, 1},
        {"(les fichiers à conserver sont ainsi ôtés de la liste)", 3, 2},
        {"- cliquer ensuite EFFACER pour détruire les fichiers encore listés.", 0, 3},
        {"UTILISATION AVANCÉE :", 0, 2},
        {"Il est possible d'utiliser ce programme sans intervention de l'utilisateur. Il faut "
         "pour cela lui transmettre des paramètres sur la ligne de commande. Ces paramètres "
         "peuvent être :",
         0, 2},
        {"/U:[<unité>[,<unité>[,...]]]", 2, 1},
        {"Indication des unités à traiter, <unité> représente une lettre de lecteur", 12, 1},
        {"Si aucune unité n'est spécifiée, tous les disques durs locaux seront traités", 12, 2},
        {"/E:[<extension>[,<extension>[,...]]]", 2, 1},
        {"Indication des extensions des fichiers temporaires", 12, 1},
        {"Si aucune extension n'est indiquée, toutes les extensions par défaut seront traitées", 12,
         2},
        {"/AUTO", 2, 1},
        {"Lancement automatique avec les derniers paramètres utilisés", 12, 2},
        {"La présence de paramètres sur la ligne de commande empêche la mise à jour des "
         "derniers paramètres utilisés qui sont ainsi conservés tels que définis lors de la "
         "dernière utilisation \"normale\".",
         0, 0},
    };
    std::string texte;
    for (const auto& l : lignes) {
        texte += std::string(static_cast<size_t>(l.blancs), ' ') + l.texte;
        if (l.sauts > 0) texte += SautLigne(l.sauts);
    }
    return texte;
}

// ---- Census and deletion --------------------------------------------------------------

std::string TotalTexte(uint64_t total) {
    return NombreColonne(static_cast<double>(total)) + " bytes";
}

namespace {

// The chosen entries of a list, separated by blanks.
std::string Choisies(const ListeChoix& l) {
    std::string s;
    for (const auto& e : l.Entrées())
        if (e.choisie) s += (s.empty() ? "" : " ") + e.texte;
    return s;
}

}  // namespace

std::string LigneTrace(double moment, const ParamètresNettix& p, const BilanNettoyage& b) {
    const auto nombre = [](uint64_t n) { return NombreColonne(static_cast<double>(n)); };
    std::string ligne = FormatDate(moment, "dd.mm.yy hh:mm") + " Unités : " + Choisies(p.unités) +
                        " ; extensions : " + Choisies(p.extensions) +
                        " ; fichiers supprimés : " + nombre(b.supprimés) +
                        " ; octets libérés : " + nombre(b.libérés) +
                        " ; non supprimés : " + nombre(b.échecs);
    if (b.échecs) ligne += " (" + b.premierÉchec + ")";
    return std::string(SansBlancs(SéparateursEnBlancs(std::move(ligne))));
}

void Nettix::Trace(const BilanNettoyage& b) {
    if (!trace_) return;
    const std::string ligne = LigneTrace(trace_->horloge.Maintenant(), p_, b);
    JournalAjoute(fichiers_, trace_->chemin, VersWindows1252Approché(ligne));
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
        Trace({});
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
    BilanNettoyage bilan;
    for (size_t i = 0; i < liste_.size(); ++i) {
        suivant_ = i;
        Choisit(static_cast<int32_t>(gardés));
        if (const auto s = fichiers_.Supprimer(liste_[i].chemin); s) {
            ++bilan.supprimés;
            bilan.libérés += liste_[i].taille;
            total_ -= std::min(total_, liste_[i].taille);
            suivant_ = i + 1;
            vue_.ListeRetire(static_cast<int32_t>(gardés));
            sélection_ = -1;
        } else {
            if (bilan.échecs++ == 0) bilan.premierÉchec = liste_[i].chemin + " : " + s.erreur;
            if (gardés != i) liste_[gardés] = std::move(liste_[i]);
            ++gardés;
            suivant_ = i + 1;
        }
        vue_.Cède();  // "Annuler" meanwhile empties the list, which ends the loop
    }
    if (!liste_.empty()) liste_.resize(gardés);
    effacement_ = false;
    Trace(bilan);
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
