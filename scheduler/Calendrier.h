// Horlo's working-day calendar, one home for the engine and the editor's preview so that
// both agree: weekends, the first and last working days of a month, and how a task moves
// on by date after an occurrence.
#pragma once

#include <optional>

#include "Taches.h"

// Saturday or Sunday.
bool FinDeSemaine(double date);
// Time of day (below 1) and day (00:00) of a moment, also before 30.12.1899, where the
// day counts backwards while the time still runs forwards.
double HeureDe(double date);
double JourDe(double date);
// The same time of day `jours` days later.
double JoursPlus(double date, int jours);

// The first of `moment`, one day later, two days later... that falls on a working day.
double OuvrableDès(double moment);
// When an "O" task may fire at the earliest from `moment` on: `moment` itself on a working
// day, otherwise 00:00 of the next working day (however late it is, it waits).
double MomentOuvrable(double moment);
// First / last Monday-to-Friday day of month `mois` (13 = January of the next year), 00:00.
double PremierOuvrable(int mois, int année);
double DernierOuvrable(int mois, int année);
// The first (`premier`) or last working day of the month `décalage` months after
// `moment`'s, at time of day `heure`.
double OuvrableDuMois(bool premier, double moment, int décalage, double heure);

// The moment a task moves on to after an occurrence at `prochaine` was due at `tiré`
// (fired or passed over): one day (J), the next working day (O), seven days (S), the first
// (P) or last (D) working day of the month after `tiré`'s, at the same time of day. Nothing
// for the codes that do not repeat by date (U, A, L, l and unknown ones).
std::optional<double> OccurrenceSuivante(Récurrence::Lettre code, double prochaine, double tiré);
