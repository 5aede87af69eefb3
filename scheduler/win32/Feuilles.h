// What Horlo's windows share: the system's Open dialog kept for the run, and a window's
// position kept in the program's settings.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "Registre.h"

// The system's Open dialog, one for the whole run: a title, file name or filter that a call
// leaves out keeps its value from the call before ("Tous les fichiers|*.*" at first). The
// filter lists label and pattern pairs separated by "|". Returns the chosen full path, or
// "" when the user cancels or the dialog fails.
std::string FichierChoisir(HWND propriétaire, const std::optional<std::string>& titre = {},
                           const std::optional<std::string>& fichier = {},
                           const std::optional<std::string>& filtre = {});

// A window's left and top edges in twips, stored under its name ("left<tab>top") in the
// program's settings, of its normal rectangle when it is minimised or maximised; restored
// from there, or centred on the screen when nothing is stored.
void PositionSauve(HWND feuille, const std::string& nom, Registre& registre);
void PositionRestaure(HWND feuille, const std::string& nom, Registre& registre);
