// Line breaks and tabs of the suite's texts: messages, the help text, the files.
#pragma once

#include <string>

#include "Variant.h"

// The line end of every text and file of the suite.
inline constexpr char FinDeLigne[] = "\r\n";

// n line breaks (CR LF): left out, not numeric or below 1 gives one, at most 100.
std::string SautLigne(const Variant& n = Absent{});
// n tab characters: left out, not numeric or below 1 gives one.
std::string Tabulations(const Variant& n = Absent{});
