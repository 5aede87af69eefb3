// F_Journal: Horlo.log in a report-style virtual list that fills the window above "Fermer".
#include "F_Journal.h"

#include <commctrl.h>

#include <algorithm>

#include "Feuilles.h"
#include "Journal.h"
#include "Utf16.h"

namespace {

F_Journal* ouvert = nullptr;  // the open journal window

// The layout in twips: the client area made at first, the margin, the button, the columns.
constexpr double LargeurClient = 11100, HauteurClient = 5400, Marge = 120;
constexpr double LargeurBouton = 1215, HauteurBouton = 375;
constexpr double LargeursColonnes[3] = {1400, 3400, 6000};
constexpr const wchar_t* TitresColonnes[3] = {L"Moment", L"T\u00E2che", L"\u00C9v\u00E9nement"};

}  // namespace

HWND F_JournalOuvre(const ContexteJournal& c) {
    if (ouvert) {
        if (IsIconic(ouvert->Handle())) ShowWindow(ouvert->Handle(), SW_RESTORE);
        SetForegroundWindow(ouvert->Handle());
        return ouvert->Handle();
    }
    auto* f = new F_Journal(c);
    ouvert = f;
    if (!f->Crée()) {
        delete f;
        return nullptr;
    }
    return f->Handle();
}

F_Journal::~F_Journal() {
    if (ouvert == this) ouvert = nullptr;
}

bool F_Journal::Crée() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    const SIZE t = TailleExtérieure(LargeurClient, HauteurClient, style, 0, dpi_);
    if (!Fenêtre::Crée(c_.instance, {IdsJournal::Classe},
                       {L"Journal de Horlo", style, 0, CW_USEDEFAULT, CW_USEDEFAULT, t.cx, t.cy}))
        return false;
    const HFONT police = PoliceAjoute([](const Dpi& dpi) { return PoliceMessage(false, dpi); });
    lJournal_ = ContrôleEnTwips(WC_LISTVIEWW, "",
                                WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_OWNERDATA |
                                    LVS_SHOWSELALWAYS | LVS_SINGLESEL,
                                IdsJournal::lJournal, {}, police);
    bFermer_ = ContrôleEnTwips(L"BUTTON", "Fermer", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                               IdsJournal::bFermer, {}, police);
    if (!lJournal_ || !bFermer_) return false;
    SendMessageW(lJournal_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                 LVS_EX_FULLROWSELECT);
    for (int k = 0; k < 3; ++k) {
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.pszText = const_cast<wchar_t*>(TitresColonnes[k]);
        col.cx = TwipsEnPixelsX(LargeursColonnes[k], dpi_);
        SendMessageW(lJournal_, LVM_INSERTCOLUMNW, k, reinterpret_cast<LPARAM>(&col));
    }
    Form_Resize();
    PositionRestaure(hwnd_, NomFeuille, c_.registre);
    Timer1_Timer(true);
    // Another program's write to the journal shows within a second; a tick reads only the
    // file's date and size when nothing changed.
    SetTimer(hwnd_, IdsJournal::MinuterieId, 1000, nullptr);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
    SetFocus(lJournal_);
    return true;
}

void F_Journal::Timer1_Timer(bool toujours) {
    const std::string chemin = CheminJournal(c_.horlo);
    // Noted before the reading: a write during it shows at the next tick.
    const EmpreinteJournal e = JournalEmpreinte(c_.horlo.fichiers, chemin);
    if (!toujours && e == empreinte_) return;
    empreinte_ = e;
    lignes_ = JournalLit(c_.horlo.fichiers, chemin);
    SendMessageW(lJournal_, LVM_SETITEMCOUNT, lignes_.size(), LVSICF_NOINVALIDATEALL);
    InvalidateRect(lJournal_, nullptr, TRUE);
}

void F_Journal::Cellule(NMLVDISPINFOW& d) const {
    LVITEMW& item = d.item;
    if (!(item.mask & LVIF_TEXT) || item.iItem < 0 ||
        static_cast<size_t>(item.iItem) >= lignes_.size() || item.iSubItem < 0 || item.iSubItem > 2)
        return;
    const LigneLue& l = lignes_[static_cast<size_t>(item.iItem)];
    cellule_ = VersUtf16(item.iSubItem == 0   ? l.moment
                         : item.iSubItem == 1 ? l.tâche
                                              : l.événement);
    item.pszText = cellule_.data();
}

void F_Journal::Form_Resize() {
    if (!lJournal_ || !bFermer_) return;  // WM_SIZE of the creation, before the controls
    RECT r{};
    GetClientRect(hwnd_, &r);
    const double l = PixelsEnTwipsX(r.right, dpi_), h = PixelsEnTwipsY(r.bottom, dpi_);
    const double basListe = std::max(0.0, h - 2 * Marge - HauteurBouton);
    ContrôleReplace(lJournal_, {0, 0, l, basListe});
    ContrôleReplace(bFermer_, {std::max(0.0, l - Marge - LargeurBouton), basListe + Marge,
                               LargeurBouton, HauteurBouton});
}

void F_Journal::DpiChangé() {
    for (int k = 0; k < 3; ++k)
        SendMessageW(lJournal_, LVM_SETCOLUMNWIDTH, k, TwipsEnPixelsX(LargeursColonnes[k], dpi_));
    Form_Resize();
}

void F_Journal::bFermer_Click() {
    PositionSauve(hwnd_, NomFeuille, c_.registre);
    DestroyWindow(hwnd_);
}

void F_Journal::Détruite() {
    delete this;
}

LRESULT F_Journal::Message(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            if (LOWORD(wp) == IdsJournal::bFermer) bFermer_Click();
            return 0;
        case WM_NOTIFY: {
            auto* n = reinterpret_cast<NMHDR*>(lp);
            if (n->hwndFrom == lJournal_ && n->code == LVN_GETDISPINFOW)
                Cellule(*reinterpret_cast<NMLVDISPINFOW*>(lp));
            return 0;
        }
        case WM_TIMER:
            if (wp == IdsJournal::MinuterieId) Timer1_Timer();
            return 0;
        case WM_SIZE:
            if (wp != SIZE_MINIMIZED) Form_Resize();
            return 0;
        case WM_GETMINMAXINFO: {
            // Room for the button and a few lines.
            const SIZE t = TailleExtérieure(LargeurBouton + 2 * Marge, 4 * HauteurBouton,
                                            WS_OVERLAPPEDWINDOW, 0, dpi_);
            reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = {t.cx, t.cy};
            return 0;
        }
        case WM_CLOSE:  // Alt+F4 and the close box, as "Fermer"
            bFermer_Click();
            return 0;
        case WM_DESTROY:
            KillTimer(hwnd_, IdsJournal::MinuterieId);
            return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}
