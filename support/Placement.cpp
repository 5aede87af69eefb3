// The placement rule of windows restored at a stored position.
#include "Placement.h"

#include <algorithm>
#include <cmath>

#include "Valeurs.h"

bool Atteignable(const Cadre& f, const Cadre& bureau) {
    if (!std::isfinite(f.gauche) || !std::isfinite(f.haut) || !std::isfinite(f.largeur) ||
        !std::isfinite(f.hauteur))
        return false;
    const bool barreVisible =
        f.haut >= bureau.haut && f.haut <= bureau.haut + bureau.hauteur - HauteurBarreTitre;
    const double recouvrement = std::min(f.gauche + f.largeur, bureau.gauche + bureau.largeur) -
                                std::max(f.gauche, bureau.gauche);
    return barreVisible && recouvrement >= std::min(BandeVisible, f.largeur);
}

Cadre Centré(double largeur, double hauteur, const Cadre& écran) {
    return {std::max(écran.gauche, écran.gauche + (écran.largeur - largeur) / 2),
            std::max(écran.haut, écran.haut + (écran.hauteur - hauteur) / 2), largeur, hauteur};
}

std::string TwipsTexte(double twips) {
    return std::to_string(std::llround(twips));
}

std::optional<Cadre> PositionDepuisTexte(const std::string& texte, double largeur, double hauteur,
                                         const Cadre& bureau) {
    const auto tab = texte.find('\t');
    if (tab == std::string::npos) return std::nullopt;
    const std::string reste = texte.substr(tab + 1);
    const auto gauche = LireNombre(texte.substr(0, tab));
    const auto haut = LireNombre(reste.substr(0, reste.find('\t')));
    if (!gauche || !haut) return std::nullopt;
    const Cadre f{*gauche, *haut, largeur, hauteur};
    if (!Atteignable(f, bureau)) return std::nullopt;
    return f;
}

std::string PositionTexte(const Cadre& f) {
    return TwipsTexte(f.gauche) + "\t" + TwipsTexte(f.haut);
}
