// Nettix.exe end to end under Wine: the test drives T: and U: of the prefix map generated
// trees (lecteurs-essai.sh), the real registry, the real window driven by real input
// events (xdotool under Xvfb). Test names stay ASCII.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "../../win32/IdsNettix.h"
#include "ListeurWin32.h"
#include "OutilsTestWin32.h"
#include "Utf16.h"

namespace {

using namespace std::chrono_literals;

const wchar_t* const CléSuite = L"Software\\Talmon\\Talmon";
const wchar_t* const CléNettix = L"Software\\Talmon\\Nettix";

std::vector<std::wstring> Entrées(HWND liste) {
    std::vector<std::wstring> e;
    const LRESULT n = SendMessageW(liste, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        wchar_t t[1024] = {};
        SendMessageW(liste, LB_GETTEXT, i, reinterpret_cast<LPARAM>(t));
        e.push_back(t);
    }
    return e;
}

// A real click at a point of a window's client area.
void CliqueEn(HWND h, POINT p) {
    ClientToScreen(h, &p);
    ASSERT_TRUE(Xdotool(
        nullptr, "mousemove " + std::to_string(p.x) + " " + std::to_string(p.y) + " click 1"));
}
void Clique(HWND contrôle) {
    RECT r{};
    GetClientRect(contrôle, &r);
    CliqueEn(contrôle, {r.right / 2, r.bottom / 2});
}
void CliqueEntrée(HWND liste, const std::wstring& texte) {
    const LRESULT i = SendMessageW(liste, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(texte.c_str()));
    ASSERT_GE(i, 0) << DepuisUtf16(texte);
    RECT r{};
    SendMessageW(liste, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    CliqueEn(liste, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}
void Touche(const char* touche) {
    ASSERT_TRUE(Xdotool(nullptr, std::string("key ") + touche));
}

// Tests run in parallel and other programs centre their windows: ours goes on top, in the
// screen's corner, before it receives clicks at screen positions.
void AuPremierPlan(HWND f) {
    SetWindowPos(f, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE);
    AttendsQue(
        [&] {
            RECT r{};
            GetWindowRect(f, &r);
            return r.left == 0 && r.top == 0 && (GetWindowLongW(f, GWL_EXSTYLE) & WS_EX_TOPMOST);
        },
        5s);
}

using Processus = ProcessusEssai;

// Clicks off every selected drive but T:.
void SeulT(HWND lUnités) {
    for (const auto& u : Entrées(lUnités))
        if (u != L"T:" &&
            SendMessageW(lUnités, LB_GETSEL,
                         static_cast<WPARAM>(SendMessageW(lUnités, LB_FINDSTRINGEXACT, -1,
                                                          reinterpret_cast<LPARAM>(u.c_str()))),
                         0) > 0)
            CliqueEntrée(lUnités, u);
}

class NettixExe : public ::testing::Test {
  protected:
    std::wstring dossier, dehors;
    std::string arbre;  // the host folder that T: maps
    bool gros = false;  // T:\gros, thousands of files, is to be removed

    void SetUp() override {
        ÉcritRegistre(HKEY_LOCAL_MACHINE, CléSuite, L"R\u00E9pertoireMiseAJour", L"-");
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, CléSuite, L"Nettix");
        RegDeleteTreeW(HKEY_CURRENT_USER, CléNettix);
        wchar_t préfixe[1024] = {};
        GetEnvironmentVariableW(L"WINEPREFIX", préfixe, 1024);
        dehors = CheminWine(DepuisUtf16(préfixe).c_str()) + L"\\nettix-essai\\dehors\\cible.tmp";
        arbre = DepuisUtf16(préfixe) + "/nettix-essai/arbre";
        ASSERT_TRUE(ExisteBrut(dehors)) << "T: is not mapped";
        VideDossier(L"T:", L"lien");  // the host's links stay
        CreateDirectoryW(L"T:\\sous", nullptr);
        for (const wchar_t* f : {L"T:\\a.tmp", L"T:\\B.OLD", L"T:\\garde.txt", L"T:\\sous\\c.tmp",
                                 L"T:\\sous\\seule.tmp", L"T:\\sous\\cach\u00E9e.old",
                                 L"T:\\sous\\d.bak", L"T:\\sous\\.tmp"})
            ÉcritBrut(std::wstring(f), "12345");
        SetFileAttributesW(L"T:\\sous\\seule.tmp", FILE_ATTRIBUTE_READONLY);
        SetFileAttributesW(L"T:\\sous\\cach\u00E9e.old",
                           FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        dossier = L"C:\\VudTests\\Nettix-" + std::to_wstring(GetTickCount64()) + L"\\";
        CreateDirectoryW(L"C:\\VudTests", nullptr);
        ASSERT_TRUE(CreateDirectoryW(dossier.c_str(), nullptr));
        ASSERT_TRUE(
            CopyFileW(CheminWine(NETTIX_EXE).c_str(), (dossier + L"Nettix.exe").c_str(), FALSE));
    }
    void TearDown() override {
        SetFileAttributesW(L"T:\\sous\\seule.tmp", FILE_ATTRIBUTE_NORMAL);
        if (gros) CommandeHôte("rm -rf '" + arbre + "/gros'");
    }

    void Démarre(Processus& p, const std::wstring& arguments) {
        std::wstring ligne = L"\"" + dossier + L"Nettix.exe\"";
        if (!arguments.empty()) ligne += L" " + arguments;
        STARTUPINFOW si{};
        si.cb = sizeof si;
        ASSERT_TRUE(CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   dossier.c_str(), &si, &p.pi));
    }
    std::wstring Param(const wchar_t* nom) {
        return LitRegistre(HKEY_CURRENT_USER, CléNettix, nom);
    }
};

}  // namespace

TEST_F(NettixExe, UnattendedDeletesExactlyTheMatchesAndSavesNothing) {
    ÉcritRegistre(HKEY_CURRENT_USER, CléNettix, L"Extensions", L"zzz\t");
    Processus p;
    Démarre(p, L"/U:T /E:tmp,old");
    ASSERT_TRUE(p.Fini());
    for (const wchar_t* parti :
         {L"T:\\a.tmp", L"T:\\B.OLD", L"T:\\sous\\c.tmp", L"T:\\sous\\cach\u00E9e.old"})
        EXPECT_FALSE(ExisteBrut(std::wstring(parti))) << DepuisUtf16(parti);
    for (const wchar_t* resté : {L"T:\\garde.txt", L"T:\\sous\\seule.tmp", L"T:\\sous\\d.bak",
                                 L"T:\\sous\\.tmp", L"T:\\lien.tmp", L"T:\\lien\\cible.tmp"})
        EXPECT_TRUE(ExisteBrut(std::wstring(resté))) << DepuisUtf16(resté);
    EXPECT_TRUE(ExisteBrut(dehors));  // neither the linked folder nor the linked file was followed
    EXPECT_EQ(Param(L"Extensions"), L"zzz\t");
    EXPECT_EQ(Param(L"Unit\u00E9s s\u00E9lectionn\u00E9es"), L"(absent)");
    EXPECT_EQ(Param(L"Extensions s\u00E9lectionn\u00E9es"), L"(absent)");
    EXPECT_EQ(LitRegistre(HKEY_LOCAL_MACHINE, CléSuite, L"Nettix"), L"1");
    // The run leaves its one line beside the program: moment, then what it did.
    const std::string trace = LitBrut(dossier + L"Nettix.log");
    ASSERT_GT(trace.size(), 14u) << trace;
    EXPECT_EQ(trace.substr(2, 1) + trace.substr(5, 1) + trace.substr(11, 1), "..:") << trace;
    // The read-only file stayed, with the system's reason.
    const std::string attendu =
        " Unit\xE9s : T: ; extensions : old tmp ; fichiers supprim\xE9s : 4 ; octets "
        "lib\xE9r\xE9s : 20 ; non supprim\xE9s : 1 (T:\\sous\\seule.tmp : ";
    EXPECT_EQ(trace.substr(14, attendu.size()), attendu);
    EXPECT_GT(trace.size(), 14 + attendu.size() + 4);
    EXPECT_EQ(trace.substr(trace.size() - 3), ")\r\n");
    EXPECT_EQ(std::count(trace.begin(), trace.end(), '\n'), 1);
}

TEST_F(NettixExe, ManualCensusKeepDeleteFailuresAndHelp) {
    ÉcritRegistre(HKEY_CURRENT_USER, CléNettix, L"Extensions", L"tmp\tbak\t");
    ÉcritRegistre(HKEY_CURRENT_USER, CléNettix, L"Extensions s\u00E9lectionn\u00E9es", L"tmp\t");
    Processus p;
    Démarre(p, L"");
    HWND f = p.Attends(IdsNettix::ClasseMain);
    ASSERT_TRUE(f);
    EXPECT_EQ(TexteFenêtre(f), L"(Nettix v1.0.0) Suppression des fichiers temporaires");
    AuPremierPlan(f);
    HWND lUnités = GetDlgItem(f, IdsNettix::lUnités), bGo = GetDlgItem(f, IdsNettix::bGo);
    const auto unités = Entrées(lUnités);
    EXPECT_EQ(std::count(unités.begin(), unités.end(), L"Z:"), 0);  // the host's root
    ASSERT_EQ(std::count(unités.begin(), unités.end(), L"T:"), 1);
    EXPECT_EQ(Entrées(GetDlgItem(f, IdsNettix::lExt)), (std::vector<std::wstring>{L"bak", L"tmp"}));

    // Only T: stays selected: the other fixed disks are clicked off.
    SeulT(lUnités);
    ASSERT_TRUE(IsWindowEnabled(bGo));
    Clique(bGo);
    HWND eExec = GetDlgItem(f, IdsNettix::eExec), lDel = GetDlgItem(f, IdsNettix::lDel);
    ASSERT_TRUE(AttendsQue([&] { return TexteFenêtre(eExec) == L"Fichiers \u00E0 supprimer :"; }))
        << DepuisUtf16(TexteFenêtre(eExec));
    auto trouvés = Entrées(lDel);
    std::sort(trouvés.begin(), trouvés.end());
    EXPECT_EQ(trouvés, (std::vector<std::wstring>{L"T:\\a.tmp", L"T:\\sous\\c.tmp",
                                                  L"T:\\sous\\seule.tmp"}));
    EXPECT_EQ(Entrées(lDel).front(), L"T:\\a.tmp");  // a folder's files before its sub-folders
    EXPECT_EQ(TexteFenêtre(GetDlgItem(f, IdsNettix::eTaille)), L"15 bytes");
    HWND bConserver = GetDlgItem(f, IdsNettix::bConserver);
    EXPECT_FALSE(IsWindowEnabled(bConserver));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(f, IdsNettix::bAuto)));

    CliqueEntrée(lDel, L"t:\\SOUS\\c.TMP");  // the list's search ignores case
    ASSERT_TRUE(AttendsQue([&] { return IsWindowEnabled(bConserver) != FALSE; }, 5s));
    Clique(bConserver);
    ASSERT_TRUE(AttendsQue([&] { return Entrées(lDel).size() == 2; }, 5s));
    EXPECT_EQ(TexteFenêtre(GetDlgItem(f, IdsNettix::eTaille)), L"10 bytes");

    // With the focus on the list, Enter presses the default button "Effacer".
    CliqueEntrée(lDel, L"T:\\a.tmp");
    ASSERT_EQ(Entrées(lDel).size(), 2u);
    Touche("Return");
    ASSERT_TRUE(AttendsQue(
        [&] { return TexteFenêtre(eExec) == L"Impossible de supprimer ces fichiers :"; }, 10s))
        << DepuisUtf16(TexteFenêtre(eExec));
    EXPECT_EQ(Entrées(lDel), std::vector<std::wstring>{L"T:\\sous\\seule.tmp"});
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(f, IdsNettix::bEffacer)));
    EXPECT_TRUE(IsWindowVisible(bConserver));
    EXPECT_FALSE(ExisteBrut(L"T:\\a.tmp"));
    EXPECT_TRUE(ExisteBrut(L"T:\\sous\\c.tmp"));
    EXPECT_TRUE(ExisteBrut(L"T:\\sous\\seule.tmp"));
    // Neither the linked file nor the linked folder was followed.
    EXPECT_TRUE(ExisteBrut(dehors));
    EXPECT_TRUE(ExisteBrut(L"T:\\lien.tmp"));
    EXPECT_TRUE(ExisteBrut(L"T:\\lien\\cible.tmp"));

    Touche("Escape");  // back to the input panel
    ASSERT_TRUE(AttendsQue([&] { return IsWindowVisible(lUnités) != FALSE; }, 5s));
    EXPECT_TRUE(Entrées(lDel).empty());

    Clique(GetDlgItem(f, IdsNettix::bVud));
    HWND aide = p.Attends(IdsNettix::ClasseHelp);
    ASSERT_TRUE(aide);
    AuPremierPlan(aide);
    EXPECT_EQ(TexteFenêtre(aide),
              L"(Nettix v1.0.0) Suppression des fichiers temporaires et autres "
              L"fichiers inutiles !");
    EXPECT_EQ(TexteFenêtre(GetDlgItem(aide, IdsNettix::t)).rfind(L"Nettix fait partie", 0), 0u);
    EXPECT_FALSE(IsWindowEnabled(f));
    Clique(GetDlgItem(aide, IdsNettix::bOk));
    ASSERT_TRUE(
        AttendsQue([&] { return Fenêtres(IdsNettix::ClasseHelp, p.pi.dwProcessId).empty(); }, 5s));
    EXPECT_TRUE(AttendsQue([&] { return IsWindowEnabled(f) != FALSE; }, 5s));

    PostMessageW(f, WM_CLOSE, 0, 0);
    ASSERT_TRUE(p.Fini());
    EXPECT_EQ(Param(L"Unit\u00E9s s\u00E9lectionn\u00E9es"), L"T:\t");
    EXPECT_EQ(Param(L"Extensions"), L"bak\ttmp\t");
    EXPECT_EQ(Param(L"Extensions s\u00E9lectionn\u00E9es"), L"tmp\t");
}

