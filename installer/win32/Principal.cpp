// Remplo's entry point: the real ports, the window, and one run of the installation.
#include <windows.h>

#include "DialoguesWin32.h"
#include "F_Main.h"
#include "FichiersWin32.h"
#include "LanceurWin32.h"
#include "Possession.h"
#include "ProgrammeWin32.h"
#include "Remplo.h"
#include "Utf16.h"
#include "Valeurs.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const AppartementCom com;  // ShellExecuteExW needs COM on this thread
    // The full line, not the runtime's split arguments: the quotes are part of the syntax.
    const std::string arguments = ArgumentsDeLaLigne(DepuisUtf16(GetCommandLineW()));
    FichiersWin32 fichiers;
    LanceurWin32 lanceur;
    DialoguesWin32 dialogues;
    F_Main fenêtre(instance);
    // ORVAN_REMPLO_ESSAIS shortens the wait for the old program (200 ms per attempt), for
    // tests of a program that never ends.
    AttenteRemplo attente;
    wchar_t essais[16] = {};
    if (GetEnvironmentVariableW(L"ORVAN_REMPLO_ESSAIS", essais, 16) > 0)
        if (const auto n = LireEntier(DepuisUtf16(essais)); n && *n >= 0 && *n <= 100000)
            attente.essais = static_cast<unsigned>(*n);
    Remplo remplo(fichiers, lanceur, dialogues, fenêtre, ProgrammeCourant().nom, attente);
    remplo.Exécute(arguments);
    return 0;
}
