// The window kit on real windows under Xvfb: the object's life around its window, and
// controls placed in twips.
#include <gtest/gtest.h>

#include <vector>

#include "Fenetre.h"

namespace {

constexpr wchar_t ClasseEssai[] = L"Orvan.Essai.Fenetre";

// Records what reached it; deletes nothing.
class Essai : public Fenêtre {
  public:
    bool Ouvre() {
        return Crée(
            GetModuleHandleW(nullptr), ClasseFenêtre{ClasseEssai},
            {.titre = L"Orvan essai kit", .style = WS_POPUP, .largeur = 400, .hauteur = 300});
    }
    HWND poignéeÀLaCréation = nullptr;
    int détruite = 0;
    bool aprèsLaFin = false;  // a message reached the object after its window's end
    using Fenêtre::ContrôleEnTwips, Fenêtre::ContrôleReplace, Fenêtre::PoliceAjoute;

  private:
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_CREATE) poignéeÀLaCréation = hwnd_;
        if (détruite) aprèsLaFin = true;
        return DefWindowProcW(hwnd_, msg, wp, lp);
    }
    void Détruite() override { ++détruite; }
};

RECT RectangleClient(HWND enfant) {
    RECT r{};
    GetWindowRect(enfant, &r);
    MapWindowPoints(nullptr, GetParent(enfant), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

TEST(Fenetre, LObjetSuitSaFenetreDeLaCreationALaFin) {
    Essai e;
    ASSERT_TRUE(e.Ouvre());
    HWND h = e.Handle();
    EXPECT_EQ(e.poignéeÀLaCréation, h);  // attached before WM_CREATE
    EXPECT_EQ(Fenêtre::De(h), &e);
    EXPECT_EQ(Fenêtre::De(GetDesktopWindow()), nullptr);
    DestroyWindow(h);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(e.Handle(), nullptr);
    EXPECT_EQ(e.détruite, 1);
    EXPECT_FALSE(e.aprèsLaFin);
}

TEST(Fenetre, UnObjetDetruitEmporteSaFenetre) {
    HWND h = nullptr;
    {
        Essai e;
        ASSERT_TRUE(e.Ouvre());
        h = e.Handle();
    }
    EXPECT_FALSE(IsWindow(h));
}

TEST(Fenetre, ControlePlaceEnTwips) {
    Essai parent;
    ASSERT_TRUE(parent.Ouvre());
    const struct {
        Dpi dpi;
        Cadre place;
        RECT attendu;
    } cas[] = {
        {{96, 96}, {120, 90, 5850, 480}, {8, 6, 8 + 390, 6 + 32}},
        {{120, 144}, {120, 90, 5850, 480}, {10, 9, 10 + 488, 9 + 48}},  // 487.5 rounds up
        // Each edge and size on its own (10 + 10 twips are 1 + 1 pixels, not 1), fractions of
        // a twip dropped (22.9 is 22, 1.47 pixels, not 23, 1.53).
        {{96, 96}, {10, 22.9, 10, 30}, {1, 1, 2, 3}},
    };
    for (const auto& c : cas) {
        HWND b = ContrôleCrée(parent.Handle(), L"BUTTON", "Unités à traiter", BS_PUSHBUTTON, 42,
                              c.place, c.dpi);
        ASSERT_TRUE(b);
        const RECT r = RectangleClient(b);
        EXPECT_EQ(r.left, c.attendu.left) << c.dpi.x;
        EXPECT_EQ(r.top, c.attendu.top) << c.dpi.x;
        EXPECT_EQ(r.right, c.attendu.right) << c.dpi.x;
        EXPECT_EQ(r.bottom, c.attendu.bottom) << c.dpi.x;
        EXPECT_EQ(GetDlgCtrlID(b), 42);
        EXPECT_TRUE(GetWindowLongPtrW(b, GWL_STYLE) & WS_CHILD);
        EXPECT_EQ(TexteDeFenêtre(b), "Unités à traiter");
        DestroyWindow(b);
    }
}

TEST(Fenetre, ControleRecoitLaPoliceDonnee) {
    Essai parent;
    ASSERT_TRUE(parent.Ouvre());
    Police gras = PoliceMessage(true);
    ASSERT_TRUE(gras);
    HWND s = ContrôleCrée(parent.Handle(), L"STATIC", "", SS_LEFT, 1, {}, Dpi{}, gras.get());
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(s, WM_GETFONT, 0, 0)), gras.get());
    LOGFONTW lf{};
    GetObjectW(gras.get(), sizeof lf, &lf);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
}

// A new DPI (the message's) remakes the fonts and places the controls again from their twips.
TEST(Fenetre, NouveauDpiRefaitPolicesEtPlacesEnTwips) {
    Essai e;
    ASSERT_TRUE(e.Ouvre());
    const HFONT police = e.PoliceAjoute([](const Dpi& d) { return PoliceMessage(false, d); });
    HWND b = e.ContrôleEnTwips(L"BUTTON", "Ok", BS_PUSHBUTTON, 1, {0, 0, 300, 300}, police);
    e.ContrôleReplace(b, {120, 90, 1215, 375});
    LOGFONTW avant{}, après{};
    GetObjectW(police, sizeof avant, &avant);
    RECT proposé{30, 40, 630, 490};
    SendMessageW(e.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&proposé));
    const RECT r = RectangleClient(b), attendu{12, 9, 134, 47};  // 121.5 and 37.5 round up
    EXPECT_TRUE(EqualRect(&r, &attendu)) << r.right << "," << r.bottom;
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(b, WM_GETFONT, 0, 0)), sizeof après, &après);
    EXPECT_NEAR(après.lfHeight, avant.lfHeight * 3 / 2, 1);
}
