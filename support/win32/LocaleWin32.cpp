// The user's decimal separator from the locale settings.
#include "LocaleWin32.h"

#include <windows.h>

#include "Utf16.h"

std::string SéparateurDécimal() {
    wchar_t tampon[8] = {};
    const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, tampon, 8);
    if (n <= 1) return ".";
    // One character, which may be a surrogate pair.
    const size_t longueur = IS_HIGH_SURROGATE(tampon[0]) && IS_LOW_SURROGATE(tampon[1]) ? 2 : 1;
    return DepuisUtf16(std::wstring_view(tampon, longueur));
}
