// The registry settings store: text values under an explicit key, and the suite's
// settings under "Software\Talmon\" + section, per user or per machine.
#pragma once

#include <cstdint>
#include <string>

#include "Variant.h"

// Predefined root keys, with the platform's values.
namespace Racine {
inline constexpr uint32_t HKCU = 0x80000001u;  // HKEY_CURRENT_USER
inline constexpr uint32_t HKLM = 0x80000002u;  // HKEY_LOCAL_MACHINE
}  // namespace Racine

// The raw registry operations, one to one with the platform's, returning its status
// codes unchanged (0 = success). Names and data are UTF-8; the Win32 implementation
// converts at the boundary.
struct RegistreBrut {
    using Clé = uintptr_t;  // 0 = no key
    static constexpr uint32_t TypeTexte = 1;  // REG_SZ
    virtual ~RegistreBrut() = default;
    // Creates or opens `chemin` under `racine` (intermediate keys too), access 0x3F.
    virtual int32_t CréeClé(Clé racine, const std::string& chemin, Clé& clé) = 0;
    // Opens an existing key, access 0x3F; `clé` is 0 on failure.
    virtual int32_t OuvreClé(Clé racine, const std::string& chemin, Clé& clé) = 0;
    // Type and data of a value. The data of a text value is its text followed by its
    // terminating zero when one was stored; empty data means a value of size 0.
    virtual int32_t LitValeur(Clé clé, const std::string& nom, uint32_t& type,
                              std::string& données) = 0;
    // Stores a REG_SZ value: the text and its terminating zero.
    virtual int32_t ÉcritTexte(Clé clé, const std::string& nom, const std::string& texte) = 0;
    virtual int32_t EffaceValeur(Clé clé, const std::string& nom) = 0;
    virtual int32_t EffaceClé(Clé clé, const std::string& nom) = 0;
    virtual int32_t FermeClé(Clé clé) = 0;  // harmless on 0
};