TEST_F(NettixExe, CancelDuringCensusReturnsToInput) {
    ÉcritRegistre(HKEY_CURRENT_USER, CléNettix, L"Unit\u00E9s s\u00E9lectionn\u00E9es", L"U:\t");
    Processus p;
    Démarre(p, L"/AUTO");
    HWND f = p.Attends(IdsNettix::ClasseMain);
    ASSERT_TRUE(f);
    AuPremierPlan(f);
    HWND bAuto = GetDlgItem(f, IdsNettix::bAuto), bAnn = GetDlgItem(f, IdsNettix::bAnn);
    ASSERT_TRUE(AttendsQue([&] { return IsWindowVisible(bAuto) != FALSE; }, 10s));
    EXPECT_EQ(TexteFenêtre(bAuto), L"Manuel");
    RECT petit{};
    GetWindowRect(f, &petit);
    Clique(bAuto);  // manual mode: full height again
    EXPECT_TRUE(AttendsQue([&] { return TexteFenêtre(bAuto) == L"Auto"; }, 5s));
    RECT grand{};
    GetWindowRect(f, &grand);
    EXPECT_GT(grand.bottom - grand.top, petit.bottom - petit.top);
    EXPECT_NE(TexteFenêtre(GetDlgItem(f, IdsNettix::eExec)).rfind(L"U:\\", 0), std::wstring::npos);
    Clique(bAnn);
    // The panels change one control after the other: wait for the last one.
    ASSERT_TRUE(AttendsQue(
        [&] {
            return IsWindowVisible(GetDlgItem(f, IdsNettix::lUnités)) && !IsWindowVisible(bAnn);
        },
        10s));
    EXPECT_TRUE(Entrées(GetDlgItem(f, IdsNettix::lDel)).empty());
    PostMessageW(f, WM_CLOSE, 0, 0);
    ASSERT_TRUE(p.Fini());
    EXPECT_EQ(Param(L"Unit\u00E9s s\u00E9lectionn\u00E9es"), L"U:\t");  // nothing saved
    EXPECT_EQ(Param(L"Extensions"), L"(absent)");
}

