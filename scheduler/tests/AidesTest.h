// Dates and tasks written briefly, for the scheduler's tests.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "DateHeure.h"
#include "Taches.h"

inline double D(int a, int mo, int j, int h = 0, int mi = 0, int s = 0) {
    return *DateDepuisParties({a, mo, j, h, mi, s});
}
// A time of day alone (day 0).
inline double H(int h, int mi, int s = 0) {
    return D(1899, 12, 30, h, mi, s);
}

inline Tâche T(std::string prog, std::string rép, double proch, bool actif = true, double der = 0,
               double délai = 0, std::string par = "", int16_t fen = 1) {
    return {std::move(prog), std::move(par), fen, std::move(rép), proch, der, actif, délai};
}
