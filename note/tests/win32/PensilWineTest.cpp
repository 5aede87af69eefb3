// Pensil.exe end to end under Wine: real processes in real folders, the real registry of
// the test prefix, the real window driven through its controls, and the self-update chain
// through the real Remplo.exe. Test names stay ASCII: under Wine the test program's
// arguments (the filter that runs one test) arrive in the ANSI code page.
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "../../win32/IdsVud.h"
#include "OutilsTestWin32.h"

namespace {

using namespace std::chrono_literals;

const wchar_t* const CléSuite = L"Software\\Talmon\\Talmon";
const wchar_t* const CléPensil = L"Software\\Talmon\\Pensil";
const wchar_t* const ValeurMaj = L"R\u00E9pertoireMiseAJour";

// The nine default lines as they must lie on disk: Windows-1252, CR LF.
const std::string NoteDéfaut1252 =
    "Nom                     Adresse ou t\xE9l\xE9phone utile\r\n"
    "------------------      --------------------------\r\n"
    "Orvan 98 - Pensil       www.orvan98.ch\r\n"
    "\r\n"
    "Orvan 98 est un programme en cours de cr\xE9"
    "ation. Il n'est malheureusement pas parfait. C'est pourquoi vous pourrez trouver sur "
    "Internet des mises \xE0 jour assez fr\xE9quentes.\r\n"
    "\r\n"
    "Votre contribution financi\xE8re ou vos conseils seront toujours les bienvenus.\r\n"
    "\r\n"
    "Je vous remercie de votre compr\xE9hension. Ce message peut \xEAtre effac\xE9 et \xEAtre "
    "remplac\xE9 par des annotations que vous ne d\xE9sirez pas oublier.\r\n";

void FixeTexte(HWND h, const std::wstring& texte) {
    DWORD_PTR r = 0;
    ASSERT_TRUE(SendMessageTimeoutW(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texte.c_str()),
                                    SMTO_ABORTIFHUNG, 10000, &r));
}

// All the texts of a message box (its caption first, then its children's).
std::wstring TextesDe(HWND boîte) {
    std::wstring tout = TexteFenêtre(boîte);
    EnumChildWindows(
        boîte,
        [](HWND h, LPARAM lp) -> BOOL {
            *reinterpret_cast<std::wstring*>(lp) += L"|" + TexteFenêtre(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tout));
    return tout;
}

// One started Pensil.exe.
struct Processus : ProcessusEssai {
    HWND Fenêtre() const { return Attends(IdsVud::Classe); }
    HWND Boîte() const { return Attends(L"#32770"); }
};

// What a program shows instead of its window: its message boxes' texts.
std::string Diagnostic(const Processus& p) {
    std::wstring tout;
    for (HWND b : Fenêtres(L"#32770", p.pi.dwProcessId)) tout += TextesDe(b) + L"\n";
    std::string s;
    for (wchar_t c : tout) s += c < 128 ? static_cast<char>(c) : '?';
    return s.empty() ? "(no message box)" : s;
}

void Clique(HWND bouton) {
    PostMessageW(bouton, BM_CLICK, 0, 0);
}

class PensilExe : public ::testing::Test {
  protected:
    std::wstring dossier;  // with its final backslash

    void SetUp() override {
        // The update folder question must not come up: "-" declines the service.
        ÉcritRegistre(HKEY_LOCAL_MACHINE, CléSuite, ValeurMaj, L"-");
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, CléSuite, L"Pensil");
        RegDeleteTreeW(HKEY_CURRENT_USER, CléPensil);
        dossier = NouveauDossier(L"");
        ASSERT_TRUE(
            CopyFileW(CheminWine(PENSIL_EXE).c_str(), (dossier + L"Pensil.exe").c_str(), FALSE));
    }
    void TearDown() override {
        ÉcritRegistre(HKEY_LOCAL_MACHINE, CléSuite, ValeurMaj, L"-");
        // A Pensil left running (started by Remplo, or after a failure) must not stay.
        for (HWND h : Fenêtres(IdsVud::Classe)) {
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
                TerminateProcess(p, 99);
                WaitForSingleObject(p, 10000);
                CloseHandle(p);
            }
        }
    }

    // A new empty folder under C:\VudTests named after the test.
    std::wstring NouveauDossier(const std::wstring& suffixe) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::wstring nom;
        for (const char* c = info->name(); *c; ++c) nom += static_cast<wchar_t>(*c & 0x7F);
        const std::wstring chemin =
            L"C:\\VudTests\\" + nom + suffixe + L"-" + std::to_wstring(GetTickCount64()) + L"\\";
        CreateDirectoryW(L"C:\\VudTests", nullptr);
        EXPECT_TRUE(CreateDirectoryW(chemin.c_str(), nullptr));
        return chemin;
    }

    void Démarre(Processus& p, const std::wstring& exe = L"") {
        std::wstring ligne = L"\"" + (exe.empty() ? dossier + L"Pensil.exe" : exe) + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        ASSERT_TRUE(CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   dossier.c_str(), &si, &p.pi));
    }
    std::string Note() { return LitBrut(dossier + L"tel.txt"); }
};

