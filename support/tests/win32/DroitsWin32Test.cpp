// DroitsWin32 under Wine: the desktop shell's automation object really starts a program,
// with its parameters, in the folder given.
#include <windows.h>
#include <gtest/gtest.h>

#include "DroitsWin32.h"
#include "OutilsTestWin32.h"
#include "Utf16.h"

TEST(DroitsWin32, LeBureauLanceLeProgrammeDansSonDossier) {
    DossierTemporaire d;
    wchar_t système[MAX_PATH];
    GetSystemDirectoryW(système, MAX_PATH);
    DroitsWin32 droits;
    ASSERT_TRUE(droits.LanceParLeBureau(DepuisUtf16(système) + "\\cmd.exe",
                                        "/c echo par le bureau> lance.txt", d.Chemin()));
    EXPECT_TRUE(AttendsQue(
        [&] { return LitBrut(d / "lance.txt").find("par le bureau") != std::string::npos; }));
}
