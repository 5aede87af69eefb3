// Horlo's journal as its window shows it: each line of Horlo.log cut into a moment, the
// task it concerns and what happened, newest first.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "JournalBorne.h"
#include "Ports.h"

// One line in the window's three columns, in UTF-8.
struct LigneLue {
    std::string moment, tâche, événement;
    bool operator==(const LigneLue&) const = default;
};

// Cuts one line (UTF-8, without its line end). The moment is its first 14 characters
// ("dd.mm.yy hh:mm"); after its blank, a failure ("<error> : Shell (...)") is cut at its
// last " : Shell (\"", any other line at its first " : " (a message may hold more). A line
// that does not begin with a moment goes whole into `événement`.
LigneLue LigneDécoupe(std::string_view ligne);

// The rows of a journal's bytes, newest first: the last `max` lines that are not blank,
// each read as UTF-8 when it is, as Windows-1252 otherwise (a hand-edited file may mix both).
std::vector<LigneLue> JournalLu(std::string_view octets, size_t max = JournalLignesMax);

// What changes when someone writes to the journal: its last-write time and size. A missing
// or unreadable file has the default one.
struct EmpreinteJournal {
    double date = 0;
    uint64_t taille = 0;
    bool operator==(const EmpreinteJournal&) const = default;
};
EmpreinteJournal JournalEmpreinte(Fichiers& fichiers, const std::string& chemin);
// The journal's rows (JournalLu); none when the file is missing or cannot be read.
std::vector<LigneLue> JournalLit(Fichiers& fichiers, const std::string& chemin);
