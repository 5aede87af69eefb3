// The message window's layout in twips: the window fits itself to its label's text.
#pragma once

#include "Placement.h"

inline constexpr double MargeAlarme = 120;  // the label's left and top margins

// The window's outer size, its label E and its button bOk, as designed before any text.
struct DispositionAlarme {
    double largeur = 0, hauteur = 0;
    Cadre e{MargeAlarme, MargeAlarme, 0, 0};
    Cadre ok{480, 480, 1215, 375};
};

// The widest label in a window as wide as the work area, `travail`, its frame `cadreX` wide.
double LargeurÉtiquetteMax(double travail, double cadreX);
// Fits `d` to a label of that size, cut to LargeurÉtiquetteMax: the window widens to the
// label and its margins (never narrows), centring the button under it; the button stands
// 120 under the label, the label's top margin below it. `cadreX/Y`: outer less client size.
DispositionAlarme AlarmeAjuste(DispositionAlarme d, double largeur, double hauteur, double cadreX,
                               double cadreY, double travail);
