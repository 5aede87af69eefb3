// Test host of the task editor: loads the tables of the folder given on the command line
// (as the program "Horlo" there), opens F_Auto and ends when it closes. With "/moteur" a
// 100 ms timer runs the real engine's passes, as the tray program does.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include "../../../bench/Muets.h"
#include "DialoguesWin32.h"
#include "F_Auto.h"
#include "FichiersWin32.h"
#include "HorlogeWin32.h"
#include "LanceurWin32.h"
#include "Moteur.h"
#include "RegistreWin32.h"
#include "Utf16.h"

namespace {

Horlo* horlo = nullptr;
PortsMoteur* ports = nullptr;

void CALLBACK Timer1_Timer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    ports->éditeur = F_AutoVue();
    TâchesExécute(*horlo, *ports);
    SetTimer(nullptr, 0, IntervallePassesMs, Timer1_Timer);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int n = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &n);
    if (!args || n < 2) return 2;
    const std::string dossier = DepuisUtf16(args[1]);
    const bool moteur = n > 2 && std::wstring(args[2]) == L"/moteur";

    FichiersWin32 fichiers;
    HorlogeWin32 horloge;
    Horlo h(fichiers, horloge, Programme::DepuisChemin(dossier + "\\Horlo.exe"));
    h.Démarrage = horloge.Maintenant();
    TâchesCharge(h);
    ModèlesCharge(h);
    RegistreWin32 brut;
    Registre registre = RegistreDuProgramme(brut, "Horlo");
    DialoguesWin32 dialogues;
    LanceurWin32 lanceur;
    AlarmesMuettes alarmes;
    PortsMoteur p{lanceur, alarmes, nullptr};
    horlo = &h;
    ports = &p;

    if (!F_AutoOuvre(
            {h, registre, dialogues, lanceur, alarmes, instance, [] { PostQuitMessage(0); }}))
        return 1;
    if (moteur) SetTimer(nullptr, 0, IntervallePassesMs, Timer1_Timer);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
