// The byte cases every reader of the suite's text files (tel.txt, Auto.dat, Autos.dat)
// must read alike, whichever editor saved the file: each reader's tests run them all.
#pragma once

#include <string>

struct CasFichierTexte {
    const char* nom;
    std::string octets;  // the start of the file, as an editor saved it
    std::string texte;   // what the reader must make of it, in UTF-8
};

inline const CasFichierTexte CasFichiersTexte[] = {
    {"ASCII", "Zurich 021", "Zurich 021"},
    {"Windows-1252", "Caf\xE9 \xE0 Z\xFCrich \x80", "Café à Zürich €"},
    {"UTF-8 sans marque", "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x98\x8E", "Café € ☎"},
    {"UTF-8 avec marque",
     "\xEF\xBB\xBF"
     "Caf\xC3\xA9 \xF0\x9F\x93\x9E",
     "Café 📞"},
    {"ASCII avec marque", "\xEF\xBB\xBFZurich", "Zurich"},
    {"UTF-8 tronqué", "Caf\xC3", "CafÃ"},
    {"UTF-8 mêlé de 1252", "Caf\xC3\xA9 \xE9t\xE9", "CafÃ© été"},
    {"séquence trop longue", "\xC0\xAF", "À¯"},
    {"demi-paire UTF-16", "\xED\xA0\x80", "í\u00A0€"},
    {"au-delà de U+10FFFF", "\xF4\x90\x80\x80", "ô\u0090€€"},
    // A mark followed by bytes that are not UTF-8: the whole file is Windows-1252.
    {"marque puis 1252",
     "\xEF\xBB\xBF"
     "Caf\xE9",
     "ï»¿Café"},
    // The accepted risk: a Windows-1252 text whose accented bytes happen to form valid
    // UTF-8 ("Ã©" is C3 A9) is read as UTF-8. Real text almost never does so.
    {"risque accepté : 1252 formant de l'UTF-8", "\xC3\xA9t\xC3\xA9", "été"},
};
