// Nettix's entry point: single instance, self-update check, start counter, the window,
// the parameters from the settings and the command line, then the census when unattended.
#include <windows.h>

#include "Demarrage.h"
#include "DialoguesWin32.h"
#include "F_Main.h"
#include "FichiersWin32.h"
#include "HorlogeWin32.h"
#include "ListeurWin32.h"
#include "MarqueurRelance.h"
#include "MiseAJourWin32.h"
#include "Possession.h"
#include "ProgrammeWin32.h"
#include "RegistreWin32.h"
#include "Suite.h"
#include "Utf16.h"
#include "VersionWin32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR ligne, int afficher) {
    const AppartementCom com;  // ShellExecuteExW needs COM on this thread
    const Programme programme = ProgrammeCourant();
    if (!UneSeuleInstance(programme.nom)) return 0;
    const LigneDeDémarrage démarrage = SansMarqueurRelance(DepuisUtf16(ligne ? ligne : L""));
    MiseAJourVerifieWin32(démarrage.relancé);

    RegistreWin32 brut;
    Registre registre = RegistreDuProgramme(brut, programme.nom);
    CompteurDémarrageIncrémente(registre, programme.nom);

    FichiersWin32 fichiers;
    DialoguesWin32 dialogues;
    ListeurWin32 listeur;
    ParamètresNettix p;
    const std::string& arguments = démarrage.arguments;
    const std::string version = VersionTexte();

    HorlogeWin32 horloge;
    const TraceNettix trace{horloge, programme.DossierLocal() + "Nettix.log"};
    F_Main fenêtre({p, registre, fichiers, dialogues, listeur, arguments, version, &trace});
    if (!fenêtre.Crée(instance)) {
        dialogues.Message("Je ne parviens pas à ouvrir la fenêtre de Nettix !", TitreAttention,
                          Mb::Ok | Mb::IcôneExclamation);
        return 1;
    }
    p = ParamètresCharge(registre, UnitésConstruit(LecteursPrêts()), dialogues);
    const Lancement lancement = LigneDeCommandeApplique(p, arguments, dialogues, version);
    if (lancement == Lancement::Arrêt) ExitProcess(0);
    fenêtre.ListesRemplit();
    if (lancement == Lancement::Automatique) {
        fenêtre.Mode(true);
        fenêtre.Affiche(afficher);
        fenêtre.bGo_Click();
    } else {
        fenêtre.Affiche(afficher);
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) fenêtre.Traite(msg);
    return 0;
}
