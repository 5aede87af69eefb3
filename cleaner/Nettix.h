// Nettix's portable logic: what the cleaner works on (drives, extensions, forbidden
// extensions, mode), how it is built at start from the settings and the command line,
// how it is saved at exit, the help text, and the handlers of the main window that run
// the census (Recensement.h) and the deletion. The windows (cleaner/win32) only show
// what these decide.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Ports.h"
#include "Recensement.h"

class Registre;

// A sorted list with multiple selection, as lUnités and lExt hold it. Entries compare
// by their upper-case text, so "$$$" < "bak" < "Chk"; equal texts keep their arrival order.
// As a Liste it can be searched with ListeCherche.
class ListeChoix : public Liste {
  public:
    struct Entrée {
        std::string texte;
        int32_t donnée = 0;  // drives: the type digit of LecteurType
        bool choisie = false;
    };

    // Inserts at the sorted position and returns that position.
    int32_t Ajoute(const std::string& texte, int32_t donnée = 0);
    // Position of the first entry equal to `texte`, case ignored; -1 when none.
    int32_t Trouve(const std::string& texte) const;
    void Choisit(int32_t i, bool choisie) { entrées_.at(static_cast<size_t>(i)).choisie = choisie; }
    void ChoisitTout(bool choisie);
    bool Choisie(int32_t i) const { return entrées_.at(static_cast<size_t>(i)).choisie; }
    bool UneChoisie() const;
    // The chosen entries in list order, each followed by a tab (the settings' form).
    std::string ChoisiesTab() const;
    // Every entry in list order, each followed by a tab.
    std::string ToutesTab() const;
    const std::vector<Entrée>& Entrées() const { return entrées_; }

    GenreListe Genre() const override { return GenreListe::ListBox; }
    std::string NomDeType() const override { return "ListBox"; }
    int32_t Nombre() const override { return static_cast<int32_t>(entrées_.size()); }
    std::string Texte(int32_t i) const override;
    int32_t Donnée(int32_t i) const override;

  private:
    std::vector<Entrée> entrées_;
};

// A drive as the platform reports it: "C:" and its type description ("3 - disque dur").
struct Lecteur {
    std::string nom;
    std::string type;
};

inline constexpr const char* ExtensionsDéfaut = "bak\ttmp\tsyd\t$$$\twbk\told\tchk";
inline constexpr const char* ExtensionsChoisiesDéfaut = "tmp\tsyd\t$$$\told\tchk";
inline constexpr const char* InterditesDéfaut =
    "ACL,BAT,CAB,CFG,CNT,COM,CPL,DA0,DAK,DAT,DLL,DOC,ORV,DOS,DOT,DRV,EXE,FON,GDI,GIF,ICM,ICO,"
    "INF,INI,JPG,LNK,LST,NLS,MPD,OCA,OCX,OLB,PCX,PDR,PIF,PPT,REG,RSC,SCF,SCR,SRG,SYS,TLB,TRN,"
    "TTF,TWD,TXT,VDX,XLM,XLS,XLW,";

// The cleaner's parameters for the life of the process.
struct ParamètresNettix {
    ListeChoix unités;
    ListeChoix extensions;
    std::string interdites;  // framed by commas: ",ACL,...,XLW,"
    bool unitésSauvées = false;
    bool automatique = false;  // Auto: the deletion follows the census, then the program ends
};

// The type digit of a drive the cleaner works on, by its type description: 2 (removable),
// 3 (fixed) or 4 (network); 0 for any other drive.
int TypeÀNettoyer(std::string_view type);

// The drive list: the drives of a type to clean among the given ones (which the caller has
// found ready), each with its type digit as data.
ListeChoix UnitésConstruit(const std::vector<Lecteur>& lecteurs);

// Selects exactly the fixed disks ("Local").
void LocalChoisit(ParamètresNettix& p);

// Reads the selections, the extension list and the forbidden list from the settings
// (storing the built-in forbidden list when none is stored).
ParamètresNettix ParamètresCharge(Registre& registre, ListeChoix unités, Dialogues& dialogues);

// Writes the drive selection, the extension list and the extension selection.
void ParamètresEnregistre(Registre& registre, const ParamètresNettix& p);

enum class Lancement {
    Interactif,   // empty command line: the window waits for the user
    Automatique,  // unattended start: the census runs at once, the deletion follows
    Arrêt,        // an unknown item was reported: the program ends at once
};

// Applies the program's argument text to the parameters; may show the /AUTO warning or
// the unknown-parameter error, titled with `version` ("(Nettix v1.0.0)").
Lancement LigneDeCommandeApplique(ParamètresNettix& p, const std::string& arguments,
                                  Dialogues& dialogues, const std::string& version);

// "Recenser" is enabled exactly while a drive and an extension are selected.
inline bool RecenserPermis(const ParamètresNettix& p) {
    return p.unités.UneChoisie() && p.extensions.UneChoisie();
}

// Captions of the two windows, after the version tag.
inline constexpr const char* TitreNettix = " Suppression des fichiers temporaires";
inline constexpr const char* TitreAide =
    " Suppression des fichiers temporaires et autres fichiers inutiles !";

// The 25 lines of the help window with their line breaks.
std::string TexteAide();

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

// What one run did, for its line in Nettix.log.
struct BilanNettoyage {
    uint64_t supprimés = 0, libérés = 0, échecs = 0;
    std::string premierÉchec;  // the first file that could not be deleted, and why
};

// The run's line (UTF-8, without line end): the moment, the drives and extensions worked
// on, what was deleted and freed, and what could not be deleted.
std::string LigneTrace(double moment, const ParamètresNettix& p, const BilanNettoyage& b);

// Where each finished run leaves its line: the clock and the log beside the program.
struct TraceNettix {
    Horloge& horloge;
    std::string chemin;
};

// The census and deletion handlers of the main window, over the parameters.
class Nettix {
  public:
    Nettix(ParamètresNettix& p, ListeurDossiers& listeur, ::Fichiers& fichiers, VueNettix& vue,
           const TraceNettix* trace = nullptr)
        : p_(p), listeur_(listeur), fichiers_(fichiers), vue_(vue), trace_(trace) {}

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
    // Appends the run's line to the log; a log that cannot be written never stops a run.
    void Trace(const BilanNettoyage& b);

    ParamètresNettix& p_;
    ListeurDossiers& listeur_;
    ::Fichiers& fichiers_;
    VueNettix& vue_;
    const TraceNettix* trace_;
    std::vector<FichierTrouvé> liste_;
    int32_t sélection_ = -1;
    uint64_t total_ = 0;
    bool enCours_ = false, annule_ = false, effacement_ = false;
    // During the deletion: liste_[0, gardés_) could not be deleted, liste_[suivant_, end)
    // is still to delete; what lies between is gone.
    size_t gardés_ = 0, suivant_ = 0;
    ÉtatFenêtre état_ = ÉtatFenêtre::Saisie;
};
