// The running program's identity, and the single-instance test within this process and
// across processes (the probe is this test program started again).
#include <windows.h>
#include <gtest/gtest.h>
#include <sddl.h>

#include "OutilsTestWin32.h"
#include "Possession.h"
#include "ProgrammeWin32.h"
#include "SondeWin32.h"
#include "Utf16.h"

namespace {

// Starts the probe with "instance:<nom>" and waits until it has ended; its report.
std::string InstanceDansUnAutreProcessus(const std::string& nom, const DossierTemporaire& d) {
    const std::string sortie = d / ("instance " + nom + ".txt");
    std::wstring ligne = VersUtf16(LigneSonde("instance:" + nom, sortie));
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return "non lancé: " + TexteErreur(GetLastError());
    const DWORD attente = WaitForSingleObject(pi.hProcess, 60000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (attente != WAIT_OBJECT_0) return "pas terminé";
    return LitBrut(sortie);
}

}  // namespace

TEST(ProgrammeWin32, ProgrammeCourantNommeCetExecutable) {
    const Programme p = ProgrammeCourant();
    EXPECT_EQ(p.nom, "support_win32_tests");
    ASSERT_FALSE(p.dossier.empty());
    EXPECT_NE(p.dossier.back(), '\\');
    EXPECT_TRUE(ExisteBrut(p.DossierLocal() + p.nom + ".exe"));
}

TEST(ProgrammeWin32, UneSeuleInstanceDansLeMemeProcessus) {
    EXPECT_TRUE(UneSeuleInstance("EssaiMême"));
    EXPECT_FALSE(UneSeuleInstance("EssaiMême"));
    EXPECT_FALSE(UneSeuleInstance("ESSAIMÊME"));  // the same program, whatever the case
    EXPECT_TRUE(UneSeuleInstance("EssaiAutre"));
    EXPECT_TRUE(UneSeuleInstance("Essai\\Barre"));
    EXPECT_FALSE(UneSeuleInstance("Essai\\Barre"));
}

TEST(ProgrammeWin32, UneSeuleInstanceEntreProcessus) {
    DossierTemporaire d;
    // This process holds the name: a second process is refused.
    ASSERT_TRUE(UneSeuleInstance("EssaiTenu"));
    EXPECT_EQ(InstanceDansUnAutreProcessus("EssaiTenu", d), "double");
    // A process that ran alone and ended leaves the name free, as after a restart by
    // the update installer.
    EXPECT_EQ(InstanceDansUnAutreProcessus("EssaiRelance", d), "seule");
    EXPECT_TRUE(UneSeuleInstance("EssaiRelance"));
    // A mutex this account may not open, as an elevated instance's to a plain one.
    PSECURITY_DESCRIPTOR sd = nullptr;
    ASSERT_TRUE(
        ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:", SDDL_REVISION_1, &sd, nullptr));
    SECURITY_ATTRIBUTES sa{sizeof sa, sd, FALSE};
    PoignéeNoyau refus(CreateMutexW(&sa, FALSE, L"Local\\Orvan98.ESSAIREFUS"));
    LocalFree(sd);
    ASSERT_TRUE(refus);
    EXPECT_EQ(InstanceDansUnAutreProcessus("EssaiRefus", d), "double");
}
