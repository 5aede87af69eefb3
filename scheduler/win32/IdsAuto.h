// Window class and control IDs of F_Auto, fixed so that tests can find its controls.
#pragma once

namespace IdsAuto {
inline constexpr const wchar_t* Classe = L"Horlo.F_Auto";
// List panel fSelect.
inline constexpr int lAutom = 100;
inline constexpr int bAutom0 = 101, bAutom1 = 102, bAutom2 = 103;  // Ajouter Modifier Supprimer
inline constexpr int bFin = 104;
inline constexpr int bAutom3 = 105;  // Exécuter
// Entry panel FSaisie.
inline constexpr int cProg = 200, bParcourir = 201, tParam = 202, cDésactivé = 203;
inline constexpr int fRépet = 204;
inline constexpr int oRépet0 = 210;  // to oRépet0 + 6
inline constexpr int cWeekEnd = 220, tJour = 221, tHeure = 222, tDélai = 223, tMax = 224;
inline constexpr int ZF = 230, oTyp0 = 231;  // to oTyp0 + 2
inline constexpr int cFocus = 234;
inline constexpr int bOk = 240, bAnn = 241, eMsg = 242, eProchaines = 243;
// Labels: "Programme ou message...", "Paramètres" and the others, from 250 on.
inline constexpr int eProg = 250, eParam = 251, eÉtiquettes = 252;
}  // namespace IdsAuto