TEST_F(NettixExe, KeepIsDisabledDuringTheDeletionAndAClickOnItChangesNothing) {
    // Enough one-byte files for a deletion that lasts, made at once on the host; two of
    // them, six bytes long, are locked, besides T:\sous\seule.tmp (five bytes).
    constexpr LRESULT Nombre = 3000;
    gros = true;
    ASSERT_TRUE(CommandeHôte("mkdir '" + arbre + "/gros' && cd '" + arbre + "/gros' && head -c " +
                                 std::to_string(Nombre) +
                                 " /dev/zero | split -b 1 -a 5 -d --additional-suffix=.tmp - f",
                             30s));
    const std::vector<std::wstring> verrouillés{L"T:\\gros\\f00000.tmp", L"T:\\gros\\f01500.tmp",
                                                L"T:\\sous\\seule.tmp"};
    for (size_t i = 0; i < 2; ++i) {
        ÉcritBrut(verrouillés[i], "123456");
        SetFileAttributesW(verrouillés[i].c_str(), FILE_ATTRIBUTE_READONLY);
    }
    ÉcritRegistre(HKEY_CURRENT_USER, CléNettix, L"Extensions", L"tmp\t");
    Processus p;
    Démarre(p, L"");
    HWND f = p.Attends(IdsNettix::ClasseMain);
    ASSERT_TRUE(f);
    AuPremierPlan(f);
    SeulT(GetDlgItem(f, IdsNettix::lUnités));
    Clique(GetDlgItem(f, IdsNettix::bGo));
    HWND eExec = GetDlgItem(f, IdsNettix::eExec), lDel = GetDlgItem(f, IdsNettix::lDel);
    HWND bConserver = GetDlgItem(f, IdsNettix::bConserver);
    ASSERT_TRUE(
        AttendsQue([&] { return TexteFenêtre(eExec) == L"Fichiers \u00E0 supprimer :"; }, 60s))
        << DepuisUtf16(TexteFenêtre(eExec));
    const auto reste = [&] { return SendMessageW(lDel, LB_GETCOUNT, 0, 0); };
    ASSERT_EQ(reste(), Nombre + 3);  // and T:\a.tmp, T:\sous\c.tmp, T:\sous\seule.tmp

    Clique(GetDlgItem(f, IdsNettix::bEffacer));
    LRESULT n = 0;
    ASSERT_TRUE(AttendsQue([&] { return (n = reste()) < Nombre + 3; }, 10s));
    // Nettix answered from within the deletion, with many files to go; it stands still while
    // the click is given, so that the click reaches it in the middle of the deletion,
    // whatever the machine's pace.
    ASSERT_GT(n, 1000);
    ASSERT_NE(SuspendThread(p.pi.hThread), static_cast<DWORD>(-1));
    EXPECT_FALSE(IsWindowEnabled(bConserver));
    RECT r{};
    GetClientRect(bConserver, &r);
    POINT centre{r.right / 2, r.bottom / 2};
    ClientToScreen(bConserver, &centre);
    const bool cliqué = Xdotool(nullptr, "mousemove " + std::to_string(centre.x) + " " +
                                             std::to_string(centre.y) + " click 1");
    ResumeThread(p.pi.hThread);
    ASSERT_TRUE(cliqué);
    ASSERT_TRUE(AttendsQue(
        [&] { return TexteFenêtre(eExec) == L"Impossible de supprimer ces fichiers :"; }, 60s))
        << DepuisUtf16(TexteFenêtre(eExec));

    auto échecs = Entrées(lDel);
    std::sort(échecs.begin(), échecs.end());
    EXPECT_EQ(échecs, verrouillés);
    EXPECT_EQ(TexteFenêtre(GetDlgItem(f, IdsNettix::eTaille)), L"17 bytes");
    EXPECT_FALSE(ExisteBrut(L"T:\\a.tmp") || ExisteBrut(L"T:\\sous\\c.tmp"));
    EXPECT_TRUE(CommandeHôte("test $(ls '" + arbre + "/gros' | wc -l) -eq 2"));  // the locked two

    // After the deletion the failures can be kept again.
    CliqueEntrée(lDel, verrouillés[1]);
    EXPECT_TRUE(AttendsQue([&] { return IsWindowEnabled(bConserver) != FALSE; }, 5s));
    // Closed from the failure list, Nettix saves its selections.
    PostMessageW(f, WM_CLOSE, 0, 0);
    ASSERT_TRUE(p.Fini());
    EXPECT_EQ(Param(L"Unit\u00E9s s\u00E9lectionn\u00E9es"), L"T:\t");
}

