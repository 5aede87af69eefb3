// Horlo.exe end to end under Wine: real processes started by real tasks, the real message
// window driven by real key input (xdotool), Auto.dat on disk, the registry of the test
// prefix, the single instance, the command-line words and the end of the session.
// Test names stay ASCII (the filter reaches the program in the ANSI code page).
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "OutilsTestWin32.h"
#include "Utf16.h"

namespace {

using namespace std::chrono_literals;

const wchar_t* const CléSuite = L"Software\\Talmon\\Talmon";
const wchar_t* const CléRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Every top-level window of a class of process `pid`, shown or hidden.
std::vector<HWND> Toutes(const wchar_t* classe, DWORD pid) {
    return Fenêtres(classe, pid, false);
}

// Real key input through the X server (the window brought to the front first).
void Touche(HWND fenêtre, const char* touche) {
    Xdotool(fenêtre, std::string("key ") + touche);
}

using Processus = ProcessusEssai;

std::string Date(SYSTEMTIME t, const char* masque) {
    char s[32];
    if (std::string(masque) == "date")
        snprintf(s, sizeof s, "%02d.%02d.%04d", t.wDay, t.wMonth, t.wYear);
    else
        snprintf(s, sizeof s, "%02d:%02d", t.wHour, t.wMinute);
    return s;
}

// The local time `minutes` from now.
SYSTEMTIME Dans(double minutes) {
    SYSTEMTIME st;
    GetLocalTime(&st);
    FILETIME ft;
    SystemTimeToFileTime(&st, &ft);
    ULARGE_INTEGER u{{ft.dwLowDateTime, ft.dwHighDateTime}};
    u.QuadPart += static_cast<LONGLONG>(minutes * 60 * 10000000.0);
    ft = {u.LowPart, u.HighPart};
    FileTimeToSystemTime(&ft, &st);
    return st;
}

// Times in 100 ns units since 1601, as file times count them.
uint64_t Maintenant() {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    return (uint64_t{ft.dwHighDateTime} << 32) | ft.dwLowDateTime;
}
uint64_t Seconde(uint64_t temps) {
    return temps / 10000000;
}
uint64_t Seconde(FILETIME ft) {
    return Seconde((uint64_t{ft.dwHighDateTime} << 32) | ft.dwLowDateTime);
}

size_t Compte(const std::string& texte, const std::string& quoi) {
    size_t n = 0;
    for (size_t p = texte.find(quoi); p != std::string::npos; p = texte.find(quoi, p + 1)) ++n;
    return n;
}

// Horlo.exe copied into `d` and started there (its process in `p`), asking nothing at its
// start (the update service declined, the start-up value present); its hidden main window.
HWND HorloDémarre(const DossierTemporaire& d, Processus& p) {
    const std::string horlo = d / "Horlo.exe";
    if (!CopyFileW(CheminWine(HORLO_EXE).c_str(), VersUtf16(horlo).c_str(), FALSE)) return nullptr;
    ÉcritRegistre(HKEY_LOCAL_MACHINE, CléSuite, L"R\u00E9pertoireMiseAJour", L"-");
    ÉcritRegistre(HKEY_LOCAL_MACHINE, CléRun, L"Talmon", L"C:\\Vud\\Horlo.exe");
    std::wstring l = L"\"" + VersUtf16(horlo) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    if (!CreateProcessW(nullptr, l.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &p.pi))
        return nullptr;
    return p.Attends(L"Horlo.F_Main", false);
}

// The rows of another process's list view ("moment|task|event") read through a block of
// that process's memory: the list's messages carry pointers no process boundary converts.
std::vector<std::string> Rangées(HANDLE processus, HWND liste) {
    struct Bloc {
        LVITEMW item;
        wchar_t texte[512];
    } b{}, *distant = static_cast<Bloc*>(
               VirtualAllocEx(processus, nullptr, sizeof b, MEM_COMMIT, PAGE_READWRITE));
    std::vector<std::string> r;
    for (int i = 0, n = static_cast<int>(SendMessageW(liste, LVM_GETITEMCOUNT, 0, 0)); i < n * 3;
         ++i) {
        b.item = {};
        b.item.iSubItem = i % 3;
        b.item.pszText = distant->texte;
        b.item.cchTextMax = 511;
        WriteProcessMemory(processus, distant, &b, sizeof b, nullptr);
        SendMessageW(liste, LVM_GETITEMTEXTW, i / 3, reinterpret_cast<LPARAM>(&distant->item));
        ReadProcessMemory(processus, distant, &b, sizeof b, nullptr);
        if (i % 3 == 0) r.emplace_back();
        r.back() += (i % 3 ? "|" : "") + DepuisUtf16(b.texte);
    }
    VirtualFreeEx(processus, distant, 0, MEM_RELEASE);
    return r;
}

}  // namespace

