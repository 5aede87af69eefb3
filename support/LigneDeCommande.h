// A Windows command line cut into the program it names and what follows.
#pragma once

#include <string_view>

struct LigneCoupée {
    std::string_view programme;  // without its quotes
    std::string_view arguments;  // neither part is trimmed
};

// The program is the text between a leading double quote and the next one (the rest of
// the line when that one is missing, with no arguments, as Windows starts it), or up to
// the first blank or tab.
// The arguments follow the closing quote, or the blank or tab that ended the program.
// The line is taken as it is: a caller that allows leading blanks trims them first.
LigneCoupée CoupeLigneDeCommande(std::string_view ligne);
