// Remplo, the update installer: reads "source" "destination" [tail] from its command line,
// puts the new program in place of the old one once the old one has ended, and starts it.
// Portable: the platform comes in through the ports and the window through FenêtreRemplo.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "MarqueurRelance.h"
#include "Ports.h"

inline constexpr char TitreRemplo[] = "Remplo";
inline constexpr char MessageUsage[] =
    "Donnez le programme source entre guillements, un espace, et le programme destination "
    "entre guillemets en paramètre svp.";

// What the command line names.
struct LigneRemplo {
    std::string source;       // the new program
    std::string destination;  // the program to replace, then to start
    std::string queue;        // whatever follows the destination, blanks trimmed
    bool operator==(const LigneRemplo&) const = default;
};

// `"source" "destination" tail`, blanks trimmed around each part; a path without any
// full stop gets ".EXE". Nothing when the line is malformed (no leading quote, unbalanced
// quotes, an empty path): the caller then shows the usage message.
std::optional<LigneRemplo> RemploAnalyse(std::string_view arguments);

// The arguments of a full Windows command line: the line without the program's own name
// (quoted or up to the first blank) and the blanks after it.
std::string ArgumentsDeLaLigne(std::string_view ligneDeCommande);

// The window as the installation drives it.
struct FenêtreRemplo {
    virtual ~FenêtreRemplo() = default;
    // The progress texts, labels E(0) and E(1).
    virtual void Étiquette(int indice, const std::string& texte) = 0;
    // The busy pointer while installing; false restores the default pointer.
    virtual void PointeurOccupé(bool occupé) = 0;
    virtual void Montre() = 0;
    // Handles the pending window events and returns at once.
    virtual void Cède() = 0;
    // Waits about `millisecondes` while still handling window events.
    virtual void Pause(unsigned millisecondes) = 0;
};

// How long the old program may keep its file: `essais` attempts `pauseMs` apart. Putting
// a file in place, or back, is tried again `essaisPassagers` times `pausePassagèreMs` apart
// while it fails in a way that may clear by itself (an antivirus often holds a freshly
// copied program for a moment); any other failure is final at once.
struct AttenteRemplo {
    unsigned pauseMs = 200;
    unsigned essais = 300;  // about a minute
    unsigned pausePassagèreMs = 100;
    unsigned essaisPassagers = 30;  // about three seconds
};

// How a run ended (the program always ends after it).
enum class IssueRemplo {
    Usage,                   // malformed command line: usage message, nothing touched
    SansCopie,               // nothing to install: destination restarted with the marker
    Installé,                // new program in place and started without the marker
    InstalléSansRelance,     // new program in place, old one still running: not started
    CopieÉchouée,            // copy failed: old program kept and restarted with the marker
    RemplacementImpossible,  // old file never released: kept, restarted with the marker
    RestaurationImpossible,  // neither version could take the program's name: both kept
                             // beside it, the user told, nothing started
};

class Remplo {
  public:
    Remplo(Fichiers& fichiers, Lanceur& lanceur, Dialogues& dialogues, FenêtreRemplo& fenêtre,
           std::string nomProgramme, AttenteRemplo attente = {});

    // Analysis first; the window stays hidden until installing begins.
    IssueRemplo Exécute(std::string_view arguments);

    // Starts `"destination" tail` (tail + " (~!~)" with the marker) in a normal window
    // with focus; a failed start is reported. Restores the default pointer.
    void Relance(bool marqueur);

    // The command line that Relance starts.
    std::string LigneRelance(bool marqueur) const;

    // The files beside the destination: the new program while it is not yet in place,
    // and the old one while the new one takes its name.
    std::string CheminTemporaire() const { return ligne_.destination + ".nouveau"; }
    std::string CheminSauvegarde() const { return ligne_.destination + ".ancien"; }

  private:
    void RetireRésidus();
    bool NeRienInstaller();
    IssueRemplo Installe();
    IssueRemplo ÉchecCopie(const std::string& erreur);
    IssueRemplo ÉchecRestauration(const std::string& erreur);
    // Calls `essai` until it succeeds or the attempts run out, pausing between attempts.
    template <class F>
    Statut Attend(F essai);
    // Calls `essai` again, a few seconds at most, while it fails in a passing way.
    template <class F>
    Statut Réessaie(F essai);

    Fichiers& fichiers_;
    Lanceur& lanceur_;
    Dialogues& dialogues_;
    FenêtreRemplo& fenêtre_;
    std::string nomProgramme_;
    AttenteRemplo attente_;
    unsigned essaisRestants_ = 0;
    LigneRemplo ligne_;
};
