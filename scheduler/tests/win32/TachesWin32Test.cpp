// Auto.dat, Autos.dat and Horlo.log through the real Win32 file layer, in a throwaway
// folder whose name holds a blank and an accent.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>

#include "FichiersWin32.h"
#include "HorlogeWin32.h"
#include "Journal.h"
#include "OutilsTestWin32.h"
#include "Taches.h"
#include "Utf16.h"

namespace {

struct TâchesWin32 : ::testing::Test {
    FichiersWin32 f;
    HorlogeWin32 horloge;
    DossierTemporaire temporaire{"Horlo tâches "};
    std::string dossier;
    std::unique_ptr<Horlo> h;

    void SetUp() override {
        dossier = temporaire.Chemin();
        ASSERT_FALSE(dossier.empty());
        h = std::make_unique<Horlo>(f, horloge, Programme::DepuisChemin(dossier + "\\Horlo.exe"));
    }
    void TearDown() override {
        for (const char* nom : {"Auto.dat", "Autos.dat", "Horlo.log"}) {
            const std::wstring chemin = VersUtf16(dossier + "\\" + nom);
            SetFileAttributesW(chemin.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(chemin.c_str());
        }
        EXPECT_TRUE(RemoveDirectoryW(VersUtf16(dossier).c_str())) << "a file was left behind";
    }
    Tâche T(std::string prog, std::string rép, double proch) {
        Tâche t;
        t.Programme = std::move(prog);
        t.Répétition = std::move(rép);
        t.Prochaine = proch;
        t.Fenêtre = 1;
        t.Actif = true;
        return t;
    }
};

TEST_F(TâchesWin32, EnregistreEtRelitEnWindows1252) {
    EXPECT_TRUE(TâchesCharge(*h).ok);  // no Auto.dat yet
    h->Tâches.Ajoute(T("C:\\Vud\\Pensil.exe", "J", 36136.5));
    h->Tâches.Ajoute(T("\"Réunion à 15 h\"", "U", 36137.25));
    h->Tâches.Ajoute(T("notepad.exe", "L", 300.0 / 86400));
    ASSERT_TRUE(TâchesEnregistre(*h).ok);
    const auto octets = f.Lire(CheminAuto(*h));
    ASSERT_TRUE(octets);
    EXPECT_NE(octets->find("R\xE9union \xE0 15 h"), std::string::npos);
    EXPECT_NE(octets->find("\tL\t-1\t\t00:05:00\t"), std::string::npos);
    EXPECT_EQ(octets->substr(octets->size() - 2), "\r\n");

    ASSERT_TRUE(TâchesCharge(*h).ok);
    ASSERT_EQ(h->Tâches.Dernier(), 3u);
    EXPECT_EQ(h->Tâches[2].Programme, "\"Réunion à 15 h\"");
    EXPECT_EQ(h->Tâches[3].Prochaine, 300.0 / 86400);
}

TEST_F(TâchesWin32, UnFichierEnLectureSeuleResteEntier) {
    h->Tâches.Ajoute(T("a.exe", "J", 36136.5));
    ASSERT_TRUE(TâchesEnregistre(*h).ok);
    const std::string avant = *f.Lire(CheminAuto(*h));
    ASSERT_TRUE(SetFileAttributesW(VersUtf16(CheminAuto(*h)).c_str(), FILE_ATTRIBUTE_READONLY));
    h->Tâches.Ajoute(T("b.exe", "S", 36140.5));
    const Statut s = TâchesEnregistre(*h);
    EXPECT_FALSE(s.ok);
    EXPECT_FALSE(s.erreur.empty());
    EXPECT_EQ(*f.Lire(CheminAuto(*h)), avant);
}

TEST_F(TâchesWin32, CatalogueEtJournalÀCôtéDuProgramme) {
    ASSERT_TRUE(
        f.Écrire(CheminAutos(*h), "Bloc-notes\tnotepad.exe\t\tJ\t1\t00:30\t08:00\r\n\r\n").ok);
    ASSERT_TRUE(ModèlesCharge(*h).ok);
    EXPECT_EQ(h->Modèles.Dernier(), 2u);
    EXPECT_EQ(h->Modèles[1].Libellé, "Bloc-notes");

    ASSERT_TRUE(Journal(*h, "!", "fin").ok);
    ASSERT_TRUE(Journal(*h, "Fichier introuvable.", "Shell (\"x.exe\", 1)").ok);
    const auto journal = f.Lire(dossier + "\\Horlo.log");
    ASSERT_TRUE(journal);
    EXPECT_NE(journal->find(" Ordre re\xE7u : fin\r\n"), std::string::npos);
    EXPECT_NE(journal->find(" Fichier introuvable. : Shell (\"x.exe\", 1)\r\n"), std::string::npos);
}

}  // namespace
