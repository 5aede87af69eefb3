// F_Main: Nettix's main window. Handlers read the controls and call the logic of
// cleaner/Nettix.h; the logic tells the window what to show through VueNettix.
#include "F_Main.h"

#include <commctrl.h>

#include "F_Help.h"
#include "Fenetre.h"
#include "IdsNettix.h"
#include "Texte.h"
#include "Utf16.h"

namespace {

constexpr double LargeurClient = 6090, HauteurFenêtre = 3720, HautDeLDel = 900;
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr ULONGLONG IntervalleCession = 25;     // ms between two yields, well under 50
constexpr ULONGLONG IntervalleAffichage = 250;  // ms between two drawings of the progress

}  // namespace

F_Main::F_Main(const Paramètres& p) : p_(p), modèle_(p.p, p.listeur, p.fichiers, *this, p.trace) {}

F_Main::~F_Main() {
    if (hwnd_) DestroyWindow(hwnd_);  // while the object still hears WM_DESTROY
}

bool F_Main::Crée(HINSTANCE instance) {
    instance_ = instance;

    if (!Fenêtre::Crée(instance, {IdsNettix::ClasseMain},
                       {.titre = VersUtf16(p_.version + TitreNettix).c_str(),
                        .style = Style,
                        .largeur = TailleExtérieure(LargeurClient, 0, Style, 0, dpi_).cx,
                        .hauteur = TwipsEnPixelsY(HauteurFenêtre, dpi_)}))
        return false;
    FeuilleCentre(hwnd_);

    police_ = PoliceAjoute([](const Dpi& dpi) { return PoliceMessage(false, dpi); });
    const HFONT gras = PoliceAjoute([](const Dpi& dpi) { return PoliceMessage(true, dpi); });
    const HFONT normale = police_, grasse = gras ? gras : normale;
    const auto contrôle = [&](const wchar_t* classe, const std::string& texte, DWORD style, int id,
                              const Cadre& place, HFONT police = nullptr, DWORD exStyle = 0) {
        return ContrôleEnTwips(classe, texte, style, id, place, police ? police : normale, exStyle);
    };

    // The input panel pSaisie.
    const DWORD vu = WS_VISIBLE, tab = WS_TABSTOP;
    z_ = contrôle(L"STATIC",
                  "Ce programme efface les fichiers temporaires (extensions sélectionnées) sur "
                  "les unités sélectionnées.",
                  vu | SS_LEFT, IdsNettix::z, {120, 90, 5850, 480}, grasse);
    fUnités_ = contrôle(L"BUTTON", "Unités à traiter", vu | BS_GROUPBOX, IdsNettix::fUnités,
                        {120, 660, 2300, 2460});
    bLocal_ = contrôle(L"BUTTON", "Local", vu | tab | BS_PUSHBUTTON, IdsNettix::bLocal,
                       {240, 930, 1000, 345});
    lUnités_ = contrôle(L"LISTBOX", "",
                        vu | tab | WS_VSCROLL | LBS_MULTIPLESEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                        IdsNettix::lUnités, {240, 1350, 2060, 1650}, normale, WS_EX_CLIENTEDGE);
    fExt_ = contrôle(L"BUTTON", "Extensions temporaires", vu | BS_GROUPBOX, IdsNettix::fExt,
                     {2540, 660, 2250, 2460});
    lExt_ = contrôle(L"LISTBOX", "",
                     vu | tab | WS_VSCROLL | LBS_MULTIPLESEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                     IdsNettix::lExt, {2660, 930, 2010, 2070}, normale, WS_EX_CLIENTEDGE);
    bGo_ = contrôle(L"BUTTON", "Recenser", vu | tab | BS_DEFPUSHBUTTON, IdsNettix::bGo,
                    {4920, 750, 1050, 420}, grasse);
    bVud_ = contrôle(L"BUTTON", "Aide", vu | tab | BS_PUSHBUTTON, IdsNettix::bVud,
                     {4920, 1290, 1050, 375});
    // The execution panel pExec, at the same place, hidden.
    eExec_ = contrôle(L"STATIC", "Fichiers à supprimer", SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS,
                      IdsNettix::eExec, {120, 120, 5850, 255});
    eTaille_ = contrôle(L"STATIC", "0 bytes", SS_LEFT, IdsNettix::eTaille, {120, 480, 2450, 255});
    bAuto_ =
        contrôle(L"BUTTON", "Auto", tab | BS_PUSHBUTTON, IdsNettix::bAuto, {2640, 420, 1050, 375});
    bEffacer_ = contrôle(L"BUTTON", "Effacer", tab | BS_PUSHBUTTON, IdsNettix::bEffacer,
                         {2640, 420, 1050, 375}, grasse);
    bConserver_ = contrôle(L"BUTTON", "Conserver", tab | BS_PUSHBUTTON, IdsNettix::bConserver,
                           {3780, 420, 1050, 375});
    bAnn_ = contrôle(L"BUTTON", "Annuler", tab | BS_PUSHBUTTON, IdsNettix::bAnn,
                     {4920, 420, 1050, 375});
    // The file list holds no text of its own: its lines are drawn from the model, so that
    // a line costs the same to add, keep or delete whatever the list's length.
    lDel_ = contrôle(L"LISTBOX", "",
                     tab | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                         LBS_NODATA | LBS_OWNERDRAWFIXED,
                     IdsNettix::lDel, {120, HautDeLDel, 5850, 2250}, normale, WS_EX_CLIENTEDGE);
    if (lDel_) {
        // Other programs (accessibility tools, the tests) read the lines with LB_GETTEXT,
        // which the system carries across processes only to a list marked as holding
        // strings: marked so after its creation, the list answers from the model.
        // (The common controls' SetWindowSubclass costs some 90 us a message under Wine.)
        SetWindowLongPtrW(lDel_, GWL_STYLE, GetWindowLongPtrW(lDel_, GWL_STYLE) | LBS_HASSTRINGS);
        SetWindowLongPtrW(lDel_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        procListe_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            lDel_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&F_Main::ListeTextes)));
    }
    défaut_ = IdsNettix::bGo;
    return bGo_ && lDel_;
}

