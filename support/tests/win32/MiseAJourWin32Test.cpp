// The update-folder question with the real registry, real files and the real input and
// message boxes, which a helper thread answers as a user would.
#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "DialoguesWin32.h"
#include "FichiersWin32.h"
#include "LanceurWin32.h"
#include "MiseAJour.h"
#include "OutilsTestWin32.h"
#include "RegistreWin32.h"
#include "Utf16.h"
#include "Valeurs.h"

namespace {

// One box the user meets: its caption, what is typed into the input box (if anything)
// and the button pressed. What the box showed is kept for the assertions.
struct Étape {
    std::string titre;
    int bouton;             // IDOK, IDCANCEL, IDYES, IDNO
    std::string tapé = {};  // typed into the input box
    bool taper = false;
    std::string texte = {};   // the prompt or the message shown
    std::string défaut = {};  // the input box's field as it opened
    bool vue = false;
};

class MiseAJourWin32 : public ::testing::Test {
  protected:
    DossierTemporaire dossier;
    RegistreWin32 brut;
    Registre registre{brut, "Pensil", ','};
    FichiersWin32 fichiers;
    DialoguesWin32 dialogues;
    LanceurWin32 lanceur;
    Programme programme;

    void SetUp() override {
        ÉcritBrut(dossier / "Pensil.exe", "pensil");
        ÉcritBrut(dossier / "Remplo.exe", "remplo");
        CreateDirectoryW(VersUtf16(dossier / "Maj").c_str(), nullptr);
        programme = Programme::DepuisChemin(dossier / "Pensil.exe");
        Efface();
    }
    void TearDown() override { Efface(); }
    void Efface() {
        registre.RegistreEfface(Racine::HKLM, "Software\\Talmon\\Talmon", "RépertoireMiseAJour");
    }
    Variant Stocké() {
        return registre.ParamLit("RépertoireMiseAJour", std::string("Talmon"), true);
    }

    // Runs the check while a helper thread plays the steps in order.
    IssueMiseAJour Vérifie(std::vector<Étape>& étapes) {
        IssueMiseAJour issue{};
        ContexteMiseAJour c{registre, fichiers, dialogues, lanceur, programme};
        AvecUtilisateur(
            [&] { issue = MiseAJourVerifie(c); },
            [&] {
                for (auto& é : étapes) {
                    HWND box = AttendsFenêtre(GetCurrentProcessId(), L"#32770", é.titre);
                    if (!box) return;
                    é.vue = true;
                    if (HWND invite = GetDlgItem(box, SaisieIds::Invite);
                        invite && é.titre == "Talmon") {
                        é.texte = TexteDe(invite);
                        é.défaut = TexteDe(GetDlgItem(box, SaisieIds::Texte));
                        if (é.taper)
                            SetDlgItemTextW(box, SaisieIds::Texte, VersUtf16(é.tapé).c_str());
                    } else {
                        é.texte = TexteDe(GetDlgItem(box, 0xFFFF));  // a message box's text
                    }
                    PostMessageW(box, WM_COMMAND, MAKEWPARAM(é.bouton, BN_CLICKED),
                                 reinterpret_cast<LPARAM>(GetDlgItem(box, é.bouton)));
                    // The next box may carry the same caption: wait for this one to go.
                    AttendsQue([&] { return !IsWindow(box); });
                }
            });
        return issue;
    }
};

bool FinitPar(const std::string& s, const std::string& fin) {
    return s.size() >= fin.size() && s.compare(s.size() - fin.size(), fin.size(), fin) == 0;
}

}  // namespace

TEST_F(MiseAJourWin32, AnnulerNeStockeRien) {
    std::vector<Étape> étapes{{"Talmon", IDCANCEL}};
    EXPECT_EQ(Vérifie(étapes), IssueMiseAJour::Continuer);
    ASSERT_TRUE(étapes[0].vue);
    EXPECT_EQ(étapes[0].défaut, "");
    EXPECT_TRUE(FinitPar(étapes[0].texte, "automatique)"));
    EXPECT_TRUE(EstAbsent(Stocké()));
}

TEST_F(MiseAJourWin32, MoinsStockéPuisPlusJamaisDemandé) {
    std::vector<Étape> étapes{{"Talmon", IDOK, " - ", true}};
    EXPECT_EQ(Vérifie(étapes), IssueMiseAJour::Continuer);
    EXPECT_EQ(VersTexte(Stocké()), "-");
    // A second start asks nothing: the check returns without any box.
    ContexteMiseAJour c{registre, fichiers, dialogues, lanceur, programme};
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Continuer);
}

TEST_F(MiseAJourWin32, DossierTapéSansBarreStockéAvecElle) {
    std::vector<Étape> étapes{{"Talmon", IDOK, "  " + (dossier / "Maj") + " ", true}};
    EXPECT_EQ(Vérifie(étapes), IssueMiseAJour::Continuer);
    EXPECT_EQ(VersTexte(Stocké()), dossier / "Maj\\");
}

TEST_F(MiseAJourWin32, RemploAbsentNommeLeDossierDuProgramme) {
    DeleteFileW(VersUtf16(dossier / "Remplo.exe").c_str());
    const std::string attendu =
        "Je ne trouve pas le programme \"Remplo.exe\" dans le répertoire \"" + dossier.Chemin() +
        "\" qui me sert à tenir vos programmes à jour !";
    // While asking: M3, then the question again with the typed folder as default.
    std::vector<Étape> étapes{{"Talmon", IDOK, dossier / "Maj", true},
                              {"Talmon - Attention !", IDOK},
                              {"Talmon", IDCANCEL}};
    Vérifie(étapes);
    ASSERT_TRUE(étapes[2].vue);
    EXPECT_EQ(étapes[1].texte, attendu);
    EXPECT_EQ(étapes[2].défaut, dossier / "Maj\\");
    EXPECT_TRUE(EstAbsent(Stocké()));

    // With a stored folder: M1; Yes keeps it.
    registre.ParamEcrit("RépertoireMiseAJour", dossier / "Maj\\", std::string("Talmon"), true);
    std::vector<Étape> m1{{"Talmon - Attention", IDYES}};
    EXPECT_EQ(Vérifie(m1), IssueMiseAJour::Continuer);
    ASSERT_TRUE(m1[0].vue);
    EXPECT_EQ(m1[0].texte.rfind(attendu + "\r\nDésirez-vous CONSERVER", 0), 0u);
    EXPECT_EQ(VersTexte(Stocké()), dossier / "Maj\\");
}
