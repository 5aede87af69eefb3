// Pensil's window geometry, in twips: where the window opens from its stored settings,
// and the layout of its two controls.
#pragma once

#include <string>

#include "Placement.h"

inline constexpr double LargeurMinimum = 6000;
inline constexpr double HauteurMinimum = 3250;
// Size of a centred window when none is stored.
inline constexpr double LargeurDéfaut = 9000;
inline constexpr double HauteurDéfaut = 6000;

// Where the window opens: the rectangle, and whether it is to be centred on the screen
// (then only its size counts).
struct Placement {
    Cadre fenêtre;
    bool centrée = true;
};

// The placement from the four stored texts. "Top" empty: centred at the default size.
// A value that is not a number: centred at the default size. Sizes are raised to the
// minimum and cut to the desktop; a position off the desktop is centred at the stored size.
// `écran`: the primary screen, where windows are centred; `bureau`: the whole desktop
// over all monitors, where a stored position must lie.
Placement PlacementDepuisTextes(const std::string& haut, const std::string& hauteur,
                                const std::string& gauche, const std::string& largeur,
                                const Cadre& écran, const Cadre& bureau);
// The window's size after the minimum, and its two controls in client coordinates.
struct Disposition {
    double largeur = 0, hauteur = 0;  // the window
    Cadre t, bOk;
};
inline constexpr double MargeT = 120;  // T's distance from the left and top edges
// `largeurOk`/`hauteurOk`: bOk's own size, which the layout keeps.
Disposition DispositionCalcule(double largeur, double hauteur, double largeurOk, double hauteurOk);
