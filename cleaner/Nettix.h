// Nettix's portable logic: what the cleaner works on (drives, extensions, forbidden
// extensions, mode), how it is built at start from the settings and the command line,
// how it is saved at exit, and the help text. The census and the deletion are in
// Recensement.h; the windows (cleaner/win32) only show what these decide.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Ports.h"

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

// The drive list: the drives of type 2 (removable), 3 (fixed) and 4 (network) among the
// given ones (which the caller has found ready), each with its type digit as data.
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
