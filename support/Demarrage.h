// The per-program start counter kept for the whole machine.
#pragma once

#include <string>

#include "Registre.h"

// Adds one to the counter named after the program (absent or unreadable counts as 0).
void CompteurDémarrageIncrémente(Registre& registre, const std::string& nomProgramme);
