// The self-update check wired to the registry, files, dialogs and program start of Win32.
#include "MiseAJourWin32.h"

#include <windows.h>

#include "DialoguesWin32.h"
#include "FichiersWin32.h"
#include "LanceurWin32.h"
#include "MiseAJour.h"
#include "OuvrierWin32.h"
#include "ProgrammeWin32.h"
#include "RegistreWin32.h"

void MiseAJourVerifieWin32(bool relancé) {
    RegistreWin32 brut;
    const auto fichiers = std::make_shared<FichiersWin32>();
    DialoguesWin32 dialogues;
    LanceurWin32 lanceur;
    const Programme programme = ProgrammeCourant();
    Registre registre = RegistreDuProgramme(brut, programme.nom);
    OuvrierWin32 ouvrier;
    ContexteMiseAJour c{registre,  *fichiers, dialogues, lanceur,
                        programme, relancé,   fichiers,  &ouvrier};
    if (MiseAJourVerifie(c) == IssueMiseAJour::Terminer) ExitProcess(0);
}