HWND Contrôle(HWND fenêtre, int id) {
    return GetDlgItem(fenêtre, id);
}

}  // namespace

TEST_F(PensilExe, PremierDemarrageCreeLaNoteCompteEtMontreLeTexte) {
    Processus p;
    Démarre(p);
    HWND f = p.Fenêtre();
    ASSERT_TRUE(f);
    EXPECT_EQ(Note(), NoteDéfaut1252);
    EXPECT_EQ(LitRegistre(HKEY_LOCAL_MACHINE, CléSuite, L"Pensil"), L"1");
    EXPECT_EQ(TexteFenêtre(f), L"Orvan 98");

    std::wstring attendu(NoteDéfaut1252.size() - 2, L' ');  // Latin-1 bytes = code points
    for (size_t i = 0; i < attendu.size(); ++i)
        attendu[i] = static_cast<wchar_t>(static_cast<unsigned char>(NoteDéfaut1252[i]));
    EXPECT_EQ(TexteFenêtre(Contrôle(f, IdsVud::T)), attendu);
    EXPECT_EQ(TexteFenêtre(Contrôle(f, IdsVud::bOk)), L"&Ok");

    // Centred on the screen; no update question with "-" stored.
    RECT r{};
    GetWindowRect(f, &r);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 2);
    EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 2);
    EXPECT_TRUE(Fenêtres(L"#32770", p.pi.dwProcessId).empty());

    // Closing unchanged: no question, the file untouched, the geometry stored.
    PostMessageW(f, WM_CLOSE, 0, 0);
    ASSERT_TRUE(p.Fini());
    EXPECT_EQ(Note(), NoteDéfaut1252);
    EXPECT_EQ(LitRegistre(HKEY_CURRENT_USER, CléPensil, L"Left"), std::to_wstring(r.left * 15));
    EXPECT_EQ(LitRegistre(HKEY_CURRENT_USER, CléPensil, L"Width"),
              std::to_wstring((r.right - r.left) * 15));

    Processus deuxième;
    Démarre(deuxième);
    ASSERT_TRUE(deuxième.Fenêtre());
    EXPECT_EQ(LitRegistre(HKEY_LOCAL_MACHINE, CléSuite, L"Pensil"), L"2");
}

