// An in-memory registry behind the raw registry port, with the platform's status codes,
// for the unit tests of the settings store and of its callers.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Registre.h"
#include "Texte.h"
#include "Valeurs.h"

// Keys and value names compare case-insensitively, as on the platform. Key paths are
// strict: an empty component (a leading, doubled or trailing backslash) is a bad path,
// so the callers' own path handling is what the tests see.
struct RegistreMémoire : RegistreBrut {
    static constexpr int32_t Introuvable = 2;       // ERROR_FILE_NOT_FOUND
    static constexpr int32_t AccèsRefusé = 5;       // ERROR_ACCESS_DENIED
    static constexpr int32_t HandleInvalide = 6;    // ERROR_INVALID_HANDLE
    static constexpr int32_t CheminInvalide = 161;  // ERROR_BAD_PATHNAME
    static constexpr uint32_t TypeDword = 4;        // REG_DWORD

    struct Valeur {
        uint32_t type = TypeTexte;
        std::string données;
    };

    // Writes are refused (access denied) in these keys and below them, as for a user
    // without rights on HKEY_LOCAL_MACHINE; reading still works.
    void Protège(uint32_t racine, const std::string& chemin = "") {
        protégées.insert(Id(racine, chemin));
    }
    // Stores a value as another program could: any type, any bytes.
    void PoseValeur(uint32_t racine, const std::string& chemin, const std::string& nom,
                    uint32_t type, std::string données) {
        CréeChemin(Id(racine, chemin));
        valeurs[{Id(racine, chemin), Majuscules(nom)}] = {type, std::move(données)};
    }
    std::optional<Valeur> Lit(uint32_t racine, const std::string& chemin,
                              const std::string& nom) const {
        auto it = valeurs.find({Id(racine, chemin), Majuscules(nom)});
        if (it == valeurs.end()) return std::nullopt;
        return it->second;
    }
    bool CléExiste(uint32_t racine, const std::string& chemin) const {
        return clés.count(Id(racine, chemin)) > 0;
    }
    size_t ClésOuvertes() const { return ouvertes.size(); }

    int32_t CréeClé(Clé racine, const std::string& chemin, Clé& clé) override {
        clé = 0;
        const auto base = Résous(racine);
        if (!base) return HandleInvalide;
        if (!CheminValide(chemin)) return CheminInvalide;
        const std::string id = Joins(base->first, chemin);
        if (Protégée(id)) return AccèsRefusé;
        CréeChemin(id);
        return Ouvre(id, false, clé);
    }
    int32_t OuvreClé(Clé racine, const std::string& chemin, Clé& clé) override {
        clé = 0;
        const auto base = Résous(racine);
        if (!base) return HandleInvalide;
        if (!CheminValide(chemin)) return CheminInvalide;
        const std::string id = Joins(base->first, chemin);
        if (!clés.count(id)) return Introuvable;
        return Ouvre(id, Protégée(id), clé);
    }
    int32_t LitValeur(Clé clé, const std::string& nom, uint32_t& type,
                      std::string& données) override {
        const auto k = Résous(clé);
        if (!k || !clés.count(k->first)) return HandleInvalide;
        auto it = valeurs.find({k->first, Majuscules(nom)});
        if (it == valeurs.end()) return Introuvable;
        type = it->second.type;
        données = it->second.données;
        return 0;
    }
    int32_t ÉcritTexte(Clé clé, const std::string& nom, const std::string& texte) override {
        const auto k = Résous(clé);
        if (!k || !clés.count(k->first)) return HandleInvalide;
        if (k->second) return AccèsRefusé;
        valeurs[{k->first, Majuscules(nom)}] = {TypeTexte, texte + '\0'};
        return 0;
    }
    int32_t EffaceValeur(Clé clé, const std::string& nom) override {
        const auto k = Résous(clé);
        if (!k || !clés.count(k->first)) return HandleInvalide;
        if (k->second) return AccèsRefusé;
        return valeurs.erase({k->first, Majuscules(nom)}) ? 0 : Introuvable;
    }
    // Like the platform, an empty name deletes the open key itself, and a key that
    // still has subkeys cannot be deleted.
    int32_t EffaceClé(Clé clé, const std::string& nom) override {
        const auto k = Résous(clé);
        if (!k || !clés.count(k->first)) return HandleInvalide;
        if (!CheminValide(nom)) return CheminInvalide;
        const std::string id = Joins(k->first, nom);
        if (id.find('\\') == std::string::npos) return AccèsRefusé;  // a root
        if (!clés.count(id)) return Introuvable;
        if (k->second || Protégée(id)) return AccèsRefusé;
        for (const auto& autre : clés)
            if (autre.rfind(id + "\\", 0) == 0) return AccèsRefusé;
        clés.erase(id);
        for (auto it = valeurs.begin(); it != valeurs.end();)
            it = it->first.first == id ? valeurs.erase(it) : std::next(it);
        return 0;
    }
    int32_t FermeClé(Clé clé) override {
        if (clé == Racine::HKCU || clé == Racine::HKLM) return 0;
        return ouvertes.erase(clé) ? 0 : HandleInvalide;
    }

    std::set<std::string> clés{"HKCU", "HKLM"};  // upper-cased ids "HKCU\SOFTWARE\..."
    std::map<std::pair<std::string, std::string>, Valeur> valeurs;  // (key id, NAME)
    std::set<std::string> protégées;
    std::map<Clé, std::pair<std::string, bool>> ouvertes;  // handle -> (key id, read-only)
    Clé prochaine = 0x1000;

  private:
    static std::string NomRacine(uint32_t racine) {
        return racine == Racine::HKLM ? "HKLM" : racine == Racine::HKCU ? "HKCU" : "?";
    }
    static std::string Joins(const std::string& base, const std::string& chemin) {
        return chemin.empty() ? base : base + "\\" + Majuscules(chemin);
    }
    static std::string Id(uint32_t racine, std::string chemin) {
        while (!chemin.empty() && chemin.back() == '\\') chemin.pop_back();
        return Joins(NomRacine(racine), chemin);
    }
    static bool CheminValide(const std::string& chemin) {
        if (chemin.empty()) return true;
        return chemin.front() != '\\' && chemin.back() != '\\' &&
               chemin.find("\\\\") == std::string::npos;
    }
    // The key id and read-only flag behind a root or an open handle.
    std::optional<std::pair<std::string, bool>> Résous(Clé clé) const {
        if (clé == Racine::HKCU || clé == Racine::HKLM)
            return std::make_pair(NomRacine(static_cast<uint32_t>(clé)), false);
        auto it = ouvertes.find(clé);
        if (it == ouvertes.end()) return std::nullopt;
        return it->second;
    }
    bool Protégée(const std::string& id) const {
        for (const auto& p : protégées)
            if (id == p || id.rfind(p + "\\", 0) == 0) return true;
        return false;
    }
    void CréeChemin(const std::string& id) {
        for (size_t p = id.find('\\'); p != std::string::npos; p = id.find('\\', p + 1))
            clés.insert(id.substr(0, p));
        clés.insert(id);
    }
    int32_t Ouvre(const std::string& id, bool lectureSeule, Clé& clé) {
        clé = prochaine++;
        ouvertes[clé] = {id, lectureSeule};
        return 0;
    }
};

// What a settings read gave: nothing when absent, else its text (any other kind, a marker).
inline std::optional<std::string> Lu(const Variant& v) {
    if (EstAbsent(v)) return std::nullopt;
    if (const auto* t = std::get_if<std::string>(&v)) return *t;
    return "<ni absent ni texte>";
}
inline const std::optional<std::string> Rien;
