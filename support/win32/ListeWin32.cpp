// Entries of a real list control, for the list search.
#include "ListeWin32.h"

#include "Texte.h"
#include "Utf16.h"

namespace {

std::wstring Classe(HWND h) {
    wchar_t nom[256] = {};
    const int n = h ? GetClassNameW(h, nom, 256) : 0;
    return std::wstring(nom, static_cast<size_t>(n > 0 ? n : 0));
}

bool Égal(const std::wstring& a, const char* b) {
    return Majuscules(DepuisUtf16(a)) == Majuscules(b);
}

std::string NomDuBouton(HWND h) {
    switch (GetWindowLongPtrW(h, GWL_STYLE) & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return "CheckBox";
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return "OptionButton";
        case BS_GROUPBOX:
            return "Frame";
        default:
            return "CommandButton";
    }
}

}  // namespace

ListeWin32::ListeWin32(HWND contrôle) : h_(contrôle), genre_(GenreListe::Autre) {
    const std::wstring classe = Classe(h_);
    if (Égal(classe, "ListBox")) {
        genre_ = GenreListe::ListBox;
        nomDeType_ = "ListBox";
    } else if (Égal(classe, "ComboBox")) {
        genre_ = GenreListe::ComboBox;
        nomDeType_ = "ComboBox";
    } else if (Égal(classe, "Edit")) {
        nomDeType_ = "TextBox";
    } else if (Égal(classe, "Static")) {
        nomDeType_ = "Label";
    } else if (Égal(classe, "Button")) {
        nomDeType_ = NomDuBouton(h_);
    } else {
        nomDeType_ = DepuisUtf16(classe);
    }
}

GenreListe ListeWin32::Genre() const {
    return genre_;
}

std::string ListeWin32::NomDeType() const {
    return nomDeType_;
}

int32_t ListeWin32::Nombre() const {
    LRESULT n = 0;
    if (genre_ == GenreListe::ListBox)
        n = SendMessageW(h_, LB_GETCOUNT, 0, 0);
    else if (genre_ == GenreListe::ComboBox)
        n = SendMessageW(h_, CB_GETCOUNT, 0, 0);
    return n > 0 ? static_cast<int32_t>(n) : 0;
}

std::string ListeWin32::Texte(int32_t i) const {
    if (i < 0 || i >= Nombre()) return {};
    const bool liste = genre_ == GenreListe::ListBox;
    // An owner-drawn list without strings answers the item data instead of a text.
    const LONG_PTR style = GetWindowLongPtrW(h_, GWL_STYLE);
    const LONG_PTR dessin = liste ? (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)
                                  : (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE);
    const LONG_PTR chaînes = liste ? LBS_HASSTRINGS : CBS_HASSTRINGS;
    if ((style & dessin) && !(style & chaînes)) return {};
    const LRESULT n =
        SendMessageW(h_, liste ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    if (n < 0) return {};
    std::wstring texte(static_cast<size_t>(n) + 1, L'\0');
    const LRESULT lu = SendMessageW(h_, liste ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(i),
                                    reinterpret_cast<LPARAM>(texte.data()));
    if (lu < 0) return {};
    texte.resize(static_cast<size_t>(std::min(lu, n)));
    return DepuisUtf16(texte);
}

int32_t ListeWin32::Donnée(int32_t i) const {
    if (i < 0 || i >= Nombre()) return 0;
    const LRESULT d =
        SendMessageW(h_, genre_ == GenreListe::ListBox ? LB_GETITEMDATA : CB_GETITEMDATA,
                     static_cast<WPARAM>(i), 0);
    // Item data holds the entry's 32-bit value; keep its low 32 bits, sign included.
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uintptr_t>(d)));
}
