// Conversion between the programs' UTF-8 text and the UTF-16 of the W functions.
#pragma once

#include <string>
#include <string_view>

std::wstring VersUtf16(std::string_view utf8);
std::string DepuisUtf16(std::wstring_view utf16);
// The system's description of an error code (FormatMessageW), without the final line break.
std::string TexteErreur(unsigned long code);