TEST_F(PensilExe, OkEcritLeTexteAccentueEtLaGeometriePuisLesRetrouve) {
    const std::wstring texte =
        L"Zo\u00E9 Ren\u00E9\t021 555 12 34\r\n\u00C0 c\u00F4t\u00E9 : 5 \u20AC, "
        L"\u0153uvre\r\n";  // ends with an empty line
    {
        Processus p;
        Démarre(p);
        HWND f = p.Fenêtre();
        ASSERT_TRUE(f);
        FixeTexte(Contrôle(f, IdsVud::T), texte);
        ASSERT_TRUE(SetWindowPos(f, nullptr, 150, 120, 620, 410, SWP_NOZORDER | SWP_NOACTIVATE));
        Clique(Contrôle(f, IdsVud::bOk));
        ASSERT_TRUE(p.Fini());
    }
    EXPECT_EQ(Note(),
              "Zo\xE9 Ren\xE9\t021 555 12 34\r\n\xC0 c\xF4t\xE9 : 5 \x80, \x9Cuvre\r\n\r\n");
    EXPECT_EQ(LitRegistre(HKEY_CURRENT_USER, CléPensil, L"Top"), L"1800");
    EXPECT_EQ(LitRegistre(HKEY_CURRENT_USER, CléPensil, L"Height"), L"6150");
    EXPECT_EQ(LitRegistre(HKEY_CURRENT_USER, CléPensil, L"Left"), L"2250");
    EXPECT_EQ(LitRegistre(HKEY_CURRENT_USER, CléPensil, L"Width"), L"9300");

    Processus p;
    Démarre(p);
    HWND f = p.Fenêtre();
    ASSERT_TRUE(f);
    EXPECT_EQ(TexteFenêtre(Contrôle(f, IdsVud::T)), texte);
    RECT r{};
    GetWindowRect(f, &r);
    EXPECT_EQ(r.left, 150);
    EXPECT_EQ(r.top, 120);
    EXPECT_EQ(r.right - r.left, 620);
    EXPECT_EQ(r.bottom - r.top, 410);
}

// Esc does nothing, with or without changes: no question, the window and the text stay.
TEST_F(PensilExe, EchapNeFaitRien) {
    Processus p;
    Démarre(p);
    HWND f = p.Fenêtre();
    ASSERT_TRUE(f);
    ASSERT_TRUE(Xdotool(f, "key Escape"));
    EXPECT_FALSE(p.Fini(1s)) << Diagnostic(p);
    // Tests beside this one may take the X focus for a moment: the typing is retried.
    bool tapé = false;
    for (int essai = 0; essai < 4 && !tapé; ++essai) {
        ASSERT_TRUE(Xdotool(f, "key ctrl+End type --delay 20 zz"));
        tapé = AttendsQue(
            [&] { return TexteFenêtre(Contrôle(f, IdsVud::T)).find(L"zz") != std::wstring::npos; },
            2s);
    }
    ASSERT_TRUE(tapé);
    ASSERT_TRUE(Xdotool(f, "key Escape"));
    EXPECT_FALSE(p.Fini(1s));
    EXPECT_TRUE(Fenêtres(L"#32770", p.pi.dwProcessId).empty()) << Diagnostic(p);
    EXPECT_TRUE(IsWindowVisible(f));
}

TEST_F(PensilExe, AltOEnregistreCommeOk) {
    Processus p;
    Démarre(p);
    HWND f = p.Fenêtre();
    ASSERT_TRUE(f);
    FixeTexte(Contrôle(f, IdsVud::T), L"Alt");
    PostMessageW(Contrôle(f, IdsVud::T), WM_SYSCHAR, L'o', 0x20000001);
    ASSERT_TRUE(p.Fini());
    EXPECT_EQ(Note(), "Alt\r\n");
}

TEST_F(PensilExe, TexteHors1252SignaleRienEcritFenetreGardee) {
    Processus p;
    Démarre(p);
    HWND f = p.Fenêtre();
    ASSERT_TRUE(f);
    FixeTexte(Contrôle(f, IdsVud::T), L"T\u00E9l. \u260E 021");
    Clique(Contrôle(f, IdsVud::bOk));
    HWND boîte = p.Boîte();
    ASSERT_TRUE(boîte);
    EXPECT_NE(TextesDe(boîte).find(L"Le caract\u00E8re \"\u260E\""), std::wstring::npos)
        << TextesDe(boîte).size();
    Clique(GetDlgItem(boîte, IDOK));
    ASSERT_TRUE(AttendsQue([&] { return !IsWindow(boîte); }));
    EXPECT_FALSE(p.Fini(0ms));
    EXPECT_TRUE(IsWindowVisible(f));
    EXPECT_EQ(Note(), NoteDéfaut1252);
}

