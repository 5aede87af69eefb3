// ListeWin32 over real controls: kinds and type names from the window classes, entries
// and item data of a LISTBOX and a COMBOBOX, and the list search running over them.
#include <windows.h>
#include <gtest/gtest.h>

#include "../doubles/Doubles.h"
#include "ListeCherche.h"
#include "ListeWin32.h"
#include "Utf16.h"

namespace {

// A hidden top-level window holding the controls; destroyed with them at the end.
class Fiche {
  public:
    Fiche() {
        parent_ = CreateWindowExW(0, L"STATIC", L"Orvan essai liste", WS_OVERLAPPEDWINDOW, 0, 0,
                                  400, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~Fiche() { DestroyWindow(parent_); }
    HWND Contrôle(const wchar_t* classe, DWORD style) {
        return CreateWindowExW(0, classe, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 150,
                               parent_, nullptr, GetModuleHandleW(nullptr), nullptr);
    }

  private:
    HWND parent_;
};

struct Entrée {
    const char* texte;
    int32_t donnée;
};
const Entrée kEntrées[] = {{"ABCDEF", 7}, {"ab", -5}, {"xyz", 0x7FFFFFFF}, {"Répertoire é", 0}};

void Remplit(HWND h, bool combo) {
    for (const auto& e : kEntrées) {
        const LRESULT i = SendMessageW(h, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                                       reinterpret_cast<LPARAM>(VersUtf16(e.texte).c_str()));
        SendMessageW(h, combo ? CB_SETITEMDATA : LB_SETITEMDATA, static_cast<WPARAM>(i),
                     static_cast<LPARAM>(e.donnée));
    }
}

}  // namespace

TEST(ListeWin32, GenreEtNomDeTypeSelonLaClasse) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrvanEssaiClasse";
    RegisterClassW(&wc);
    Fiche f;
    const struct {
        const wchar_t* classe;
        DWORD style;
        GenreListe genre;
        const char* nom;
    } cas[] = {
        {L"LISTBOX", 0, GenreListe::ListBox, "ListBox"},
        {L"ComboBox", CBS_DROPDOWNLIST, GenreListe::ComboBox, "ComboBox"},
        {L"EDIT", 0, GenreListe::Autre, "TextBox"},
        {L"STATIC", 0, GenreListe::Autre, "Label"},
        {L"BUTTON", BS_PUSHBUTTON, GenreListe::Autre, "CommandButton"},
        {L"BUTTON", BS_AUTOCHECKBOX, GenreListe::Autre, "CheckBox"},
        {L"BUTTON", BS_AUTORADIOBUTTON, GenreListe::Autre, "OptionButton"},
        {L"BUTTON", BS_GROUPBOX, GenreListe::Autre, "Frame"},
        {L"OrvanEssaiClasse", 0, GenreListe::Autre, "OrvanEssaiClasse"},
    };
    for (const auto& c : cas) {
        HWND h = f.Contrôle(c.classe, c.style);
        ASSERT_TRUE(h) << c.nom;
        ListeWin32 l(h);
        EXPECT_EQ(l.Genre(), c.genre) << c.nom;
        EXPECT_EQ(l.NomDeType(), c.nom);
    }
    ListeWin32 sansFenêtre(nullptr);
    EXPECT_EQ(sansFenêtre.Genre(), GenreListe::Autre);
    EXPECT_EQ(sansFenêtre.Nombre(), 0);
}

TEST(ListeWin32, EntreesEtDonneesDesListesEtCombos) {
    Fiche f;
    for (bool combo : {false, true}) {
        HWND h = combo ? f.Contrôle(L"COMBOBOX", CBS_DROPDOWNLIST) : f.Contrôle(L"LISTBOX", 0);
        Remplit(h, combo);
        ListeWin32 l(h);
        ASSERT_EQ(l.Nombre(), 4) << combo;
        for (int32_t i = 0; i < 4; ++i) {
            EXPECT_EQ(l.Texte(i), kEntrées[i].texte) << combo << i;
            EXPECT_EQ(l.Donnée(i), kEntrées[i].donnée) << combo << i;
        }
        for (int32_t horsLimites : {-1, 4, 1000}) {
            EXPECT_EQ(l.Texte(horsLimites), "");
            EXPECT_EQ(l.Donnée(horsLimites), 0);
        }
    }
}

TEST(ListeWin32, ListeVideEtAutresControlesSansEntrees) {
    Fiche f;
    EXPECT_EQ(ListeWin32(f.Contrôle(L"LISTBOX", 0)).Nombre(), 0);
    HWND champ = f.Contrôle(L"EDIT", 0);
    SetWindowTextW(champ, L"texte");
    ListeWin32 l(champ);
    EXPECT_EQ(l.Nombre(), 0);
    EXPECT_EQ(l.Texte(0), "");
}

// An owner-drawn list without strings keeps only data: its texts read as "".
TEST(ListeWin32, ListeDessineeSansChaines) {
    Fiche f;
    HWND h = f.Contrôle(L"LISTBOX", LBS_OWNERDRAWFIXED);
    SendMessageW(h, LB_ADDSTRING, 0, 1234);
    ListeWin32 l(h);
    ASSERT_EQ(l.Nombre(), 1);
    EXPECT_EQ(l.Texte(0), "");
    EXPECT_EQ(l.Donnée(0), 1234);
}

// The list search of the library over real controls.
TEST(ListeWin32, ListeChercheSurDeVraisControles) {
    Fiche f;
    HWND liste = f.Contrôle(L"LISTBOX", 0);
    HWND combo = f.Contrôle(L"COMBOBOX", CBS_DROPDOWNLIST);
    Remplit(liste, false);
    Remplit(combo, true);
    DialoguesScript d;
    for (HWND h : {liste, combo}) {
        ListeWin32 l(h);
        EXPECT_EQ(ListeCherche(l, std::string("abc*"), d), 0);
        EXPECT_EQ(ListeCherche(l, std::string("ab"), d), 1);
        EXPECT_EQ(ListeCherche(l, int32_t{0x7FFFFFFF}, d), 2);
        EXPECT_EQ(ListeCherche(l, int32_t{-5}, d), 1);
        EXPECT_EQ(ListeCherche(l, std::string("absent"), d), -1);
    }
    EXPECT_TRUE(d.boîtes.empty());
    EXPECT_EQ(ListeCherche(ListeWin32(f.Contrôle(L"EDIT", 0)), std::string("ab"), d), -1);
    ASSERT_EQ(d.boîtes.size(), 1u);
    EXPECT_NE(d.boîtes[0].texte.find("TextBox"), std::string::npos) << d.boîtes[0].texte;
}
