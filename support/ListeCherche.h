// Searching a list control for a text or a number.
#pragma once

#include <cstdint>

#include "Ports.h"
#include "Variant.h"

// Index of the first entry of the list that matches `valeur`, -1 when none does.
// A number is compared with the entries' data, a text with the entries' texts, letter
// case ignored; a text ending in "*" compares with the start of each entry. The
// operator is one of "=", "<", ">", "<=", ">=" ("=" otherwise), the value on its left
// for texts and on its right for numbers. A folder list or another control cannot be
// searched: the user is told in a box titled "Erreur ListeCherche".
int32_t ListeCherche(const Liste& liste, const Variant& valeur, Dialogues& dialogues,
                     const Variant& opérateur = Absent{});
