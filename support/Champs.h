// Cutting fields off a text, as the suite's tables and command lines are read.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

// Cuts the next field off `texte` and returns it; `texte` keeps what follows the first
// separator found (the earliest position wins, the one listed first on a tie).
// A separator left out (nullopt) stands for a tab; no separators at all means one tab;
// empty separators are ignored. A field written between double quotes loses them.
std::string MotSuivant(std::string& texte,
                       std::initializer_list<std::optional<std::string>> séparateurs = {});
std::string MotSuivant(std::string& texte,
                       const std::vector<std::optional<std::string>>& séparateurs);
