// Settings of the user's locale that the text formats need.
#pragma once

#include <string>

// The user's decimal separator (first character of LOCALE_SDECIMAL), UTF-8;
// "." when the locale cannot be read.
std::string SéparateurDécimal();
