// The file port over the Win32 file API (W functions, UTF-8 paths converted at the call).
#pragma once

#include <string>

#include "Ports.h"

// A path as the W file functions take it: UTF-16, and in the "\\?\" form when it is
// absolute and too long for the plain form (CheminLong). Every file operation of the
// Win32 layer passes its paths through it.
std::wstring CheminWin32(const std::string& chemin);

// Every failure carries the system's error text (TexteErreur of GetLastError()).
class FichiersWin32 : public Fichiers {
  public:
    std::optional<uint32_t> Attributs(const std::string& chemin) override;
    // Local time of the last write, as shown for that date (daylight saving of the
    // date itself), truncated to the second. Works for folders too.
    Résultat<double> DateModification(const std::string& chemin) override;
    Résultat<uint64_t> Taille(const std::string& chemin) override;
    Résultat<std::string> Lire(const std::string& chemin) override;
    // Writes "<path>.~<pid><n>.tmp" beside the file, flushes it, then moves it over the
    // file with MoveFileExW (replace, write through). Any failure removes the temporary
    // file and leaves the previous file untouched; a read-only file is not replaced.
    Statut Écrire(const std::string& chemin, const std::string& octets) override;
    Statut Ajouter(const std::string& chemin, const std::string& octets) override;
    Statut Supprimer(const std::string& chemin) override;
    Statut Copier(const std::string& source, const std::string& destination) override;
    Statut Renommer(const std::string& source, const std::string& destination,
                    bool remplacer) override;
};
