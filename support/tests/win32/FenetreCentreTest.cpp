// FeuilleCentre on real windows under Xvfb.
#include <gtest/gtest.h>

#include "Fenetre.h"

namespace {

HWND FenêtreEssai(int largeur, int hauteur, HWND parent = nullptr) {
    return CreateWindowExW(0, L"STATIC", L"Orvan essai centre",
                           parent ? WS_CHILD : WS_POPUP | WS_CAPTION, 5, 7, largeur, hauteur,
                           parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

RECT RectangleDe(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

}  // namespace

TEST(FenetresWin32, CentreSurLEcranSansChangerLaTaille) {
    const int écranL = GetSystemMetrics(SM_CXSCREEN), écranH = GetSystemMetrics(SM_CYSCREEN);
    const struct {
        int l, h, gauche, haut;
    } cas[] = {
        {300, 200, (écranL - 300) / 2, (écranH - 200) / 2},
        {301, 199, (écranL - 301) / 2, (écranH - 199) / 2},
        {écranL + 200, écranH + 100, 0, 0},  // larger than the screen: caption stays reachable
    };
    for (const auto& c : cas) {
        HWND h = FenêtreEssai(c.l, c.h);
        ASSERT_TRUE(h);
        FeuilleCentre(h);
        const RECT r = RectangleDe(h);
        EXPECT_EQ(r.left, c.gauche) << c.l;
        EXPECT_EQ(r.top, c.haut) << c.l;
        EXPECT_EQ(r.right - r.left, c.l);
        EXPECT_EQ(r.bottom - r.top, c.h);
        DestroyWindow(h);
    }
}

TEST(FenetresWin32, EnfantCentreSurLEcranAussi) {
    HWND parent = FenêtreEssai(800, 600);
    SetWindowPos(parent, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HWND enfant = FenêtreEssai(100, 50, parent);
    ASSERT_TRUE(enfant);
    FeuilleCentre(enfant);
    const RECT r = RectangleDe(enfant);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 100) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 50) / 2);
    DestroyWindow(parent);
    FeuilleCentre(nullptr);  // harmless
}
