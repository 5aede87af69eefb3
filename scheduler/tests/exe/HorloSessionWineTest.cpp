// Horlo.exe at the real end of the Windows session under Wine (wineboot --end-session),
// round after round: its "A" task starts once and the program ends within seconds.
// wineboot ends the session of the whole prefix: this program runs in a prefix of its own.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "OutilsTestWin32.h"

using namespace std::chrono_literals;

TEST(HorloSession, WinebootEndSessionLanceLesTachesAEtTermineHorlo) {
    DossierTemporaire d("HorloSession ");
    const std::string horlo = d / "Horlo.exe", témoin = d / "Temoin.exe";
    ASSERT_TRUE(CopyFileW(CheminWine(HORLO_EXE).c_str(),
                          std::wstring(horlo.begin(), horlo.end()).c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(CheminWine(TEMOIN_EXE).c_str(),
                          std::wstring(témoin.begin(), témoin.end()).c_str(), FALSE));
    // No update question ("-" declines the service), no start-up question (value present).
    ÉcritRegistre(HKEY_LOCAL_MACHINE, L"Software\\Talmon\\Talmon", L"R\u00E9pertoireMiseAJour",
                  L"-");
    ÉcritRegistre(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                  L"Talmon", L"C:\\Vud\\Horlo.exe");
    std::string court(MAX_PATH, '\0');
    court.resize(GetShortPathNameA(d.Chemin().c_str(), court.data(), MAX_PATH));
    ÉcritBrut(d / "Auto.dat", court +
                                  "\\Temoin.exe\tarret\t4\tA\t-1\t30.12.1899\t00:00\t"
                                  "30.12.1899\t00:00\t00:00\r\n");
    // Temoin.exe writes one line "arret|4" per start.
    auto lancés = [&] { return std::ranges::count(LitBrut(d / "lances.txt", ""), '\n'); };
    auto démarre = [](ProcessusEssai& p, std::wstring ligne) {
        STARTUPINFOW si{};
        si.cb = sizeof si;
        return CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &si, &p.pi) != FALSE;
    };

    for (int tour = 1; tour <= 4; ++tour) {
        SCOPED_TRACE("tour " + std::to_string(tour));
        ProcessusEssai tray, wineboot;
        ASSERT_TRUE(démarre(tray, L"\"" + std::wstring(horlo.begin(), horlo.end()) + L"\""));
        // Its main window made and its message loop waiting.
        ASSERT_EQ(WaitForInputIdle(tray.pi.hProcess, 20000), 0u);
        ASSERT_TRUE(démarre(wineboot, L"wineboot.exe --end-session"));
        // wineboot waits 5 s for an answer, then offers to end the program: Horlo is done
        // well before.
        EXPECT_TRUE(tray.Fini(3s)) << "Horlo still running 3 s after wineboot --end-session";
        EXPECT_TRUE(wineboot.Fini(20s));
        EXPECT_TRUE(AttendsQue([&] { return lancés() >= tour; }, 10s));
        EXPECT_EQ(lancés(), tour) << LitBrut(d / "lances.txt");
        if (HasFailure()) break;
    }
}
