// The settings store over the real registry of the Wine prefix. Every test works under
// key and value names of its own, so tests may run side by side, and removes them.
#include <windows.h>
#include <gtest/gtest.h>

#include <optional>

#include "RegistreMemoire.h"
#include "RegistreWin32.h"
#include "Utf16.h"
#include "Valeurs.h"

namespace {

// A raw value read straight from the registry, bypassing the port.
struct ValeurBrute {
    DWORD type = 0;
    std::vector<BYTE> octets;
};
std::optional<ValeurBrute> LitBrut(HKEY racine, const std::wstring& chemin,
                                   const std::wstring& nom) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(racine, chemin.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return std::nullopt;
    ValeurBrute v;
    DWORD taille = 0;
    LONG s = RegQueryValueExW(h, nom.c_str(), nullptr, &v.type, nullptr, &taille);
    if (s == ERROR_SUCCESS) {
        v.octets.resize(taille);
        s = RegQueryValueExW(h, nom.c_str(), nullptr, &v.type, v.octets.data(), &taille);
    }
    RegCloseKey(h);
    if (s != ERROR_SUCCESS) return std::nullopt;
    return v;
}
std::vector<BYTE> OctetsW(const std::wstring& texte, bool avecZéro) {
    const auto* p = reinterpret_cast<const BYTE*>(texte.c_str());
    return std::vector<BYTE>(p, p + (texte.size() + (avecZéro ? 1 : 0)) * sizeof(wchar_t));
}
void ÉcritBrut(HKEY racine, const std::wstring& chemin, const std::wstring& nom, DWORD type,
               const std::vector<BYTE>& octets) {
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExW(racine, chemin.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h,
                              nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(
        RegSetValueExW(h, nom.c_str(), 0, type, octets.data(), static_cast<DWORD>(octets.size())),
        ERROR_SUCCESS);
    RegCloseKey(h);
}
bool CléExiste(HKEY racine, const std::wstring& chemin) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(racine, chemin.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
    RegCloseKey(h);
    return true;
}

// A program name of its own per test; its keys go at the end of the test.
struct RegistreWin32Test : ::testing::Test {
    RegistreWin32 brut;
    std::string programme = std::string("Essai") + std::to_string(GetCurrentProcessId()) + "_" +
                            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::wstring cléProgramme = L"Software\\Talmon\\" + VersUtf16(programme);
    Registre registre{brut, programme, ','};

    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, cléProgramme.c_str());
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, cléProgramme.c_str());
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Talmon\\Talmon",
                           VersUtf16(programme).c_str());
    }
};

