// F_Auto's controls, in twips, in creation (tab) order.
#include "DispositionAuto.h"

#include "IdsAuto.h"
#include "Taches.h"

namespace DispositionAuto {

namespace {

using namespace IdsAuto;
constexpr double HBouton = 375, HChamp = 315, HLigne = 255;
constexpr DWORD Vu = WS_VISIBLE, Tab = WS_TABSTOP, Groupe = WS_GROUP, Inactif = WS_DISABLED;
constexpr Panneau L = Panneau::Liste, S = Panneau::Saisie, R = Panneau::Répétition;
using enum Genre;

// Labels without a name of their own are numbered from eÉtiquettes, once for all.
constexpr Contrôle Table[] = {
    // The list panel fSelect, shown at opening.
    {Liste, lAutom, "", Vu | Tab, {120, 120, 7560, 5460}, L},
    {Bouton, bAutom0, "Ajouter", Vu | Tab, {120, 5760, 1335, HBouton}, L},
    {Bouton, bAutom1, "Modifier", Vu | Tab | Inactif, {1575, 5760, 1335, HBouton}, L},
    {Bouton, bAutom2, "Supprimer", Vu | Tab | Inactif, {3030, 5760, 1335, HBouton}, L},
    {Bouton, bAutom3, "Exécuter", Vu | Tab | Inactif, {4485, 5760, 1335, HBouton}, L},
    {Bouton, bFin, "Ok", Vu | Tab, {6345, 5760, 1335, HBouton}, L},

    // The entry panel FSaisie, hidden at opening, at the same place.
    {Étiquette,
     eProg,
     "Programme ou message commençant par un guillemet (\")",
     0,
     {120, 120, 6200, HLigne},
     S},
    {Combo, cProg, "", Tab, {120, 390, 6180, 2400}, S},
    {Bouton, bParcourir, "Parcourir", Tab, {6420, 375, 1260, HBouton}, S},
    {Étiquette, eParam, "Paramètres", 0, {120, 870, 1200, HLigne}, S},
    {Champ, tParam, "", Tab, {1380, 840, 6300, HChamp}, S},
    {Case, cDésactivé, "Désactiver temporairement", Tab, {120, 1260, 3600, HLigne}, S},
    // Inside the frame "Répétition": the options first (one group), then the fields.
    {Option, oRépet0, LibellésRépétition[0], Groupe | Tab, {240, 1830, 2400, HLigne}, R},
    {Option, oRépet0 + 1, LibellésRépétition[1], 0, {240, 2100, 1500, HLigne}, R},
    {Option, oRépet0 + 2, LibellésRépétition[2], 0, {240, 2370, 2400, HLigne}, R},
    {Option, oRépet0 + 3, LibellésRépétition[3], 0, {240, 2640, 3400, HLigne}, R},
    {Option, oRépet0 + 4, LibellésRépétition[4], 0, {240, 2910, 4860, HLigne}, R},
    {Option, oRépet0 + 5, LibellésRépétition[5], 0, {240, 3180, 1260, HLigne}, R},
    {Option, oRépet0 + 6, LibellésRépétition[6], 0, {240, 3450, 1260, HLigne}, R},
    {Case, cWeekEnd, LibelléSaufFériés, Groupe | Tab, {1800, 2100, 2300, HLigne}, R},
    {Étiquette, eÉtiquettes, LibelléOuvrableDuMois, 0, {1560, 3315, 2200, HLigne}, R},
    {Étiquette, eÉtiquettes + 1, "la prochaine fois", 0, {4440, 1830, 3000, HLigne}, R},
    {Étiquette, eÉtiquettes + 2, "jj.mm.aaaa", 0, {4740, 2100, 1200, HLigne}, R},
    {Étiquette, eÉtiquettes + 3, "hh:mm", 0, {6420, 2100, 900, HLigne}, R},
    {Étiquette, eÉtiquettes + 4, "le", 0, {4440, 2400, 280, HLigne}, R},
    {Champ, tJour, "", Tab, {4740, 2370, 1200, HChamp}, R},
    {Étiquette, eÉtiquettes + 5, "à", 0, {6120, 2400, 280, HLigne}, R},
    {Champ, tHeure, "", Tab, {6420, 2370, 900, HChamp}, R},
    {Étiquette, eÉtiquettes + 6, "hh:mm:ss", 0, {5160, 2670, 1200, HLigne}, R},
    {Champ, tDélai, "", Tab | Inactif, {5160, 2880, 1200, HChamp}, R},
    {Encadré, fRépet, "Répétition", Groupe, {120, 1560, 7560, 2400}, S},
    {Étiquette, eÉtiquettes + 7, "hh:mm", 0, {2640, 4020, 900, HLigne}, S},
    {Étiquette, eÉtiquettes + 8, "Dans un délai maximum de", 0, {120, 4290, 2460, HLigne}, S},
    {Champ, tMax, "", Tab, {2640, 4260, 900, HChamp}, S},
    {Option, oTyp0, "Normale", Groupe | Tab, {4020, 4290, 1140, HLigne}, S},
    {Option, oTyp0 + 1, "Réduite", 0, {5220, 4290, 1140, HLigne}, S},
    {Option, oTyp0 + 2, "Agrandie", 0, {6420, 4290, 1140, HLigne}, S},
    {Case, cFocus, "Activée", Groupe | Tab, {4020, 4590, 1500, HLigne}, S},
    {Encadré, ZF, "Type de fenêtre", Groupe, {3900, 4020, 3780, 900}, S},
    // No default button: Enter does not save.
    {Bouton, bOk, "Enregistrer", Groupe | Tab | Inactif, {120, 5100, 1500, HBouton}, S},
    {Bouton, bAnn, "Renoncer", Tab, {1740, 5100, 1500, HBouton}, S},
    {Étiquette, eProchaines, "", 0, {120, 5580, 7560, HLigne}, S},
    {Étiquette, eMsg, "", SS_CENTER | SS_NOTIFY, {120, 5880, 7560, 420}, S},
};

// GetDlgItem finds a control by its id: two controls with one id would hide one of them.
constexpr bool IdsUniques() {
    for (const Contrôle& a : Table)
        for (const Contrôle& b : Table)
            if (&a != &b && a.id == b.id) return false;
    return true;
}
static_assert(IdsUniques(), "each control of F_Auto has an id of its own");

}  // namespace

Sorte SorteDe(Genre g) {
    switch (g) {
        case Liste:
            return {L"LISTBOX", WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                    WS_EX_CLIENTEDGE};
        case Combo:
            return {L"COMBOBOX", WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
        case Champ:
            return {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case Bouton:
            return {L"BUTTON", BS_PUSHBUTTON, 0};
        case Case:
            return {L"BUTTON", BS_AUTOCHECKBOX, 0};
        case Option:
            return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
        case Encadré:
            return {L"BUTTON", BS_GROUPBOX, 0};
        case Étiquette:
            break;
    }
    return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
}

std::span<const Contrôle> Contrôles() {
    return Table;
}

}  // namespace DispositionAuto
