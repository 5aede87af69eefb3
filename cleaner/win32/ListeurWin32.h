// The folder-listing port over FindFirstFileExW, and the drives the cleaner may offer.
#pragma once

#include <map>
#include <string>
#include <unordered_set>
#include <vector>

#include "Nettix.h"
#include "Recensement.h"

// Lists with FindExInfoBasic (no short names) and FIND_FIRST_EX_LARGE_FETCH; the
// system's "insert a disk" box is suppressed while a listing is open. Paths longer than
// the classic limit are listed through the "\\?\" form.
class ListeurWin32 : public ListeurDossiers {
public:
    ListeurWin32() = default;
    ListeurWin32(const ListeurWin32&) = delete;
    ListeurWin32& operator=(const ListeurWin32&) = delete;
    ~ListeurWin32() override;

    bool Liste(const std::string& rep, VisiteurDossier& visiteur) override;
    // Under Wine a host symbolic link to a file carries no reparse-point attribute, and
    // deleting it would delete its target (links to folders do carry the attribute, and
    // the census skips them). The host lists the links of a drive once per census, in the
    // background, from the first file the census would list: from then on a file is a
    // link when that list holds it. Until the list is there, or when the host cannot give
    // it, each file is opened: it is a link when its final path is not the path itself.
    // On Windows nothing is hidden: always false.
    bool LienCaché(const std::string& chemin, bool dossier) override;
    void Commence() override;
    // Whether the host's list of the links under a drive has come for this census.
    bool LiensConnus(char lecteur) const;

private:
    // The host's list of the symbolic links under one drive.
    struct LiensHôte {
        enum class État { EnCours, Prête, Échec } état = État::EnCours;
        std::wstring sortie;         // the file the host writes the list into, when done
        unsigned long long début = 0, relevé = 0;  // start and last look, in ms
        std::unordered_set<std::string> chemins;   // the links, in upper case
    };
    LiensHôte* Liens(char lecteur);
    void Relève(LiensHôte& l);

    EntréeDossier entrée_;  // reused: its name keeps its capacity from entry to entry
    std::map<char, LiensHôte> liens_;
    unsigned série_ = 0;  // names the output files of the census
};

// True under Wine when the drive maps the host's root folder "/" (Wine's Z:), found with
// Wine's own wine_get_unix_file_name export; always false on Windows.
bool RacineDeLHôte(char lettre);

// The drives of types 2, 3 and 4 whose root can be listed, A to Z, without the host's
// root under Wine, each with its type description.
std::vector<Lecteur> LecteursPrêts();
