// The folder-listing port over FindFirstFileExW, and the drives the cleaner may offer.
#pragma once

#include <string>
#include <vector>

#include "Nettix.h"
#include "Recensement.h"

// Lists with FindExInfoBasic (no short names) and FIND_FIRST_EX_LARGE_FETCH; the
// system's "insert a disk" box is suppressed while a listing is open. Paths longer than
// the classic limit are listed through the "\\?\" form.
class ListeurWin32 : public ListeurDossiers {
public:
    bool Liste(const std::string& rep, VisiteurDossier& visiteur) override;
    // Under Wine a host symbolic link carries no reparse-point attribute: the entry is a
    // link when the system's final path of the opened entry is not the path itself.
    // Wine would delete a linked file's target, and a linked folder may lie anywhere.
    bool LienCaché(const std::string& chemin, bool dossier) override;

private:
    EntréeDossier entrée_;  // reused: its name keeps its capacity from entry to entry
};

// True under Wine when the drive maps the host's root folder "/" (Wine's Z:), found with
// Wine's own wine_get_unix_file_name export; always false on Windows.
bool RacineDeLHôte(char lettre);

// The drives of types 2, 3 and 4 whose root can be listed, A to Z, without the host's
// root under Wine, each with its type description.
std::vector<Lecteur> LecteursPrêts();
