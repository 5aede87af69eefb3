// Byte cases that the readers of tel.txt, Auto.dat and Autos.dat all read alike.
#pragma once

#include <string>

inline const struct CasFichierTexte {
    const char* nom;
    std::string octets, texte;  // the file's start as some editor saved it; its text in UTF-8
} CasFichiersTexte[] = {
    {"ASCII", "Zurich 021", "Zurich 021"},
    {"Windows-1252", "Caf\xE9 \xE0 Z\xFCrich \x80", "Café à Zürich €"},
    {"UTF-8 sans marque", "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x98\x8E", "Café € ☎"},
    {"UTF-8 avec marque", "\xEF\xBB\xBFL\xC3\xA9on \xF0\x9F\x93\x9E", "Léon 📞"},
    {"ASCII avec marque", "\xEF\xBB\xBFZurich", "Zurich"},
    {"marque puis 1252", "\xEF\xBB\xBFL\xE9on", "ï»¿Léon"},
    {"UTF-8 mêlé de 1252", "Caf\xC3\xA9 \xE9t\xE9", "CafÃ© été"},
    {"séquence trop longue", "\xC0\xAF", "À¯"},
    {"risque accepté : 1252 dont « Ã© » forme l'UTF-8 de « é »", "\xC3\xA9t\xC3\xA9", "été"},
};
