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
    bool Ouvre(const wchar_t* classe = ClasseEssai, DWORD style = WS_POPUP) {
        return Crée(GetModuleHandleW(nullptr), ClasseFenêtre{classe},
                    {.titre = L"Orvan essai kit", .style = style, .largeur = 400, .hauteur = 300});
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

// Refuses its creation (WM_CREATE returns -1) and, like the windows that own their object,
// deletes itself in Détruite.
class Refusée : public Fenêtre {
  public:
    explicit Refusée(int& détruites) : détruites_(détruites) {}
    bool Ouvre() {
        return Crée(GetModuleHandleW(nullptr), ClasseFenêtre{ClasseEssai},
                    {.style = WS_POPUP, .largeur = 100, .hauteur = 100});
    }

  private:
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_CREATE) return -1;
        return DefWindowProcW(hwnd_, msg, wp, lp);
    }
    void Détruite() override {
        ++détruites_;
        delete this;
    }
    int& détruites_;
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

// A failed creation leaves the object to its creator: no Détruite, which would delete it
// under Crée's feet and again in the creator's hands.
TEST(Fenetre, UneCreationRefuseeLaisseLObjetASonCreateur) {
    int détruites = 0;
    auto* f = new Refusée(détruites);
    const bool créée = f->Ouvre();
    ASSERT_EQ(détruites, 0);  // otherwise f is gone
    EXPECT_FALSE(créée);
    EXPECT_EQ(f->Handle(), nullptr);
    delete f;
}

// A class of the name with another procedure: nothing attached, no window left behind. A
// window of the kit's class made without an object is the system's alone.
TEST(Fenetre, SansObjetRienNEstAttache) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = L"Orvan.Essai.Etrangere";
    ASSERT_TRUE(RegisterClassExW(&wc));
    {
        Essai e;
        EXPECT_FALSE(e.Ouvre(wc.lpszClassName));
        EXPECT_EQ(e.Handle(), nullptr);
        EXPECT_EQ(FindWindowW(wc.lpszClassName, nullptr), nullptr);
    }
    Essai kit;
    ASSERT_TRUE(kit.Ouvre());
    HWND h = CreateWindowExW(0, ClasseEssai, L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                             instance, nullptr);
    ASSERT_TRUE(h);
    EXPECT_EQ(Fenêtre::De(h), nullptr);
    EXPECT_TRUE(DestroyWindow(h));
    EXPECT_EQ(kit.détruite, 0);
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

// A control moved is to be painted again, all of it, in a shown window: the system may
// otherwise copy its old pixels there and leave it blank until something else repaints it.
TEST(Fenetre, ControleReplaceEstARepeindre) {
    Essai e;
    ASSERT_TRUE(e.Ouvre(ClasseEssai, WS_POPUP | WS_CLIPCHILDREN));
    HWND b = e.ContrôleEnTwips(L"BUTTON", "Ok", WS_VISIBLE | BS_PUSHBUTTON, 1, {0, 0, 1215, 375});
    ShowWindow(e.Handle(), SW_SHOWNA);
    RedrawWindow(e.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT àPeindre{};
    ASSERT_FALSE(GetUpdateRect(b, &àPeindre, FALSE));
    for (const Cadre& place : {Cadre{120, 90, 1215, 375}, Cadre{2400, 1500, 1500, 450}}) {
        e.ContrôleReplace(b, place);
        RECT client{};
        GetClientRect(b, &client);
        EXPECT_TRUE(GetUpdateRect(b, &àPeindre, FALSE)) << place.gauche;
        EXPECT_TRUE(EqualRect(&àPeindre, &client)) << place.gauche;
        RedrawWindow(e.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}
