// The French description of a drive type, as Nettix lists the drives.
#pragma once

#include <string>

// French description of a drive type code of the platform ("3 - disque dur"); its first
// character is the code for the codes 1 to 6, "0" for any other.
std::string LecteurTypeTexte(int codeDuPlateforme);
