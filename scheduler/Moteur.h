// Horlo's engine: one pass over the task table fires the due tasks, moves them on, drops
// finished and deleted entries, saves Auto.dat and keeps the open editor's list in step.
#pragma once

#include <cstdint>
#include <string>

#include "Calendrier.h"
#include "Journal.h"
#include "Ports.h"
#include "Resultat.h"
#include "Taches.h"

// Whether an occurrence due at `prochaine` still fires at `maintenant` under maximum delay
// `délaiMax` (0: no limit).
bool ÀTemps(double prochaine, double délaiMax, double maintenant);

// The open editor as the engine sees it (nullptr when the editor is not open). A pass that
// changed the table asks once for the list to be rebuilt: one rebuild costs what one line
// search costs in a long list, and per-line updates of a pass where thousands of tasks fire
// would cost the square of the table's length.
struct VueÉditeur {
    virtual ~VueÉditeur() = default;
    // Rebuilds lAutom from the table, in index order (while the entry panel is shown, when
    // the list is shown again).
    virtual void ListeRemplit() = 0;
};

// The message windows of the engine. Each pass that shows a message opens one window of
// its own; later messages of the same pass replace that window's text.
struct Alarmes {
    virtual ~Alarmes() = default;
    // Shows `texte` (already prefixed with "Message programmé: " and an empty line) in a
    // new window when `nouvelle`, otherwise in the window of the current pass; beeps.
    virtual void Montre(const std::string& texte, bool nouvelle) = 0;
};

// What one pass works with beside the program-wide state (clock and files are in Horlo).
struct PortsMoteur {
    Lanceur& lanceur;
    Alarmes& alarmes;
    VueÉditeur* éditeur = nullptr;  // the open editor, nullptr when closed
};

// Milliseconds between two passes of the engine (the tray program's timer).
inline constexpr unsigned IntervallePassesMs = 100;

// One pass over Tâches. Reloads Auto.dat first when it changed on disk since this program
// last read or wrote it. A failure (Auto.dat cannot be written) ends the pass; what was
// changed in memory stays and reaches the file at the next save.
Statut TâchesExécute(Horlo& h, PortsMoteur& ports);

// Starts task t now, as the engine does: its program's command line through the launcher with
// its window code, or its message ("Message programmé: ", an empty line, the text) in a
// message window, a new one when `nouvelle`. Adds to `lot` the line "Programme démarré" or
// "Message affiché" followed by `suite`, or for a failed start the error's text with
// "Shell ("<Programme>", <Fenêtre>)". Returns the failure of a start.
Statut TâcheLance(const Tâche& t, PortsMoteur& ports, bool nouvelle, LotJournal& lot, double moment,
                  std::string_view suite);

// The editor's "Exécuter": runs the task of identity `identité` now, in a message window of
// its own for a message, and journals it "à la demande". A failed start is shown to the user
// (its error and the Shell (...) text) and journalled as the engine does. Nothing of the task
// changes and Auto.dat is not written. A task that is gone does nothing.
void TâcheExécuteMaintenant(Horlo& h, PortsMoteur& ports, Dialogues& dialogues, uint64_t identité);

// The Windows session is ending: starts the program of every active "A" task, without
// waiting (message tasks are skipped: nobody would see them), notes the moment and saves.
Statut TâchesArrêt(Horlo& h, PortsMoteur& ports);

// Records the exception being handled (call it in a catch block) in the journal: its
// what(), "Erreur inconnue" when it has none, and `détail`, the work that raised it.
// Never throws.
void ExceptionJournalise(Horlo& h, const std::string& détail) noexcept;

// Runs background work (an engine pass, the session-end run) that nobody waits for: an
// exception it raises goes to the journal (ExceptionJournalise) and no further, and the
// work is tried again at its next occasion.
template <class F>
void TravailJournalisé(Horlo& h, const std::string& détail, F&& travail) noexcept {
    try {
        travail();
    } catch (...) {
        ExceptionJournalise(h, détail);
    }
}

// When Auto.dat changed on disk since this program last read or wrote it (last-write time
// or size differ), takes in the other writer's changes while keeping this program's own
// unsaved ones and the identities of unchanged tasks.
struct Synchronisation {
    bool reprise = false;  // the table took in the file's changes
    Statut lecture;        // failed when the file changed but could not be read
};
Synchronisation TâchesSynchronise(Horlo& h);

// Saves the table after taking in the changes another instance made to Auto.dat since
// this program last read or wrote it (TâchesSynchronise, then TâchesEnregistre). When the
// changed file cannot be read it is not written over: the change stays in memory, and
// the engine tries again at its next pass (Horlo::EnregistrementEnAttente), as after any
// failed save.
Statut TâchesEnregistreÀJour(Horlo& h);
