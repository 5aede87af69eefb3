// The settings store over the raw registry operations, and the value conversions its
// callers use.
#include "Registre.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "Texte.h"
#include "Valeurs.h"

namespace {

constexpr const char* CléSuite = "Software\\Talmon\\";

// A key path without trailing backslashes: "Software\Talmon\Talmon\" and
// "Software\Talmon\Talmon" are one key.
std::string CheminNet(std::string chemin) {
    while (!chemin.empty() && chemin.back() == '\\') chemin.pop_back();
    return chemin;
}

// A key of the raw port, opened (or created) by the constructor and closed with the
// object, whatever path the caller leaves by. `statut` is the port's answer; `clé` 0 holds
// no key.
struct CléOuverte {
    CléOuverte(RegistreBrut& b, uint32_t racine, const std::string& chemin, bool créer = false)
        : brut(b),
          statut(créer ? b.CréeClé(racine, chemin, clé) : b.OuvreClé(racine, chemin, clé)) {}
    ~CléOuverte() {
        if (clé != 0) brut.FermeClé(clé);
    }
    CléOuverte(const CléOuverte&) = delete;
    CléOuverte& operator=(const CléOuverte&) = delete;

    RegistreBrut& brut;
    RegistreBrut::Clé clé = 0;
    const int32_t statut;
};

}  // namespace

Registre::Registre(RegistreBrut& brut, std::string programme, char séparateurDécimal)
    : brut_(brut), programme_(std::move(programme)), séparateur_(séparateurDécimal) {}

uint32_t Registre::RacineDe(const Variant& machine) const {
    return EstAbsent(machine) ? Racine::HKCU : Racine::HKLM;
}

std::string Registre::CheminDe(const Variant& section) const {
    const auto* t = std::get_if<std::string>(&section);
    const std::string_view s = t ? SansBlancsDevant(*t, " \\") : std::string_view();
    return CléSuite + (s.empty() ? programme_ : std::string(s));
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

int32_t Registre::ÉcritDans(uint32_t racine, const std::string& chemin, const std::string& nom,
                            const std::string& texte) {
    const CléOuverte c(brut_, racine, chemin, true);
    // A key that could not be created says why (access denied ...), which is more use to
    // a caller than the invalid handle a write to it would report.
    if (c.clé == 0) return c.statut != 0 ? c.statut : 6;
    return brut_.ÉcritTexte(c.clé, nom, texte);
}

Variant Registre::LitDans(uint32_t racine, const std::string& chemin, const std::string& nom) {
    const CléOuverte c(brut_, racine, chemin);
    if (c.clé == 0) return Absent{};
    Variant résultat = Absent{};
    uint32_t type = 0;
    std::string données;
    if (brut_.LitValeur(c.clé, nom, type, données) == 0) {
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
    return résultat;
}

void Registre::EffaceDans(uint32_t racine, const std::string& chemin, const std::string& nom) {
    const CléOuverte c(brut_, racine, chemin);
    if (c.clé == 0) return;
    brut_.EffaceValeur(c.clé, nom);
    // An empty name would name the key itself, which must not go.
    if (!nom.empty()) brut_.EffaceClé(c.clé, nom);
}

// A standard user may not write under HKEY_LOCAL_MACHINE, and current Windows does not
// redirect such writes for 64-bit programs: a machine-wide value that is denied is kept
// under the same key of HKEY_CURRENT_USER instead, where reads look first.
int32_t Registre::RegistreEcrit(uint32_t racine, const std::string& chemin, const std::string& nom,
                                const std::string& texte) {
    const std::string c = CheminNet(chemin);
    const int32_t statut = ÉcritDans(racine, c, nom, texte);
    if (racine != Racine::HKLM) return statut;
    if (statut == AccèsRefusé) return ÉcritDans(Racine::HKCU, c, nom, texte);
    // Written for the whole machine: a per-user copy left from an earlier denied write
    // would hide it from every read.
    if (statut == 0 && !EstAbsent(LitDans(Racine::HKCU, c, nom))) {
        const CléOuverte personnelle(brut_, Racine::HKCU, c);
        if (personnelle.clé != 0) brut_.EffaceValeur(personnelle.clé, nom);
    }
    return statut;
}

Variant Registre::RegistreLit(uint32_t racine, const std::string& chemin, const std::string& nom) {
    const std::string c = CheminNet(chemin);
    if (racine == Racine::HKLM) {
        Variant personnel = LitDans(Racine::HKCU, c, nom);
        if (!EstAbsent(personnel)) return personnel;
    }
    return LitDans(racine, c, nom);
}

void Registre::RegistreEfface(uint32_t racine, const std::string& chemin, const std::string& nom) {
    const std::string c = CheminNet(chemin);
    EffaceDans(racine, c, nom);
    if (racine == Racine::HKLM) EffaceDans(Racine::HKCU, c, nom);
}
