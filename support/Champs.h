// Cutting fields off a text, as the suite's tables and command lines are read.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Whether a field of two characters or more begins and ends with a double quote.
inline bool EntreGuillemets(std::string_view champ) {
    return champ.size() >= 2 && champ.front() == '"' && champ.back() == '"';
}
// The field without its surrounding double quotes, if it has them; otherwise as it is.
inline std::string_view SansGuillemets(std::string_view champ) {
    return EntreGuillemets(champ) ? champ.substr(1, champ.size() - 2) : champ;
}

// Cuts the next field off `texte` and returns it; `texte` keeps what follows the first
// separator found (the earliest position wins, the one listed first on a tie).
// A separator left out (nullopt) stands for a tab; no separators at all means one tab;
// empty separators are ignored. A field written between double quotes loses them, and
// nothing else: the settings' lists and Nettix's command line keep doubled quotes.
std::string MotSuivant(std::string& texte,
                       std::initializer_list<std::optional<std::string>> séparateurs = {});
std::string MotSuivant(std::string& texte,
                       const std::vector<std::optional<std::string>>& séparateurs);
