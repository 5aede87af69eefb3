// The raw registry port over advapi32 (see RegistreWin32.h).
#include "RegistreWin32.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "LocaleWin32.h"
#include "Utf16.h"

namespace {

constexpr REGSAM Accès = 0x3F;  // query, set, create subkey, enumerate, notify, create link

// The predefined roots are 32-bit values that the platform sign-extends into a handle.
HKEY VersHkey(RegistreBrut::Clé clé) {
    if (clé >= 0x80000000u && clé <= 0xFFFFFFFFu)
        return reinterpret_cast<HKEY>(
            static_cast<LONG_PTR>(static_cast<LONG>(static_cast<uint32_t>(clé))));
    return reinterpret_cast<HKEY>(clé);
}

RegistreBrut::Clé DepuisHkey(HKEY h) {
    return reinterpret_cast<RegistreBrut::Clé>(h);
}

bool EstTexteW(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

}  // namespace

int32_t RegistreWin32::CréeClé(Clé racine, const std::string& chemin, Clé& clé) {
    HKEY h = nullptr;
    DWORD disposition = 0;
    const LONG s = RegCreateKeyExW(VersHkey(racine), VersUtf16(chemin).c_str(), 0, nullptr, 0,
                                   Accès, nullptr, &h, &disposition);
    clé = s == ERROR_SUCCESS ? DepuisHkey(h) : 0;
    return s;
}

int32_t RegistreWin32::OuvreClé(Clé racine, const std::string& chemin, Clé& clé) {
    HKEY h = nullptr;
    const std::wstring w = VersUtf16(chemin);
    LONG s = RegOpenKeyExW(VersHkey(racine), w.c_str(), 0, Accès, &h);
    if (s == ERROR_ACCESS_DENIED) s = RegOpenKeyExW(VersHkey(racine), w.c_str(), 0, KEY_READ, &h);
    clé = s == ERROR_SUCCESS ? DepuisHkey(h) : 0;
    return s;
}

int32_t RegistreWin32::LitValeur(Clé clé, const std::string& nom, uint32_t& type,
                                 std::string& données) {
    const std::wstring n = VersUtf16(nom);
    DWORD t = 0, taille = 0;
    LONG s = RegQueryValueExW(VersHkey(clé), n.c_str(), nullptr, &t, nullptr, &taille);
    std::vector<BYTE> tampon;
    // The value may grow between the two calls (another program writes it): ask again.
    while (s == ERROR_SUCCESS || s == ERROR_MORE_DATA) {
        tampon.assign(taille, 0);
        s = RegQueryValueExW(VersHkey(clé), n.c_str(), nullptr, &t,
                             tampon.empty() ? nullptr : tampon.data(), &taille);
        if (s == ERROR_SUCCESS) break;
    }
    if (s != ERROR_SUCCESS) return s;
    tampon.resize(taille);
    type = t;
    if (!EstTexteW(t)) {
        données.assign(tampon.begin(), tampon.end());
        return s;
    }
    // An odd last byte cannot be a character and is left out.
    std::wstring w(tampon.size() / 2, L'\0');
    if (!w.empty()) memcpy(w.data(), tampon.data(), w.size() * sizeof(wchar_t));
    données = DepuisUtf16(w);
    return s;
}

int32_t RegistreWin32::ÉcritTexte(Clé clé, const std::string& nom, const std::string& texte) {
    const std::wstring w = VersUtf16(texte);
    return RegSetValueExW(VersHkey(clé), VersUtf16(nom).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(w.c_str()),
                          static_cast<DWORD>((w.size() + 1) * sizeof(wchar_t)));
}

int32_t RegistreWin32::EffaceValeur(Clé clé, const std::string& nom) {
    return RegDeleteValueW(VersHkey(clé), VersUtf16(nom).c_str());
}

int32_t RegistreWin32::EffaceClé(Clé clé, const std::string& nom) {
    return RegDeleteKeyW(VersHkey(clé), VersUtf16(nom).c_str());
}

int32_t RegistreWin32::FermeClé(Clé clé) {
    if (clé == 0) return ERROR_INVALID_HANDLE;
    return RegCloseKey(VersHkey(clé));
}

Registre RegistreDuProgramme(RegistreBrut& brut, const std::string& programme) {
    const std::string séparateur = SéparateurDécimal();
    return Registre(brut, programme, séparateur.size() == 1 ? séparateur[0] : ',');
}
