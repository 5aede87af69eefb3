// The raw registry port over advapi32's W functions: UTF-8 names and texts are converted
// to UTF-16 here, so accented value names are right whatever the ANSI code page.
#pragma once

#include "Registre.h"

// Returns the platform's status codes unchanged. The roots are Racine::HKCU and
// Racine::HKLM (or a key this port opened). Keys are opened with access 0x3F; when the
// user has no write rights on a key (HKEY_LOCAL_MACHINE without administrator rights),
// OuvreClé falls back to read access so that reading still works, and writes through
// that key report access denied.
class RegistreWin32 : public RegistreBrut {
  public:
    int32_t CréeClé(Clé racine, const std::string& chemin, Clé& clé) override;
    int32_t OuvreClé(Clé racine, const std::string& chemin, Clé& clé) override;
    // Text values (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) come back as UTF-8, with a
    // terminating zero only when one was stored; other types as their raw bytes.
    int32_t LitValeur(Clé clé, const std::string& nom, uint32_t& type,
                      std::string& données) override;
    int32_t ÉcritTexte(Clé clé, const std::string& nom, const std::string& texte) override;
    int32_t EffaceValeur(Clé clé, const std::string& nom) override;
    int32_t EffaceClé(Clé clé, const std::string& nom) override;
    int32_t FermeClé(Clé clé) override;
};

// The settings store of a program over `brut`, writing numbers with the user's decimal
// separator (',' when the locale's is not a single byte).
Registre RegistreDuProgramme(RegistreBrut& brut, const std::string& programme);
