// The task editor's logic, behind the controls of F_Auto.
#include "Editeur.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "DateHeure.h"
#include "Existence.h"
#include "Moteur.h"
#include "SautsDeLigne.h"
#include "Texte.h"
#include "Texte1252.h"

namespace {

// The moment typed in the day and hour fields.
std::optional<double> Moment(const ChampsSaisie& c, double maintenant) {
    const auto j = JourSaisi(c.jour, maintenant);
    const auto h = LireHeure(c.heure);
    if (!j || !h) return std::nullopt;
    return DateAvecHeure(*j, *h);
}

// The due moment saved for a "Le premier" or "Le dernier" task typed at `heure`.
double PremierÀVenir(double maintenant, double heure) {
    const PartiesDate p = PartiesDepuisDate(maintenant);
    return DateAvecHeure(PremierOuvrable(p.mois + 1, p.année), heure);
}
double DernierÀVenir(double maintenant, double heure) {
    const PartiesDate p = PartiesDepuisDate(maintenant);
    const double ceMois = DateAvecHeure(DernierOuvrable(p.mois, p.année), heure);
    return ceMois > maintenant ? ceMois
                               : DateAvecHeure(DernierOuvrable(p.mois + 1, p.année), heure);
}

// The form of every date the editor writes into its fields: four-digit years read back
// the same in any century.
constexpr const char* FormeJour = "dd.mm.yyyy";

}  // namespace