void F_Main::DpiChangé() {
    police_ = reinterpret_cast<HFONT>(SendMessageW(lDel_, WM_GETFONT, 0, 0));
    SendMessageW(lDel_, LB_SETITEMHEIGHT, 0, HauteurDeLigne());
    ListeÉtendueAjuste(lDel_);
}

int F_Main::HauteurDeLigne() const {
    const ContexteFenêtre dc(
        hwnd_, police_ ? police_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc.get(), &tm);
    return tm.tmHeight;
}

void F_Main::ListesRemplit() {
    const auto remplit = [](HWND l, const ListeChoix& liste) {
        SendMessageW(l, LB_RESETCONTENT, 0, 0);
        for (int32_t i = 0; i < liste.Nombre(); ++i) {
            SendMessageW(l, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(VersUtf16(liste.Texte(i)).c_str()));
            SendMessageW(l, LB_SETSEL, liste.Choisie(i) ? TRUE : FALSE, i);
        }
    };
    remplit(lUnités_, p_.p.unités);
    remplit(lExt_, p_.p.extensions);
    EnableWindow(bGo_, RecenserPermis(p_.p));
}

void F_Main::Affiche(int afficher) {
    ShowWindow(hwnd_, afficher);
    UpdateWindow(hwnd_);
    SetFocus(IsWindowEnabled(bGo_) ? bGo_ : lUnités_);
}

