// The program-start port over CreateProcessW.
#pragma once

#include "Ports.h"

// Starts a command line without waiting. The line is used as it is: the program may be
// quoted or not, a full path or a bare name found on the search path. Batch files
// (.bat, .cmd) run through the command interpreter, and a program CreateProcessW cannot
// start (a document, a name registered under App Paths) is handed to ShellExecuteExW.
// The show-window code reaches the program as its STARTUPINFO.wShowWindow.
class LanceurWin32 : public Lanceur {
  public:
    Statut Lance(const std::string& ligneDeCommande, int fenêtre) override;
};

// The program part of a command line: the text between the leading double quotes, or
// up to the first blank. Exposed for the tests.
std::string ProgrammeDeLaLigne(const std::string& ligneDeCommande);
