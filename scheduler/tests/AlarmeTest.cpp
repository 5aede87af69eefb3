// The message window's fitting to its label, in twips.
#include <gtest/gtest.h>

#include "Alarme.h"

namespace {

constexpr double CadreX = 90, CadreY = 390, Travail = 19200;  // a 1280-pixel work area

DispositionAlarme Conçue() {
    DispositionAlarme d;
    d.largeur = 2220 + CadreX;
    d.hauteur = 960 + CadreY;
    return d;
}

}  // namespace

TEST(Alarme, FenêtreAjustéeÀLÉtiquette) {
    DispositionAlarme large = Conçue();
    large.largeur = 5330;
    large.ok.gauche = 2012.5;
    const struct {
        const char* cas;
        DispositionAlarme avant;
        double eLargeur, eHauteur;
        double largeur, hauteur, eLargeurFinale, okGauche, okHaut;
    } cas[] = {
        // Narrower than the designed window: width and button's left as designed.
        {"court", Conçue(), 1000, 600, 2310, 1725, 1000, 480, 840},
        // Wider: the label plus its margin on each side, the button centred under it.
        {"large", Conçue(), 5000, 600, 5330, 1725, 5000, 2012.5, 840},
        {"arrondi", Conçue(), 5000.4, 600, 5330, 1725, 5000.4, 2012.7, 840},
        // A shorter text in a widened window: never narrows, the button stays.
        {"plus court ensuite", large, 1000, 300, 5330, 1425, 1000, 2012.5, 540},
        // Wider than the work area: the label is cut to it (it wraps), the window fills it.
        {"trop large", Conçue(), 40000, 900, 19200, 2025, 18870, 8947.5, 1140},
    };
    for (const auto& c : cas) {
        const DispositionAlarme d =
            AlarmeAjuste(c.avant, c.eLargeur, c.eHauteur, CadreX, CadreY, Travail);
        EXPECT_EQ(d.largeur, c.largeur) << c.cas;
        EXPECT_EQ(d.hauteur, c.hauteur) << c.cas;
        EXPECT_EQ(d.e.gauche, 120) << c.cas;
        EXPECT_EQ(d.e.haut, 120) << c.cas;
        EXPECT_DOUBLE_EQ(d.e.largeur, c.eLargeurFinale) << c.cas;
        EXPECT_DOUBLE_EQ(d.ok.gauche, c.okGauche) << c.cas;
        EXPECT_EQ(d.ok.haut, c.okHaut) << c.cas;
        EXPECT_EQ(d.ok.largeur, 1215) << c.cas;
        EXPECT_EQ(d.ok.hauteur, 375) << c.cas;
        EXPECT_LE(d.largeur, Travail) << c.cas;
    }
}

TEST(Alarme, LargeurÉtiquetteMaxDansLaZoneDeTravail) {
    EXPECT_EQ(LargeurÉtiquetteMax(Travail, CadreX), 19200 - 240 - 90);
    EXPECT_EQ(LargeurÉtiquetteMax(300, CadreX), 0);  // never negative
}
