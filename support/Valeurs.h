// Conversions of the suite's values: any value as a number or as the text the settings
// store writes, and numbers read from text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Variant.h"

// A value as a number: absent, empty or not numeric gives 0; a text reads with "." or ","
// as its decimal separator; true is -1; a date is its OLE date.
double VersNombre(const Variant& valeur);
// A value as the text the settings store writes: numbers in general format (no grouping,
// the decimal separator only when there is a fraction, as many digits as needed to read
// back as the same number), dates "dd.mm.yyyy hh:mm", booleans "-1" and "0", text
// unchanged, anything else (absent, null, other) "".
std::string VersTexte(const Variant& valeur, char séparateurDécimal = ',');

// A text read as a number: blanks around, a sign before or after, "." or "," as the
// decimal separator, an optional exponent. Nothing when it is not a number.
std::optional<double> LireNombre(std::string_view texte);
// The text of a text value (a setting as read); "" for any other value.
std::string TexteDe(const Variant& valeur);
// A count or a format given as any value: a number, a boolean or a text that reads as a
// number; nothing for anything else or a value that is not finite.
std::optional<double> NombreDe(const Variant& valeur);
// A whole number in decimal digits, blanks around and a leading sign allowed; nothing
// for anything else or a number beyond 64 bits.
std::optional<long long> LireEntier(std::string_view texte);
