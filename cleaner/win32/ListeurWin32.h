// The folder-listing port over FindFirstFileExW, and the drives the cleaner may offer.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "Nettix.h"
#include "Recensement.h"

// Lists with FindExInfoBasic (no short names) and FIND_FIRST_EX_LARGE_FETCH; the
// system's "insert a disk" box is suppressed while a listing is open. Long paths are
// listed through the "\\?\" form (CheminWin32).
class ListeurWin32 : public ListeurDossiers {
  public:
    ListeurWin32() = default;
    ListeurWin32(const ListeurWin32&) = delete;
    ListeurWin32& operator=(const ListeurWin32&) = delete;
    ~ListeurWin32() override;

    bool Liste(const std::string& rep, VisiteurDossier& visiteur) override;
    // Under Wine a host symbolic link to a file carries no reparse-point attribute, and
    // deleting it would delete its target (links to folders do carry the attribute, and
    // the census skips them). The host lists the links under the census's folder once per
    // census, in the background, from the first file the census would list: from then on
    // a file is a link when that list holds it. Until the list is there, or when the host
    // cannot give it, each file is opened: it is a link when its final path is not the
    // path itself. On Windows nothing is hidden: always false.
    bool LienCaché(const std::string& chemin, bool dossier) override;
    void Commence(const std::string& racine) override;
    // Whether the host's list of the links under the census's folder has come.
    bool LiensConnus() const { return état_ == État::Prête; }

  private:
    enum class État { Aucune, EnCours, Prête, Échec };
    void Demande();
    void Relève();
    void Abandonne();

    EntréeDossier entrée_;  // reused: its name keeps its capacity from entry to entry
    // The host's list of the symbolic links under the census's folder.
    std::string racine_;  // the census's folder, in upper case
    État état_ = État::Aucune;
    std::wstring sortie_;                        // the file the host writes the list into
    unsigned long long début_ = 0, relevé_ = 0;  // start and last look, in ms
    std::unordered_set<std::string> liens_;      // the links, in upper case
    unsigned série_ = 0;                         // names the output files
};

// True under Wine when the drive maps the host's root folder "/" (Wine's Z:), found with
// Wine's own wine_get_unix_file_name export; always false on Windows.
bool RacineDeLHôte(char lettre);

// The drives of types 2, 3 and 4 whose root can be listed, A to Z, without the host's
// root under Wine, each with its type description.
std::vector<Lecteur> LecteursPrêts();
