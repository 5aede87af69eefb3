// Horlo, Nettix and Pensil started under Wine as Remplo restarts them, with its marker.
#include <windows.h>
#include <gtest/gtest.h>

#include <tuple>

#include "../../../cleaner/win32/IdsNettix.h"
#include "../../../note/win32/IdsVud.h"
#include "OutilsTestWin32.h"
#include "Utf16.h"

// The update check is skipped this once: a newer copy waits in the update folder and Remplo
// is beside the program, so a check that ran would hand over to Remplo and end the program.
TEST(RelanceWine, MarqueurSauteLaMiseAJour) {
    // No start-up question from Horlo: its entry is there.
    ÉcritRegistre(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                  L"Talmon", L"C:\\Vud\\Horlo.exe");
    for (auto [exe, nom, classe] : {std::tuple{HORLO_EXE, "Horlo.exe", L"Horlo.F_Main"},
                                    std::tuple{NETTIX_EXE, "Nettix.exe", IdsNettix::ClasseMain},
                                    std::tuple{PENSIL_EXE, "Pensil.exe", IdsVud::Classe}}) {
        DossierTemporaire d("relance-"), maj("relance-maj-");
        ASSERT_TRUE(CopyFileW(CheminWine(exe).c_str(), VersUtf16(d / nom).c_str(), FALSE));
        ASSERT_TRUE(CopyFileW(CheminWine(exe).c_str(), VersUtf16(maj / nom).c_str(), FALSE));
        ASSERT_TRUE(
            CopyFileW(CheminWine(REMPLO_EXE).c_str(), VersUtf16(d / "Remplo.exe").c_str(), FALSE));
        DateDécale(VersUtf16(d / nom), -1);
        ÉcritRegistre(HKEY_LOCAL_MACHINE, L"Software\\Talmon\\Talmon", L"R\u00E9pertoireMiseAJour",
                      VersUtf16(maj.Chemin()));
        ProcessusEssai programme;
        std::wstring ligne = L"\"" + VersUtf16(d / nom) + L"\"  (~!~)";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        ASSERT_TRUE(CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   VersUtf16(d.Chemin()).c_str(), &si, &programme.pi));
        EXPECT_TRUE(programme.Attends(classe, false)) << nom;
    }
}
