// VersionTexte reads the fixed version of real executables: this test program (no
// version resource) and a copy of it given one with UpdateResourceW.
#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "OutilsTestWin32.h"
#include "ProgrammeWin32.h"
#include "Utf16.h"
#include "VersionWin32.h"

namespace {

// A VS_VERSIONINFO block holding only the fixed part, FILEVERSION a,b,c,d.
std::vector<BYTE> BlocVersion(WORD a, WORD b, WORD c, WORD d) {
    const wchar_t clé[] = L"VS_VERSION_INFO";
    const size_t entête = 6 + sizeof clé;            // wLength, wValueLength, wType, key
    const size_t début = (entête + 3) & ~size_t{3};  // the value is DWORD-aligned
    std::vector<BYTE> bloc(début + sizeof(VS_FIXEDFILEINFO), 0);
    const WORD mots[3] = {static_cast<WORD>(bloc.size()), sizeof(VS_FIXEDFILEINFO), 0};
    memcpy(bloc.data(), mots, 6);
    memcpy(bloc.data() + 6, clé, sizeof clé);
    VS_FIXEDFILEINFO info{};
    info.dwSignature = VS_FFI_SIGNATURE;
    info.dwStrucVersion = 0x10000;
    info.dwFileVersionMS = MAKELONG(b, a);
    info.dwFileVersionLS = MAKELONG(d, c);
    info.dwProductVersionMS = info.dwFileVersionMS;
    info.dwProductVersionLS = info.dwFileVersionLS;
    info.dwFileOS = VOS_NT_WINDOWS32;
    info.dwFileType = VFT_APP;
    memcpy(bloc.data() + début, &info, sizeof info);
    return bloc;
}

}  // namespace

TEST(VersionWin32, SansRessourceZeroPartout) {
    EXPECT_EQ(VersionTexte(), "(support_win32_tests v0.0.0)");
    DossierTemporaire d;
    ÉcritBrut(d / "notes.txt", "pas un programme");
    EXPECT_EQ(VersionTexte(d / "notes.txt"), "(notes v0.0.0)");
    EXPECT_EQ(VersionTexte(d / "absent.exe"), "(absent v0.0.0)");
}

TEST(VersionWin32, MajeurMineurRevisionDeLaRessource) {
    DossierTemporaire d;
    const std::string copie = d / "Nettix.exe";
    ASSERT_TRUE(CopyFileW(VersUtf16(CheminExécutable()).c_str(), VersUtf16(copie).c_str(), FALSE));
    HANDLE maj = BeginUpdateResourceW(VersUtf16(copie).c_str(), FALSE);
    ASSERT_TRUE(maj);
    std::vector<BYTE> bloc = BlocVersion(2, 10, 13, 0);
    ASSERT_TRUE(UpdateResourceW(maj, MAKEINTRESOURCEW(16), MAKEINTRESOURCEW(1),
                                MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH), bloc.data(),
                                static_cast<DWORD>(bloc.size())));
    ASSERT_TRUE(EndUpdateResourceW(maj, FALSE));
    EXPECT_EQ(VersionTexte(copie), "(Nettix v2.10.13)");
}