// The text messages of the file list, answered from the model's lines.
LRESULT CALLBACK F_Main::ListeTextes(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    const auto* f = reinterpret_cast<const F_Main*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (!f || !f->procListe_) return DefWindowProcW(h, msg, wp, lp);
    const Nettix& m = f->modèle_;
    const auto n = m.NombreLignes();
    switch (msg) {
        case LB_GETTEXTLEN:
            return wp < n ? static_cast<LRESULT>(VersUtf16(m.Ligne(wp)).size()) : LB_ERR;
        case LB_GETTEXT: {
            if (wp >= n || !lp) return LB_ERR;
            const std::wstring t = VersUtf16(m.Ligne(wp));
            std::copy(t.c_str(), t.c_str() + t.size() + 1, reinterpret_cast<wchar_t*>(lp));
            return static_cast<LRESULT>(t.size());
        }
        case LB_FINDSTRINGEXACT: {
            if (!lp || n == 0) return LB_ERR;
            const std::string cherché = DepuisUtf16(reinterpret_cast<const wchar_t*>(lp));
            const size_t début = wp < n ? wp + 1 : 0;
            for (size_t j = 0; j < n; ++j) {
                const size_t k = (début + j) % n;
                if (ÉgalSansCasse(m.Ligne(k), cherché)) return static_cast<LRESULT>(k);
            }
            return LB_ERR;
        }
    }
    return CallWindowProcW(f->procListe_, h, msg, wp, lp);
}

