// The census of temporary files over a folder-listing port, the keeping and the deletion
// of the listed files, and the states of the main window that these move through.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Nettix.h"
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

// The states of the main window.
enum class ÉtatFenêtre {
    Saisie,       // input panel; "Recenser" is the default button
    Recensement,  // census running: "Auto"/"Manuel" and "Annuler"; hourglass
    Revue,        // files found: "Effacer" (default), "Conserver", "Annuler"
    Échecs,       // files that could not be deleted: "Conserver", "Annuler"
};

// What the main window shows; the Win32 window implements it, the tests record it.
struct VueNettix {
    virtual ~VueNettix() = default;
    virtual void État(ÉtatFenêtre état) = 0;
    // The folder being walked, or the status text of the execution panel.
    virtual void Statut(const std::string& texte) = 0;
    virtual void Total(const std::string& texte) = 0;
    // The file list: appended entries stay in view (the last ten when there are more).
    virtual void ListeAjoute(const std::string& chemin) = 0;
    virtual void ListeRetire(int32_t i) = 0;
    virtual void ListeVide() = 0;
    virtual void ListeSélectionne(int32_t i) = 0;  // -1: no selection
    virtual void ConserverPermis(bool permis) = 0;
    // The mode button: caption "Manuel" and the window shrunk above the list when true,
    // caption "Auto" and full height when false.
    virtual void Mode(bool automatique) = 0;
    // Lets the window system handle waiting events when its timer says it is time.
    virtual void Cède() = 0;
    virtual void Bip() = 0;
    // Ends the program at once; with `enregistrer`, as the window's unloading does (the
    // settings are saved when there is no command line).
    virtual void Termine(bool enregistrer) = 0;
};

// "0 bytes", "1'234'567 bytes".
std::string TotalTexte(uint64_t total);

// The census and deletion handlers of the main window, over the parameters.
class Nettix {
  public:
    Nettix(ParamètresNettix& p, ListeurDossiers& listeur, ::Fichiers& fichiers, VueNettix& vue)
        : p_(p), listeur_(listeur), fichiers_(fichiers), vue_(vue) {}

    void Recenser();              // bGo
    void Conserver();             // bConserver, double click on lDel
    void Effacer();               // bEffacer
    void Annuler();               // bAnn, Escape
    void ModeBascule();           // bAuto
    void Sélectionne(int32_t i);  // a click on lDel

    ÉtatFenêtre État() const { return état_; }
    bool EnCours() const { return enCours_; }
    bool Occupé() const { return enCours_ || effacement_; }  // a census or a deletion runs
    const std::vector<FichierTrouvé>& Trouvés() const { return liste_; }
    // The lines of the file list as the view shows them, also while the deletion runs
    // (the files that could not be deleted first, then those still to delete).
    size_t NombreLignes() const;
    const std::string& Ligne(size_t k) const;
    uint64_t Total() const { return total_; }

  private:
    void Montre(ÉtatFenêtre é);
    void Choisit(int32_t i);

    ParamètresNettix& p_;
    ListeurDossiers& listeur_;
    ::Fichiers& fichiers_;
    VueNettix& vue_;
    std::vector<FichierTrouvé> liste_;
    int32_t sélection_ = -1;
    uint64_t total_ = 0;
    bool enCours_ = false, annule_ = false, effacement_ = false;
    // During the deletion: liste_[0, gardés_) could not be deleted, liste_[suivant_, end)
    // is still to delete; what lies between is gone.
    size_t gardés_ = 0, suivant_ = 0;
    ÉtatFenêtre état_ = ÉtatFenêtre::Saisie;
};
