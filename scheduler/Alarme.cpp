// The message window's fitting to its label.
#include "Alarme.h"

#include <algorithm>
#include <cmath>

double LargeurÉtiquetteMax(double travail, double cadreX) {
    return std::max(0.0, travail - 2 * MargeAlarme - cadreX);
}

DispositionAlarme AlarmeAjuste(DispositionAlarme d, double largeur, double hauteur, double cadreX,
                               double cadreY, double travail) {
    d.e.largeur = std::min(largeur, LargeurÉtiquetteMax(travail, cadreX));
    d.e.hauteur = hauteur;
    const double w = std::round(2 * d.e.gauche + d.e.largeur + cadreX);
    if (w > d.largeur) {
        d.largeur = w;
        d.ok.gauche = d.e.gauche + (d.e.largeur - d.ok.largeur) / 2;
    }
    d.ok.haut = d.e.haut + d.e.hauteur + 120;
    d.hauteur = d.ok.haut + d.ok.hauteur + d.e.haut + cadreY;
    return d;
}
