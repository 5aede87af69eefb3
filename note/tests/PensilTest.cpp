// Pensil's start-up over the doubles: counter, geometry settings, note file.
#include <gtest/gtest.h>

#include "Doubles.h"
#include "Pensil.h"
#include "Registre.h"
#include "RegistreMemoire.h"

namespace {

const Cadre Écran{0, 0, 19200, 14400};
const std::string Section = "Software\\Talmon\\Pensil";

struct Pensil : ::testing::Test {
    RegistreMémoire brut;
    Registre registre{brut, "Pensil", ','};
    FichiersMémoire fichiers;
    DialoguesScript dialogues;
    Programme programme = Programme::DepuisChemin("C:\\Vud\\Pensil.exe");

    ÉtatPensil Démarre() {
        return PensilDémarre(registre, fichiers, dialogues, programme, Écran, Écran);
    }
    std::string Param(const std::string& nom) {
        auto v = brut.Lit(Racine::HKCU, Section, nom);
        return v ? v->données : "(absent)";
    }
};

}  // namespace

TEST_F(Pensil, PremierDémarrageCompteCréeLaNoteEtCentre) {
    const auto état = Démarre();
    auto compteur = brut.Lit(Racine::HKLM, "Software\\Talmon\\Talmon", "Pensil");
    ASSERT_TRUE(compteur);
    EXPECT_EQ(compteur->données.c_str(), std::string("1"));
    EXPECT_EQ(état.chemin, "C:\\Vud\\tel.txt");
    EXPECT_TRUE(fichiers.Existe("C:\\Vud\\tel.txt"));
    EXPECT_EQ(état.note.texte + "\r\n", NoteDéfaut());
    EXPECT_TRUE(état.placement.centrée);
    EXPECT_TRUE(dialogues.boîtes.empty());

    Démarre();
    EXPECT_EQ(brut.Lit(Racine::HKLM, "Software\\Talmon\\Talmon", "Pensil")->données.c_str(),
              std::string("2"));
}

TEST_F(Pensil, GéométrieÉcriteEnTwipsEntiersPuisRelue) {
    PlacementÉcrit(registre, {1500.4, 900, 7000, 4000.6});
    EXPECT_EQ(Param("Top").c_str(), std::string("900"));
    EXPECT_EQ(Param("Height").c_str(), std::string("4001"));
    EXPECT_EQ(Param("Left").c_str(), std::string("1500"));
    EXPECT_EQ(Param("Width").c_str(), std::string("7000"));
    const auto p = Démarre().placement;
    EXPECT_FALSE(p.centrée);
    EXPECT_EQ(p.fenêtre.haut, 900);
    EXPECT_EQ(p.fenêtre.gauche, 1500);
    EXPECT_EQ(p.fenêtre.largeur, 7000);
    EXPECT_EQ(p.fenêtre.hauteur, 4001);
}

TEST_F(Pensil, GéométrieIllisibleCentre) {
    struct Cas {
        const char* nom;
        uint32_t type;
        std::string données;
    } cas[] = {
        {"Top", RegistreMémoire::TypeDword, std::string("\x10\0\0\0", 4)},  // not text
        {"Width", RegistreBrut::TypeTexte, std::string("abc\0", 4)},
        {"Top", RegistreBrut::TypeTexte, std::string("\0", 1)},  // empty
    };
    for (const auto& c : cas) {
        PlacementÉcrit(registre, {0, 0, 7000, 4000});
        brut.PoseValeur(Racine::HKCU, Section, c.nom, c.type, c.données);
        EXPECT_TRUE(Démarre().placement.centrée) << c.nom;
    }
}
