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
// program restarted after its old process has ended is therefore alone again. When the
// mutex cannot be created at all, the answer is true: better a second instance than a
// program that never starts. A second call in the same process answers false.
bool UneSeuleInstance(const std::string& nomProgramme);
