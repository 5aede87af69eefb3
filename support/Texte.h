// Small helpers over the programs' UTF-8 text: blanks, characters, upper case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What command lines and stored numbers may be padded with.
inline constexpr std::string_view BlancsEtTabs = " \t";

// The text without the given characters (blanks by default) at either end.
std::string_view SansBlancs(std::string_view texte, std::string_view blancs = " ");
// The text without the given characters at its start only.
std::string_view SansBlancsDevant(std::string_view texte, std::string_view blancs = " ");
// The text without the given characters at its end only.
std::string_view SansBlancsDerrière(std::string_view texte, std::string_view blancs = " ");
// A plain loop: the scheduler asks this of every task at every pass (no memchr per character).
inline bool EstBlanc(std::string_view texte, std::string_view blancs = " ") {
    for (char c : texte) {
        bool blanc = false;
        for (char b : blancs) blanc = blanc || b == c;
        if (!blanc) return false;
    }
    return true;
}

// Tabs and line ends: what separates a file's fields and lines.
inline bool EstSéparateur(char c) {
    return c == '\t' || c == '\r' || c == '\n';
}
// The text with its tabs and line ends as blanks, to keep it on one line of a file.
std::string SéparateursEnBlancs(std::string s);

// Byte length of the UTF-8 character starting at i; 1 for a byte that does not start a
// valid sequence, so that invalid text is walked byte by byte and never overrun.
std::size_t LongueurCaractère(std::string_view texte, std::size_t i);
// Characters of a text, counted as LongueurCaractère walks it.
std::size_t NombreCaractères(std::string_view texte);
// The first n characters of a text.
std::string Début(std::string_view texte, std::size_t n);

// Decodes one code point at `i` and advances past it; false, with `i` unchanged, for a
// sequence that is not well-formed UTF-8 (truncated, overlong, surrogate, beyond
// U+10FFFF, stray byte).
bool LitUtf8(std::string_view texte, std::size_t& i, char32_t& c);
// Appends the UTF-8 form of a code point.
void AjouteUtf8(std::string& texte, char32_t c);
// Whether the whole text is well-formed UTF-8.
bool EstUtf8(std::string_view texte);

// Upper case of one code point, for the letters of Windows-1252 (a -> A, é -> É, ÿ -> Ÿ,
// œ -> Œ); any other code point is returned as it is.
// Inline: the text version below stays one loop without calls.
inline char32_t Majuscule(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 0x20;                                       // a..z, à..þ except ÷
    if (c == 0xFF) return 0x178;                               // ÿ
    if (c == 0x153 || c == 0x161 || c == 0x17E) return c - 1;  // œ š ž
    return c;
}

// Upper case of a UTF-8 text, for the letters of Windows-1252 (é -> É, ÿ -> Ÿ, œ -> Œ);
// other characters and invalid bytes are left as they are. The suite's one case mapping:
// its texts are Windows-1252, and it does not depend on the C library's locale.
std::string Majuscules(std::string_view texte);
// Order of two texts by their character codes after Majuscules, as strcmp answers it: the
// suite's one way of comparing names without regard to case.
int CompareSansCasse(std::string_view a, std::string_view b);
inline bool ÉgalSansCasse(std::string_view a, std::string_view b) {
    return CompareSansCasse(a, b) == 0;
}
