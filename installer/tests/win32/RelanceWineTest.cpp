// Horlo, Nettix and Pensil restarted as Remplo restarts them when nothing was put in place,
// its marker on their command line, with a newer copy of each waiting in the update
// folder: real programs, the real registry of the test prefix, the real Remplo beside them.
#include <windows.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <string>

#include "../../../cleaner/win32/IdsNettix.h"
#include "../../../note/win32/IdsVud.h"
#include "OutilsTestWin32.h"
#include "Utf16.h"

namespace {

const wchar_t* const CléSuite = L"Software\\Talmon\\Talmon";
const wchar_t* const CléRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t* const ValeurMaj = L"R\u00E9pertoireMiseAJour";

// Whether process `parent` has started a program of that file name that still runs.
bool EnfantNommé(DWORD parent, const wchar_t* nom) {
    HANDLE instantané = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (instantané == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32W e{};
    e.dwSize = sizeof e;
    bool trouvé = false;
    for (BOOL ok = Process32FirstW(instantané, &e); ok && !trouvé;
         ok = Process32NextW(instantané, &e))
        trouvé = e.th32ParentProcessID == parent && _wcsicmp(e.szExeFile, nom) == 0;
    CloseHandle(instantané);
    return trouvé;
}

}  // namespace

// Restarted with the marker, a program skips its update check this once: no Remplo again
// (a copy that keeps failing would otherwise loop), and it runs as usual.
TEST(RelanceWine, MarqueurSansNouvelleRemiseAJour) {
    const struct {
        const char* exe;
        const wchar_t* nom;
        const wchar_t* classe;
        bool visible;  // Horlo's main window stays hidden behind its tray icon
    } programmes[] = {
        {HORLO_EXE, L"Horlo", L"Horlo.F_Main", false},
        {NETTIX_EXE, L"Nettix", IdsNettix::ClasseMain, true},
        {PENSIL_EXE, L"Pensil", IdsVud::Classe, true},
    };
    // No start-up question from Horlo: the entry is there.
    ÉcritRegistre(HKEY_LOCAL_MACHINE, CléRun, L"Talmon", L"C:\\Vud\\Horlo.exe");
    for (const auto& p : programmes) {
        SCOPED_TRACE(DepuisUtf16(p.nom));
        DossierTemporaire d("relance-");
        const std::wstring dossier = VersUtf16(d.Chemin()) + L"\\", maj = dossier + L"maj\\";
        const std::wstring local = dossier + p.nom + L".exe", nouveau = maj + p.nom + L".exe";
        ASSERT_TRUE(CreateDirectoryW(maj.c_str(), nullptr));
        ASSERT_TRUE(CopyFileW(CheminWine(p.exe).c_str(), local.c_str(), FALSE));
        ASSERT_TRUE(
            CopyFileW(CheminWine(REMPLO_EXE).c_str(), (dossier + L"Remplo.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileW(local.c_str(), nouveau.c_str(), FALSE));
        ÉcritBrut(nouveau, std::string(4096, 'N'), true);  // tells the copies apart
        DateDécale(local, -2);
        const std::string avant = LitBrut(local);
        ÉcritRegistre(HKEY_LOCAL_MACHINE, CléSuite, ValeurMaj, maj);

        ProcessusEssai programme;
        std::wstring ligne = L"\"" + local + L"\"  (~!~)";  // as Remplo restarts it
        STARTUPINFOW si{};
        si.cb = sizeof si;
        ASSERT_TRUE(CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   dossier.c_str(), &si, &programme.pi));
        EXPECT_TRUE(programme.Attends(p.classe, p.visible))
            << "the program must show its window instead of handing over to Remplo";
        EXPECT_FALSE(programme.Fini(std::chrono::milliseconds(0)));
        EXPECT_FALSE(EnfantNommé(programme.pi.dwProcessId, L"Remplo.exe"));
        EXPECT_TRUE(LitBrut(local) == avant) << "the program was replaced";

        ÉcritRegistre(HKEY_LOCAL_MACHINE, CléSuite, ValeurMaj, L"-");
        TerminateProcess(programme.pi.hProcess, 0);
        WaitForSingleObject(programme.pi.hProcess, 10000);
    }
}
