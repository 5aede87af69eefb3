// Numbers and texts in fixed-width columns (see Colonnes.h).
#include "Colonnes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>

#include "Texte.h"
#include "Valeurs.h"

namespace {

std::string Blancs(size_t n) {
    return std::string(n, ' ');
}

}  // namespace

std::string NombreMasque(double valeur, int32_t décimales, bool pourcent, char séparateurDécimal,
                         int chiffresSignificatifs) {
    if (!std::isfinite(valeur)) return {};
    décimales = std::clamp<int32_t>(décimales, 0, 30);
    chiffresSignificatifs = std::clamp(chiffresSignificatifs, 1, 17);
    const bool négatif = std::signbit(valeur) && valeur != 0;
    // The value's significant digits and the position of the decimal point in them.
    std::string chiffres = "0";
    long point = 1;
    if (valeur != 0) {
        // Far more digits than kept, so that the value is first cut to its significant
        // digits half up, as the platform does, and not by the C library's own rounding.
        char tampon[80];
        std::snprintf(tampon, sizeof tampon, "%.40e", std::fabs(valeur));
        const std::string_view t(tampon);
        const auto e = t.find('e');
        point = std::strtol(tampon + e + 1, nullptr, 10) + 1;
        std::string tous(1, t[0]);
        tous.append(t.substr(2, e - 2));
        const auto n = static_cast<size_t>(chiffresSignificatifs);
        bool haut = tous[n] >= '5';
        chiffres = tous.substr(0, n);
        for (size_t k = n; haut && k-- > 0;) {
            haut = chiffres[k] == '9';
            chiffres[k] = haut ? '0' : static_cast<char>(chiffres[k] + 1);
        }
        if (haut) {
            chiffres.insert(chiffres.begin(), '1');
            ++point;
        }
    }
    if (pourcent) point += 2;
    // Whole and fractional digits in full, then rounded half up at the wanted decimals.
    std::string entier, fraction;
    if (point <= 0) {
        entier = "0";
        fraction = std::string(static_cast<size_t>(-point), '0') + chiffres;
    } else if (static_cast<size_t>(point) >= chiffres.size()) {
        entier = chiffres + std::string(static_cast<size_t>(point) - chiffres.size(), '0');
    } else {
        entier = chiffres.substr(0, static_cast<size_t>(point));
        fraction = chiffres.substr(static_cast<size_t>(point));
    }
    const auto d = static_cast<size_t>(décimales);
    bool retenue = fraction.size() > d && fraction[d] >= '5';
    fraction.resize(d, '0');
    for (size_t k = fraction.size(); retenue && k-- > 0;) {
        retenue = fraction[k] == '9';
        fraction[k] = retenue ? '0' : static_cast<char>(fraction[k] + 1);
    }
    for (size_t k = entier.size(); retenue && k-- > 0;) {
        retenue = entier[k] == '9';
        entier[k] = retenue ? '0' : static_cast<char>(entier[k] + 1);
    }
    if (retenue) entier.insert(entier.begin(), '1');
    entier.erase(0, std::min(entier.find_first_not_of('0'), entier.size() - 1));

    std::string texte = std::move(entier);
    if (négatif) texte.insert(texte.begin(), '-');
    if (d > 0) texte += séparateurDécimal + fraction;
    if (pourcent) texte += '%';
    return texte;
}

std::string TexteColonne(std::string texte, int32_t largeur) {
    if (largeur == 0) return texte;
    const size_t l = largeur < 0 ? static_cast<size_t>(-static_cast<int64_t>(largeur))
                                 : static_cast<size_t>(largeur);
    texte = std::string(largeur < 0 ? SansBlancsDevant(texte) : SansBlancsDerrière(texte));
    const size_t n = NombreCaractères(texte);
    if (n > l) return LireNombre(texte) ? std::string(l, '#') : Début(texte, l);
    return largeur < 0 ? Blancs(l - n) + texte : texte + Blancs(l - n);
}

std::string NombreColonne(const Variant& valeur, const Variant& format, char séparateurDécimal) {
    bool pourcent = false;
    double f = 0;
    if (const auto* t = std::get_if<std::string>(&format); t && !t->empty() && t->front() == '%') {
        pourcent = true;
        f = LireNombre(std::string_view(*t).substr(1)).value_or(0);
    } else {
        f = NombreDe(format).value_or(0);
    }
    if (std::fabs(f) > 80) f = 0;

    std::optional<double> nombre;
    if (EstNombre(valeur))
        nombre = VersNombre(valeur);
    else if (const auto* t = std::get_if<std::string>(&valeur))
        nombre = LireNombre(*t);
    if (!nombre) {
        const auto w = static_cast<int32_t>(std::trunc(std::fabs(f)));
        return TexteColonne(VersTexte(valeur, séparateurDécimal), f < 0 ? -w : w);
    }

    if (f < 0 && *nombre == 0) return Blancs(static_cast<size_t>(std::nearbyint(-f)));
    f = std::fabs(f);
    const auto d = static_cast<int32_t>((f - std::trunc(f)) * 10 + 0.5);
    const auto w = static_cast<size_t>(std::trunc(f));
    const int chiffres = std::holds_alternative<float>(valeur) ? 7 : 15;
    std::string texte = std::string(
        SansBlancs(NombreMasque(std::fabs(*nombre), d, pourcent, séparateurDécimal, chiffres)));

    if (!pourcent) {
        // Thousands separators, counted from the start of the decimal part.
        const size_t partieDécimale = d > 0 ? static_cast<size_t>(d) + 1 : 0;
        for (size_t position : {3u, 7u, 11u, 15u}) {
            if (texte.size() > partieDécimale && texte.size() - partieDécimale > position)
                texte.insert(texte.size() - partieDécimale - position, 1, '\'');
        }
    }
    // A negative value keeps its sign even when it rounds to zero ("-0,00"), as the
    // platform's number formatting does.
    if (*nombre < 0) texte.insert(texte.begin(), '-');
    texte = std::string(SansBlancs(texte));
    if (texte.size() < w) texte = Blancs(w - texte.size()) + texte;
    if (texte.size() > w && w > 1) return std::string(w, '#');
    return texte;
}
