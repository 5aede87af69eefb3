// The task editor's logic, behind the controls of F_Auto.
#include "Editeur.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "Calendrier.h"
#include "DateHeure.h"
#include "Existence.h"
#include "Moteur.h"
#include "SautsDeLigne.h"
#include "Texte.h"
#include "Texte1252.h"

namespace {

// The repeat option and letter of each code ("O" is "Chaque jour" with cWeekEnd checked).
constexpr struct {
    int option;
    Récurrence::Lettre lettre;
} Codes[] = {
    {Option::UneFois, Récurrence::UneFois},      {Option::ChaqueJour, Récurrence::ChaqueJour},
    {Option::ChaqueJour, Récurrence::Ouvrables}, {Option::ChaqueSemaine, Récurrence::ChaqueSemaine},
    {Option::Arrêt, Récurrence::Arrêt},          {Option::Lancement, Récurrence::Lancement},
    {Option::Lancement, Récurrence::Lancée},     {Option::Premier, Récurrence::Premier},
    {Option::Dernier, Récurrence::Dernier}};

// The form of every date the editor writes into its fields: four-digit years read back
// the same in any century.
constexpr const char* FormeJour = "dd.mm.yyyy";

}  // namespace

// A date typed into the editor's day field: a two-digit year stands for the year within
// fifty years before and forty-nine after `maintenant`'s.
static std::optional<double> JourSaisi(std::string_view texte, double maintenant) {
    return LireDateFenêtre(texte, PartiesDepuisDate(maintenant).année - 50);
}

bool ParamètresVisibles(const std::string& programme) {
    if (EstMessage(programme) || programme.size() < 4) return false;
    return Majuscules(std::string_view(programme).substr(programme.size() - 4)) == ".EXE";
}

ÉtatsDépendants ÉtatsDe(const ChampsSaisie& c) {
    ÉtatsDépendants e;
    e.paramètresVisibles = ParamètresVisibles(c.programme);
    e.répétitionActive = !c.désactivé;
    const int k = c.répétition;
    e.délai = k == Option::Lancement;
    e.jour = k == Option::UneFois || k == Option::ChaqueJour || k == Option::ChaqueSemaine;
    e.heure = e.jour || k == Option::Premier || k == Option::Dernier;
    e.weekEnd = k == Option::ChaqueJour;
    return e;
}

void AgrandieChoisie(ChampsSaisie& c) {
    c.fenêtre = Option::Agrandie;
    c.focus = true;
}

void FocusChange(ChampsSaisie& c, bool coché) {
    c.focus = coché;
    if (!coché && c.fenêtre == Option::Agrandie) c.fenêtre = Option::Normale;
}

// Window type and repeat option from a task's codes; a code without a control leaves
// the fields as they are.
static void FenêtreVersChamps(int fenêtre, ChampsSaisie& c) {
    // The window type of each show-window code 0 to 6 (-1: none); the focus up to 3.
    constexpr int types[] = {Option::Normale,  Option::Normale, Option::Réduite,
                             Option::Agrandie, Option::Normale, -1,
                             Option::Réduite};
    if (fenêtre < 0 || fenêtre > 6 || types[fenêtre] < 0) return;
    c.fenêtre = types[fenêtre];
    c.focus = fenêtre <= 3;
}

static void RépétitionVersChamps(Récurrence code, ChampsSaisie& c) {
    for (const auto& k : Codes)
        if (k.lettre == code.lettre()) c.répétition = k.option;
    if (code.lettre() && c.répétition == Option::ChaqueJour)
        c.weekEnd = code.lettre() == Récurrence::Ouvrables;
}

void TâcheVersChamps(const Tâche& t, ChampsSaisie& c) {
    c.programme = t.Programme;
    c.paramètres = t.Paramètres;
    FenêtreVersChamps(t.Fenêtre, c);
    RépétitionVersChamps(t.Répétition, c);
    if (t.Actif) {
        c.désactivé = false;
        if (c.répétition == Option::Lancement) {
            c.jour.clear(), c.heure.clear();
            c.délai = FormatDate(t.Prochaine, "hh:mm:ss");
        } else {
            c.jour = FormatDate(t.Prochaine, FormeJour);
            c.heure = FormatDate(t.Prochaine, "hh:mm");
            c.délai.clear();
        }
        c.max = t.DélaiMax == 0 ? std::string() : FormatDate(t.DélaiMax, "hh:mm");
    } else {
        c.désactivé = true;
        c.jour.clear(), c.heure.clear(), c.délai.clear(), c.max.clear();
    }
}

