// A stored window position is used only when the window stays within reach.
#include <gtest/gtest.h>

#include "Placement.h"

namespace {

const Cadre Bureau{-19200, 0, 38400, 14400};  // two monitors, the second on the left

TEST(Placement, PositionStockéeSeulementAtteignable) {
    const struct {
        std::string texte;
        std::optional<double> gauche, haut;
    } cas[] = {
        {"1500\t900", 1500, 900},
        {"-19200\t0", -19200, 0},    // on the left monitor
        {"-30000\t0", {}, {}},       // a monitor since removed
        {"17700\t0", 17700, 0},      // its left 1500 twips on the desktop: enough
        {"17701\t0", {}, {}},        // less than the visible band
        {"0\t14100", 0, 14100},      // the title bar on the last line
        {"0\t14101", {}, {}},        // below
        {"0\t-1", {}, {}},           // the title bar above the desktop
        {"99999999999\t0", {}, {}},  // would not fit in pixels
        {"0\t1e300", {}, {}},
        {"1e400\t0", {}, {}},  // infinite
        {"abc\t0", {}, {}},
        {"100", {}, {}},
        {"", {}, {}},
        {"100\t200\textra", 100, 200},
        {PositionTexte({17700.4, 14099.6}), 17700, 14100},  // written in whole twips
    };
    for (const auto& c : cas) {
        const auto p = PositionDepuisTexte(c.texte, 7800, 6300, Bureau);
        EXPECT_EQ(p.has_value(), c.gauche.has_value()) << c.texte;
        if (p && c.gauche) {
            EXPECT_EQ(p->gauche, *c.gauche) << c.texte;
            EXPECT_EQ(p->haut, *c.haut) << c.texte;
            EXPECT_EQ(p->largeur, 7800);
        }
    }
}

// One centring rule for every window: centred on the screen, but never above or left of
// its corner (a larger window keeps its caption on the screen).
TEST(Placement, CentréSansDépasserLeCoin) {
    const Cadre écran{0, 0, 1280, 1024}, décalé{100, 50, 1280, 1024};
    const std::tuple<Cadre, double, double, double, double> cas[] = {
        {écran, 300, 200, 490, 412},
        {écran, 301, 199, 489.5, 412.5},
        {écran, 1480, 1124, 0, 0},
        {décalé, 1480, 200, 100, 462}};
    for (const auto& [é, largeur, hauteur, gauche, haut] : cas) {
        const Cadre f = Centré(largeur, hauteur, é);
        EXPECT_EQ(f.gauche, gauche) << largeur;
        EXPECT_EQ(f.haut, haut) << largeur;
    }
}

}  // namespace
