// LanceurWin32 really starts programs: each started command writes a file that the test
// waits for. The probe (this test program) reports the show-window code it received.
#include <windows.h>
#include <gtest/gtest.h>

#include "LanceurWin32.h"
#include "OutilsTestWin32.h"
#include "SondeWin32.h"
#include "Utf16.h"

namespace {

std::string DossierSystème() {
    wchar_t d[MAX_PATH];
    GetSystemDirectoryW(d, MAX_PATH);
    return DepuisUtf16(d);
}

}  // namespace

TEST(LanceurWin32, ProgrammeDeLaLigne) {
    const struct {
        const char* ligne;
        const char* programme;
    } cas[] = {
        {"\"C:\\Vud\\Remplo.exe\" \"N:\\Maj\\Nettix.exe\" \"C:\\Vud\\Nettix.exe\"",
         "C:\\Vud\\Remplo.exe"},
        {"C:\\Vud\\Remplo.exe \"a\" \"b\"", "C:\\Vud\\Remplo.exe"},
        {"  notepad.exe  fichier.txt", "notepad.exe"},
        {"cmd", "cmd"},
        {"\"sans fin", "sans fin"},
        {"", ""},
    };
    for (const auto& c : cas) EXPECT_EQ(ProgrammeDeLaLigne(c.ligne), c.programme) << c.ligne;
}

// The program in every form a task's command line may take.
TEST(LanceurWin32, LesFormesDeLigneLancentVraiment) {
    DossierTemporaire d;
    const std::string cmd = DossierSystème() + "\\cmd.exe";
    const struct {
        const char* nom;
        std::string ligne;
    } cas[] = {
        {"nu", "cmd /c echo nu> \"" + (d / "nu.txt") + "\""},
        {"chemin", cmd + " /c echo chemin> \"" + (d / "chemin.txt") + "\""},
        {"guillemets", "\"" + cmd + "\" /c echo guillemets> \"" + (d / "guillemets.txt") + "\""},
    };
    LanceurWin32 l;
    for (const auto& c : cas) {
        Statut s = l.Lance(c.ligne, 0);
        ASSERT_TRUE(s) << c.ligne << ": " << s.erreur;
    }
    for (const auto& c : cas) {
        const std::string fichier = d / (std::string(c.nom) + ".txt");
        EXPECT_TRUE(AttendsQue([&] { return LitBrut(fichier).find(c.nom) != std::string::npos; }))
            << c.ligne;
    }
}

TEST(LanceurWin32, FichierDeCommandesAvecBlancsEtArgument) {
    DossierTemporaire d;
    const std::string lot = d / "essai lot.bat";
    const std::string sortie = d / "sortie lot.txt";
    // The batch file itself is read in the console's code page: it names its output
    // relative to its own folder.
    ÉcritBrut(lot, "@echo off\r\necho %~1> \"%~dp0sortie lot.txt\"\r\n");
    Statut s = LanceurWin32().Lance("\"" + lot + "\" \"bonjour\"", 6);
    ASSERT_TRUE(s) << s.erreur;
    EXPECT_TRUE(AttendsQue([&] { return LitBrut(sortie).find("bonjour") != std::string::npos; }));
}

TEST(LanceurWin32, ProgrammeAbsentEchoueAvecLeTexteDuSysteme) {
    DossierTemporaire d;
    LanceurWin32 l;
    for (const std::string& ligne :
         {"\"" + (d / "absent.exe") + "\" /x", d / "absent.exe", std::string("   ")}) {
        Statut s = l.Lance(ligne, 1);
        EXPECT_FALSE(s) << ligne;
        EXPECT_FALSE(s.erreur.empty()) << ligne;
    }
}

// The show-window code reaches the started program unchanged.
TEST(LanceurWin32, CodeDeFenetreTransmis) {
    DossierTemporaire d;
    LanceurWin32 l;
    for (int code : {1, 2, 4, 6}) {
        const std::string sortie = d / ("fenetre" + std::to_string(code) + ".txt");
        Statut s = l.Lance(LigneSonde("fenetre", sortie), code);
        ASSERT_TRUE(s) << s.erreur;
        ASSERT_TRUE(AttendsQue([&] { return ExisteBrut(sortie); })) << code;
        EXPECT_EQ(LitBrut(sortie), std::to_string(code));
    }
}
