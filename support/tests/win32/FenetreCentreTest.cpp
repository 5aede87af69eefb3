// The kit's window helpers on real windows under Xvfb.
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

// A maximised or minimised window stores the rectangle it has restored, on the screen.
TEST(FenetresWin32, GeometrieDUneFenetreAgrandieOuReduite) {
    HWND h = FenêtreEssai(300, 200);
    const Dpi dpi = DpiÉcran();
    for (int état : {SW_SHOWNORMAL, SW_MAXIMIZE, SW_MINIMIZE}) {
        ShowWindow(h, état);
        const Cadre g = GéométrieTwips(h);
        EXPECT_EQ(g.gauche, PixelsEnTwipsX(5, dpi)) << état;
        EXPECT_EQ(g.haut, PixelsEnTwipsY(7, dpi)) << état;
        EXPECT_EQ(g.largeur, PixelsEnTwipsX(300, dpi)) << état;
        ShowWindow(h, SW_RESTORE);
    }
    DestroyWindow(h);
}

// The extent fits the widest line; a list filled again shows its left edge.
TEST(FenetresWin32, EtendueDeListeEtListeRefaiteAGauche) {
    HWND parent = FenêtreEssai(400, 300);
    HWND l = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_HSCROLL, 0, 0, 200, 150,
                             parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(parent, SW_SHOW);
    const std::wstring longue(300, L'W');
    SIZE t{};
    const auto police = reinterpret_cast<HFONT>(SendMessageW(l, WM_GETFONT, 0, 0));
    GetTextExtentPoint32W(ContexteFenêtre(l, police).get(), longue.c_str(), 300, &t);
    SendMessageW(l, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"court"));
    ListeÉtendueAjuste(l);
    EXPECT_LT(SendMessageW(l, LB_GETHORIZONTALEXTENT, 0, 0), t.cx);
    SendMessageW(l, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(longue.c_str()));
    ListeÉtendueAjuste(l, 1);  // the added line alone: the extent widens
    EXPECT_GE(SendMessageW(l, LB_GETHORIZONTALEXTENT, 0, 0), t.cx);
    SendMessageW(l, WM_HSCROLL, MAKEWPARAM(SB_RIGHT, 0), 0);
    ASSERT_GT(GetScrollPos(l, SB_HORZ), 0);
    ListeÉtendueAjuste(l);
    EXPECT_EQ(GetScrollPos(l, SB_HORZ), 0);
    EXPECT_GE(SendMessageW(l, LB_GETHORIZONTALEXTENT, 0, 0), t.cx);
    DestroyWindow(parent);
}
