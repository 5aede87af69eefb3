// FichiersWin32 against real files in a throwaway folder: contents, attributes, dates,
// and the atomic rewrite that never leaves a half-written or missing file.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "FichiersWin32.h"
#include "OutilsTestWin32.h"
#include "Utf16.h"

namespace {

// Names left in a folder (to see that no temporary file stays behind).
std::vector<std::string> Contenu(const std::string& dossier) {
    std::vector<std::string> noms;
    WIN32_FIND_DATAW d;
    HANDLE h = FindFirstFileW(VersUtf16(dossier + "\\*").c_str(), &d);
    if (h == INVALID_HANDLE_VALUE) return noms;
    do {
        const std::string nom = DepuisUtf16(d.cFileName);
        if (nom != "." && nom != "..") noms.push_back(nom);
    } while (FindNextFileW(h, &d));
    FindClose(h);
    std::sort(noms.begin(), noms.end());
    return noms;
}

// Sets a file's last-write time from a local date and time.
void PoseDate(const std::string& chemin, SYSTEMTIME local) {
    SYSTEMTIME utc{};
    ASSERT_TRUE(TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc));
    FILETIME ft{};
    ASSERT_TRUE(SystemTimeToFileTime(&utc, &ft));
    HANDLE h = CreateFileW(VersUtf16(chemin).c_str(), FILE_WRITE_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(h, nullptr, nullptr, &ft));
    CloseHandle(h);
}

const std::string kOctets = std::string("ligne 1\r\nr\xE9pertoire\r\n\0fin", 24);

}  // namespace

