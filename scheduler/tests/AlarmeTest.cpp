// The message window's fitting to its label, in twips.
#include <gtest/gtest.h>

#include "Alarme.h"

TEST(Alarme, FenêtreAjustéeÀLÉtiquette) {
    constexpr double CadreX = 90, CadreY = 390, Travail = 19200;  // a 1280-pixel work area
    const DispositionAlarme conçue{2310, 1350},
        large{5330, 1350, {120, 120}, {2012.5, 480, 1215, 375}};
    const struct {
        const char* cas;
        DispositionAlarme avant;
        double eLargeur, eHauteur, largeur, hauteur, eLargeurFinale, okGauche, okHaut;
    } cas[] = {
        // Narrower than the designed window: width and button's left as designed.
        {"court", conçue, 1000, 600, 2310, 1725, 1000, 480, 840},
        // Wider: the label plus its margin on each side, the button centred under it.
        {"large", conçue, 5000.4, 600, 5330, 1725, 5000.4, 2012.7, 840},
        // A shorter text in a widened window: never narrows, the button stays.
        {"plus court ensuite", large, 1000, 300, 5330, 1425, 1000, 2012.5, 540},
        // Wider than the work area: the label is cut to it (it wraps), the window fills it.
        {"trop large", conçue, 40000, 900, 19200, 2025, 18870, 8947.5, 1140},
    };
    for (const auto& c : cas) {
        const DispositionAlarme d =
            AlarmeAjuste(c.avant, c.eLargeur, c.eHauteur, CadreX, CadreY, Travail);
        EXPECT_EQ(d.largeur, c.largeur) << c.cas;
        EXPECT_EQ(d.hauteur, c.hauteur) << c.cas;
        EXPECT_DOUBLE_EQ(d.e.largeur, c.eLargeurFinale) << c.cas;
        EXPECT_DOUBLE_EQ(d.ok.gauche, c.okGauche) << c.cas;
        EXPECT_EQ(d.ok.haut, c.okHaut) << c.cas;
    }
    EXPECT_EQ(LargeurÉtiquetteMax(300, CadreX), 0);  // never negative
}
