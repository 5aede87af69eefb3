// Windows-1252 text of the suite's files, converted explicitly to and from UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "Resultat.h"

// Every Windows-1252 byte has a character (the five unassigned bytes 81 8D 8F 90 9D map
// to the control characters of the same value), so this never fails.
std::string DepuisWindows1252(std::string_view octets);
// Fails when the text holds a character Windows-1252 cannot represent, or is not valid
// UTF-8; the failure's text is then the first such character (for the user's message),
// or U+FFFD when the bytes are not UTF-8 at all.
Résultat<std::string> VersWindows1252(std::string_view utf8);
// The nearest Windows-1252 form of a text: every character Windows-1252 lacks, and every
// byte that is not UTF-8, becomes '?'. For files that must be written whatever the text.
std::string VersWindows1252Approché(std::string_view utf8);