TEST_F(PensilExe, FermerAvecDesModificationsDemande) {
    Processus p;
    Démarre(p);
    HWND f = p.Fenêtre();
    ASSERT_TRUE(f);
    FixeTexte(Contrôle(f, IdsVud::T), L"brouillon");

    // Cancel: the window stays with its text.
    PostMessageW(f, WM_CLOSE, 0, 0);
    HWND boîte = p.Boîte();
    ASSERT_TRUE(boîte);
    EXPECT_EQ(TexteFenêtre(boîte), L"Orvan 98");
    EXPECT_NE(TextesDe(boîte).find(L"Voulez-vous enregistrer les modifications de la note ?"),
              std::wstring::npos);
    Clique(GetDlgItem(boîte, IDCANCEL));
    ASSERT_TRUE(AttendsQue([&] { return !IsWindow(boîte); }));
    EXPECT_FALSE(p.Fini(0ms));
    EXPECT_EQ(TexteFenêtre(Contrôle(f, IdsVud::T)), L"brouillon");

    // No: the edits are dropped, the file stays as it was.
    PostMessageW(f, WM_CLOSE, 0, 0);
    boîte = p.Boîte();
    ASSERT_TRUE(boîte);
    Clique(GetDlgItem(boîte, IDNO));
    ASSERT_TRUE(p.Fini());
    EXPECT_EQ(Note(), NoteDéfaut1252);

    // Yes: saved as Ok would.
    Processus q;
    Démarre(q);
    f = q.Fenêtre();
    ASSERT_TRUE(f);
    FixeTexte(Contrôle(f, IdsVud::T), L"gard\u00E9");
    PostMessageW(f, WM_CLOSE, 0, 0);
    boîte = q.Boîte();
    ASSERT_TRUE(boîte);
    Clique(GetDlgItem(boîte, IDYES));
    ASSERT_TRUE(q.Fini());
    EXPECT_EQ(Note(), "gard\xE9\r\n");
}

