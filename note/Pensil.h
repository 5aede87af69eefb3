// Pensil's start-up over the ports, and the stored settings of its window's geometry.
#pragma once

#include <string>

#include "Brouillon.h"
#include "Geometrie.h"
#include "Note.h"
#include "Ports.h"
#include "Programme.h"

class Registre;

// Reads "Top", "Height", "Left" and "Width" of the program's own settings ("Top" first:
// when it is empty the others are not read).
Placement PlacementLit(Registre& registre, const Cadre& écran, const Cadre& bureau);
// Writes "Top", "Height", "Left" and "Width", in this order, as whole twips.
void PlacementÉcrit(Registre& registre, const Cadre& fenêtre);

// Program-wide state of Pensil.
struct ÉtatPensil {
    std::string chemin;  // tel.txt
    NoteChargée note;    // as loaded: the window compares with it at closing
    Placement placement;
    ÉtatBrouillon brouillon;  // the draft beside tel.txt
};

// The steps after the single-instance test and the self-update check: the start counter,
// the geometry, the creation and reading of tel.txt, then the question about a draft left
// by a session that did not end normally.
ÉtatPensil PensilDémarre(Registre& registre, Fichiers& fichiers, Dialogues& dialogues,
                         const Programme& programme, const Cadre& écran, const Cadre& bureau);
