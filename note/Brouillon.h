// The draft kept beside tel.txt while the note differs from the file, so that typed text
// outlives a program that was ended or a machine that lost power: when it is written,
// when it is removed, and the question about it at the next start.
#pragma once

#include <optional>
#include <string>

#include "Note.h"
#include "Ports.h"

// The pause after the last change before the draft is written (and the retry after a
// failure), in milliseconds.
inline constexpr unsigned BrouillonDélaiMs = 2000;

struct ÉtatBrouillon {
    std::string chemin;                 // tel.txt.brouillon
    std::optional<std::string> repris;  // the draft's text, taken up at start
    std::string écrit;                  // the text of the draft on disk, while présent
    bool présent = false;               // a draft of this session (or taken up) lies there
};

// tel.txt.brouillon beside the note.
std::string BrouillonChemin(const std::string& cheminNote);

// The start question for a draft last modified at `date` (local time).
std::string BrouillonQuestion(double date);

// At start, after the note is loaded: a readable draft that differs from the note is
// offered. Oui takes its text up (shown as a change not yet saved), Non deletes it. A
// draft equal to the note is deleted without a question; one that cannot be read (or
// dated) is left in place and the note opens as usual.
ÉtatBrouillon BrouillonReprend(Fichiers& fichiers, Dialogues& dialogues,
                               const std::string& cheminNote, const NoteChargée& note);

// What the draft's timer does: write the text while it differs from the note as last read
// or saved (unless the draft holds it already), remove the draft once they are equal.
enum class ActionBrouillon { Rien, Écrire, Supprimer };
ActionBrouillon BrouillonAction(const ÉtatBrouillon& b, const std::string& texte,
                                const std::string& texteNote);

// Carries out BrouillonAction, silently. False when the file operation failed: the caller
// tries again later, never holding the user up.
bool BrouillonMetÀJour(ÉtatBrouillon& b, Fichiers& fichiers, const std::string& texte,
                       const std::string& texteNote);

// The note was saved, or its changes dropped: the draft of this session goes.
void BrouillonSupprime(ÉtatBrouillon& b, Fichiers& fichiers);
