// Numbers and texts in fixed-width columns, as Nettix shows them.
#pragma once

#include <cstdint>
#include <string>

#include "Variant.h"

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
