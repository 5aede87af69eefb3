// The probe that the support tests start as a child process.
#include "SondeWin32.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "OutilsTestWin32.h"
#include "ProgrammeWin32.h"
#include "Utf16.h"

std::string LigneSonde(const std::string& mode, const std::string& sortie) {
    SetEnvironmentVariableW(L"ORVAN_SONDE", VersUtf16(mode).c_str());
    SetEnvironmentVariableW(L"ORVAN_SONDE_SORTIE", VersUtf16(sortie).c_str());
    const Programme p = ProgrammeCourant();
    return "\"" + p.DossierLocal() + p.nom +
           ".exe\" --gtest_also_run_disabled_tests --gtest_filter=DISABLED_Sonde.Rapporte";
}

// Not a test: the probe's body, run only in the child that LigneSonde starts.
TEST(DISABLED_Sonde, Rapporte) {
    wchar_t mode[256] = {}, sortie[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"ORVAN_SONDE", mode, 256) ||
        !GetEnvironmentVariableW(L"ORVAN_SONDE_SORTIE", sortie, MAX_PATH))
        GTEST_SKIP() << "lancé sans sonde";
    const std::string m = DepuisUtf16(mode);
    std::string rapport;
    if (m.rfind("instance:", 0) == 0) {
        rapport = UneSeuleInstance(m.substr(9)) ? "seule" : "double";
    } else if (m == "fenetre") {
        STARTUPINFOW si{};
        si.cb = sizeof si;
        GetStartupInfoW(&si);
        rapport = (si.dwFlags & STARTF_USESHOWWINDOW) ? std::to_string(si.wShowWindow) : "aucun";
    }
    // Written under another name first, so the parent never reads half a report.
    const std::string fin = DepuisUtf16(sortie);
    ÉcritBrut(fin + ".part", rapport);
    MoveFileExW(VersUtf16(fin + ".part").c_str(), sortie, MOVEFILE_REPLACE_EXISTING);
}
