// Windows-1252 text of the suite's files, converted explicitly to and from UTF-8.
#pragma once

#include <optional>
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

// How the suite reads its text files (Auto.dat, Autos.dat, tel.txt), whichever editor
// saved them: as UTF-8 when the bytes are well-formed UTF-8 and hold at least one
// multi-byte sequence, with or without a byte-order mark (today's editors save UTF-8
// without one); as UTF-8 too when a mark is followed by plain ASCII; otherwise as
// Windows-1252, the mark included, as the suite has always read it. A Windows-1252 text
// whose accented bytes happen to form UTF-8 ("Ã©" is C3 A9) is read as UTF-8 ("é"):
// real text almost never does, and the UTF-8 files it would otherwise misread do.
// The text as UTF-8 without its mark when the file is UTF-8; nothing when it is not.
std::optional<std::string_view> CommeUtf8(std::string_view octets);
// The file's text in UTF-8, by the rule above.
std::string DepuisFichierTexte(std::string_view octets);
