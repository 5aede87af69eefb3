// Pensil's start-up over the ports, and its geometry settings.
#include "Pensil.h"

#include "Demarrage.h"
#include "Registre.h"
#include "Texte.h"
#include "Valeurs.h"

Placement PlacementLit(Registre& registre, const Cadre& écran, const Cadre& bureau) {
    const std::string haut = TexteDe(registre.ParamProgLit("Top"));
    if (EstBlanc(haut, BlancsEtTabs)) return PlacementDepuisTextes(haut, "", "", "", écran, bureau);
    return PlacementDepuisTextes(haut, TexteDe(registre.ParamProgLit("Height")),
                                 TexteDe(registre.ParamProgLit("Left")),
                                 TexteDe(registre.ParamProgLit("Width")), écran, bureau);
}

void PlacementÉcrit(Registre& registre, const Cadre& fenêtre) {
    registre.ParamProgEcrit("Top", TwipsTexte(fenêtre.haut));
    registre.ParamProgEcrit("Height", TwipsTexte(fenêtre.hauteur));
    registre.ParamProgEcrit("Left", TwipsTexte(fenêtre.gauche));
    registre.ParamProgEcrit("Width", TwipsTexte(fenêtre.largeur));
}

ÉtatPensil PensilDémarre(Registre& registre, Fichiers& fichiers, Dialogues& dialogues,
                         const Programme& programme, const Cadre& écran, const Cadre& bureau) {
    CompteurDémarrageIncrémente(registre, programme.nom);
    ÉtatPensil état;
    état.placement = PlacementLit(registre, écran, bureau);
    état.chemin = NoteChemin(programme);
    état.note = NoteCharge(fichiers, dialogues, état.chemin);
    état.brouillon = BrouillonReprend(fichiers, dialogues, état.chemin, état.note);
    return état;
}
