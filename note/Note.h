// Pensil's portable logic: the note file tel.txt (Windows-1252 on disk, UTF-8 inside),
// the window's stored geometry, the layout of its two controls and the decisions taken
// at start, at Ok and at closing. The window (note/win32) only shows what these decide.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Placement.h"
#include "Ports.h"
#include "Programme.h"

class Registre;

inline constexpr const char* TitrePensil = "Orvan 98";

// ---- The note file --------------------------------------------------------------------

// The nine lines written into a new tel.txt, each followed by CR LF (UTF-8).
std::string NoteDéfaut();
// tel.txt in the program's folder.
std::string NoteChemin(const Programme& programme);

// The text shown in the window from the file's bytes: Windows-1252 (or UTF-8 after a
// UTF-8 byte-order mark), every line end made CR LF, the one line end after the last
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

// ---- Geometry, in twips ---------------------------------------------------------------

inline constexpr double LargeurMinimum = 6000;
inline constexpr double HauteurMinimum = 3250;
// Size of a centred window when none is stored.
inline constexpr double LargeurDéfaut = 9000;
inline constexpr double HauteurDéfaut = 6000;

// Where the window opens: the rectangle, and whether it is to be centred on the screen
// (then only its size counts).
struct Placement {
    Cadre fenêtre;
    bool centrée = true;
};

// The placement from the four stored texts. "Top" empty: centred at the default size.
// A value that is not a number: centred at the default size. Sizes are raised to the
// minimum and cut to the desktop; a position off the desktop is centred at the stored size.
// `écran`: the primary screen, where windows are centred; `bureau`: the whole desktop
// over all monitors, where a stored position must lie.
Placement PlacementDepuisTextes(const std::string& haut, const std::string& hauteur,
                                const std::string& gauche, const std::string& largeur,
                                const Cadre& écran, const Cadre& bureau);
// Reads "Top", "Height", "Left" and "Width" of the program's own settings ("Top" first:
// when it is empty the others are not read).
Placement PlacementLit(Registre& registre, const Cadre& écran, const Cadre& bureau);
// Writes "Top", "Height", "Left" and "Width", in this order, as whole twips.
void PlacementÉcrit(Registre& registre, const Cadre& fenêtre);

// The window's size after the minimum, and its two controls in client coordinates.
struct Disposition {
    double largeur = 0, hauteur = 0;  // the window
    Cadre t, bOk;
};
inline constexpr double MargeT = 120;  // T's distance from the left and top edges
// `largeurOk`/`hauteurOk`: bOk's own size, which the layout keeps.
Disposition DispositionCalcule(double largeur, double hauteur, double largeurOk, double hauteurOk);

// ---- Start-up -------------------------------------------------------------------------

// Program-wide state of Pensil.
struct ÉtatPensil {
    std::string chemin;  // tel.txt
    NoteChargée note;    // as loaded: the window compares with it at closing
    Placement placement;
};

// The steps after the single-instance test and the self-update check: the start counter,
// the geometry, the creation and reading of tel.txt.
ÉtatPensil PensilDémarre(Registre& registre, Fichiers& fichiers, Dialogues& dialogues,
                         const Programme& programme, const Cadre& écran, const Cadre& bureau);
