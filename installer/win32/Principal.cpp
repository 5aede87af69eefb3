// Remplo's entry point: the real ports, the window, and one run of the installation.
#include <windows.h>

#include "DialoguesWin32.h"
#include "F_Main.h"
#include "FichiersWin32.h"
#include "LanceurWin32.h"
#include "ProgrammeWin32.h"
#include "Remplo.h"
#include "Utf16.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The full line, not the runtime's split arguments: the quotes are part of the syntax.
    const std::string arguments = ArgumentsDeLaLigne(DepuisUtf16(GetCommandLineW()));
    FichiersWin32 fichiers;
    LanceurWin32 lanceur;
    DialoguesWin32 dialogues;
    F_Main fenêtre(instance);
    Remplo remplo(fichiers, lanceur, dialogues, fenêtre, ProgrammeCourant().nom);
    remplo.Exécute(arguments);
    return 0;
}
