// Pensil's start-up over the ports, and its geometry settings.
#include "Pensil.h"

#include <cmath>

#include "Demarrage.h"
#include "Registre.h"
#include "Texte.h"
#include "Valeurs.h"

namespace {

std::string Twips(double valeur) {
    return std::to_string(std::llround(valeur));
}

}  // namespace

Placement PlacementLit(Registre& registre, const Cadre& écran, const Cadre& bureau) {
    const std::string haut = TexteDe(registre.ParamProgLit("Top"));
    if (EstBlanc(haut, BlancsEtTabs)) return PlacementDepuisTextes(haut, "", "", "", écran, bureau);
    return PlacementDepuisTextes(haut, TexteDe(registre.ParamProgLit("Height")),
                                 TexteDe(registre.ParamProgLit("Left")),
                                 TexteDe(registre.ParamProgLit("Width")), écran, bureau);
}

void PlacementÉcrit(Registre& registre, const Cadre& fenêtre) {
    registre.ParamProgEcrit("Top", Twips(fenêtre.haut));
    registre.ParamProgEcrit("Height", Twips(fenêtre.hauteur));
    registre.ParamProgEcrit("Left", Twips(fenêtre.gauche));
    registre.ParamProgEcrit("Width", Twips(fenêtre.largeur));
}

ÉtatPensil PensilDémarre(Registre& registre, Fichiers& fichiers, Dialogues& dialogues,
                         const Programme& programme, const Cadre& écran, const Cadre& bureau) {
    CompteurDémarrageIncrémente(registre, programme.nom);
    ÉtatPensil état;
    état.placement = PlacementLit(registre, écran, bureau);
    état.chemin = NoteChemin(programme);
    état.note = NoteCharge(fichiers, dialogues, état.chemin);
    return état;
}
