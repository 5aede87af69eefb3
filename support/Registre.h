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
    using Clé = uintptr_t;                    // 0 = no key
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

// What a read returns when the value exists but is not text (a REG_DWORD, ...).
inline constexpr const char* MessagePasTexte =
    "La valeur du registre recherchée n'est pas de type STRING !";

// The settings store over the raw registry. Each call opens its key, does its one
// operation and closes it: nothing is cached, the last writer wins. No call shows a
// message or throws; failures are statuses or absent values.
class Registre {
  public:
    // `programme` names the default section; `séparateurDécimal` is the locale's, used
    // when numbers are written.
    Registre(RegistreBrut& brut, std::string programme, char séparateurDécimal);

    // Writes `valeur` as text under "Software\Talmon\" + section, in HKEY_LOCAL_MACHINE
    // when `machine` is given (whatever its value), HKEY_CURRENT_USER otherwise. The
    // section, when it is text, loses its leading blanks and backslashes; left out, not
    // text or nothing left: the program's name. Returns the platform's status (0 = done).
    int32_t ParamEcrit(const std::string& nom, const Variant& valeur,
                       const Variant& section = Absent{}, const Variant& machine = Absent{});
    // The stored text, the not-text message, or absent when nothing is stored or the
    // read fails. Same key choice as ParamEcrit.
    Variant ParamLit(const std::string& nom, const Variant& section = Absent{},
                     const Variant& machine = Absent{});
    // The program's own section of HKEY_CURRENT_USER.
    void ParamProgEcrit(const std::string& nom, const Variant& valeur);
    Variant ParamProgLit(const std::string& nom);

    // Creates the key when needed and stores `texte`; returns the platform's status.
    // A trailing backslash in `chemin` names the same key as the path without it.
    // Under HKEY_LOCAL_MACHINE, a write that is denied goes to the same key and value of
    // HKEY_CURRENT_USER; reads look there first, then under HKEY_LOCAL_MACHINE; a
    // delete removes both. A value written for the machine removes a per-user copy.
    int32_t RegistreEcrit(uint32_t racine, const std::string& chemin, const std::string& nom,
                          const std::string& texte);
    Variant RegistreLit(uint32_t racine, const std::string& chemin, const std::string& nom);
    // Deletes the value `nom` of the key and a subkey of the same name (without subkeys
    // of its own); missing ones are no failure.
    void RegistreEfface(uint32_t racine, const std::string& chemin, const std::string& nom);

  private:
    static constexpr int32_t AccèsRefusé = 5;  // ERROR_ACCESS_DENIED
    int32_t ÉcritDans(uint32_t racine, const std::string& chemin, const std::string& nom,
                      const std::string& texte);
    Variant LitDans(uint32_t racine, const std::string& chemin, const std::string& nom);
    void EffaceDans(uint32_t racine, const std::string& chemin, const std::string& nom);
    uint32_t RacineDe(const Variant& machine) const;
    std::string CheminDe(const Variant& section) const;

    RegistreBrut& brut_;
    std::string programme_;
    char séparateur_;
};