TEST(FichiersWin32, AttributsDistinguentFichierDossierEtAbsent) {
    DossierTemporaire d;
    FichiersWin32 f;
    ÉcritBrut(d / "a.txt", "x");
    ASSERT_TRUE(f.Attributs(d / "a.txt"));
    EXPECT_FALSE(*f.Attributs(d / "a.txt") & Attr::Dossier);
    ASSERT_TRUE(f.Attributs(d.Chemin()));
    EXPECT_TRUE(*f.Attributs(d.Chemin()) & Attr::Dossier);
    EXPECT_FALSE(f.Attributs(d / "absent.txt"));
    EXPECT_FALSE(f.Attributs(""));
    SetFileAttributesW(VersUtf16(d / "a.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(*f.Attributs(d / "a.txt") & Attr::LectureSeule);
}

TEST(FichiersWin32, LireRendLesOctetsSansConversion) {
    DossierTemporaire d;
    FichiersWin32 f;
    ÉcritBrut(d / "b.dat", kOctets);
    auto r = f.Lire(d / "b.dat");
    ASSERT_TRUE(r) << r.erreur;
    EXPECT_EQ(*r, kOctets);
    ÉcritBrut(d / "vide.dat", "");
    EXPECT_EQ(*f.Lire(d / "vide.dat"), "");
}

TEST(FichiersWin32, LireEchoueAvecLeTexteDuSysteme) {
    DossierTemporaire d;
    FichiersWin32 f;
    for (const std::string& chemin : {d / "absent.txt", d.Chemin(), d / "absent\\x.txt"}) {
        auto r = f.Lire(chemin);
        EXPECT_FALSE(r) << chemin;
        EXPECT_FALSE(r.erreur.empty()) << chemin;
    }
}

TEST(FichiersWin32, TailleEnOctets) {
    DossierTemporaire d;
    FichiersWin32 f;
    ÉcritBrut(d / "t.dat", std::string(70000, 'z'));
    ASSERT_TRUE(f.Taille(d / "t.dat"));
    EXPECT_EQ(*f.Taille(d / "t.dat"), 70000u);
    EXPECT_FALSE(f.Taille(d / "absent.dat"));
}

TEST(FichiersWin32, DateModificationEnHeureLocaleALaSeconde) {
    DossierTemporaire d;
    FichiersWin32 f;
    ÉcritBrut(d / "hiver.txt", "x");
    ÉcritBrut(d / "ete.txt", "x");
    // 07.12.1998 14:05:33.789 and 15.07.2003 08:00:59.999: milliseconds are dropped,
    // and a summer date reads back at its own local hour.
    PoseDate(d / "hiver.txt", SYSTEMTIME{1998, 12, 1, 7, 14, 5, 33, 789});
    PoseDate(d / "ete.txt", SYSTEMTIME{2003, 7, 2, 15, 8, 0, 59, 999});
    struct Cas {
        std::string nom;
        double attendu;
    } cas[] = {
        {"hiver.txt", 36136 + (14 * 3600 + 5 * 60 + 33) / 86400.0},
        {"ete.txt", 37817 + (8 * 3600 + 59) / 86400.0},
    };
    for (const auto& c : cas) {
        auto r = f.DateModification(d / c.nom);
        ASSERT_TRUE(r) << c.nom << ": " << r.erreur;
        EXPECT_NEAR(*r, c.attendu, 0.1 / 86400) << c.nom;
    }
    EXPECT_TRUE(f.DateModification(d.Chemin()));
    auto absent = f.DateModification(d / "absent.txt");
    EXPECT_FALSE(absent);
    EXPECT_FALSE(absent.erreur.empty());
}

TEST(FichiersWin32, EcrireCreeEtRemplaceSansLaisserDeTemporaire) {
    DossierTemporaire d;
    FichiersWin32 f;
    ASSERT_TRUE(f.Écrire(d / "Auto.dat", "premier"));
    EXPECT_EQ(LitBrut(d / "Auto.dat"), "premier");
    ASSERT_TRUE(f.Écrire(d / "Auto.dat", kOctets));
    EXPECT_EQ(LitBrut(d / "Auto.dat"), kOctets);
    ASSERT_TRUE(f.Écrire(d / "Auto.dat", ""));
    EXPECT_EQ(LitBrut(d / "Auto.dat"), "");
    EXPECT_EQ(Contenu(d.Chemin()), std::vector<std::string>{"Auto.dat"});
}

TEST(FichiersWin32, EcrireAccentsDansLeNom) {
    DossierTemporaire d;
    FichiersWin32 f;
    ASSERT_TRUE(f.Écrire(d / "Tâches été.txt", "ok"));
    EXPECT_EQ(LitBrut(d / "Tâches été.txt"), "ok");
    EXPECT_EQ(*f.Lire(d / "Tâches été.txt"), "ok");
}

TEST(FichiersWin32, EcrireEchoueDansUnDossierAbsent) {
    DossierTemporaire d;
    FichiersWin32 f;
    Statut s = f.Écrire(d / "absent\\tel.txt", "x");
    EXPECT_FALSE(s);
    EXPECT_FALSE(s.erreur.empty());
    EXPECT_TRUE(Contenu(d.Chemin()).empty());
}

// Each failure leaves the previous file whole and removes the temporary file.
TEST(FichiersWin32, EcrireRateLaisseLAncienFichierEntier) {
    DossierTemporaire d;
    FichiersWin32 f;
    const std::string cible = d / "tel.txt";

    // Read-only target.
    ÉcritBrut(cible, "ancien");
    SetFileAttributesW(VersUtf16(cible).c_str(), FILE_ATTRIBUTE_READONLY);
    Statut s = f.Écrire(cible, "nouveau");
    EXPECT_FALSE(s);
    EXPECT_FALSE(s.erreur.empty());
    EXPECT_EQ(LitBrut(cible), "ancien");
    EXPECT_EQ(Contenu(d.Chemin()), std::vector<std::string>{"tel.txt"});
    SetFileAttributesW(VersUtf16(cible).c_str(), FILE_ATTRIBUTE_NORMAL);

    // Target held open by another program that shares nothing.
    HANDLE h =
        CreateFileW(VersUtf16(cible).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(f.Écrire(cible, "nouveau"));
    CloseHandle(h);
    EXPECT_EQ(LitBrut(cible), "ancien");
    EXPECT_EQ(Contenu(d.Chemin()), std::vector<std::string>{"tel.txt"});

    // Target that is a folder.
    CreateDirectoryW(VersUtf16(d / "dossier").c_str(), nullptr);
    EXPECT_FALSE(f.Écrire(d / "dossier", "nouveau"));
    EXPECT_EQ(Contenu(d.Chemin()), (std::vector<std::string>{"dossier", "tel.txt"}));
}

TEST(FichiersWin32, AjouterCreePuisAjouteALaFin) {
    DossierTemporaire d;
    FichiersWin32 f;
    ASSERT_TRUE(f.Ajouter(d / "Horlo.log", "un\r\n"));
    ASSERT_TRUE(f.Ajouter(d / "Horlo.log", "deux\r\n"));
    EXPECT_EQ(LitBrut(d / "Horlo.log"), "un\r\ndeux\r\n");
    EXPECT_FALSE(f.Ajouter(d / "absent\\Horlo.log", "x"));
}

TEST(FichiersWin32, SupprimerCopierRenommer) {
    DossierTemporaire d;
    FichiersWin32 f;
    ÉcritBrut(d / "a", "A");
    ÉcritBrut(d / "b", "B");

    ASSERT_TRUE(f.Copier(d / "a", d / "b"));  // replaces
    EXPECT_EQ(LitBrut(d / "b"), "A");
    ASSERT_TRUE(f.Copier(d / "a", d / "c"));
    EXPECT_EQ(LitBrut(d / "c"), "A");
    Statut copieRatée = f.Copier(d / "absent", d / "e");
    EXPECT_FALSE(copieRatée);
    EXPECT_FALSE(copieRatée.erreur.empty());

    ÉcritBrut(d / "b", "B");
    EXPECT_FALSE(f.Renommer(d / "a", d / "b", false));  // no replacing: both stay
    EXPECT_EQ(LitBrut(d / "a"), "A");
    EXPECT_EQ(LitBrut(d / "b"), "B");
    ASSERT_TRUE(f.Renommer(d / "a", d / "b", true));
    EXPECT_FALSE(ExisteBrut(d / "a"));
    EXPECT_EQ(LitBrut(d / "b"), "A");
    ASSERT_TRUE(f.Renommer(d / "b", d / "d", false));
    EXPECT_EQ(LitBrut(d / "d"), "A");

    ASSERT_TRUE(f.Supprimer(d / "d"));
    EXPECT_FALSE(ExisteBrut(d / "d"));
    Statut s = f.Supprimer(d / "d");
    EXPECT_FALSE(s);
    EXPECT_FALSE(s.erreur.empty());
}

// Past the classic path limit, a name the census lists with a final dot and blank: only the
// long form reaches it (the plain one drops them, so Wine reaches "x.tmp" instead).
TEST(FichiersWin32, CheminsLongs) {
    DossierTemporaire d;
    FichiersWin32 f;
    const std::string dossier = d / std::string(250, 'd'), x = dossier + "\\x.tmp. ";
    const auto Brut = [&](const char* nom) { return L"\\\\?\\" + VersUtf16(dossier + nom); };
    ASSERT_TRUE(CreateDirectoryW(Brut("").c_str(), nullptr));
    ÉcritBrut(Brut("\\x.tmp"), "garder");
    EXPECT_TRUE(f.Écrire(x, "effacer"));
    EXPECT_TRUE(f.Supprimer(x));
    EXPECT_FALSE(ExisteBrut(Brut("\\x.tmp. ")));
    EXPECT_EQ(LitBrut(Brut("\\x.tmp")), "garder");
}

TEST(FichiersWin32, CopierGardeLaDateDeLaSource) {
    DossierTemporaire d;
    FichiersWin32 f;
    ÉcritBrut(d / "neuf.exe", "MZ");
    PoseDate(d / "neuf.exe", SYSTEMTIME{2001, 3, 0, 4, 10, 20, 30, 0});
    ASSERT_TRUE(f.Copier(d / "neuf.exe", d / "copie.exe"));
    EXPECT_EQ(*f.DateModification(d / "copie.exe"), *f.DateModification(d / "neuf.exe"));
}
