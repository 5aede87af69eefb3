// Nettix's parameters: lists, settings, command line and help text (see Nettix.h).
#include "Nettix.h"

#include <algorithm>

#include "Champs.h"
#include "ListeCherche.h"
#include "Registre.h"
#include "SautsDeLigne.h"
#include "Texte.h"

namespace {

std::string TexteDe(const Variant& v) {
    return EstTexte(v) ? std::get<std::string>(v) : std::string();
}

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
    const std::string clé = Majuscules(texte);
    auto it = std::upper_bound(
        entrées_.begin(), entrées_.end(), clé,
        [](const std::string& c, const Entrée& e) { return c < Majuscules(e.texte); });
    it = entrées_.insert(it, {texte, donnée, false});
    return static_cast<int32_t>(it - entrées_.begin());
}

int32_t ListeChoix::Trouve(const std::string& texte) const {
    const std::string clé = Majuscules(texte);
    for (size_t i = 0; i < entrées_.size(); ++i)
        if (Majuscules(entrées_[i].texte) == clé) return static_cast<int32_t>(i);
    return -1;
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

ListeChoix UnitésConstruit(const std::vector<Lecteur>& lecteurs) {
    ListeChoix unités;
    for (const auto& l : lecteurs) {
        const char type = l.type.empty() ? '0' : l.type[0];
        if (type == '2' || type == '3' || type == '4') unités.Ajoute(Majuscules(l.nom), type - '0');
    }
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