// Under Wine the host lists a drive's links once per census, in the background: until the
// list comes each file is opened, then the list answers. Both say the same.
TEST(ListeurWin32, LesLiensDeLHoteEnUneListeParRecensement) {
    ÉcritBrut(std::wstring(L"T:\\listeur.tmp"), "x");
    ListeurWin32 listeur;
    for (int recensement = 0; recensement < 2; ++recensement) {
        listeur.Commence("T:\\");
        EXPECT_FALSE(listeur.LiensConnus());
        EXPECT_TRUE(listeur.LienCaché("T:\\lien.tmp", false));  // opened: the list is not there yet
        EXPECT_FALSE(listeur.LienCaché("T:\\listeur.tmp", false));
        ASSERT_TRUE(AttendsQue(
            [&] {
                listeur.LienCaché("t:\\listeur.tmp", false);
                return listeur.LiensConnus();
            },
            10s));
        EXPECT_TRUE(listeur.LienCaché("T:\\lien.tmp", false));
        EXPECT_TRUE(listeur.LienCaché("t:\\LIEN.TMP", false));
        EXPECT_FALSE(listeur.LienCaché("T:\\listeur.tmp", false));
        EXPECT_FALSE(listeur.LienCaché("T:\\lien", true));  // Wine marks links to folders
        // Outside the census's folder each file is opened.
        EXPECT_TRUE(listeur.LienCaché("U:\\absent.tmp", false));
    }
    DeleteFileW(L"T:\\listeur.tmp");
}
