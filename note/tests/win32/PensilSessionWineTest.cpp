// Pensil.exe at the real end of the Windows session under Wine (wineboot --end-session), with
// a note typed and not saved. wineboot ends the session of the whole prefix: this program
// runs in a prefix of its own.
#include <windows.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "../../win32/IdsVud.h"
#include "OutilsTestWin32.h"

using namespace std::chrono_literals;

namespace {

// The id of the one Pensil.exe of this prefix, 0 while there is none.
DWORD PensilDuPréfixe() {
    HANDLE liste = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (liste == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32W e{};
    e.dwSize = sizeof e;
    DWORD pid = 0;
    for (BOOL encore = Process32FirstW(liste, &e); encore && !pid;
         encore = Process32NextW(liste, &e))
        if (_wcsicmp(e.szExeFile, L"Pensil.exe") == 0) pid = e.th32ProcessID;
    CloseHandle(liste);
    return pid;
}

}  // namespace

// While it asks whether to save, Pensil gives the session's end a reason to wait, and takes
// it back once answered; the answer "Oui" saves the note before the session ends. Wine keeps
// no reason: its functions only trace their calls (on its "graphics" debug channel, to the
// program's host standard error), so Pensil is started by the host's shell, its trace in a
// file. This prefix is the test's own: its one Pensil is the one started here.
TEST(PensilSession, FinDeSessionDemandeAvecUneRaisonPuisEnregistre) {
    const std::string hôte = "/tmp/orvan-pensil-session-" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CommandeHôte("rm -rf '" + hôte + "' && mkdir -p '" + hôte + "'"));
    const std::wstring dossier = CheminWine(hôte.c_str()) + L"\\";
    ASSERT_TRUE(
        CopyFileW(CheminWine(PENSIL_EXE).c_str(), (dossier + L"Pensil.exe").c_str(), FALSE));
    // No update question ("-" declines the service).
    ÉcritRegistre(HKEY_LOCAL_MACHINE, L"Software\\Talmon\\Talmon", L"R\u00E9pertoireMiseAJour",
                  L"-");
    ÉcritBrut(dossier + L"tel.txt", "avant\r\n");
    const std::wstring trace = dossier + L"trace.txt";
    ASSERT_TRUE(CommandeHôte("cd '" + hôte +
                             "' && WINEDEBUG=-all,fixme+graphics nohup wine Pensil.exe "
                             "</dev/null >/dev/null 2>trace.txt &"));

    ProcessusEssai pensil, wineboot;
    DWORD pid = 0;
    ASSERT_TRUE(AttendsQue([&] { return (pid = PensilDuPréfixe()) != 0; }));
    pensil.pi.dwProcessId = pid;
    pensil.pi.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
    ASSERT_TRUE(pensil.pi.hProcess);
    HWND f = pensil.Attends(IdsVud::Classe);
    ASSERT_TRUE(f);
    const std::wstring brouillon = L"brouillon \u00E9t\u00E9";
    DWORD_PTR r = 0;
    ASSERT_TRUE(SendMessageTimeoutW(GetDlgItem(f, IdsVud::T), WM_SETTEXT, 0,
                                    reinterpret_cast<LPARAM>(brouillon.c_str()), SMTO_ABORTIFHUNG,
                                    10000, &r));

    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring fin = L"wineboot.exe --end-session";
    ASSERT_TRUE(CreateProcessW(nullptr, fin.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &si, &wineboot.pi));
    HWND boîte = pensil.Attends(L"#32770");
    ASSERT_TRUE(boîte);
    char poignée[32];
    snprintf(poignée, sizeof poignée, "%016llX",
             static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(f)));
    const std::string créée = std::string("ShutdownBlockReasonCreate (") + poignée +
                              ", L\"Pensil : la note n'est pas enregistr\\00e9e\")";
    const std::string détruite = std::string("ShutdownBlockReasonDestroy (") + poignée + ")";
    EXPECT_TRUE(AttendsQue([&] { return LitBrut(trace).find(créée) != std::string::npos; }, 10s))
        << LitBrut(trace);
    EXPECT_EQ(LitBrut(trace).find(détruite), std::string::npos);  // not while asking

    PostMessageW(GetDlgItem(boîte, IDYES), BM_CLICK, 0, 0);
    EXPECT_TRUE(pensil.Fini(20s));
    EXPECT_TRUE(wineboot.Fini(30s));
    EXPECT_EQ(LitBrut(dossier + L"tel.txt"), "brouillon \xE9t\xE9\r\n");
    const std::string lu = LitBrut(trace);
    EXPECT_NE(lu.find(détruite), std::string::npos) << lu;
    EXPECT_LT(lu.find(créée), lu.find(détruite));
    CommandeHôte("rm -rf '" + hôte + "'");
}
