// Horlo's working-day calendar.
#include "Calendrier.h"

#include <cmath>

#include "DateHeure.h"

static bool FinDeSemaine(double date) {
    const int j = JourSemaine(date);
    return j == 1 || j == 7;
}

double JourDe(double date) {
    return std::trunc(date) + 0.0;
}
double JoursPlus(double date, int jours) {
    return DateAvecHeure(JourDe(date) + jours, HeureDe(date));
}

double OuvrableDès(double moment) {
    while (FinDeSemaine(moment)) moment = JoursPlus(moment, 1);
    return moment;
}

double MomentOuvrable(double moment) {
    return FinDeSemaine(moment) ? OuvrableDès(JourDe(moment) + 1) : moment;
}

// 00:00 of the first day of month `mois` (above 12: of the next year).
static double PremierDuMois(int mois, int année) {
    if (mois > 12) mois -= 12, année += 1;
    return DateDepuisParties({année, mois, 1}).value_or(0);
}

double PremierOuvrable(int mois, int année) {
    return OuvrableDès(PremierDuMois(mois, année));
}

double DernierOuvrable(int mois, int année) {
    double d = PremierDuMois(mois + 1, année) - 1;
    while (FinDeSemaine(d)) d -= 1;
    return d;
}

double OuvrableDuMois(bool premier, double moment, int décalage, double heure) {
    const PartiesDate p = PartiesDepuisDate(moment);
    const double jour = premier ? PremierOuvrable(p.mois + décalage, p.année)
                                : DernierOuvrable(p.mois + décalage, p.année);
    return DateAvecHeure(jour, heure);
}

std::optional<double> OccurrenceSuivante(Récurrence::Lettre code, double prochaine, double tiré) {
    if (code == Récurrence::ChaqueJour || code == Récurrence::ChaqueSemaine)
        return JoursPlus(prochaine, code == Récurrence::ChaqueJour ? 1 : 7);
    if (code == Récurrence::Ouvrables) return OuvrableDès(JoursPlus(prochaine, 1));
    if (code != Récurrence::Premier && code != Récurrence::Dernier) return std::nullopt;
    return OuvrableDuMois(code == Récurrence::Premier, tiré, 1, HeureDe(prochaine));
}