TEST(HorloExe, TachesDemarrageUneInstanceMotsEtFinDeSession) {
    DossierTemporaire d("HorloExe ");
    const std::string horlo = d / "Horlo.exe", témoin = d / "Temoin.exe";
    ASSERT_TRUE(CopyFileW(CheminWine(HORLO_EXE).c_str(),
                          std::wstring(horlo.begin(), horlo.end()).c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(CheminWine(TEMOIN_EXE).c_str(),
                          std::wstring(témoin.begin(), témoin.end()).c_str(), FALSE));
    // No update question ("-" declines the service), no start-up question (value present).
    ÉcritRegistre(HKEY_LOCAL_MACHINE, CléSuite, L"R\u00E9pertoireMiseAJour", L"-");
    ÉcritRegistre(HKEY_LOCAL_MACHINE, CléRun, L"Talmon", L"C:\\Vud\\Horlo.exe");
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, CléSuite, L"Horlo");

    // Temoin.exe's folder holds no blank, so the program field needs no quotes.
    std::string dossierCourt(MAX_PATH, '\0');
    dossierCourt.resize(GetShortPathNameA(d.Chemin().c_str(), dossierCourt.data(), MAX_PATH));
    const std::string prog = dossierCourt + "\\Temoin.exe";
    const SYSTEMTIME passé = Dans(-60), retard = Dans(-3 * 24 * 60 - 1);
    std::string texteDuMessage = "Bonjour le monde";  // one line wider than the work area
    while (texteDuMessage.size() < 341) texteDuMessage += " Rappel important";
    auto ligne = [&](const std::string& p, const std::string& par, int fen, const char* rép,
                     bool actif, const std::string& date, const std::string& heure) {
        return p + "\t" + par + "\t" + std::to_string(fen) + "\t" + rép + "\t" +
               (actif ? "-1" : "0") + "\t" + date + "\t" + heure + "\t30.12.1899\t00:00\t00:00\r\n";
    };
    ÉcritBrut(d / "Auto.dat",
              ligne(prog, "un", 2, "U", true, Date(passé, "date"), Date(passé, "heure")) +
                  ligne(prog, "jour", 3, "J", true, Date(retard, "date"), Date(retard, "heure")) +
                  ligne(prog, "inactif", 1, "J", false, "", "") +
                  ligne(prog, "arret", 4, "A", true, "30.12.1899", "00:00") +
                  ligne(prog, "l", 6, "L", true, "", "00:00:02") +
                  ligne("\"" + texteDuMessage, "", 1, "U", true, Date(passé, "date"),
                        Date(passé, "heure")));
    auto démarre = [&](Processus& p, const std::string& mots) {
        std::wstring l = L"\"" + std::wstring(horlo.begin(), horlo.end()) + L"\"" +
                         (mots.empty() ? L"" : L" " + std::wstring(mots.begin(), mots.end()));
        STARTUPINFOW si{};
        si.cb = sizeof si;
        ASSERT_TRUE(CreateProcessW(nullptr, l.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &si, &p.pi));
    };

    Processus tray;
    démarre(tray, "");
    ASSERT_TRUE(tray.Attends(L"Horlo.F_Main", false));
    EXPECT_EQ(LitRegistre(HKEY_LOCAL_MACHINE, CléSuite, L"Horlo"), L"1");

    // The message window of the first pass.
    HWND alarme = tray.Attends(L"Horlo.F_Show");
    ASSERT_TRUE(alarme);
    EXPECT_EQ(TexteFenêtre(alarme), L"Alarme");
    EXPECT_EQ(TexteFenêtre(GetDlgItem(alarme, 100)),
              VersUtf16("Message programm\u00E9: \r\n\r\n" + texteDuMessage));
    RECT r{}, travail{}, e{}, ok{};
    GetWindowRect(alarme, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    // Within the work area's width, the label wrapped above the Ok button, both inside.
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &travail, 0);
    GetWindowRect(GetDlgItem(alarme, 100), &e);
    GetWindowRect(GetDlgItem(alarme, IDOK), &ok);
    EXPECT_LE(r.right - r.left, travail.right - travail.left);
    EXPECT_TRUE(e.right <= r.right && ok.top > e.bottom && ok.left >= r.left &&
                ok.right <= r.right && ok.bottom <= r.bottom);
    EXPECT_TRUE(GetWindowLongW(alarme, GWL_EXSTYLE) & WS_EX_TOPMOST);  // over a maximised one

    // The programs started with their parameters and window codes: the one-shot once, the
    // late daily task once per missed day (four passes), the L task after its delay.
    const std::string lancés = d / "lances.txt";
    EXPECT_TRUE(AttendsQue([&] { return Compte(LitBrut(lancés, ""), "\r\n") >= 6; }, 20s))
        << LitBrut(lancés);
    Sleep(500);  // time passes on purpose: an extra start would show in the counts below
    const std::string l = "\n" + LitBrut(lancés);
    EXPECT_EQ(Compte(l, "\nun|2\r\n"), 1u) << l;
    EXPECT_EQ(Compte(l, "\njour|3\r\n"), 4u) << l;
    EXPECT_EQ(Compte(l, "\nl|6\r\n"), 1u) << l;
    EXPECT_EQ(Compte(l, "inactif"), 0u) << l;
    EXPECT_EQ(Compte(l, "arret"), 0u) << l;

    // Enter closes the message window (real key input).
    // Tests running beside this one may take the X focus between the two steps: retry.
    bool fermée = false;
    for (int essai = 0; essai < 8 && !fermée; ++essai) {
        SetForegroundWindow(alarme);
        Touche(alarme, "Return");
        fermée = AttendsQue([&] { return !IsWindow(alarme); }, 2s);
    }
    EXPECT_TRUE(fermée) << [] {
        HWND f = GetForegroundWindow(), g = GetFocus();
        DWORD pid = 0;
        GetWindowThreadProcessId(f, &pid);
        wchar_t c[64] = {};
        GetClassNameW(f, c, 64);
        std::string s = "foreground pid " + std::to_string(pid) + " class ";
        for (wchar_t w : std::wstring(c)) s += static_cast<char>(w & 0x7F);
        return s + (g ? " focus here" : "");
    }() << " horlo pid " << tray.pi.dwProcessId;

    // Auto.dat rewritten: one-shot and message gone, daily moved on to tomorrow, L kept.
    const SYSTEMTIME demain = Dans(24 * 60 - 1);
    const std::string a = LitBrut(d / "Auto.dat");
    EXPECT_EQ(Compte(a, "\r\n"), 4u) << a;
    EXPECT_EQ(Compte(a, "\tun\t"), 0u) << a;
    EXPECT_EQ(Compte(a, "Bonjour"), 0u) << a;
    EXPECT_NE(a.find("\tjour\t3\tJ\t-1\t" + Date(demain, "date") + "\t" + Date(retard, "heure")),
              std::string::npos)
        << a;
    EXPECT_NE(a.find("\tl\t6\tL\t-1\t\t00:00:02\t"), std::string::npos) << a;
    EXPECT_NE(a.find("\tinactif\t1\tJ\t0\t\t\t30.12.1899\t00:00\t00:00"), std::string::npos) << a;

    // A second normal start ends at once; "/?" shows its box; each counts as described.
    Processus second;
    démarre(second, "");
    EXPECT_TRUE(second.Fini());
    EXPECT_EQ(LitRegistre(HKEY_LOCAL_MACHINE, CléSuite, L"Horlo"), L"1");
    EXPECT_EQ(Toutes(L"Horlo.F_Main", tray.pi.dwProcessId).size(), 1u);
    Processus aide;
    démarre(aide, " /? ");
    HWND boîte = aide.Attends(L"#32770");
    ASSERT_TRUE(boîte);
    EXPECT_EQ(TexteFenêtre(boîte), L"Orvan 98 info");
    PostMessageW(boîte, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(aide.Fini());
    EXPECT_EQ(LitRegistre(HKEY_LOCAL_MACHINE, CléSuite, L"Horlo"), L"1");

    // The tray icon's messages: right button up (then WM_CONTEXTMENU) asks whether to quit, and
    // No keeps the program running; left button up opens the menu at the pointer, Esc closes it.
    // The question comes first: a posted message outruns queued key input, so a question
    // opened right after the menu's Esc would receive that Esc.
    HWND principale = Toutes(L"Horlo.F_Main", tray.pi.dwProcessId).at(0);
    PostMessageW(principale, WM_APP + 1, 1, WM_RBUTTONUP);
    PostMessageW(principale, WM_APP + 1, 1, WM_CONTEXTMENU);
    HWND quitter = tray.Attends(L"#32770");
    ASSERT_TRUE(quitter);
    EXPECT_EQ(TexteFenêtre(quitter), L"Horlo");
    PostMessageW(quitter, WM_COMMAND, IDNO, 0);
    EXPECT_TRUE(AttendsQue([&] { return !IsWindow(quitter); }, 10s));
    EXPECT_FALSE(tray.Fini(500ms));
    // The keyboard (Enter or Space, the context-menu key) opens the menu; the owner's
    // WM_CANCELMODE closes it, as a key given to it could outlive it and close the next one.
    for (LPARAM clavier : {NIN_KEYSELECT, WM_CONTEXTMENU}) {
        PostMessageW(principale, WM_APP + 1, 1, clavier);
        HWND ouvert = tray.Attends(L"#32768");
        EXPECT_TRUE(ouvert) << clavier;
        PostMessageW(principale, WM_CANCELMODE, 0, 0);
        EXPECT_TRUE(AttendsQue([&] { return !ouvert || !IsWindowVisible(ouvert); }, 10s));
    }
    PostMessageW(principale, WM_APP + 1, 1, WM_LBUTTONUP);
    HWND menu = tray.Attends(L"#32768");
    EXPECT_TRUE(menu);
    for (int essai = 0; menu && essai < 8 && IsWindowVisible(menu); ++essai) {
        Touche(menu, "Escape");
        AttendsQue([&] { return !IsWindowVisible(menu); }, 2s);
    }
    EXPECT_FALSE(menu && IsWindowVisible(menu));
    EXPECT_FALSE(tray.Fini(500ms));

    // "/O" opens the editor beside the tray program, without a main window of its own.
    Processus éditeur;
    démarre(éditeur, "/O");
    HWND fAuto = éditeur.Attends(L"Horlo.F_Auto");
    EXPECT_TRUE(fAuto);
    EXPECT_TRUE(Toutes(L"Horlo.F_Main", éditeur.pi.dwProcessId).empty());
    EXPECT_EQ(LitRegistre(HKEY_LOCAL_MACHINE, CléSuite, L"Horlo"), L"2");
    PostMessageW(fAuto, WM_CLOSE, 0, 0);
    EXPECT_TRUE(éditeur.Fini());

    // Another writer adds a task to Auto.dat; then the session ends: the tray program
    // starts its "A" task without waiting, saves, and keeps the other writer's task.
    // A later last-write time than the tray program's own save, which the engine compares
    // in whole seconds: the clock goes past that second (with a margin for the file
    // system's coarser clock).
    WIN32_FILE_ATTRIBUTE_DATA sauvé{};
    GetFileAttributesExW(VersUtf16(d / "Auto.dat").c_str(), GetFileExInfoStandard, &sauvé);
    AttendsQue([&] { return Seconde(Maintenant() - 500000) > Seconde(sauvé.ftLastWriteTime); }, 3s);
    ÉcritBrut(d / "Auto.dat",
              LitBrut(d / "Auto.dat") + ligne(prog, "ajout", 1, "S", false, "", ""));
    // Time passes on purpose: a few of the engine's passes (100 ms) see the other writer's
    // file before the session ends, as they would in use.
    Sleep(300);
    DWORD_PTR rép = 0;
    SendMessageTimeoutW(principale, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 10000, &rép);
    EXPECT_EQ(rép, static_cast<DWORD_PTR>(TRUE));
    SendMessageTimeoutW(principale, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 10000, &rép);
    EXPECT_TRUE(tray.Fini());
    EXPECT_TRUE(AttendsQue([&] { return Compte(LitBrut(lancés, ""), "\narret|4\r\n") == 1; }, 10s))
        << LitBrut(lancés);
    EXPECT_EQ(Compte(LitBrut(lancés), "\nl|6\r\n"), 1u);  // once per run, after the reload too
    const std::string fin = LitBrut(d / "Auto.dat");
    EXPECT_NE(fin.find("\tajout\t1\tS\t0\t"), std::string::npos) << fin;
    const SYSTEMTIME maintenant = Dans(0);
    EXPECT_NE(fin.find("\tarret\t4\tA\t-1\t30.12.1899\t00:00\t" + Date(maintenant, "date")),
              std::string::npos)
        << fin;
    EXPECT_EQ(Compte(fin, "\r\n"), 5u) << fin;
}

// The setup program's end message: Horlo ends at once, without a question, and leaves its
// task file as it was; a plain WM_CLOSE (the system menu) only hides the window.
TEST(HorloExe, MessageDeFinSansQuestion) {
    DossierTemporaire d("HorloFin ");
    const std::string tâches =
        "C:\\windows\\notepad.exe\t\t1\tJ\t0\t\t\t30.12.1899\t00:00\t00:00\r\n";
    ÉcritBrut(d / "Auto.dat", tâches);
    Processus tray;
    HWND principale = HorloDémarre(d, tray);
    ASSERT_TRUE(principale);
    PostMessageW(principale, WM_CLOSE, 0, 0);
    EXPECT_FALSE(tray.Fini(1s));
    PostMessageW(principale, RegisterWindowMessageW(L"Orvan98.Horlo.Fin"), 0, 0);
    ASSERT_TRUE(tray.Fini(10s)) << "a question may be open: "
                                << Toutes(L"#32770", tray.pi.dwProcessId).size();
    DWORD code = 1;
    GetExitCodeProcess(tray.pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(LitBrut(d / "Auto.dat"), tâches);
}

// The journal window, opened from the tray menu with a real click: Horlo.log newest first in
// three columns, a line another writer appends comes at the top, Esc closes it and keeps
// its position, where "&Journal" opens it again (and only brings an open one forward); a
// real click on "Fermer" closes it.
TEST(HorloExe, FenetreDuJournal) {
    DossierTemporaire d("HorloJournal ");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Talmon\\Horlo", L"F_Journal");
    ÉcritBrut(d / "Auto.dat", "");
    ÉcritBrut(d / "Horlo.log",
              "08.12.26 09:00 Programme d\xE9marr\xE9 (Chaque jour) : a.exe /x\r\n"
              "08.12.26 10:00 Refus : Shell (\"C:\\x : y.exe\", 1)\r\n\xE0 la main\r\n");
    Processus tray;
    HWND principale = HorloDémarre(d, tray);
    ASSERT_TRUE(principale);
    // The tray menu, then a real click on "&Journal", its second entry of six, with two
    // separators about half an entry high (a key would go to the X focus, which no window
    // of Horlo has yet).
    auto ouvre = [&] {
        HWND journal = nullptr;
        for (int essai = 0; essai < 5 && !journal; ++essai) {
            PostMessageW(principale, WM_APP + 1, 1, WM_LBUTTONUP);
            HWND menu = tray.Attends(L"#32768", true, 10s);
            RECT m{};
            GetWindowRect(menu, &m);
            Xdotool(nullptr, "mousemove " + std::to_string((m.left + m.right) / 2) + " " +
                                 std::to_string(m.top + (m.bottom - m.top) * 3 / 14) + " click 1");
            AttendsQue([&] { return !IsWindowVisible(menu); }, 5s);
            journal = tray.Attends(L"Horlo.F_Journal", true, 5s);
        }
        return journal;
    };
    HWND journal = ouvre(), liste = GetDlgItem(journal, 100);
    ASSERT_TRUE(liste);
    EXPECT_EQ(TexteFenêtre(journal), L"Journal de Horlo");
    EXPECT_EQ(GetWindowLongPtrW(liste, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
    std::vector<std::string> attendu = {
        "||\u00E0 la main", "08.12.26 10:00|Shell (\"C:\\x : y.exe\", 1)|Refus",
        "08.12.26 09:00|a.exe /x|Programme d\u00E9marr\u00E9 (Chaque jour)"};
    EXPECT_EQ(Rangées(tray.pi.hProcess, liste), attendu);
    ÉcritBrut(d / "Horlo.log", "09.12.26 11:00 Message : R\xE9union : salle 2\r\n", true);
    attendu.insert(attendu.begin(), "09.12.26 11:00|R\u00E9union : salle 2|Message");
    EXPECT_TRUE(AttendsQue([&] { return Rangées(tray.pi.hProcess, liste) == attendu; }, 10s));

    SetWindowPos(journal, nullptr, 130, 90, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    EXPECT_EQ(ouvre(), journal);  // brought forward, not opened twice
    EXPECT_EQ(Toutes(L"Horlo.F_Journal", tray.pi.dwProcessId).size(), 1u);
    // Retried: a test running beside may take the focus.
    auto ferme = [&](const std::function<void()>& geste) {
        for (int essai = 0; essai < 5 && IsWindow(journal); ++essai) {
            geste();
            AttendsQue([&] { return !IsWindow(journal); }, 3s);
        }
        return !IsWindow(journal);
    };
    ASSERT_TRUE(ferme([&] { Touche(journal, "Escape"); }));
    journal = ouvre();
    RECT r{};
    GetWindowRect(journal, &r);
    EXPECT_TRUE(r.left == 130 && r.top == 90) << r.left << " " << r.top;
    GetWindowRect(GetDlgItem(journal, IDCANCEL), &r);
    EXPECT_TRUE(ferme([&] {
        Xdotool(journal, "mousemove " + std::to_string((r.left + r.right) / 2) + " " +
                             std::to_string((r.top + r.bottom) / 2) + " click 1");
    }));
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Talmon\\Horlo", L"F_Journal");
}
