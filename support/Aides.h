// General helpers shared by the programs: cutting fields off a text, numbers and texts
// in fixed-width columns, line breaks and tabs, list search, file and drive tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Ports.h"
#include "Texte.h"
#include "Valeurs.h"
#include "Variant.h"

// Cuts the next field off `texte` and returns it; `texte` keeps what follows the first
// separator found (the earliest position wins, the one listed first on a tie).
// A separator left out (nullopt) stands for a tab; no separators at all means one tab;
// empty separators are ignored. A field written between double quotes loses them.
std::string MotSuivant(std::string& texte,
                       std::initializer_list<std::optional<std::string>> séparateurs = {});
std::string MotSuivant(std::string& texte,
                       const std::vector<std::optional<std::string>>& séparateurs);

// A number in a column of the format's width w.d (w = width, d = first decimal = digits
// after the decimal point), with "'" between thousands and the given decimal separator.
// A format text starting with "%" formats as a percentage (no grouping). A negative
// format shows 0 as blanks. Too wide for the column: w times "#". Not a number: the
// text in the column (right-aligned when the format is negative).
std::string NombreColonne(const Variant& valeur, const Variant& format = Absent{},
                          char séparateurDécimal = ',');
// The number part of NombreColonne before grouping: `valeur` with the mask "#0", or
// "#0." and `décimales` zeros, followed by "%" in percent mode (the value is then
// multiplied by 100). Rounds half away from zero on the significant digits the
// platform's number formatting works with: 15 for doubles, 7 for single values.
std::string NombreMasque(double valeur, int32_t décimales, bool pourcent, char séparateurDécimal,
                         int chiffresSignificatifs = 15);
// A text in a column: width 0 unchanged, positive left-aligned, negative right-aligned.
// Too long: as many "#" as the width when the text reads as a number, otherwise cut.
// Widths and lengths count characters, not bytes.
std::string TexteColonne(std::string texte, int32_t largeur);

// n line breaks (CR LF): left out, not numeric or below 1 gives one, at most 100.
std::string SautLigne(const Variant& n = Absent{});
// n tab characters: left out, not numeric or below 1 gives one.
std::string Tabulations(const Variant& n = Absent{});

// Index of the first entry of the list that matches `valeur`, -1 when none does.
// A number is compared with the entries' data, a text with the entries' texts, letter
// case ignored; a text ending in "*" compares with the start of each entry. The
// operator is one of "=", "<", ">", "<=", ">=" ("=" otherwise), the value on its left
// for texts and on its right for numbers. A folder list or another control cannot be
// searched: the user is told in a box titled "Erreur ListeCherche".
int32_t ListeCherche(const Liste& liste, const Variant& valeur, Dialogues& dialogues,
                     const Variant& opérateur = Absent{});

// The path names an existing file that is not a folder.
bool FichierExiste(Fichiers& fichiers, const std::string& chemin);
// The path names an existing folder (one trailing backslash allowed).
bool RepertoireExiste(Fichiers& fichiers, const std::string& chemin);

// French description of a drive type code of the platform ("3 - disque dur"); its first
// character is the code for the codes 1 to 6, "0" for any other.
std::string LecteurTypeTexte(int codeDuPlateforme);
