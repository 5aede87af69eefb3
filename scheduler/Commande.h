// Horlo's command line and the questions of its start: the usage box, the removal of the
// Windows start-up entry and the offer to create it.
#pragma once

#include <string>
#include <string_view>

#include "Ports.h"
#include "Programme.h"
#include "Registre.h"

// The Windows start-up key and Horlo's value in it (machine-wide).
inline constexpr const char* CléRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* ValeurRun = "Talmon";

enum class MotHorlo { Aucun, Aide, Désinstalle, Éditeur };

// The whole command line, trimmed and compared without regard to case with "/?",
// "/uninstall" and "/o"; anything else is no word.
MotHorlo MotDeLaLigne(std::string_view ligne);

// Started with an administrator's full rights that the user's desktop shell does not have
// (a setup run "as administrator" started it), Horlo asks the shell to start it again
// with the same `paramètres`: the tray program and every program its tasks start then run
// with the user's normal rights, its start-up entry is the user's, and the shell's
// messages to the tray reach it. True when that restart was asked (this instance ends);
// false to go on as it is (normal rights, no shell, a shell as elevated, a failed request).
bool RelanceSansÉlévation(Droits& droits, const Programme& programme,
                          const std::string& paramètres);

// The usage box of "/?".
void AideMontre(Dialogues& dialogues);

// "/uninstall": asks, and on Yes removes the start-up entry; tells the user when the
// machine's entry stays (only an administrator may remove it). False when the user said No.
bool DésinstallationDemande(Registre& registre, Dialogues& dialogues);

// When the start-up entry holds nothing, asks whether Horlo should start with Windows and
// on Yes stores the executable's full path there; on No the question comes again next time.
void QuestionDémarrage(Registre& registre, Dialogues& dialogues, const Programme& programme);

// Tells the user that the engine's clock could not be started (`raison`: the system's
// text): without it no task runs in this run of the program.
void MinuterieÉchecSignale(Dialogues& dialogues, const std::string& raison);

// The text of the question "Quit" asks before the tray program ends.
inline constexpr const char* TexteQuitter =
    "Si vous quitter l'application, les exécutions automatiques seront désactivées ! "
    "Voulez-vous vraiment quitter L'horlo de Orvan 98 ?";
