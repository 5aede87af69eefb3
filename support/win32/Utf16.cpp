// UTF-8 <-> UTF-16 at the Win32 boundary, and the platform's error texts.
#include "Utf16.h"

#include <windows.h>

std::wstring VersUtf16(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
    return w;
}

std::string DepuisUtf16(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), s.data(), n,
                        nullptr, nullptr);
    return s;
}

std::string TexteErreur(unsigned long code) {
    wchar_t* tampon = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&tampon), 0, nullptr);
    std::wstring texte = n && tampon ? std::wstring(tampon, n) : std::wstring();
    if (tampon) LocalFree(tampon);
    while (!texte.empty() &&
           (texte.back() == L'\n' || texte.back() == L'\r' || texte.back() == L' '))
        texte.pop_back();
    if (texte.empty()) return "Erreur " + std::to_string(code);
    return DepuisUtf16(texte);
}
