// The window's placement from its stored settings, and the layout of its controls.
#include <algorithm>
#include <cmath>

#include "Note.h"
#include "Valeurs.h"

namespace {

Placement Centré(double largeur, double hauteur, const Cadre& écran) {
    Placement p;
    p.centrée = true;
    p.fenêtre = {écran.gauche + (écran.largeur - largeur) / 2,
                 écran.haut + (écran.hauteur - hauteur) / 2, largeur, hauteur};
    return p;
}

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
    if (haut.find_first_not_of(" \t") == std::string::npos)
        return Centré(largeurDéfaut, hauteurDéfaut, écran);
    const auto h = LireNombre(haut), ha = LireNombre(hauteur), g = LireNombre(gauche),
               l = LireNombre(largeur);
    if (!h || !ha || !g || !l) return Centré(largeurDéfaut, hauteurDéfaut, écran);

    Cadre f{*g, *h, Borne(*l, LargeurMinimum, bureau.largeur),
            Borne(*ha, HauteurMinimum, bureau.hauteur)};
    const bool barreVisible =
        f.haut >= bureau.haut && f.haut <= bureau.haut + bureau.hauteur - HauteurBarreTitre;
    const double recouvrement = std::min(f.gauche + f.largeur, bureau.gauche + bureau.largeur) -
                                std::max(f.gauche, bureau.gauche);
    if (!barreVisible || recouvrement < std::min(BandeVisible, f.largeur))
        return Centré(f.largeur, f.hauteur, écran);
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