TEST_F(RegistreWin32Test, AllerRetourDesValeurs) {
    const double date = 36136.0 + (14 * 60 + 5) / 1440.0;
    const struct {
        const char* nom;
        Variant valeur;
        std::string texte;
    } cas[] = {
        {"RépertoireMiseAJour", std::string("\\\\Serveur\\Mises à jour"),
         "\\\\Serveur\\Mises à jour"},
        {"Vrai", true, "-1"},
        {"Faux", false, "0"},
        {"Date", DateV{date}, "07.12.1998 14:05"},
        {"Largeur", 7215.0f, "7215"},
        {"Tiers", 1.0 / 3, "0,3333333333333333"},
        {"Vide", std::string(), ""},
        {"Œuvre €", std::string("Ÿ œ € —"), "Ÿ œ € —"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        registre.ParamProgEcrit(c.nom, c.valeur);
        EXPECT_EQ(Lu(registre.ParamProgLit(c.nom)), c.texte);
        // Stored as REG_SZ under the UTF-16 name, text and terminating zero.
        const auto v = LitBrut(HKEY_CURRENT_USER, cléProgramme, VersUtf16(c.nom));
        ASSERT_TRUE(v);
        EXPECT_EQ(v->type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(v->octets, OctetsW(VersUtf16(c.texte), true));
    }
    EXPECT_EQ(VersNombre(registre.ParamProgLit("Tiers")), 1.0 / 3);
    EXPECT_EQ(Lu(registre.ParamProgLit("Top")), Rien);
    EXPECT_EQ(Lu(registre.RegistreLit(Racine::HKCU, "Software\\Talmon\\Aucune\\Clé", "Top")), Rien);
}

TEST_F(RegistreWin32Test, ContenusÉcritsParD_AutresProgrammes) {
    const DWORD nombre = 42;
    const auto* p = reinterpret_cast<const BYTE*>(&nombre);
    ÉcritBrut(HKEY_CURRENT_USER, cléProgramme, L"Dword", REG_DWORD,
              std::vector<BYTE>(p, p + sizeof nombre));
    ÉcritBrut(HKEY_CURRENT_USER, cléProgramme, L"VideAvecZéro", REG_SZ, OctetsW(L"", true));
    ÉcritBrut(HKEY_CURRENT_USER, cléProgramme, L"SansZéro", REG_SZ, OctetsW(L"abcé", false));
    ÉcritBrut(HKEY_CURRENT_USER, cléProgramme, L"Taille0", REG_SZ, {});
    EXPECT_EQ(Lu(registre.ParamProgLit("Dword")), MessagePasTexte);
    EXPECT_EQ(Lu(registre.ParamProgLit("VideAvecZéro")), "");
    EXPECT_EQ(Lu(registre.ParamProgLit("SansZéro")), "abcé");
    EXPECT_EQ(Lu(registre.ParamProgLit("Taille0")), Rien);
}

TEST_F(RegistreWin32Test, ÉcrireUnTexteVideStockeLeSeulZéro) {
    EXPECT_EQ(registre.ParamEcrit("Vide", std::string()), 0);
    const auto v = LitBrut(HKEY_CURRENT_USER, cléProgramme, L"Vide");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->octets, std::vector<BYTE>(2, 0));
}

TEST_F(RegistreWin32Test, RacinesEtSections) {
    const std::wstring nomW = VersUtf16(programme);
    // Machine flag given, even false: HKEY_LOCAL_MACHINE.
    EXPECT_EQ(registre.ParamEcrit("Machine", int32_t{1}, std::string(programme), false), 0);
    EXPECT_TRUE(LitBrut(HKEY_LOCAL_MACHINE, cléProgramme, L"Machine"));
    EXPECT_FALSE(LitBrut(HKEY_CURRENT_USER, cléProgramme, L"Machine"));
    EXPECT_EQ(Lu(registre.ParamLit("Machine", std::string(programme), false)), "1");

    // " \Talmon": the suite's shared key, under a value name of this test.
    EXPECT_EQ(registre.ParamEcrit(programme, int32_t{3}, std::string(" \\Talmon"), true), 0);
    const auto compteur = LitBrut(HKEY_LOCAL_MACHINE, L"Software\\Talmon\\Talmon", nomW);
    ASSERT_TRUE(compteur);
    EXPECT_EQ(compteur->octets, OctetsW(L"3", true));
    // The start counter is written with a trailing backslash: the same key.
    EXPECT_EQ(registre.RegistreEcrit(Racine::HKLM, "Software\\Talmon\\Talmon\\", programme, "4"),
              0);
    EXPECT_EQ(Lu(registre.ParamLit(programme, std::string("Talmon"), true)), "4");

    // Backslashes only, empty, numeric: the program's own key of the current user.
    const Variant sections[] = {std::string("\\\\"), std::string(), int32_t{12}, Absent{}};
    int n = 0;
    for (const auto& s : sections) {
        std::string nom = "S";
        nom += std::to_string(n++);
        EXPECT_EQ(registre.ParamEcrit(nom, std::string("x"), s), 0);
        EXPECT_TRUE(LitBrut(HKEY_CURRENT_USER, cléProgramme, VersUtf16(nom))) << nom;
    }
    // Deeper keys below the section.
    EXPECT_EQ(registre.ParamEcrit("Profond", std::string("y"), programme + "\\Sous\\Clé"), 0);
    EXPECT_TRUE(LitBrut(HKEY_CURRENT_USER, cléProgramme + L"\\Sous\\Clé", L"Profond"));
}

TEST_F(RegistreWin32Test, EffacementDeLaValeurEtDeLaSousClé) {
    const std::string chemin = "Software\\Talmon\\" + programme + "\\Run";
    const std::wstring cheminW = VersUtf16(chemin);
    EXPECT_EQ(registre.RegistreEcrit(Racine::HKCU, chemin, "Talmon", "C:\\Vud\\Horlo.exe"), 0);
    EXPECT_EQ(registre.RegistreEcrit(Racine::HKCU, chemin + "\\Talmon", "x", "y"), 0);
    EXPECT_EQ(registre.RegistreEcrit(Racine::HKCU, chemin, "Autre", "z"), 0);
    ASSERT_TRUE(CléExiste(HKEY_CURRENT_USER, cheminW + L"\\Talmon"));

    registre.RegistreEfface(Racine::HKCU, chemin, "Talmon");
    EXPECT_FALSE(LitBrut(HKEY_CURRENT_USER, cheminW, L"Talmon"));
    EXPECT_FALSE(CléExiste(HKEY_CURRENT_USER, cheminW + L"\\Talmon"));
    EXPECT_EQ(Lu(registre.RegistreLit(Racine::HKCU, chemin, "Autre")), "z");
    // Nothing left to delete, or no key at all: silently nothing.
    registre.RegistreEfface(Racine::HKCU, chemin, "Talmon");
    registre.RegistreEfface(Racine::HKCU, chemin + "\\Absente", "Talmon");
    // An empty name never takes the key with it.
    registre.RegistreEfface(Racine::HKCU, chemin, "");
    EXPECT_TRUE(CléExiste(HKEY_CURRENT_USER, cheminW));
}

TEST_F(RegistreWin32Test, StatutsDesÉchecs) {
    // A root that is no key: the platform's non-zero status comes back, nothing is written.
    EXPECT_NE(registre.RegistreEcrit(0, "Software", "x", "y"), 0);
    EXPECT_EQ(Lu(registre.RegistreLit(0, "Software", "x")), Rien);
    RegistreBrut::Clé clé = 0;
    EXPECT_EQ(brut.OuvreClé(Racine::HKCU, "Software\\Talmon\\Nulle\\Part", clé),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(clé, 0u);
    EXPECT_EQ(brut.FermeClé(0), ERROR_INVALID_HANDLE);
}

}  // namespace
