// Drive type and readiness of a drive letter.
#pragma once

#include <string>

// The French description of the type of the drive named by the first character of
// `lecteur` ("C", "c:", "C:\Vud" all mean C:\), e.g. "3 - disque dur".
std::string LecteurType(const std::string& lecteur);

// True when the drive's root folder can be listed (an empty root counts as ready);
// false for an unmapped letter, a drive without a disk or not ready. The system's
// "insert a disk" box is suppressed meanwhile.
bool LecteurPret(const std::string& lecteur);
