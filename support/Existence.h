// Whether a path names an existing file or folder.
#pragma once

#include <string>

#include "Ports.h"

// The path names an existing file that is not a folder.
bool FichierExiste(Fichiers& fichiers, const std::string& chemin);
// The path names an existing folder (one trailing backslash allowed).
bool RepertoireExiste(Fichiers& fichiers, const std::string& chemin);
