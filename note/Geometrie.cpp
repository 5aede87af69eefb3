// The window's placement from its stored settings, and the layout of its controls.
#include "Geometrie.h"

#include <algorithm>
#include <cmath>

#include "Texte.h"
#include "Valeurs.h"

namespace {

// Raised to the minimum, then cut to the desktop (never below the minimum).
double Borne(double taille, double minimum, double maximum) {
    return std::max(minimum, std::min(taille, maximum));
}

}  // namespace

Placement PlacementDepuisTextes(const std::string& haut, const std::string& hauteur,
                                const std::string& gauche, const std::string& largeur,
                                const Cadre& écran, const Cadre& bureau) {
    const double largeurDéfaut = Borne(LargeurDéfaut, LargeurMinimum, bureau.largeur);
    const double hauteurDéfaut = Borne(HauteurDéfaut, HauteurMinimum, bureau.hauteur);
    if (EstBlanc(haut, BlancsEtTabs)) return {Centré(largeurDéfaut, hauteurDéfaut, écran), true};
    const auto h = LireNombre(haut), ha = LireNombre(hauteur), g = LireNombre(gauche),
               l = LireNombre(largeur);
    if (!h || !ha || !g || !l) return {Centré(largeurDéfaut, hauteurDéfaut, écran), true};

    Cadre f{*g, *h, Borne(*l, LargeurMinimum, bureau.largeur),
            Borne(*ha, HauteurMinimum, bureau.hauteur)};
    if (!Atteignable(f, bureau)) return {Centré(f.largeur, f.hauteur, écran), true};
    return {f, false};
}

Disposition DispositionCalcule(double largeur, double hauteur, double largeurOk, double hauteurOk) {
    Disposition d;
    d.largeur = std::max(largeur, LargeurMinimum);
    d.hauteur = std::max(hauteur, HauteurMinimum);
    d.t = {MargeT, MargeT, d.largeur - 345, d.hauteur - 1170};
    d.bOk = {d.t.gauche + d.t.largeur - largeurOk, d.t.hauteur + 240, largeurOk, hauteurOk};
    return d;
}