std::optional<double> JourSaisi(std::string_view texte, double maintenant) {
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

void FenêtreVersChamps(int fenêtre, ChampsSaisie& c) {
    switch (fenêtre) {
        case 0:
        case 1:
            c.fenêtre = Option::Normale, c.focus = true;
            break;
        case 2:
            c.fenêtre = Option::Réduite, c.focus = true;
            break;
        case 3:
            c.fenêtre = Option::Agrandie, c.focus = true;
            break;
        case 4:
            c.fenêtre = Option::Normale, c.focus = false;
            break;
        case 6:
            c.fenêtre = Option::Réduite, c.focus = false;
            break;
        default:
            break;
    }
}

void RépétitionVersChamps(const std::string& code, ChampsSaisie& c) {
    if (code == "U")
        c.répétition = Option::UneFois;
    else if (code == "J")
        c.répétition = Option::ChaqueJour, c.weekEnd = false;
    else if (code == "O")
        c.répétition = Option::ChaqueJour, c.weekEnd = true;
    else if (code == "S")
        c.répétition = Option::ChaqueSemaine;
    else if (code == "A")
        c.répétition = Option::Arrêt;
    else if (code == "L" || code == "l")
        c.répétition = Option::Lancement;
    else if (code == "P")
        c.répétition = Option::Premier;
    else if (code == "D")
        c.répétition = Option::Dernier;
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
    RépétitionVersChamps(Majuscules(m.Répétition), c);
    c.jour = FormatDate(maintenant, "d.m.yyyy");
    c.heure = FormatDate(maintenant, "h:mm");
    FenêtreVersChamps(m.Fenêtre, c);
    c.max = m.DélaiMax == 0 ? std::string() : FormatDate(m.DélaiMax, "hh:mm");
}

bool Enregistrable(const std::string& programme, const std::string& paramètres) {
    return ChampRelisible(programme, true) && ChampRelisible(paramètres, false);
}

std::string ParamètresÀEnregistrer(const ChampsSaisie& c) {
    if (ParamètresVisibles(c.programme) || ChampRelisible(c.paramètres, false)) return c.paramètres;
    return "";
}

std::string Contrôle(const ChampsSaisie& c, Fichiers& fichiers, double maintenant) {
    std::string m;
    if (!EstMessage(c.programme) && !FichierExiste(fichiers, c.programme)) m += MsgFichier;
    if (!Enregistrable(c.programme, ParamètresÀEnregistrer(c))) m += MsgCaractère;
    if (!c.désactivé) {
        if (c.répétition != Option::Arrêt && c.répétition != Option::Lancement) {
            if (!JourSaisi(c.jour, maintenant)) m += MsgDate;
            if (!LireHeure(c.heure)) m += MsgHeure;
        } else if (c.répétition == Option::Lancement) {
            if (!LireHeure(c.délai)) m += MsgDélai;
        }
        if (!EstBlanc(c.max) && !LireHeure(c.max)) m += MsgMax;
    }
    return m;
}

std::string CodeRépétition(const ChampsSaisie& c) {
    switch (c.répétition) {
        case Option::UneFois:
            return "U";
        case Option::ChaqueJour:
            return c.weekEnd ? "O" : "J";
        case Option::ChaqueSemaine:
            return "S";
        case Option::Arrêt:
            return "A";
        case Option::Lancement:
            return "L";
        case Option::Premier:
            return "P";
        case Option::Dernier:
            return "D";
        default:
            return "";
    }
}

int16_t CodeFenêtre(const ChampsSaisie& c, int16_t précédent) {
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

Tâche ChampsVersTâche(const ChampsSaisie& c, Tâche t, double maintenant) {
    t.Programme = c.programme;
    t.Paramètres = ParamètresÀEnregistrer(c);
    t.Fenêtre = CodeFenêtre(c, t.Fenêtre);
    t.Actif = !c.désactivé;
    if (const std::string code = CodeRépétition(c); !code.empty()) t.Répétition = code;
    if (!t.Actif) {
        t.Prochaine = 0;
        return t;
    }
    const double heure = LireHeure(c.heure).value_or(0);
    if (t.Répétition == "A")
        t.Prochaine = 0;
    else if (t.Répétition == "L")
        t.Prochaine = LireHeure(c.délai).value_or(0);
    else if (t.Répétition == "P")
        t.Prochaine = PremierÀVenir(maintenant, heure);
    else if (t.Répétition == "D")
        t.Prochaine = DernierÀVenir(maintenant, heure);
    else
        t.Prochaine = DateAvecHeure(JourSaisi(c.jour, maintenant).value_or(0), heure);
    t.DélaiMax = EstBlanc(c.max) ? 0 : LireHeure(c.max).value_or(0);
    return t;
}

Enregistrement TâcheEnregistre(Horlo& h, uint64_t identité, const ChampsSaisie& c) {
    size_t i = h.Tâches.IndexDe(identité);
    if (i == 0) i = h.Tâches.Ajoute(Tâche{});
    Tâche& t = h.Tâches[i];
    const uint64_t garde = t.Identité;
    t = ChampsVersTâche(c, t, h.horloge.Maintenant());
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

std::string ProchainsMoments(const ChampsSaisie& c, double maintenant) {
    if (c.désactivé || c.répétition == Option::Aucune) return "";
    const std::string code = CodeRépétition(c);
    if (code == "A") return "Prochaine fois : à l'arrêt de Windows";
    if (code == "L") {
        const auto d = LireHeure(c.délai);
        if (!d) return "";
        return "Prochaine fois : au prochain démarrage + " + FormatDate(*d, "hh:mm:ss");
    }
    if (!Moment(c, maintenant)) return "";
    if (!EstBlanc(c.max) && !LireHeure(c.max)) return "";
    Tâche t = ChampsVersTâche(c, Tâche{}, maintenant);
    // The engine's passes from now on: a moment already past fires at the next pass
    // ("aussitôt") unless it is later than the maximum delay; "O" waits for a working day.
    std::vector<std::string> moments;
    double p = t.Prochaine;
    for (int tour = 0; tour < 200000 && moments.size() < 3; ++tour) {
        double tiré = std::max(p, maintenant);
        if (code == "O" && FinDeSemaine(tiré)) {
            tiré = JourDe(tiré) + 1;
            while (FinDeSemaine(tiré)) tiré += 1;
        }
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
