// The running program: its name and folder, and the single-instance test.
#pragma once

#include <string>

#include "Programme.h"

// Full path of the running executable (GetModuleFileNameW, any path length).
std::string CheminExécutable();
// Name and folder of the running executable.
Programme ProgrammeCourant();

// True when no other instance of the program `nomProgramme` runs in this session.
// The first caller creates the named mutex "Local\Orvan98.<NAME>" (name in upper case,
// so "nettix" and "Nettix" are one program) and holds it until its process ends; a
// program restarted after its old process has ended is therefore alone again. A second
// call in the same process answers false. The answer comes from AutreInstance.
bool UneSeuleInstance(const std::string& nomProgramme);

// What CreateMutexW says about another instance: `obtenu` whether it gave a handle,
// `erreur` GetLastError() right after it. A handle with ERROR_ALREADY_EXISTS: the mutex
// was there. No handle with ERROR_ACCESS_DENIED: the mutex exists but this process may
// not open it, because it belongs to an instance run with other rights (elevated, or
// another account in the session); that instance runs every task too. Any other failure
// (no memory, the name taken by another kind of object) says nothing of an instance and
// answers false: better a second instance than a program that never starts.
bool AutreInstance(bool obtenu, unsigned long erreur);
