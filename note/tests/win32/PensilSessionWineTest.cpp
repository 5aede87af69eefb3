// Pensil.exe at the real end of the session under Wine, in a prefix of its own. Wine only traces
// the ShutdownBlockReason calls, to the host's stderr: the host's shell starts Pensil.
#include <windows.h>
#include <gtest/gtest.h>

#include "../../win32/IdsVud.h"
#include "OutilsTestWin32.h"

// While asking, the session's end has a reason, taken back once answered; "Oui" saves the note
// before the session ends.
TEST(PensilSession, FinDeSessionDemandeAvecUneRaison) {
    ÉcritRegistre(HKEY_LOCAL_MACHINE, L"Software\\Talmon\\Talmon", L"R\u00E9pertoireMiseAJour",
                  L"-");  // no update question
    ASSERT_TRUE(CommandeHôte("cd $WINEPREFIX/drive_c && mkdir p && cd p && cp '" PENSIL_EXE
                             "' . && WINEDEBUG=-all,fixme+graphics nohup wine Pensil.exe "
                             "</dev/null >/dev/null 2>trace.txt &"));
    // Started by the host's shell, so no process handle: the prefix is this test's own, where
    // the only window of Pensil's class is the one it started.
    ASSERT_TRUE(AttendsQue([] { return !Fenêtres(IdsVud::Classe).empty(); }));
    HWND f = Fenêtres(IdsVud::Classe)[0];
    DWORD pid = 0;
    GetWindowThreadProcessId(f, &pid);
    SendMessageW(GetDlgItem(f, IdsVud::T), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"brouillon"));
    ASSERT_TRUE(CommandeHôte("wine wineboot.exe --end-session </dev/null >/dev/null 2>&1 &"));
    HWND boîte = AttendsFenêtre(pid, L"#32770");
    ASSERT_TRUE(boîte);
    const auto tracé = [&](const char* appel) {
        return AttendsQue(
            [&] { return LitBrut(L"C:\\p\\trace.txt").find(appel) != std::string::npos; });
    };
    EXPECT_TRUE(tracé("L\"Pensil : la note n'est pas enregistr\\00e9e\""));
    PostMessageW(GetDlgItem(boîte, IDYES), BM_CLICK, 0, 0);
    EXPECT_TRUE(tracé("ShutdownBlockReasonDestroy"));
    EXPECT_TRUE(AttendsQue(
        [] { return LitBrut(L"C:\\p\\tel.txt").find("brouillon") != std::string::npos; }));
}
