// Horlo's working-day calendar, one for the engine and the editor's preview so that both agree.
#pragma once

#include <cmath>
#include <optional>

#include "Taches.h"

// Time of day (below 1) and day (00:00) of a moment, also before 30.12.1899, where the
// day counts backwards while the time still runs forwards.
inline double HeureDe(double date) {
    return std::fabs(date - std::trunc(date));
}
double JourDe(double date);
// The same time of day `jours` days later.
double JoursPlus(double date, int jours);

// The first of `moment`, one day later, two days later... that falls on a working day.
double OuvrableDès(double moment);
// The earliest an "O" task may fire from `moment` on: then, or the next working day at 00:00.
double MomentOuvrable(double moment);
// First / last Monday-to-Friday day of month `mois` (13 = January of the next year), 00:00.
double PremierOuvrable(int mois, int année);
double DernierOuvrable(int mois, int année);
// First or last working day of the month `décalage` months after `moment`'s, at `heure`.
double OuvrableDuMois(bool premier, double moment, int décalage, double heure);

// Where a task moves on to after its occurrence at `prochaine` was due at `tiré` (fired or
// passed over): one day (J), the next working day (O), seven days (S), the first (P) or last
// (D) working day of the month after `tiré`'s, same time of day; nothing for other codes.
std::optional<double> OccurrenceSuivante(Récurrence::Lettre code, double prochaine, double tiré);