void NouvelleVersChamps(double maintenant, ChampsSaisie& c) {
    c.programme.clear();
    c.paramètres.clear();
    c.fenêtre = Option::Normale;
    c.focus = true;
    c.jour = FormatDate(JoursPlus(maintenant, 1), FormeJour);
    c.heure = FormatDate(maintenant, "hh:mm");
    c.max.clear();
    c.répétition = Option::ChaqueJour;
    c.délai.clear();
}

void ModèleVersChamps(const Modèle& m, double maintenant, ChampsSaisie& c) {
    c.programme = m.Programme;
    c.paramètres = m.Paramètres;
    RépétitionVersChamps(Récurrence::Lue(m.Répétition), c);
    c.jour = FormatDate(maintenant, "d.m.yyyy");
    c.heure = FormatDate(maintenant, "h:mm");
    FenêtreVersChamps(m.Fenêtre, c);
    c.max = m.DélaiMax == 0 ? std::string() : FormatDate(m.DélaiMax, "hh:mm");
}

// Whether the program and parameter texts would come back from Auto.dat as typed.
static bool Enregistrable(const std::string& programme, const std::string& paramètres) {
    return ChampRelisible(programme, true) && ChampRelisible(paramètres, false);
}

// The parameters saved with the task: the field's text, but when the field is hidden (the
// program shows none) a text that cannot be saved is dropped rather than blocking the
// save with a fault the user cannot see.
static std::string ParamètresÀEnregistrer(const ChampsSaisie& c) {
    if (ParamètresVisibles(c.programme) || ChampRelisible(c.paramètres, false)) return c.paramètres;
    return "";
}

Entrée EntréeLue(const ChampsSaisie& c, double maintenant) {
    return {c, JourSaisi(c.jour, maintenant), LireHeure(c.heure), LireHeure(c.délai),
            EstBlanc(c.max) ? std::optional<double>(0) : LireHeure(c.max)};
}

std::string Contrôle(const Entrée& e, Fichiers& fichiers) {
    const ChampsSaisie& c = e.champs;
    std::string m;
    if (!EstMessage(c.programme) && !FichierExiste(fichiers, c.programme)) m += MsgFichier;
    if (!Enregistrable(c.programme, ParamètresÀEnregistrer(c))) m += MsgCaractère;
    if (!c.désactivé) {
        if (c.répétition != Option::Arrêt && c.répétition != Option::Lancement) {
            if (!e.jour) m += MsgDate;
            if (!e.heure) m += MsgHeure;
        } else if (c.répétition == Option::Lancement) {
            if (!e.délai) m += MsgDélai;
        }
        if (!e.max) m += MsgMax;
    }
    return m;
}

// Repeat code saved for the controls (Inconnue when no option is chosen) and window code.
static Récurrence CodeRépétition(const ChampsSaisie& c) {
    if (c.répétition == Option::ChaqueJour)
        return c.weekEnd ? Récurrence::Ouvrables : Récurrence::ChaqueJour;
    for (const auto& k : Codes)
        if (k.option == c.répétition) return k.lettre;
    return {};
}

static int16_t CodeFenêtre(const ChampsSaisie& c, int16_t précédent) {
    switch (c.fenêtre) {
        case Option::Normale:
            return c.focus ? 1 : 4;
        case Option::Réduite:
            return c.focus ? 2 : 6;
        case Option::Agrandie:
            return 3;
        default:
            return précédent;
    }
}

