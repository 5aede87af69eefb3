// The running program's name (executable base name) and folder, which name its settings
// section, start counter, log and development marker.
#pragma once

#include <string>

struct Programme {
    std::string nom;      // "Nettix"
    std::string dossier;  // "C:\Vud" (no trailing backslash except for a drive root)

    // From a full executable path such as "C:\Vud\Nettix.exe".
    static Programme DepuisChemin(const std::string& cheminExécutable);
    // The folder with a backslash appended when it does not already end in one.
    std::string DossierLocal() const;
};
