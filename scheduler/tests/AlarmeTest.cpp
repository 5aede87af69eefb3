// The message window's fitting to its label, in twips.
#include <gtest/gtest.h>

#include <tuple>

#include "Alarme.h"

TEST(Alarme, FenêtreAjustéeÀLÉtiquette) {
    constexpr double CadreX = 90, CadreY = 390, Travail = 19200;  // a 1280-pixel work area
    const DispositionAlarme conçue{2310, 1350},
        large{5330, 1350, {120, 120}, {2012.5, 480, 1215, 375}};
    // Before, the label's size; after, the window's size, the label's width, the button's corner.
    // Wider than designed: the label and its margins, the button centred under it; a shorter
    // text then never narrows it; wider than the work area: the label cut to it (it wraps).
    const std::tuple<DispositionAlarme, double, double, double, double, double, double, double>
        cas[] = {{conçue, 5000.4, 600, 5330, 1725, 5000.4, 2012.7, 840},
                 {large, 1000, 300, 5330, 1425, 1000, 2012.5, 540},
                 {conçue, 40000, 900, 19200, 2025, 18870, 8947.5, 1140}};
    for (const auto& [avant, eL, eH, largeur, hauteur, eLargeur, okGauche, okHaut] : cas) {
        const DispositionAlarme d = AlarmeAjuste(avant, eL, eH, CadreX, CadreY, Travail);
        EXPECT_EQ(d.largeur, largeur) << eL;
        EXPECT_EQ(d.hauteur, hauteur) << eL;
        EXPECT_DOUBLE_EQ(d.e.largeur, eLargeur) << eL;
        EXPECT_DOUBLE_EQ(d.ok.gauche, okGauche) << eL;
        EXPECT_EQ(d.ok.haut, okHaut) << eL;
    }
    EXPECT_EQ(LargeurÉtiquetteMax(300, CadreX), 0);  // never negative
}
