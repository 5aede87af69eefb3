// Pensil's note file tel.txt (Windows-1252 on disk, UTF-8 inside) and the decisions
// taken around it at start, at Ok and at closing. The window's geometry is in
// Geometrie.h, the start-up in Pensil.h; the window (note/win32) only shows what these
// decide.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Ports.h"
#include "Programme.h"

inline constexpr const char* TitrePensil = "Orvan 98";

// The nine lines written into a new tel.txt, each followed by CR LF (UTF-8).
std::string NoteDéfaut();
// tel.txt in the program's folder.
std::string NoteChemin(const Programme& programme);

// The text shown in the window from the file's bytes: UTF-8 or Windows-1252 as
// DepuisFichierTexte decides, every line end made CR LF, the one line end after the last
// line dropped. NUL bytes become blanks: the edit control would cut the text there.
std::string NoteDepuisOctets(std::string_view octets);
// The bytes written for a text: the text followed by one CR LF, in Windows-1252.
// Fails with the first character that Windows-1252 cannot hold.
Résultat<std::string> NoteVersOctets(std::string_view texte);

// The note as loaded at start. `lue` is false when an existing file could not be read:
// the window then shows an empty note, and Ok must not replace the unread file unasked.
struct NoteChargée {
    std::string texte;
    bool lue = true;
};

// Creates tel.txt with the default text when no file is there (a folder does not count),
// then reads it. Failures are reported to the user; the note is then the default text
// (creation failed) or empty (reading failed).
NoteChargée NoteCharge(Fichiers& fichiers, Dialogues& dialogues, const std::string& chemin);

// Writes the text for Ok. Reports and returns false, writing nothing, when the text holds
// a character Windows-1252 cannot hold, when the user declines to replace a file that could
// not be read, or when the write fails (the previous file then stays whole).
bool NoteEnregistre(Fichiers& fichiers, Dialogues& dialogues, const std::string& chemin,
                    const std::string& texte, bool lue);

// What closing the window (other than by Ok) does with the text typed since the start.
enum class Fermeture { Fermer, Enregistrer, Rester };
// Unchanged text closes at once; changed text asks Yes (save) / No (drop) / Cancel (stay).
Fermeture FermetureDemande(Dialogues& dialogues, const std::string& texte,
                           const std::string& texteChargé);
