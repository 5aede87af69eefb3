// Horlo's entry point: its restart without an administrator's rights, the development
// marker, the command line, single instance, the self-update check, the start-up question,
// the start counter and the tables; then the hidden main window with its tray icon and
// timer, or, with "/o", the task editor alone.
#include <windows.h>

#include "Commande.h"
#include "Demarrage.h"
#include "DialoguesWin32.h"
#include "DroitsWin32.h"
#include "Existence.h"
#include "F_Auto.h"
#include "F_Journal.h"
#include "F_Main.h"
#include "FichiersWin32.h"
#include "HorlogeWin32.h"
#include "LanceurWin32.h"
#include "MarqueurRelance.h"
#include "MiseAJourWin32.h"
#include "Possession.h"
#include "ProgrammeWin32.h"
#include "RegistreWin32.h"
#include "Utf16.h"

namespace {

// Enter and Esc of the message windows reach their Ok button; the journal window has the
// dialog keys too (Tab, Esc for "Fermer").
bool MessageDeF_Show(MSG& msg) {
    HWND racine = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    const Fenêtre* f = Fenêtre::De(racine);
    return (dynamic_cast<const F_Show*>(f) || dynamic_cast<const F_Journal*>(f)) &&
           IsDialogMessageW(racine, &msg);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR ligne, int) {
    const AppartementCom com;  // ShellExecuteExW needs COM on this thread
    const Programme programme = ProgrammeCourant();
    const std::string paramètres = DepuisUtf16(ligne ? ligne : L"");
    // Started elevated (by a setup run as administrator), Horlo hands over to a copy of
    // itself with the user's normal rights, before it takes its single-instance mark. The
    // copy gets the whole line, Remplo's restart marker included.
    DroitsWin32 droits;
    if (RelanceSansÉlévation(droits, programme, paramètres)) return 0;
    const LigneDeDémarrage démarrage = SansMarqueurRelance(paramètres);

    FichiersWin32 fichiers;
    if (FichierExiste(fichiers, programme.DossierLocal() + programme.nom + ".vbp"))
        MiseAJourVerifieWin32(démarrage.relancé);

    RegistreWin32 brut;
    Registre registre = RegistreDuProgramme(brut, programme.nom);
    DialoguesWin32 dialogues;
    const MotHorlo mot = MotDeLaLigne(démarrage.arguments);
    switch (mot) {
        case MotHorlo::Aide:
            AideMontre(dialogues);
            return 0;
        case MotHorlo::Désinstalle:
            if (!DésinstallationDemande(registre, dialogues)) return 0;
            if (!UneSeuleInstance(programme.nom)) return 0;
            break;
        case MotHorlo::Éditeur:
            QuestionDémarrage(registre, dialogues, programme);
            break;
        case MotHorlo::Aucun:
            // A second start ends silently; the running instance stays as it is.
            if (!UneSeuleInstance(programme.nom)) return 0;
            // Before the window: no tray icon to remove yet.
            MiseAJourVerifieWin32(démarrage.relancé);
            QuestionDémarrage(registre, dialogues, programme);
            break;
    }

    HorlogeWin32 horloge;
    LanceurWin32 lanceur;
    Horlo h(fichiers, horloge, programme);
    h.Démarrage = horloge.Maintenant();
    CompteurDémarrageIncrémente(registre, programme.nom);
    TâchesCharge(h);  // a file that cannot be read leaves the table empty, and unsaved
    ModèlesCharge(h);

    F_Main principale({h, registre, dialogues, lanceur, instance});
    AlarmesWin32 alarmes(instance, dialogues);  // the messages "Exécuter" shows in the editor alone
    if (mot == MotHorlo::Éditeur) {
        if (!F_AutoOuvre(
                {h, registre, dialogues, lanceur, alarmes, instance, [] { PostQuitMessage(0); }}))
            return 1;
    } else if (!principale.Crée()) {
        return 1;
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (MessageDeF_Show(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    principale.IcôneRetire();
    return 0;
}
