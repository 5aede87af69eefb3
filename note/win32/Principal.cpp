// Pensil's entry point: single instance, self-update check, start counter, geometry and
// note file, then the window and its message loop.
#include <windows.h>

#include "DialoguesWin32.h"
#include "F_Vud.h"
#include "Fenetre.h"
#include "FichiersWin32.h"
#include "MarqueurRelance.h"
#include "Metriques.h"
#include "MiseAJourWin32.h"
#include "Possession.h"
#include "ProgrammeWin32.h"
#include "RegistreWin32.h"
#include "Suite.h"
#include "Utf16.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR ligne, int afficher) {
    const AppartementCom com;  // ShellExecuteExW needs COM on this thread
    const Programme programme = ProgrammeCourant();
    // A second start ends silently; the running instance stays as it is.
    if (!UneSeuleInstance(programme.nom)) return 0;
    // Pensil takes no arguments: only Remplo's restart marker counts.
    MiseAJourVerifieWin32(SansMarqueurRelance(DepuisUtf16(ligne ? ligne : L"")).relancé);

    RegistreWin32 brut;
    Registre registre = RegistreDuProgramme(brut, programme.nom);
    FichiersWin32 fichiers;
    DialoguesWin32 dialogues;

    ÉtatPensil état =
        PensilDémarre(registre, fichiers, dialogues, programme, ÉcranTwips(), BureauTwips());

    F_Vud fenêtre({état, registre, fichiers, dialogues});
    if (!fenêtre.Crée(instance, afficher)) {
        dialogues.Message("Je ne parviens pas à ouvrir la fenêtre de la note !", TitreAttention,
                          Mb::Ok | Mb::IcôneExclamation);
        return 1;
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        HWND f = fenêtre.Handle();
        if (fenêtre.Prétraite(msg)) continue;
        // The note has no Esc action. Under dialog handling a multi-line edit closes its
        // parent on Esc, so the key never reaches the note's controls.
        const bool échap =
            (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_CHAR) &&
            msg.wParam == VK_ESCAPE;
        if (échap && f && (msg.hwnd == f || IsChild(f, msg.hwnd))) continue;
        // Tab between the controls and Alt+O for "&Ok".
        if (f && IsDialogMessageW(f, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