void F_Main::LigneDessine(const DRAWITEMSTRUCT& d) const {
    if (d.itemID == static_cast<UINT>(-1)) {
        if (d.itemState & ODS_FOCUS) DrawFocusRect(d.hDC, &d.rcItem);
        return;
    }
    const bool choisie = d.itemState & ODS_SELECTED;
    SetBkColor(d.hDC, GetSysColor(choisie ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(d.hDC, GetSysColor(choisie ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::wstring t =
        d.itemID < modèle_.NombreLignes() ? VersUtf16(modèle_.Ligne(d.itemID)) : std::wstring();
    ExtTextOutW(d.hDC, d.rcItem.left + 1, d.rcItem.top, ETO_OPAQUE | ETO_CLIPPED, &d.rcItem,
                t.c_str(), static_cast<UINT>(t.size()), nullptr);
    if (d.itemState & ODS_FOCUS) DrawFocusRect(d.hDC, &d.rcItem);
}

LRESULT F_Main::Message(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_MEASUREITEM: {
            // A line of the file list is as high as a line of text in its font.
            auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
            if (m->CtlType != ODT_LISTBOX) break;
            m->itemHeight = static_cast<UINT>(HauteurDeLigne());
            return TRUE;
        }
        case WM_DRAWITEM: {
            const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (d->hwndItem != lDel_) break;
            LigneDessine(*d);
            return TRUE;
        }
        case WM_COMMAND:
            Commande(LOWORD(wp), HIWORD(wp));
            return 0;
        case DM_GETDEFID:
            return défaut_ ? MAKELRESULT(défaut_, DC_HASDEFID) : 0;
        case WM_SETCURSOR: {
            // The hourglass during the census, except over "Annuler" and the mode button.
            const HWND sous = reinterpret_cast<HWND>(wp);
            if (modèle_.EnCours() && sous != bAnn_ && sous != bAuto_ && LOWORD(lp) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
                return TRUE;
            }
            break;
        }
        case WM_CLOSE:
        case WM_ENDSESSION:
            if (msg == WM_CLOSE || wp) Termine(true);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void F_Main::Commande(int id, int code) {
    const bool clic = code == BN_CLICKED;
    switch (id) {
        case IdsNettix::bGo:
        case IDOK:
            if (défaut_ == IdsNettix::bEffacer && IsWindowVisible(bEffacer_)) {
                modèle_.Effacer();
            } else if (IsWindowVisible(bGo_) && IsWindowEnabled(bGo_)) {
                if (clic || id == IDOK) modèle_.Recenser();
            }
            break;
        case IdsNettix::bAnn:
            if (IsWindowVisible(bAnn_)) modèle_.Annuler();
            break;
        case IdsNettix::bLocal:
            if (clic) bLocal_Click();
            break;
        case IdsNettix::bVud:
            if (clic) bVud_Click();
            break;
        case IdsNettix::bAuto:
            if (clic) modèle_.ModeBascule();
            break;
        case IdsNettix::bEffacer:
            if (clic) modèle_.Effacer();
            break;
        case IdsNettix::bConserver:
            if (clic) modèle_.Conserver();
            break;
        case IdsNettix::lUnités:
        case IdsNettix::lExt:
            if (code == LBN_SELCHANGE) Listes_Change();
            break;
        case IdsNettix::lDel:
            if (code == LBN_SELCHANGE)
                modèle_.Sélectionne(static_cast<int32_t>(SendMessageW(lDel_, LB_GETCURSEL, 0, 0)));
            else if (code == LBN_DBLCLK)
                modèle_.Conserver();
            break;
    }
}

void F_Main::bLocal_Click() {
    LocalChoisit(p_.p);
    for (int32_t i = 0; i < p_.p.unités.Nombre(); ++i)
        SendMessageW(lUnités_, LB_SETSEL, p_.p.unités.Choisie(i) ? TRUE : FALSE, i);
    EnableWindow(bGo_, RecenserPermis(p_.p));
}

void F_Main::Listes_Change() {
    for (int32_t i = 0; i < p_.p.unités.Nombre(); ++i)
        p_.p.unités.Choisit(i, SendMessageW(lUnités_, LB_GETSEL, i, 0) > 0);
    for (int32_t i = 0; i < p_.p.extensions.Nombre(); ++i)
        p_.p.extensions.Choisit(i, SendMessageW(lExt_, LB_GETSEL, i, 0) > 0);
    EnableWindow(bGo_, RecenserPermis(p_.p));
}

void F_Main::bVud_Click() {
    F_Help aide;
    aide.MontreModal(instance_, hwnd_);
}

void F_Main::Défaut(int id) {
    for (HWND b : {bGo_, bEffacer_})
        SendMessageW(b, BM_SETSTYLE, GetDlgCtrlID(b) == id ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                     TRUE);
    défaut_ = id;
}

void F_Main::État(ÉtatFenêtre é) {
    const bool saisie = é == ÉtatFenêtre::Saisie;
    for (HWND c : {z_, fUnités_, bLocal_, lUnités_, fExt_, lExt_, bGo_, bVud_})
        ShowWindow(c, saisie ? SW_SHOW : SW_HIDE);
    for (HWND c : {eExec_, eTaille_, lDel_, bAnn_}) ShowWindow(c, saisie ? SW_HIDE : SW_SHOW);
    ShowWindow(bAuto_, é == ÉtatFenêtre::Recensement ? SW_SHOW : SW_HIDE);
    ShowWindow(bEffacer_, é == ÉtatFenêtre::Revue ? SW_SHOW : SW_HIDE);
    ShowWindow(bConserver_,
               é == ÉtatFenêtre::Revue || é == ÉtatFenêtre::Échecs ? SW_SHOW : SW_HIDE);
    switch (é) {
        case ÉtatFenêtre::Saisie:
            Défaut(IdsNettix::bGo);
            SetFocus(IsWindowEnabled(bGo_) ? bGo_ : lUnités_);
            break;
        case ÉtatFenêtre::Recensement:
            Défaut(0);
            SetFocus(bAnn_);
            SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            break;
        case ÉtatFenêtre::Revue:
            MontreÉcrits();
            Défaut(IdsNettix::bEffacer);
            SetFocus(bEffacer_);
            break;
        case ÉtatFenêtre::Échecs:
            Défaut(0);
            SetFocus(bAnn_);
            break;
    }
    if (é != ÉtatFenêtre::Recensement) SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

void F_Main::Statut(const std::string& texte) {
    statut_ = texte;
    statutÀMontrer_ = true;
    // During the census the folder shown follows the yields: one text per folder would
    // cost more than the walk of a small folder.
    if (!modèle_.EnCours()) MontreÉcrits();
}

void F_Main::Total(const std::string& texte) {
    total_ = texte;
    totalÀMontrer_ = true;
    if (!modèle_.EnCours()) MontreÉcrits();
}

void F_Main::MontreÉcrits() {
    if (statutÀMontrer_) TexteÉcrit(eExec_, statut_);
    if (totalÀMontrer_) TexteÉcrit(eTaille_, total_);
    statutÀMontrer_ = totalÀMontrer_ = false;
    if (listeÀMontrer_) {
        listeÀMontrer_ = false;
        // The extent follows the lines added since the last showing.
        ListeÉtendueAjuste(lDel_, mesurées_);
        mesurées_ = static_cast<int>(SendMessageW(lDel_, LB_GETCOUNT, 0, 0));
        if (finEnVue_) {
            const LRESULT n = SendMessageW(lDel_, LB_GETCOUNT, 0, 0);
            if (n > 10) SendMessageW(lDel_, LB_SETTOPINDEX, static_cast<WPARAM>(n - 10), 0);
            finEnVue_ = false;
        }
        SendMessageW(lDel_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(lDel_, nullptr, TRUE);
    }
}

void F_Main::ListeGèle() {
    if (!listeÀMontrer_) SendMessageW(lDel_, WM_SETREDRAW, FALSE, 0);
    listeÀMontrer_ = true;
}

void F_Main::ListeAjoute(const std::string&) {
    ListeGèle();
    finEnVue_ = true;
    SendMessageW(lDel_, LB_ADDSTRING, 0, 0);  // the line is drawn from the model
    if (!modèle_.Occupé()) MontreÉcrits();
}

void F_Main::ListeRetire(int32_t i) {
    ListeGèle();
    SendMessageW(lDel_, LB_DELETESTRING, i, 0);
    if (i < mesurées_) --mesurées_;
    if (!modèle_.Occupé()) MontreÉcrits();
}

void F_Main::ListeVide() {
    SendMessageW(lDel_, LB_RESETCONTENT, 0, 0);
    mesurées_ = 0;
    ListeÉtendueAjuste(lDel_);
    if (!modèle_.Occupé()) MontreÉcrits();
}

void F_Main::ListeSélectionne(int32_t i) {
    ListeGèle();
    SendMessageW(lDel_, LB_SETCURSEL, i, 0);
    if (!modèle_.Occupé()) MontreÉcrits();
}
void F_Main::ConserverPermis(bool permis) {
    // Asked for every file of a deletion; EnableWindow costs a round trip to the window
    // system even when nothing changes (some 45 us under Wine).
    if ((IsWindowEnabled(bConserver_) != FALSE) != permis) EnableWindow(bConserver_, permis);
}

void F_Main::Mode(bool automatique) {
    SetWindowTextW(bAuto_, automatique ? L"Manuel" : L"Auto");
    RECT fenêtre{};
    GetWindowRect(hwnd_, &fenêtre);
    const int hauteur = automatique ? TailleExtérieure(0, HautDeLDel, Style, 0, dpi_).cy
                                    : TwipsEnPixelsY(HauteurFenêtre, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, fenêtre.right - fenêtre.left, hauteur,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool F_Main::Traite(MSG& msg) {
    if (msg.message == WM_QUIT) return false;
    if (hwnd_ && IsDialogMessageW(hwnd_, &msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void F_Main::Pompe() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        if (!Traite(msg)) ExitProcess(static_cast<UINT>(msg.wParam));
}

void F_Main::Cède() {
    // The clock is read every few entries only; the pump runs on a short timer.
    if (++appels_ % 8 != 0) return;
    const ULONGLONG maintenant = GetTickCount64();
    if (maintenant - dernièreCession_ < IntervalleCession) return;
    dernièreCession_ = maintenant;
    // Drawing the list and its themed scroll bar costs milliseconds, far more under load:
    // at every yield it took most of a long census or deletion.
    if (maintenant - dernierAffichage_ >= IntervalleAffichage) {
        dernierAffichage_ = maintenant;
        MontreÉcrits();
    }
    Pompe();
}

void F_Main::Bip() {
    MessageBeep(MB_OK);
}

void F_Main::Termine(bool enregistrer) {
    if (enregistrer && p_.arguments.empty()) ParamètresEnregistre(p_.registre, p_.p);
    ExitProcess(0);
}
