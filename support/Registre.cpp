// The settings store over the raw registry operations, and the value conversions its
// callers use.
#include "Registre.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "Aides.h"
#include "DateHeure.h"

namespace {

constexpr const char* CléSuite = "Software\\Talmon\\";

// A key path without trailing backslashes: "Software\Talmon\Talmon\" and
// "Software\Talmon\Talmon" are one key.
std::string CheminNet(std::string chemin) {
    while (!chemin.empty() && chemin.back() == '\\') chemin.pop_back();
    return chemin;
}

// General number format with the fewest significant digits, from `minimum` up, that read
// back as the same value (as a float when `simple`): 7 for most single values, 15 for
// most doubles, more only where fewer would change the number.
std::string NombreGénéral(double x, int minimum, bool simple, char séparateur) {
    if (!std::isfinite(x)) return {};
    if (x == 0) return "0";
    char tampon[64] = {};
    for (int chiffres = minimum; chiffres <= 17; ++chiffres) {
        std::snprintf(tampon, sizeof tampon, "%.*G", chiffres, x);
        const double relu = std::strtod(tampon, nullptr);
        if (simple ? static_cast<float>(relu) == static_cast<float>(x) : relu == x) break;
    }
    std::string t(tampon);
    for (char& c : t)
        if (c == '.') c = séparateur;
    return t;
}

std::string MonnaieTexte(int64_t dixMillièmes, char séparateur) {
    // Through unsigned so that the most negative amount has a magnitude too.
    const uint64_t m = dixMillièmes < 0 ? 0 - static_cast<uint64_t>(dixMillièmes)
                                        : static_cast<uint64_t>(dixMillièmes);
    char tampon[40];
    int n = std::snprintf(tampon, sizeof tampon, "%s%llu%c%04llu", dixMillièmes < 0 ? "-" : "",
                          static_cast<unsigned long long>(m / 10000), séparateur,
                          static_cast<unsigned long long>(m % 10000));
    while (tampon[n - 1] == '0') --n;  // trailing zeros of the fraction
    if (tampon[n - 1] == séparateur) --n;
    return std::string(tampon, static_cast<size_t>(n));
}

// Local classes cannot hold the catch-all template, hence these visitors out here.
struct EnNombre {
    double operator()(int16_t x) const { return x; }
    double operator()(int32_t x) const { return x; }
    double operator()(float x) const { return x; }
    double operator()(double x) const { return x; }
    double operator()(Monnaie m) const { return static_cast<double>(m.dixMillièmes) / 10000; }
    double operator()(DateV d) const { return d.jours; }
    double operator()(bool b) const { return b ? -1 : 0; }
    double operator()(const std::string& t) const { return LireNombre(t).value_or(0); }
    double operator()(const auto&) const { return 0; }  // absent, null, other
};

struct EnTexte {
    char sép;
    std::string operator()(int16_t x) const { return std::to_string(x); }
    std::string operator()(int32_t x) const { return std::to_string(x); }
    std::string operator()(float x) const { return NombreGénéral(x, 7, true, sép); }
    std::string operator()(double x) const { return NombreGénéral(x, 15, false, sép); }
    std::string operator()(Monnaie m) const { return MonnaieTexte(m.dixMillièmes, sép); }
    std::string operator()(DateV d) const { return FormatDate(d.jours, "dd.mm.yyyy hh:mm"); }
    std::string operator()(bool b) const { return b ? "-1" : "0"; }
    std::string operator()(const std::string& t) const { return t; }
    std::string operator()(const auto&) const { return {}; }  // absent, null, other
};

}  // namespace

double VersNombre(const Variant& v) {
    return std::visit(EnNombre{}, v);
}

std::string VersTexte(const Variant& v, char séparateur) {
    return std::visit(EnTexte{séparateur}, v);
}

Registre::Registre(RegistreBrut& brut, std::string programme, char séparateurDécimal)
    : brut_(brut), programme_(std::move(programme)), séparateur_(séparateurDécimal) {}

uint32_t Registre::RacineDe(const Variant& machine) const {
    return EstAbsent(machine) ? Racine::HKCU : Racine::HKLM;
}

std::string Registre::CheminDe(const Variant& section) const {
    std::string s;
    if (const auto* t = std::get_if<std::string>(&section)) {
        s = *t;
        s.erase(0, std::min(s.find_first_not_of(" \\"), s.size()));
    }
    return CléSuite + (s.empty() ? programme_ : s);
}

int32_t Registre::ParamEcrit(const std::string& nom, const Variant& valeur, const Variant& section,
                             const Variant& machine) {
    return RegistreEcrit(RacineDe(machine), CheminDe(section), nom, VersTexte(valeur, séparateur_));
}

Variant Registre::ParamLit(const std::string& nom, const Variant& section, const Variant& machine) {
    return RegistreLit(RacineDe(machine), CheminDe(section), nom);
}

void Registre::ParamProgEcrit(const std::string& nom, const Variant& valeur) {
    ParamEcrit(nom, valeur);
}

Variant Registre::ParamProgLit(const std::string& nom) {
    return ParamLit(nom);
}

int32_t Registre::RegistreEcrit(uint32_t racine, const std::string& chemin, const std::string& nom,
                                const std::string& texte) {
    RegistreBrut::Clé clé = 0;
    const int32_t création = brut_.CréeClé(racine, CheminNet(chemin), clé);
    // A key that could not be created says why (access denied ...), which is more use to
    // a caller than the invalid handle a write to it would report.
    if (clé == 0) return création != 0 ? création : 6;
    const int32_t statut = brut_.ÉcritTexte(clé, nom, texte);
    brut_.FermeClé(clé);
    return statut;
}

Variant Registre::RegistreLit(uint32_t racine, const std::string& chemin, const std::string& nom) {
    RegistreBrut::Clé clé = 0;
    brut_.OuvreClé(racine, CheminNet(chemin), clé);
    if (clé == 0) return Absent{};
    Variant résultat = Absent{};
    uint32_t type = 0;
    std::string données;
    if (brut_.LitValeur(clé, nom, type, données) == 0) {
        if (type != RegistreBrut::TypeTexte) {
            résultat = std::string(MessagePasTexte);
        } else if (!données.empty()) {
            // The text ends at its terminating zero; a value stored without one (by
            // another program) keeps all its characters.
            const auto zéro = données.find('\0');
            if (zéro != std::string::npos) données.resize(zéro);
            résultat = std::move(données);
        }
    }
    brut_.FermeClé(clé);
    return résultat;
}

void Registre::RegistreEfface(uint32_t racine, const std::string& chemin, const std::string& nom) {
    RegistreBrut::Clé clé = 0;
    brut_.OuvreClé(racine, CheminNet(chemin), clé);
    if (clé == 0) return;
    brut_.EffaceValeur(clé, nom);
    // An empty name would name the key itself, which must not go.
    if (!nom.empty()) brut_.EffaceClé(clé, nom);
    brut_.FermeClé(clé);
}
