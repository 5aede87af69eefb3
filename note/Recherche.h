// Finding a text in the note: the search over the edit control's UTF-16 text (its
// positions are those of EM_SETSEL) and what the user is told when nothing is found.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "Ports.h"

// A stretch of the text in UTF-16 units, [début, fin): a selection or a match.
struct Étendue {
    std::size_t début = 0, fin = 0;
    bool operator==(const Étendue&) const = default;
};

struct OptionsRecherche {
    bool versLeBas = true;
    // Without it, letters compare by the suite's one case mapping (Majuscule: é finds É).
    bool casseExacte = false;
    // Past the end (going down) or the start (going up), start again at the other end.
    bool boucle = false;
};

// The next match of `motif` after the selection: going down, the first one starting at or
// after its end; going up, the last one ending at or before its start, so that repeated
// searches move from match to match. Nothing for an empty motif or when no match lies
// that way (nor, with `boucle`, anywhere).
std::optional<Étendue> Cherche(std::u16string_view texte, std::u16string_view motif,
                               Étendue sélection, OptionsRecherche options);

// Nothing found: a beep and an information box naming the searched text.
void RechercheÉchoue(Dialogues& dialogues, std::string_view motif);
