// Window rectangles in twips, and the one rule that keeps a window whose position was
// stored (and may come from a monitor since removed, or from a hand-edited value) within
// the user's reach.
#pragma once

#include <optional>
#include <string>

struct Cadre {
    double gauche = 0, haut = 0, largeur = 0, hauteur = 0;
};

// Of a restored window, the title bar must lie on the desktop, and this much of the
// window's width (all of it when narrower): otherwise it could not be reached to move it.
inline constexpr double BandeVisible = 1500;
inline constexpr double HauteurBarreTitre = 300;

// Whether a window at `f` can be reached on `bureau`, the whole desktop over all monitors.
// Values that are not finite never are.
bool Atteignable(const Cadre& f, const Cadre& bureau);
// Every window's centring: a window of this size centred on `écran`, but never above or
// left of its corner, so that a larger window keeps its caption reachable.
Cadre Centré(double largeur, double hauteur, const Cadre& écran);
// A stored size or position: whole twips as decimal text.
std::string TwipsTexte(double twips);
// A window's position as stored: "left<TAB>top" in whole twips (read by PositionDepuisTexte).
std::string PositionTexte(const Cadre& f);
// A window's stored "left<TAB>top", in twips, for a window of this size: the place when the
// text holds two numbers and the window would be reachable there; nothing otherwise (the
// caller centres the window).
std::optional<Cadre> PositionDepuisTexte(const std::string& texte, double largeur, double hauteur,
                                         const Cadre& bureau);
