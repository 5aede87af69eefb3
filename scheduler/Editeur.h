// The task editor's logic: what the entry panel's controls hold for a task and back, the
// states of the controls that depend on others, the check of the typed values, the saving
// and deleting of tasks and the preview of the next moments at which a task would fire.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Ports.h"
#include "Resultat.h"
#include "Taches.h"

// Repeat options of the entry panel (oRépet 0 to 6) and window types (oTyp 0 to 2).
namespace Option {
inline constexpr int Aucune = -1;
inline constexpr int UneFois = 0, ChaqueJour = 1, ChaqueSemaine = 2, Arrêt = 3, Lancement = 4,
                     Premier = 5, Dernier = 6;
inline constexpr int Normale = 0, Réduite = 1, Agrandie = 2;
}  // namespace Option

// The values of the entry panel's controls.
struct ChampsSaisie {
    std::string programme;                // cProg
    std::string paramètres;               // tParam
    int fenêtre = Option::Aucune;         // oTyp
    bool focus = false;                   // cFocus "Activée"
    int répétition = Option::Aucune;      // oRépet
    bool weekEnd = false;                 // cWeekEnd "sauf les jours fériés"
    bool désactivé = false;               // cDésactivé
    std::string jour, heure, délai, max;  // tJour, tHeure, tDélai, tMax
};

// Enabled and visible states that follow from the values.
struct ÉtatsDépendants {
    bool paramètresVisibles = false;  // tParam and its label
    bool répétitionActive = true;     // the frame fRépet and everything in it
    bool jour = false, heure = false, délai = false, weekEnd = false;
};

// tParam is shown for a program ending in ".exe" (any case) that is not a message.
bool ParamètresVisibles(const std::string& programme);
ÉtatsDépendants ÉtatsDe(const ChampsSaisie& c);
// "Agrandie" chosen: checks "Activée". "Activée" unchecked under "Agrandie": "Normale".
void AgrandieChoisie(ChampsSaisie& c);
void FocusChange(ChampsSaisie& c, bool coché);

// The entry panel filled for an existing task (Modifier) and for a new one (Ajouter).
void TâcheVersChamps(const Tâche& t, ChampsSaisie& c);
void NouvelleVersChamps(double maintenant, ChampsSaisie& c);
// A catalogue entry chosen in cProg's list.
void ModèleVersChamps(const Modèle& m, double maintenant, ChampsSaisie& c);

// The check's messages, each followed by one blank, in the order: program, unsaveable
// text, date, hour (or start-up delay), maximum delay. Empty when all is well.
inline constexpr const char* MsgFichier = "Fichier inexistant. ";
inline constexpr const char* MsgCaractère = "Caractère non enregistrable. ";
inline constexpr const char* MsgDate = "Date incorrecte. ";
inline constexpr const char* MsgHeure = "Heure incorrecte. ";
inline constexpr const char* MsgDélai = "Délai après démarrage incorrect. ";
inline constexpr const char* MsgMax = "Délai maximum incorrect. ";
// The entry panel read once for the check, the preview and the save: its controls and the
// values of its time fields (nothing when one does not read; a blank maximum reads 0).
struct Entrée {
    ChampsSaisie champs;
    std::optional<double> jour, heure, délai, max;
};
// `maintenant` places a two-digit year in the day field.
Entrée EntréeLue(const ChampsSaisie& c, double maintenant);
std::string Contrôle(const Entrée& e, Fichiers& fichiers);
// The task as saved from the controls: `t` is the task as it stood (empty for a new one);
// the fields the editor does not show keep their values. The controls passed the check.
Tâche ChampsVersTâche(const Entrée& e, Tâche t, double maintenant);

// Saves the entry into the task of identity `identité`, or into a new task at the end of
// the table when that task is gone (or `identité` is 0). Returns the saved task's identity
// and whether Auto.dat could be written; the table holds the change either way.
struct Enregistrement {
    uint64_t identité = 0;
    Statut fichier;
};
Enregistrement TâcheEnregistre(Horlo& h, uint64_t identité, const Entrée& e);
// Deletes the task of identity `identité` (empty program, inactive) and saves. A task that
// is gone already needs no save.
Statut TâcheSupprime(Horlo& h, uint64_t identité);
// The message box text for a save that could not reach Auto.dat.
std::string MessageÉchecEnregistrement(const Horlo& h, const std::string& raison);

// The next three moments at which the task as typed would fire, in one line for the label
// under the entry panel; empty while it is deactivated or the check finds a fault in the
// fields that set the moment.
std::string ProchainsMoments(const Entrée& e, double maintenant);
