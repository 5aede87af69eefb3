// The census of temporary files over a folder-listing port: the walk of a folder tree
// and the files it finds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Ports.h"

// One entry of a folder listing: its name (no folder), attributes and size in bytes.
struct EntréeDossier {
    std::string nom;
    uint32_t attributs = 0;
    uint64_t taille = 0;
};

// Receives a folder's entries one by one; false stops the listing.
struct VisiteurDossier {
    virtual ~VisiteurDossier() = default;
    virtual bool Entrée(const EntréeDossier& e) = 0;
};

// Lists folders. One listing at a time: the census never opens a second one before the
// first is finished.
struct ListeurDossiers {
    virtual ~ListeurDossiers() = default;
    // Gives every entry of the folder `rep` (ending with a backslash), "." and ".." and
    // volume labels included or not, in the platform's order. False when the folder
    // cannot be listed (missing, not ready, access refused): nothing was given then.
    virtual bool Liste(const std::string& rep, VisiteurDossier& visiteur) = 0;
    // True when the entry is a link that its attributes do not reveal (a host system's
    // symbolic link seen through a compatibility layer). Asked only for the folders the
    // census would enter and the files it would list.
    virtual bool LienCaché(const std::string& /*chemin*/, bool /*dossier*/) { return false; }
    // The census of the folder `racine` (ending with a backslash) begins: what the listing
    // learnt of a tree before may be out of date.
    virtual void Commence(const std::string& /*racine*/) {}
};

struct FichierTrouvé {
    std::string chemin;
    uint64_t taille = 0;  // as the census read it; what "Conserver" subtracts
};

// The census walk of one folder and, depth first, of its sub-folders: every entry of a
// folder is examined before the first sub-folder is opened. Names beginning with a dot,
// volume labels and anything carrying the reparse-point attribute (links, junctions,
// mount points: neither entered nor listed) are skipped. A file is found when its name in
// upper case ends with "." and one of `extensions` (upper case, in list order); the first
// match counts. `suivi` sees each folder as it is opened and each file found, and is
// asked after every entry whether the census must stop.
struct SuiviRecensement {
    virtual ~SuiviRecensement() = default;
    virtual void Dossier(const std::string& rep) = 0;
    virtual void Trouvé(const FichierTrouvé& f) = 0;
    virtual bool Interrompu() = 0;
};
void Nettoyer(std::string rep, ListeurDossiers& listeur, const std::vector<std::string>& extensions,
              SuiviRecensement& suivi);
