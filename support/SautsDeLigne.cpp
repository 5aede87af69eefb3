// Line breaks and tabs (see SautsDeLigne.h).
#include "SautsDeLigne.h"

#include <cmath>
#include <cstdint>

#include "Valeurs.h"

namespace {

// A count rounded to an integer (to even on halves) and bounded.
int64_t Compte(const Variant& n, int64_t maximum) {
    const auto x = NombreDe(n);
    if (!x) return 1;
    const double r = std::nearbyint(*x);
    if (r < 1) return 1;
    if (r > static_cast<double>(maximum)) return maximum;
    return static_cast<int64_t>(r);
}

}  // namespace

std::string SautLigne(const Variant& n) {
    std::string s;
    for (int64_t k = Compte(n, 100); k > 0; --k) s += FinDeLigne;
    return s;
}

// A count far beyond any use would only exhaust memory; it is bounded instead.
std::string Tabulations(const Variant& n) {
    return std::string(static_cast<size_t>(Compte(n, 65536)), '\t');
}
