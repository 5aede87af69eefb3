// The window's placement from its stored settings, and the layout of its controls.
#include <gtest/gtest.h>

#include "Geometrie.h"
#include "Valeurs.h"

namespace {

const Cadre Écran{0, 0, 19200, 14400};        // 1280 x 960 pixels at 96 DPI
const Cadre Bureau{-19200, 0, 38400, 14400};  // a second monitor on the left

Placement Lit(const std::string& h, const std::string& ha, const std::string& g,
              const std::string& l) {
    return PlacementDepuisTextes(h, ha, g, l, Écran, Bureau);
}

}  // namespace

// Stored geometry values are read with LireNombre.
TEST(LireNombre, GéométrieStockée) {
    struct Cas {
        const char* texte;
        std::optional<double> valeur;
    } cas[] = {
        {"1234", 1234}, {" 1234 ", 1234}, {"-60", -60}, {"+5", 5}, {"12.5", 12.5},
        {"12,5", 12.5}, {"0", 0},         {"", {}},     {" ", {}}, {"abc", {}},
        {"12a", {}},    {"1.2.3", {}},    {"-", {}},    {".", {}}, {"1e3", 1000},
    };
    for (const auto& c : cas) EXPECT_EQ(LireNombre(c.texte), c.valeur) << c.texte;
    EXPECT_FALSE(LireNombre(std::string(400, '9')));  // would overflow to infinity
}

TEST(Placement, SansHautCentréÀLaTailleParDéfaut) {
    for (const char* haut : {"", "  "}) {
        const auto p = Lit(haut, "4000", "100", "7000");
        EXPECT_TRUE(p.centrée);
        EXPECT_EQ(p.fenêtre.largeur, LargeurDéfaut);
        EXPECT_EQ(p.fenêtre.hauteur, HauteurDéfaut);
        EXPECT_EQ(p.fenêtre.gauche, (19200 - LargeurDéfaut) / 2);
        EXPECT_EQ(p.fenêtre.haut, (14400 - HauteurDéfaut) / 2);
    }
}

TEST(Placement, ValeursEnregistréesGardées) {
    const auto p = Lit("1500", "4000", "-9000", "7000");  // on the left monitor
    EXPECT_FALSE(p.centrée);
    EXPECT_EQ(p.fenêtre.haut, 1500);
    EXPECT_EQ(p.fenêtre.hauteur, 4000);
    EXPECT_EQ(p.fenêtre.gauche, -9000);
    EXPECT_EQ(p.fenêtre.largeur, 7000);
}

TEST(Placement, ValeurQuiNEstPasUnNombreCentre) {
    for (const auto& v : std::vector<std::vector<std::string>>{{"x", "4000", "0", "7000"},
                                                               {"0", "", "0", "7000"},
                                                               {"0", "4000", "1.2.3", "7000"},
                                                               {"0", "4000", "0", "large"}}) {
        const auto p = Lit(v[0], v[1], v[2], v[3]);
        EXPECT_TRUE(p.centrée) << v[0] << v[1] << v[2] << v[3];
        EXPECT_EQ(p.fenêtre.largeur, LargeurDéfaut);
    }
}

TEST(Placement, TailleRameneeEntreMinimumEtBureau) {
    const auto petit = Lit("0", "10", "0", "-5");
    EXPECT_EQ(petit.fenêtre.largeur, LargeurMinimum);
    EXPECT_EQ(petit.fenêtre.hauteur, HauteurMinimum);
    const auto grand = Lit("0", "99999", "-19200", "99999");
    EXPECT_FALSE(grand.centrée);
    EXPECT_EQ(grand.fenêtre.largeur, Bureau.largeur);
    EXPECT_EQ(grand.fenêtre.hauteur, Bureau.hauteur);
    // Off the desktop and larger than the screen: centred at the screen's corner.
    const auto coin = Lit("0", "99999", "-60000", "30000");
    EXPECT_TRUE(coin.centrée);
    EXPECT_EQ(coin.fenêtre.largeur, 30000);
    EXPECT_TRUE(coin.fenêtre.gauche == Écran.gauche && coin.fenêtre.haut == Écran.haut);
}

TEST(Placement, PositionHorsDuBureauCentréeÀLaTailleEnregistrée) {
    struct Cas {
        const char *haut, *gauche;
        bool centrée;
    } cas[] = {
        {"-1", "0", true},                              // caption above the desktop
        {"14100", "0", false},                          // caption just on it
        {"14101", "0", true},                           // below
        {"0", "17700", false},                          // 1500 twips still visible on the right
        {"0", "17701", true},  {"0", "-31700", false},  // 1500 twips visible on the left monitor
        {"0", "-31701", true}, {"0", "-60000", true},
    };
    for (const auto& c : cas) {
        const auto p = Lit(c.haut, "4000", c.gauche, "14000");
        EXPECT_EQ(p.centrée, c.centrée) << c.haut << " " << c.gauche;
        EXPECT_EQ(p.fenêtre.largeur, 14000);
        EXPECT_EQ(p.fenêtre.hauteur, 4000);
        if (c.centrée) {
            EXPECT_EQ(p.fenêtre.gauche, (19200 - 14000) / 2);
        }
    }
}

TEST(Disposition, TexteEtBoutonSuiventLaFenêtre) {
    const auto d = DispositionCalcule(9000, 6000, 1215, 375);
    EXPECT_EQ(d.t.gauche, 120);
    EXPECT_EQ(d.t.haut, 120);
    EXPECT_EQ(d.t.largeur, 9000 - 345);
    EXPECT_EQ(d.t.hauteur, 6000 - 1170);
    EXPECT_EQ(d.bOk.haut, d.t.hauteur + 240);
    EXPECT_EQ(d.bOk.gauche + d.bOk.largeur, d.t.gauche + d.t.largeur);
    EXPECT_EQ(d.bOk.largeur, 1215);
    EXPECT_EQ(d.bOk.hauteur, 375);
}

TEST(Disposition, FenêtreTropPetiteRameneeAuMinimum) {
    const auto d = DispositionCalcule(100, 3249, 1215, 375);
    EXPECT_EQ(d.largeur, 6000);
    EXPECT_EQ(d.hauteur, 3250);
    EXPECT_EQ(d.t.largeur, 6000 - 345);
    EXPECT_EQ(d.t.hauteur, 3250 - 1170);
    EXPECT_EQ(d.bOk.gauche, 120 + 6000 - 345 - 1215);
}
