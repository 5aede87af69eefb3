// Logs kept beside a program (Horlo's journal, Nettix's runs): one line per event, appended,
// and bounded so that the file stays small however long the program is used.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "Ports.h"

// The most lines a log holds.
inline constexpr size_t JournalLignesMax = 1000;
// How many lines a rewrite keeps: the oldest hundred go at once, so a full log is rewritten
// once every hundred lines, never on every line.
inline constexpr size_t JournalLignesGardées = 900;

// Appends `ligne` (bytes as stored, without its line end) to the log. Once the log holds more
// than JournalLignesMax lines, it is rewritten in one atomic replacement with its newest
// JournalLignesGardées lines. The failure of either step is returned, never thrown; a caller
// that may not stop for its log ignores it.
Statut JournalAjoute(Fichiers& fichiers, const std::string& chemin, std::string_view ligne);
// Appends several lines at once (`lignes`: bytes as stored, each line with its CR LF), then
// bounds the log as JournalAjoute does: one append and at most one rewrite, however many
// lines. Nothing is done for an empty `lignes`.
Statut JournalAjouteLignes(Fichiers& fichiers, const std::string& chemin, std::string_view lignes);

// The lines of a log's bytes, oldest first, without their line ends (CR LF or LF); a last line
// without its line end counts, an empty file has none.
std::vector<std::string_view> LignesDuJournal(std::string_view octets);
