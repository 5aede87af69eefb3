// Remplo.exe run for real under Wine: it replaces a running fixture program once that one
// ends, restarts programs with the exact command line, and reports through real message
// boxes that the tests read and answer.
#include <windows.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "OutilsTestWin32.h"
#include "Utf16.h"

namespace {

struct Boîte {
    std::string titre, texte;
};

// The first visible dialog box ("#32770") of process `pid`.
HWND BoîteDe(DWORD pid) {
    const auto boîtes = Fenêtres(L"#32770", pid);
    return boîtes.empty() ? nullptr : boîtes[0];
}

// A throwaway folder holding a copy of Remplo.exe, the old program "prog.exe" and, in
// the sub-folder "mise à jour", the new one.
struct DossierDeTest : ::testing::Test {
    DossierTemporaire temporaire{"remplo-"};
    std::wstring dossier, source, destination;

    void SetUp() override {
        ASSERT_FALSE(temporaire.Chemin().empty());
        dossier = VersUtf16(temporaire.Chemin()) + L"\\";
        ASSERT_TRUE(CreateDirectoryW((dossier + L"mise à jour").c_str(), nullptr));
        source = dossier + L"mise à jour\\prog.exe";
        destination = dossier + L"prog.exe";
        ASSERT_TRUE(
            CopyFileW(CheminWine(REMPLO_EXE).c_str(), (dossier + L"Remplo.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileW(CheminWine(TEMOIN_ANCIEN).c_str(), destination.c_str(), FALSE));
        ASSERT_TRUE(CopyFileW(CheminWine(TEMOIN_NOUVEAU).c_str(), source.c_str(), FALSE));
        DateDécale(destination, -1);
        DateDécale(source, 0);
    }

    // Which fixture a file holds: "ancien", "nouveau", "absent" or "autre" (short messages
    // instead of whole executables when a comparison fails).
    static std::string Version(const std::wstring& chemin) {
        if (!ExisteBrut(chemin)) return "absent";
        const std::string octets = LitBrut(chemin, "");
        if (octets == LitBrut(CheminWine(TEMOIN_ANCIEN), "")) return "ancien";
        if (octets == LitBrut(CheminWine(TEMOIN_NOUVEAU), "")) return "nouveau";
        return "autre";
    }

    PROCESS_INFORMATION Lance(const std::wstring& ligne) {
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        std::wstring l = ligne;
        EXPECT_TRUE(CreateProcessW(nullptr, l.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   dossier.c_str(), &si, &pi))
            << GetLastError();
        return pi;
    }

    PROCESS_INFORMATION LanceRemplo(const std::wstring& arguments) {
        return Lance(L"\"" + dossier + L"Remplo.exe\" " + arguments);
    }

    // Waits for the process to end (a minute at most), answering OK to each message box
    // it shows; returns the boxes.
    std::vector<Boîte> AttendFin(PROCESS_INFORMATION pi) {
        std::vector<Boîte> boîtes;
        HWND dernière = nullptr;
        for (int i = 0; i < 1200; ++i) {
            if (WaitForSingleObject(pi.hProcess, 50) == WAIT_OBJECT_0) break;
            HWND b = BoîteDe(pi.dwProcessId);
            if (!b || b == dernière) continue;
            dernière = b;
            boîtes.push_back({TexteDe(b), TexteDe(GetDlgItem(b, 0xFFFF))});
            PostMessageW(b, WM_COMMAND, IDOK, 0);
        }
        EXPECT_EQ(WaitForSingleObject(pi.hProcess, 0), static_cast<DWORD>(WAIT_OBJECT_0))
            << "Remplo is still running";
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return boîtes;
    }

    std::vector<std::string> Journal() {
        std::vector<std::string> lignes;
        std::istringstream s(LitBrut(dossier + L"journal.txt", ""));
        for (std::string l; std::getline(s, l);) {
            if (!l.empty() && l.back() == '\r') l.pop_back();
            lignes.push_back(l);
        }
        return lignes;
    }

    // The journal once it holds `n` lines (polled, 30 seconds at most).
    std::vector<std::string> Journal(size_t n) {
        AttendsQue([&] { return Journal().size() >= n; });
        return Journal();
    }

    static std::string Cité(const std::wstring& chemin) {
        std::string c = DepuisUtf16(chemin);
        c.insert(c.begin(), '"');
        c.push_back('"');
        return c;
    }
    std::wstring Args(const std::wstring& s, const std::wstring& d) {
        return L"\"" + s + L"\" \"" + d + L"\"";
    }
};

using RemploWine = DossierDeTest;

}  // namespace

TEST_F(RemploWine, RemplaceLeProgrammeEnCoursQuandIlSeTermine) {
    PROCESS_INFORMATION ancien = Lance(L"\"" + destination + L"\" /tenir");
    ASSERT_EQ(Journal(1).size(), 1u);
    PROCESS_INFORMATION remplo = LanceRemplo(Args(source, destination));

    // Remplo shows its window and waits while the old program holds its file.
    HWND fenêtre = AttendsFenêtre(remplo.dwProcessId, L"Orvan98.Remplo.F_Main");
    ASSERT_TRUE(fenêtre);
    EXPECT_EQ(TexteDe(fenêtre), "Mise à jour automatique de programme 32bits");
    EXPECT_EQ(WaitForSingleObject(remplo.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    // The running program's file may already be renamed aside (Windows and Wine allow
    // that), never deleted, and the new program is not started before the old one ends.
    const std::string enPlace = Version(destination), deCôté = Version(destination + L".ancien");
    EXPECT_TRUE(enPlace == "ancien" || deCôté == "ancien") << enPlace << " " << deCôté;
    EXPECT_EQ(Journal().size(), 1u);

    // The old program ends: the new one takes its place and starts.
    HANDLE h = CreateFileW((dossier + L"libere").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0,
                           nullptr);
    CloseHandle(h);
    EXPECT_TRUE(AttendFin(remplo).empty());
    WaitForSingleObject(ancien.hProcess, 60000);
    CloseHandle(ancien.hThread);
    CloseHandle(ancien.hProcess);

    const auto journal = Journal(2);
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[1], "nouveau|" + Cité(destination) + " ");
    EXPECT_EQ(Version(destination), "nouveau");
    EXPECT_EQ(Version(source), "nouveau");
    EXPECT_FALSE(ExisteBrut(destination + L".nouveau"));
    EXPECT_FALSE(ExisteBrut(destination + L".ancien"));
}

TEST_F(RemploWine, DestinationAbsenteInstalléeEtLancée) {
    ASSERT_TRUE(DeleteFileW(destination.c_str()));
    EXPECT_TRUE(AttendFin(LanceRemplo(Args(source, destination) + L" /x  y ")).empty());
    EXPECT_EQ(Journal(1), std::vector<std::string>{"nouveau|" + Cité(destination) + " /x  y"});
    EXPECT_EQ(Version(destination), "nouveau");
}

TEST_F(RemploWine, SansCopieRelanceAvecLeMarqueur) {
    struct Cas {
        const char* nom;
        int joursSource;  // modification date of the source, from now
        bool sourceAbsente;
        bool mêmeChemin;
    } cas[] = {
        {"même date", 0, false, false},
        {"source plus ancienne", -2, false, false},
        {"source absente", 0, true, false},
        {"source identique", 0, false, true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        DeleteFileW((dossier + L"journal.txt").c_str());
        if (c.nom == std::string("même date")) {
            // The same instant, as a copy keeps it.
            HANDLE d = CreateFileW(destination.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
            FILETIME ft;
            GetFileTime(d, nullptr, nullptr, &ft);
            CloseHandle(d);
            HANDLE s = CreateFileW(source.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                   0, nullptr);
            SetFileTime(s, nullptr, nullptr, &ft);
            CloseHandle(s);
        } else {
            DateDécale(source, c.joursSource);
        }
        const std::wstring s = c.sourceAbsente ? dossier + L"absent.exe"
                               : c.mêmeChemin  ? destination
                                               : source;
        EXPECT_TRUE(AttendFin(LanceRemplo(Args(s, destination))).empty());
        EXPECT_EQ(Journal(1), std::vector<std::string>{"ancien|" + Cité(destination) + "  (~!~)"});
        EXPECT_EQ(Version(destination), "ancien");
    }
}

TEST_F(RemploWine, NomsNusRecoiventEXE) {
    // Relative to Remplo's current folder, which is the test folder.
    EXPECT_TRUE(AttendFin(LanceRemplo(L"\"mise à jour\\prog\" \"prog\"")).empty());
    EXPECT_EQ(Journal(1), std::vector<std::string>{"nouveau|\"prog.EXE\" "});
    EXPECT_EQ(Version(destination), "nouveau");
}

TEST_F(RemploWine, LigneMalForméeAfficheLUsage) {
    for (const wchar_t* arguments : {L"", L"prog.exe autre.exe", L"\"prog.exe\" \"autre.exe"}) {
        SCOPED_TRACE(DepuisUtf16(arguments));
        const auto boîtes = AttendFin(LanceRemplo(arguments));
        ASSERT_EQ(boîtes.size(), 1u);
        EXPECT_EQ(boîtes[0].titre, "Remplo");
        EXPECT_EQ(boîtes[0].texte,
                  "Donnez le programme source entre guillements, un espace, et le programme "
                  "destination entre guillemets en paramètre svp.");
    }
    EXPECT_FALSE(ExisteBrut(dossier + L"journal.txt"));
    EXPECT_EQ(Version(destination), "ancien");
}

TEST_F(RemploWine, CopieImpossibleGardeEtRelanceLAncien) {
    // The new program held open without sharing: it cannot be read.
    HANDLE verrou =
        CreateFileW(source.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(verrou, INVALID_HANDLE_VALUE);
    const auto boîtes = AttendFin(LanceRemplo(Args(source, destination)));
    CloseHandle(verrou);
    ASSERT_EQ(boîtes.size(), 1u);
    EXPECT_EQ(boîtes[0].titre, "Remplo");
    const std::string contexte =
        "\r\nCopy " + DepuisUtf16(source) + ", " + DepuisUtf16(destination);
    ASSERT_GT(boîtes[0].texte.size(), contexte.size());
    EXPECT_EQ(boîtes[0].texte.substr(boîtes[0].texte.size() - contexte.size()), contexte);
    EXPECT_EQ(Journal(1), std::vector<std::string>{"ancien|" + Cité(destination) + "  (~!~)"});
    EXPECT_EQ(Version(destination), "ancien");
    EXPECT_FALSE(ExisteBrut(destination + L".nouveau"));
}

// What orvan_programme() puts into every program: version, icon and manifest.
TEST(RessourcesProgramme, VersionIcôneEtManifeste) {
    const std::wstring exe = CheminWine(REMPLO_EXE);
    DWORD inutile = 0;
    const DWORD taille = GetFileVersionInfoSizeW(exe.c_str(), &inutile);
    ASSERT_GT(taille, 0u);
    std::vector<char> bloc(taille);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, taille, bloc.data()));
    VS_FIXEDFILEINFO* fixe = nullptr;
    UINT n = 0;
    ASSERT_TRUE(VerQueryValueW(bloc.data(), L"\\", reinterpret_cast<void**>(&fixe), &n));
    EXPECT_EQ(HIWORD(fixe->dwFileVersionMS), 1u);
    EXPECT_EQ(LOWORD(fixe->dwFileVersionMS), 0u);
    EXPECT_EQ(HIWORD(fixe->dwFileVersionLS), 0u);
    auto chaîne = [&](const wchar_t* nom) {
        wchar_t* valeur = nullptr;
        UINT l = 0;
        const std::wstring chemin = std::wstring(L"\\StringFileInfo\\040C04B0\\") + nom;
        if (!VerQueryValueW(bloc.data(), chemin.c_str(), reinterpret_cast<void**>(&valeur), &l))
            return std::string("?");
        return DepuisUtf16(valeur);
    };
    EXPECT_EQ(chaîne(L"CompanyName"), "Orvan 98");
    EXPECT_EQ(chaîne(L"ProductName"), "Orvan 98");
    EXPECT_EQ(chaîne(L"FileVersion"), "1.0.0");
    EXPECT_EQ(chaîne(L"OriginalFilename"), "Remplo.exe");
    EXPECT_EQ(chaîne(L"FileDescription"), "Mise à jour automatique de programme");

    HMODULE m = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(m);
    EXPECT_TRUE(FindResourceW(m, MAKEINTRESOURCEW(1), RT_GROUP_ICON));
    HRSRC manifeste = FindResourceW(m, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_TRUE(manifeste);
    const std::string xml(static_cast<const char*>(LockResource(LoadResource(m, manifeste))),
                          SizeofResource(m, manifeste));
    EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(xml.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(xml.find("asInvoker"), std::string::npos);
    FreeLibrary(m);
}

// An old program that never ends: after the (shortened) wait the new version is in place
// and the user is told it starts next time; no second instance is started. The next run
// removes the old file left aside.
TEST_F(RemploWine, AncienQuiNeFinitJamaisNouvelleVersionAuProchainDemarrage) {
    PROCESS_INFORMATION ancien = Lance(L"\"" + destination + L"\" /tenir");
    ASSERT_EQ(Journal(1).size(), 1u);
    SetEnvironmentVariableW(L"ORVAN_REMPLO_ESSAIS", L"10");
    const auto boîtes = AttendFin(LanceRemplo(Args(source, destination)));
    SetEnvironmentVariableW(L"ORVAN_REMPLO_ESSAIS", nullptr);
    ASSERT_EQ(boîtes.size(), 1u);
    EXPECT_EQ(boîtes[0].titre, "Remplo");
    EXPECT_EQ(boîtes[0].texte, "La nouvelle version de " + Cité(destination) +
                                   " est installée, mais l'ancienne est encore en cours "
                                   "d'exécution.\r\n\r\nLa nouvelle version démarrera la "
                                   "prochaine fois que vous lancerez ce programme.");
    EXPECT_EQ(Version(destination), "nouveau");
    EXPECT_EQ(Version(destination + L".ancien"), "ancien");
    EXPECT_EQ(Journal().size(), 1u);  // nothing started beside the running program

    CloseHandle(CreateFileW((dossier + L"libere").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0,
                            nullptr));
    WaitForSingleObject(ancien.hProcess, 60000);
    CloseHandle(ancien.hThread);
    CloseHandle(ancien.hProcess);
    EXPECT_TRUE(AttendFin(LanceRemplo(Args(source, destination))).empty());
    const auto journal = Journal(2);
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[1], "nouveau|" + Cité(destination) + "  (~!~)");
    EXPECT_FALSE(ExisteBrut(destination + L".ancien"));
    EXPECT_FALSE(ExisteBrut(destination + L".nouveau"));
}

// A destination that is never freed (held open by another program, so it cannot be
// renamed) and a source cut short in the middle of the copy: the old program stays whole
// and is restarted, the user is told, nothing is left beside it.
TEST_F(RemploWine, PannesGardentLAncienProgrammeEntier) {
    const std::string avant = LitBrut(destination, "");
    {
        HANDLE verrou = CreateFileW(destination.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(verrou, INVALID_HANDLE_VALUE);
        SetEnvironmentVariableW(L"ORVAN_REMPLO_ESSAIS", L"5");
        const auto boîtes = AttendFin(LanceRemplo(Args(source, destination)));
        SetEnvironmentVariableW(L"ORVAN_REMPLO_ESSAIS", nullptr);
        CloseHandle(verrou);
        ASSERT_EQ(boîtes.size(), 1u);
        EXPECT_EQ(boîtes[0].texte.rfind(
                      "Je ne parviens pas à remplacer le programme " + Cité(destination), 0),
                  0u)
            << boîtes[0].texte;
        EXPECT_EQ(Journal(1), std::vector<std::string>{"ancien|" + Cité(destination) + "  (~!~)"});
    }
    // A large new program, cut to a few bytes by the host as soon as the copy begins.
    {
        HANDLE h =
            CreateFileW(source.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        LARGE_INTEGER fin{};
        fin.QuadPart = 200ll << 20;
        ASSERT_TRUE(SetFilePointerEx(h, fin, nullptr, FILE_BEGIN) && SetEndOfFile(h));
        CloseHandle(h);
        DateDécale(source, 0);
        char unix[4096] = {};
        ASSERT_TRUE(WideCharToMultiByte(CP_UTF8, 0, source.c_str(), -1, unix, sizeof unix, nullptr,
                                        nullptr));
        // Wine's own path translation: the host side of C:\ is the prefix's drive_c.
        const std::string hôteSource = std::string(getenv("WINEPREFIX")) + "/drive_c" + [&] {
            std::string s(unix + 2);
            for (char& c : s)
                if (c == '\\') c = '/';
            return s;
        }();
        const std::string hôteNouveau =
            hôteSource.substr(0, hôteSource.rfind("/mise")) + "/prog.exe.nouveau";
        ASSERT_TRUE(CommandeHôte("(for i in $(seq 1 4000); do [ -e '" + hôteNouveau +
                                 "' ] && break; sleep 0.005; done; truncate -s 100 '" + hôteSource +
                                 "') >/dev/null 2>&1 &"));
        const auto boîtes = AttendFin(LanceRemplo(Args(source, destination)));
        ASSERT_EQ(boîtes.size(), 1u);
        EXPECT_NE(boîtes[0].texte.find("\r\nCopy " + DepuisUtf16(source)), std::string::npos)
            << boîtes[0].texte;
        EXPECT_EQ(Journal(2).size(), 2u);
        EXPECT_EQ(Journal()[1], "ancien|" + Cité(destination) + "  (~!~)");
    }
    EXPECT_EQ(LitBrut(destination, ""), avant);
    EXPECT_FALSE(ExisteBrut(destination + L".nouveau"));
    EXPECT_FALSE(ExisteBrut(destination + L".ancien"));
}
