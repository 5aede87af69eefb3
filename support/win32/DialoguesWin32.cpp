// Message boxes, the beep, and the one-line input box: a dialog built in memory and laid
// out around its prompt when it opens.
#include "DialoguesWin32.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "Fenetre.h"
#include "Utf16.h"

namespace {

// An in-memory DLGTEMPLATE: WORDs, items aligned on DWORDs.
class ModèleDialogue {
  public:
    ModèleDialogue(DWORD style, const std::wstring& titre, WORD nbÉléments) {
        Dword(style);
        Dword(0);  // extended style
        w_.push_back(nbÉléments);
        for (int i = 0; i < 4; ++i) w_.push_back(0);  // x, y, cx, cy: laid out later
        w_.push_back(0);                              // no menu
        w_.push_back(0);                              // standard dialog class
        Texte(titre);
        w_.push_back(8);  // DS_SETFONT: point size and face
        Texte(L"MS Shell Dlg");
    }
    // An item of a predefined class (0x80 button, 0x81 edit, 0x82 static).
    void Élément(DWORD style, WORD id, WORD classe, const std::wstring& texte) {
        if (w_.size() % 2) w_.push_back(0);
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        for (int i = 0; i < 4; ++i) w_.push_back(i < 2 ? 0 : 10);
        w_.push_back(id);
        w_.push_back(0xFFFF);
        w_.push_back(classe);
        Texte(texte);
        w_.push_back(0);  // no creation data
    }
    const DLGTEMPLATE* Modèle() const { return reinterpret_cast<const DLGTEMPLATE*>(w_.data()); }

  private:
    void Dword(DWORD d) {
        w_.push_back(LOWORD(d));
        w_.push_back(HIWORD(d));
    }
    void Texte(const std::wstring& t) {
        w_.insert(w_.end(), t.begin(), t.end());
        w_.push_back(0);
    }
    std::vector<WORD> w_;
};

struct ÉtatSaisie {
    std::wstring invite, défaut, résultat;
};

// Places the prompt, the field and the buttons, sizes the dialog to them and centres it.
void DisposeSaisie(HWND dlg, const std::wstring& invite) {
    RECT u{7, 7, 50, 14};  // margins and button size in dialog units
    MapDialogRect(dlg, &u);
    const int marge = u.left, margeV = u.top, bw = u.right, bh = u.bottom;
    RECT l{180, 0, 320, 0};  // smallest and widest prompt
    MapDialogRect(dlg, &l);

    const ContexteFenêtre contexte(dlg,
                                   reinterpret_cast<HFONT>(SendMessageW(dlg, WM_GETFONT, 0, 0)));
    const HDC dc = contexte.get();
    const UINT format = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS;
    RECT naturel{0, 0, l.right, 0};
    DrawTextW(dc, invite.c_str(), -1, &naturel, format);
    int largeur = std::clamp(static_cast<int>(naturel.right), static_cast<int>(l.left),
                             static_cast<int>(l.right));
    RECT r{0, 0, largeur, 0};
    DrawTextW(dc, invite.c_str(), -1, &r, format | DT_WORDBREAK);
    // A very long prompt takes the screen's width rather than growing below its bottom.
    RECT travail{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &travail, 0);
    if (r.bottom > (travail.bottom - travail.top) * 2 / 3) {
        largeur =
            std::max(largeur, static_cast<int>(travail.right - travail.left) * 9 / 10 - 2 * marge);
        r = RECT{0, 0, largeur, 0};
        DrawTextW(dc, invite.c_str(), -1, &r, format | DT_WORDBREAK);
    }
    const int hauteur = r.bottom;

    int y = margeV;
    MoveWindow(GetDlgItem(dlg, SaisieIds::Invite), marge, y, largeur, hauteur, FALSE);
    y += hauteur + margeV;
    MoveWindow(GetDlgItem(dlg, SaisieIds::Texte), marge, y, largeur, bh, FALSE);
    y += bh + margeV;
    const int xAnnuler = marge + largeur - bw;
    MoveWindow(GetDlgItem(dlg, SaisieIds::Annuler), xAnnuler, y, bw, bh, FALSE);
    MoveWindow(GetDlgItem(dlg, SaisieIds::Ok), xAnnuler - bw - marge / 2, y, bw, bh, FALSE);
    y += bh + margeV;

    RECT cadre{0, 0, largeur + 2 * marge, y};
    AdjustWindowRectEx(&cadre, static_cast<DWORD>(GetWindowLongPtrW(dlg, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dlg, GWL_EXSTYLE)));
    SetWindowPos(dlg, nullptr, 0, 0, cadre.right - cadre.left, cadre.bottom - cadre.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    FeuilleCentre(dlg);
}

INT_PTR CALLBACK ProcSaisie(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG: {
            auto* état = reinterpret_cast<ÉtatSaisie*>(lp);
            SetWindowLongPtrW(dlg, DWLP_USER, lp);
            SetDlgItemTextW(dlg, SaisieIds::Invite, état->invite.c_str());
            SetDlgItemTextW(dlg, SaisieIds::Texte, état->défaut.c_str());
            DisposeSaisie(dlg, état->invite);
            HWND champ = GetDlgItem(dlg, SaisieIds::Texte);
            SetFocus(champ);
            SendMessageW(champ, EM_SETSEL, 0, -1);
            return FALSE;  // the focus is set
        }
        case WM_COMMAND:
            switch (LOWORD(wp)) {
                case IDOK: {
                    auto* état = reinterpret_cast<ÉtatSaisie*>(GetWindowLongPtrW(dlg, DWLP_USER));
                    HWND champ = GetDlgItem(dlg, SaisieIds::Texte);
                    état->résultat = TexteDeFenêtreW(champ);
                    EndDialog(dlg, IDOK);
                    return TRUE;
                }
                case IDCANCEL:
                    EndDialog(dlg, IDCANCEL);
                    return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

Réponse DialoguesWin32::Message(const std::string& texte, const std::string& titre,
                                unsigned drapeaux) {
    const int r = MessageBoxW(GetActiveWindow(), VersUtf16(texte).c_str(), VersUtf16(titre).c_str(),
                              drapeaux);
    return r == 0 ? Réponse::Annuler : static_cast<Réponse>(r);
}

std::string DialoguesWin32::Saisie(const std::string& invite, const std::string& titre,
                                   const std::string& défaut) {
    ModèleDialogue m(
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_SETFOREGROUND,
        VersUtf16(titre), 4);
    m.Élément(SS_LEFT | SS_NOPREFIX, SaisieIds::Invite, 0x82, L"");
    m.Élément(ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, SaisieIds::Texte, 0x81, L"");
    m.Élément(BS_DEFPUSHBUTTON | WS_TABSTOP, SaisieIds::Ok, 0x80, L"OK");
    m.Élément(BS_PUSHBUTTON | WS_TABSTOP, SaisieIds::Annuler, 0x80, L"Annuler");

    ÉtatSaisie état{VersUtf16(invite), VersUtf16(défaut), {}};
    const INT_PTR r =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), m.Modèle(), GetActiveWindow(),
                                ProcSaisie, reinterpret_cast<LPARAM>(&état));
    return r == IDOK ? DepuisUtf16(état.résultat) : std::string();
}

void DialoguesWin32::Bip() {
    MessageBeep(MB_OK);
}