TEST_F(PensilExe, DeuxiemeDemarrageFinitSansRien) {
    Processus premier;
    Démarre(premier);
    ASSERT_TRUE(premier.Fenêtre());
    Processus second;
    Démarre(second);
    ASSERT_TRUE(second.Fini());
    DWORD code = 99;
    GetExitCodeProcess(second.pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(premier.Fini(0ms));
    EXPECT_EQ(Fenêtres(IdsVud::Classe).size(), 1u);
    EXPECT_EQ(LitRegistre(HKEY_LOCAL_MACHINE, CléSuite, L"Pensil"), L"1");
}

TEST_F(PensilExe, NoteVideEtGeometrieInvalide) {
    ÉcritBrut(dossier + L"tel.txt", "");
    ÉcritRegistre(HKEY_CURRENT_USER, CléPensil, L"Top", L"haut");
    ÉcritRegistre(HKEY_CURRENT_USER, CléPensil, L"Left", L"-90000");
    Processus p;
    Démarre(p);
    HWND f = p.Fenêtre();
    ASSERT_TRUE(f);
    EXPECT_EQ(TexteFenêtre(Contrôle(f, IdsVud::T)), L"");
    EXPECT_EQ(Note(), "");  // an existing file is never replaced at start
    RECT r{};
    GetWindowRect(f, &r);
    EXPECT_GE(r.left, 0);
    EXPECT_GE(r.top, 0);
}

TEST_F(PensilExe, RetrecieLaFenetreRevientAuMinimumEtOkSuitLeTexte) {
    Processus p;
    Démarre(p);
    HWND f = p.Fenêtre();
    ASSERT_TRUE(f);
    SetWindowPos(f, nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r{}, t{}, ok{};
    ASSERT_TRUE(AttendsQue([&] {
        GetWindowRect(f, &r);
        return r.right - r.left == 400 && r.bottom - r.top >= 216;
    })) << r.right - r.left
        << "x" << r.bottom - r.top;
    EXPECT_LE(r.bottom - r.top, 217);  // 3250 twips at 96 DPI
    GetWindowRect(Contrôle(f, IdsVud::T), &t);
    GetWindowRect(Contrôle(f, IdsVud::bOk), &ok);
    EXPECT_EQ(t.right - t.left, 400 - 23);  // 345 twips
    EXPECT_EQ(ok.right, t.right);
    EXPECT_EQ(ok.top, t.bottom + 8);  // 120 twips below T
}

// Moved to a monitor of 144 dpi (the suggested rectangle in Pensil's memory, as the system's).
TEST_F(PensilExe, NouveauDpiPrendLeRectangleProposeEtAgranditLesControles) {
    Processus p;
    Démarre(p);
    HWND f = p.Fenêtre();
    ASSERT_TRUE(f);
    RECT r{}, t{}, ok{};
    const RECT proposé{0, 0, 700, 500};
    void* dans =
        VirtualAllocEx(p.pi.hProcess, nullptr, sizeof r, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ASSERT_TRUE(dans && WriteProcessMemory(p.pi.hProcess, dans, &proposé, sizeof r, nullptr));
    SendMessageW(f, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(dans));
    GetWindowRect(f, &r);
    GetWindowRect(Contrôle(f, IdsVud::T), &t);
    GetWindowRect(Contrôle(f, IdsVud::bOk), &ok);
    EXPECT_TRUE(EqualRect(&r, &proposé));
    EXPECT_NEAR(t.right - t.left, 700 - 34.5, 1);  // 345 twips
    EXPECT_NEAR(ok.right - ok.left, 121.5, 1);     // 1215 x 375 twips
    EXPECT_NEAR(ok.bottom - ok.top, 37.5, 1);
}

TEST_F(PensilExe, MiseAJourParRemploPuisNouvelleVersionDemarre) {
    const std::wstring maj = NouveauDossier(L"-maj");
    ASSERT_TRUE(
        CopyFileW(CheminWine(REMPLO_EXE).c_str(), (dossier + L"Remplo.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((dossier + L"Pensil.exe").c_str(), (maj + L"Pensil.exe").c_str(), FALSE));
    ÉcritBrut(maj + L"Pensil.exe", std::string(4096, 'N'), true);  // tells the copies apart
    DateDécale(dossier + L"Pensil.exe", -2);
    const uint64_t nouvelle = Taille(maj + L"Pensil.exe");
    ÉcritRegistre(HKEY_LOCAL_MACHINE, CléSuite, ValeurMaj, maj);

    Processus ancien;
    Démarre(ancien);
    ASSERT_TRUE(ancien.Fini()) << "the old Pensil must end once Remplo is started";
    ASSERT_TRUE(AttendsQue([&] { return Taille(dossier + L"Pensil.exe") == nouvelle; }));
    EXPECT_EQ(LitBrut(dossier + L"Pensil.exe"), LitBrut(maj + L"Pensil.exe"));

    // The new version runs from the old place (Remplo started it) and shows its window.
    HWND f = nullptr;
    ASSERT_TRUE(AttendsQue([&] {
        for (HWND h : Fenêtres(IdsVud::Classe)) {
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            HANDLE proc = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
            if (!proc) continue;
            wchar_t image[MAX_PATH];
            DWORD n = MAX_PATH;
            const bool lu = QueryFullProcessImageNameW(proc, 0, image, &n);
            CloseHandle(proc);
            if (lu && _wcsicmp(image, (dossier + L"Pensil.exe").c_str()) == 0) f = h;
        }
        return f != nullptr;
    }));
    EXPECT_EQ(Note(), NoteDéfaut1252);
    // The old start ended before its counter: only the new one counted.
    EXPECT_EQ(LitRegistre(HKEY_LOCAL_MACHINE, CléSuite, L"Pensil"), L"1");
}

TEST_F(PensilExe, MarqueurDeDeveloppementPublieDansLeDossierDeMiseAJour) {
    const std::wstring maj = NouveauDossier(L"-maj");
    ASSERT_TRUE(
        CopyFileW(CheminWine(REMPLO_EXE).c_str(), (dossier + L"Remplo.exe").c_str(), FALSE));
    ÉcritBrut(dossier + L"Pensil.vbp", "Type=Exe\r\n");
    ÉcritRegistre(HKEY_LOCAL_MACHINE, CléSuite, ValeurMaj, maj);
    Processus p;
    Démarre(p);
    HWND f = p.Fenêtre();  // publishing lets the program go on
    ASSERT_TRUE(f) << Diagnostic(p);
    EXPECT_EQ(LitBrut(maj + L"Pensil.exe"), LitBrut(dossier + L"Pensil.exe"));
}

// Real failures when Ok writes the note: a full disk and a folder that refuses writes
// (small file systems mounted for the test on Wine's drive P:), a read-only tel.txt. The
// previous note stays whole, the user is told in French, the window and the text stay.
TEST_F(PensilExe, PannesDEcritureRienPerduUtilisateurAverti) {
    const std::string hôte = "/tmp/orvan-pensil-" + std::to_string(GetCurrentProcessId());
    const char* prefixe = getenv("WINEPREFIX");
    ASSERT_TRUE(prefixe);
    const std::string lecteur = std::string(prefixe) + "/dosdevices/p:";
    if (!CommandeHôte("mkdir -p " + hôte + " && mount -t tmpfs -o size=2m tmpfs " + hôte +
                      " && umount " + hôte))
        GTEST_SKIP() << "this machine refuses to mount a file system for the test";
    enum class Panne { DisquePlein, DossierLectureSeule, FichierLectureSeule };
    for (Panne panne :
         {Panne::DisquePlein, Panne::DossierLectureSeule, Panne::FichierLectureSeule}) {
        std::wstring ici = dossier;
        if (panne != Panne::FichierLectureSeule) {
            ASSERT_TRUE(CommandeHôte("mount -t tmpfs -o size=2m tmpfs " + hôte + " && ln -sfn " +
                                     hôte + " " + lecteur));
            ici = L"P:\\";
            ASSERT_TRUE(CopyFileW((dossier + L"Pensil.exe").c_str(), L"P:\\Pensil.exe", FALSE));
        }
        ÉcritBrut(ici + L"tel.txt", "ancien\r\n");
        if (panne == Panne::DisquePlein) {
            RemplitDisque(L"P:\\rempli", 1 << 20);  // what is left
        } else if (panne == Panne::DossierLectureSeule) {
            ASSERT_TRUE(CommandeHôte("mount -o remount,ro " + hôte));
        } else {
            SetFileAttributesW((ici + L"tel.txt").c_str(), FILE_ATTRIBUTE_READONLY);
        }

        Processus p;
        const std::wstring exe = ici + L"Pensil.exe";
        std::wstring ligne = L"\"" + exe + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        ASSERT_TRUE(CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   ici.c_str(), &si, &p.pi));
        HWND f = p.Fenêtre();
        ASSERT_TRUE(f) << static_cast<int>(panne);
        FixeTexte(Contrôle(f, IdsVud::T), L"nouveau texte");
        Clique(Contrôle(f, IdsVud::bOk));
        HWND boîte = p.Boîte();
        ASSERT_TRUE(boîte) << static_cast<int>(panne);
        EXPECT_NE(TextesDe(boîte).find(L"Je ne parviens pas \u00E0 enregistrer la note"),
                  std::wstring::npos)
            << Diagnostic(p);
        PostMessageW(boîte, WM_COMMAND, IDOK, 0);
        EXPECT_FALSE(p.Fini(1s));
        EXPECT_TRUE(IsWindowVisible(f));
        EXPECT_EQ(TexteFenêtre(Contrôle(f, IdsVud::T)), L"nouveau texte");
        EXPECT_EQ(LitBrut(ici + L"tel.txt"), "ancien\r\n") << static_cast<int>(panne);
        TerminateProcess(p.pi.hProcess, 0);
        WaitForSingleObject(p.pi.hProcess, 10000);
        if (panne != Panne::FichierLectureSeule)
            ASSERT_TRUE(CommandeHôte("umount -l " + hôte + " && rm -f " + lecteur));
        else
            SetFileAttributesW((ici + L"tel.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// Find with real keys: Ctrl+F, Enter and Esc in the process's Find dialog, F3, Shift+F3, a
// word that is nowhere. The note is neither changed nor counted as changed.
TEST_F(PensilExe, RechercheAuClavierSelectionneSansRienChanger) {
    const std::string note =
        "Zo\xE9 Ren\xE9\r\nmarc zo\xE9\r\nZO\xC9 021\r\n";  // "zo" at 0, 15, 20
    ÉcritBrut(dossier + L"tel.txt", note);
    Processus p;
    Démarre(p);
    HWND f = p.Fenêtre();
    ASSERT_TRUE(f);
    const auto sélection = [&](int début, int fin) {  // true once it is so, within 5 s
        return AttendsQue(
            [&] {
                DWORD_PTR r = 0;
                SendMessageTimeoutW(Contrôle(f, IdsVud::T), EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG,
                                    10000, &r);
                return LOWORD(r) == début && HIWORD(r) == fin;
            },
            5s);
    };
    // xdotool's "type" takes all its arguments as the text: the keys after it come apart.
    ASSERT_TRUE(Xdotool(f, "key ctrl+f"));
    HWND d = p.Boîte();
    ASSERT_TRUE(d && Xdotool(d, "type --delay 20 zo") && Xdotool(d, "key Return"));
    EXPECT_TRUE(sélection(0, 2));
    ASSERT_TRUE(Xdotool(d, "key Escape") && AttendsQue([&] { return !IsWindow(d); }, 5s));
    for (auto [touche, début] :
         {std::pair{"key F3", 15}, std::pair{"key F3", 20}, std::pair{"key shift+F3", 15}}) {
        ASSERT_TRUE(Xdotool(f, touche));
        EXPECT_TRUE(sélection(début, début + 2)) << touche;
    }
    ASSERT_TRUE(Xdotool(f, "key ctrl+f") && (d = p.Boîte()) && Xdotool(f, "key ctrl+f"));
    EXPECT_TRUE(AttendsQue([&] { return GetForegroundWindow() == d; }, 5s));  // brought forward
    ASSERT_TRUE(Xdotool(d, "key End shift+Home type --delay 20 xyz") && Xdotool(d, "key Return"));
    HWND boîte = nullptr;
    ASSERT_TRUE(AttendsQue([&] {
        for (HWND b : Fenêtres(L"#32770", p.pi.dwProcessId)) boîte = b != d ? b : boîte;
        return boîte != nullptr;
    }));
    EXPECT_EQ(TexteFenêtre(boîte), L"Orvan 98");
    EXPECT_EQ(TexteFenêtre(GetDlgItem(boîte, 0xFFFF)), L"Impossible de trouver \"xyz\".");
    ASSERT_TRUE(Xdotool(boîte, "key Return") && AttendsQue([&] { return !IsWindow(boîte); }, 5s));
    EXPECT_TRUE(sélection(15, 17));
    PostMessageW(f, WM_CLOSE, 0, 0);  // the dialog still open
    EXPECT_TRUE(p.Fini(10s)) << Diagnostic(p);
    EXPECT_EQ(Note(), note);
}

namespace {

// A real click on a message box's button.
void CliqueBouton(HWND boîte, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(boîte, id), &r);
    ASSERT_TRUE(Xdotool(boîte, "mousemove " + std::to_string((r.left + r.right) / 2) + " " +
                                   std::to_string((r.top + r.bottom) / 2) + " click 1"));
}

// Types `mot` at the end of the note with real keys (retried: tests beside this one may
// take the X focus for a moment).
bool Tape(HWND f, const std::string& mot) {
    for (int essai = 0; essai < 4; ++essai) {
        if (Xdotool(f, "key ctrl+End type --delay 20 " + mot) &&
            AttendsQue(
                [&] { return TexteDe(Contrôle(f, IdsVud::T)).find(mot) != std::string::npos; }, 2s))
            return true;
    }
    return false;
}

// "dd.mm.yyyy à hh:mm" of a file's last modification, local time.
std::wstring DateDe(const std::wstring& chemin) {
    WIN32_FILE_ATTRIBUTE_DATA d{};
    SYSTEMTIME utc{}, l{};
    GetFileAttributesExW(chemin.c_str(), GetFileExInfoStandard, &d);
    FileTimeToSystemTime(&d.ftLastWriteTime, &utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &l);
    const auto n = [](int v) { return (v < 10 ? L"0" : L"") + std::to_wstring(v); };
    return n(l.wDay) + L"." + n(l.wMonth) + L"." + std::to_wstring(l.wYear) + L" \u00E0 " +
           n(l.wHour) + L":" + n(l.wMinute);
}

}  // namespace

// Typed text outlives an ended process: the draft is offered at the next start, "Oui" shows it
// unsaved, "Annuler" at closing keeps the draft, Ok saves the note and removes the draft.
TEST_F(PensilExe, BrouillonReprisApresUnArretBrutal) {
    const std::wstring brouillon = dossier + L"tel.txt.brouillon";
    std::wstring tapé;
    {
        Processus p;
        Démarre(p);
        HWND f = p.Fenêtre();
        ASSERT_TRUE(f && Tape(f, "perdu"));
        ASSERT_TRUE(
            AttendsQue([&] { return LitBrut(brouillon).find("perdu") != std::string::npos; }, 20s));
        tapé = TexteFenêtre(Contrôle(f, IdsVud::T));
        TerminateProcess(p.pi.hProcess, 1);
        ASSERT_TRUE(p.Fini());
    }
    Processus p;
    Démarre(p);
    HWND boîte = p.Boîte();
    ASSERT_TRUE(boîte);
    EXPECT_EQ(TexteFenêtre(boîte), L"Orvan 98");
    EXPECT_NE((TextesDe(boîte) + L"|")
                  .find(L"|Pensil n'a pas \u00E9t\u00E9 ferm\u00E9 normalement. Reprendre la note "
                        L"non enregistr\u00E9e du " +
                        DateDe(brouillon) + L" ?|"),
              std::wstring::npos)
        << Diagnostic(p);
    ASSERT_TRUE(Xdotool(boîte, "key Return"));  // "Oui", the default button
    HWND f = p.Fenêtre();
    ASSERT_TRUE(f);
    EXPECT_EQ(TexteFenêtre(Contrôle(f, IdsVud::T)), tapé);
    EXPECT_EQ(Note(), NoteDéfaut1252);

    PostMessageW(f, WM_CLOSE, 0, 0);
    boîte = p.Boîte();
    ASSERT_TRUE(boîte);
    EXPECT_NE(TextesDe(boîte).find(L"Voulez-vous enregistrer"), std::wstring::npos);
    CliqueBouton(boîte, IDCANCEL);
    ASSERT_TRUE(AttendsQue([&] { return !IsWindow(boîte); }));
    EXPECT_TRUE(ExisteBrut(brouillon));

    ASSERT_TRUE(Tape(f, "ok"));
    ASSERT_TRUE(Xdotool(f, "key alt+o"));
    ASSERT_TRUE(p.Fini()) << Diagnostic(p);
    EXPECT_NE(Note().find("perduok"), std::string::npos);
    EXPECT_FALSE(ExisteBrut(brouillon));
}

// "Non" at start deletes the draft and shows tel.txt as it is.
TEST_F(PensilExe, BrouillonRefuseEffaceEtMontreLaNote) {
    ÉcritBrut(dossier + L"tel.txt", "note\r\n");
    ÉcritBrut(dossier + L"tel.txt.brouillon", "brouillon\r\n");
    Processus p;
    Démarre(p);
    HWND boîte = p.Boîte();
    ASSERT_TRUE(boîte);
    CliqueBouton(boîte, IDNO);
    HWND f = p.Fenêtre();
    ASSERT_TRUE(f);
    EXPECT_EQ(TexteFenêtre(Contrôle(f, IdsVud::T)), L"note");
    EXPECT_FALSE(ExisteBrut(dossier + L"tel.txt.brouillon"));
    EXPECT_EQ(Note(), "note\r\n");

    // "Non" to the closing question drops the changes and their draft.
    ASSERT_TRUE(Tape(f, "jete"));
    ASSERT_TRUE(AttendsQue([&] { return ExisteBrut(dossier + L"tel.txt.brouillon"); }, 20s));
    PostMessageW(f, WM_CLOSE, 0, 0);
    ASSERT_TRUE((boîte = p.Boîte()));
    CliqueBouton(boîte, IDNO);
    ASSERT_TRUE(p.Fini());
    EXPECT_FALSE(ExisteBrut(dossier + L"tel.txt.brouillon"));
    EXPECT_EQ(Note(), "note\r\n");
}