Tâche ChampsVersTâche(const Entrée& e, Tâche t, double maintenant) {
    const ChampsSaisie& c = e.champs;
    t.Programme = c.programme;
    t.Paramètres = ParamètresÀEnregistrer(c);
    t.Fenêtre = CodeFenêtre(c, t.Fenêtre);
    t.Actif = !c.désactivé;
    if (const Récurrence code = CodeRépétition(c); code.lettre()) t.Répétition = code;
    if (!t.Actif) {
        t.Prochaine = 0;
        return t;
    }
    const double heure = e.heure.value_or(0);
    const double dernier = OuvrableDuMois(false, maintenant, 0, heure);  // while to come
    const auto code = t.Répétition.lettre();
    t.Prochaine = code == Récurrence::Arrêt       ? 0
                  : code == Récurrence::Lancement ? e.délai.value_or(0)
                  : code == Récurrence::Premier   ? OuvrableDuMois(true, maintenant, 1, heure)
                  : code != Récurrence::Dernier   ? DateAvecHeure(e.jour.value_or(0), heure)
                  : dernier > maintenant          ? dernier
                                                  : OuvrableDuMois(false, maintenant, 1, heure);
    t.DélaiMax = e.max.value_or(0);
    return t;
}

Enregistrement TâcheEnregistre(Horlo& h, uint64_t identité, const Entrée& e) {
    size_t i = h.Tâches.IndexDe(identité);
    if (i == 0) i = h.Tâches.Ajoute(Tâche{});
    Tâche& t = h.Tâches[i];
    const uint64_t garde = t.Identité;
    t = ChampsVersTâche(e, t, h.horloge.Maintenant());
    t.Identité = garde;
    return {garde, TâchesEnregistreÀJour(h)};
}

Statut TâcheSupprime(Horlo& h, uint64_t identité) {
    const size_t i = h.Tâches.IndexDe(identité);
    if (i == 0) return {};
    h.Tâches[i].Programme.clear();
    h.Tâches[i].Actif = false;
    return TâchesEnregistreÀJour(h);
}

std::string MessageÉchecEnregistrement(const Horlo& h, const std::string& raison) {
    return "Je ne parviens pas à enregistrer les tâches dans le fichier" + SautLigne() +
           CheminAuto(h) + SautLigne(2) + raison + SautLigne(2) +
           "La modification est gardée : elle sera enregistrée avec la prochaine.";
}

std::string ProchainsMoments(const Entrée& e, double maintenant) {
    const ChampsSaisie& c = e.champs;
    if (c.désactivé || c.répétition == Option::Aucune) return "";
    const auto code = CodeRépétition(c).lettre();
    if (code == Récurrence::Arrêt) return "Prochaine fois : à l'arrêt de Windows";
    if (code == Récurrence::Lancement) {
        if (!e.délai) return "";
        return "Prochaine fois : au prochain démarrage + " + FormatDate(*e.délai, "hh:mm:ss");
    }
    if (!e.jour || !e.heure || !e.max) return "";
    Tâche t = ChampsVersTâche(e, Tâche{}, maintenant);
    // The engine's passes from now on: a moment already past fires at the next pass
    // ("aussitôt") unless it is later than the maximum delay; "O" waits for a working day.
    std::vector<std::string> moments;
    double p = t.Prochaine;
    for (int tour = 0; tour < 200000 && moments.size() < 3; ++tour) {
        double tiré = std::max(p, maintenant);
        if (code == Récurrence::Ouvrables) tiré = MomentOuvrable(tiré);
        const bool àTemps = ÀTemps(p, t.DélaiMax, tiré);
        // Several late occurrences fire in consecutive passes: one "aussitôt" for them.
        if (àTemps && tiré > maintenant)
            moments.push_back(FormatDate(tiré, "dd.mm.yy hh:mm"));
        else if (àTemps && (moments.empty() || moments.back() != "aussitôt"))
            moments.push_back("aussitôt");
        const auto suivante = OccurrenceSuivante(code, p, tiré);
        if (!suivante) break;
        p = *suivante;
    }
    if (moments.empty()) return "Aucune exécution : le moment est dépassé";
    std::string texte = moments.size() == 1 ? "Prochaine fois : " : "Prochaines fois : ";
    for (size_t i = 0; i < moments.size(); ++i) texte += (i ? ", " : "") + moments[i];
    return texte;
}
