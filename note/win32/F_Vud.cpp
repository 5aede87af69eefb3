// F_Vud: the note window. Handlers read the controls and call the logic of note/Pensil.h.
#include "F_Vud.h"

#include <commctrl.h>

#include "IdsVud.h"
#include "Utf16.h"

namespace {

// bOk's own size, kept by the layout.
constexpr double LargeurOk = 1215, HauteurOk = 375;

// Restarted by every change of T: the draft is written once the typing pauses.
constexpr UINT_PTR MinuterieBrouillon = 1;

constexpr wchar_t RaisonBlocage[] = L"Pensil : la note n'est pas enregistr\u00E9e";

}  // namespace

F_Vud::~F_Vud() {
    if (hwnd_) DestroyWindow(hwnd_);  // while the object still hears WM_DESTROY
}

bool F_Vud::Crée(HINSTANCE instance, int afficher) {
    const Cadre& f = p_.état.placement.fenêtre;
    if (!Fenêtre::Crée(instance, {IdsVud::Classe},
                       {.titre = VersUtf16(TitrePensil).c_str(),
                        .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                        .x = EnPixelsX(f.gauche),
                        .y = EnPixelsY(f.haut),
                        .largeur = EnPixelsX(f.largeur),
                        .hauteur = EnPixelsY(f.hauteur)}))
        return false;

    const HFONT police = PoliceAjoute([](const Dpi& dpi) {
        return Police(CreateFontW(-MulDiv(10, dpi.y, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New"));
    });
    const HFONT policeBouton =
        PoliceAjoute([](const Dpi& dpi) { return PoliceMessage(false, dpi); });

    // Placed by Form_Resize, from the window's size.
    t_ = ContrôleCrée(hwnd_, L"EDIT", "",
                      WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                          ES_WANTRETURN | ES_NOHIDESEL,
                      IdsVud::T, {}, dpi_, police, WS_EX_CLIENTEDGE);
    bOk_ = ContrôleCrée(hwnd_, L"BUTTON", "&Ok", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                        IdsVud::bOk, {}, dpi_, policeBouton);
    if (!t_ || !bOk_) return false;
    recherche_.Attache(hwnd_, t_);
    // The default limit (32K characters) would cut a long note; 0 lifts it.
    SendMessageW(t_, EM_SETLIMITTEXT, 0, 0);
    TexteÉcrit(t_, p_.état.note.texte);
    // Read back: what the window holds is what closing compares with.
    p_.état.note.texte = TexteDeT();
    // A draft taken up at start shows as a change not yet saved.
    if (p_.état.brouillon.repris) TexteÉcrit(t_, *p_.état.brouillon.repris);

    Form_Resize();
    ShowWindow(hwnd_, afficher);
    UpdateWindow(hwnd_);
    SetFocus(t_);
    SendMessageW(t_, EM_SETSEL, 0, 0);
    return true;
}

LRESULT F_Vud::Message(UINT msg, WPARAM wp, LPARAM lp) {
    if (recherche_.Notification(msg, lp)) return 0;
    switch (msg) {
        case WM_SIZE:
            Form_Resize();
            return 0;
        case WM_GETMINMAXINFO: {
            auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
            mm->ptMinTrackSize.x = EnPixelsX(LargeurMinimum);
            mm->ptMinTrackSize.y = EnPixelsY(HauteurMinimum);
            return 0;
        }
        case WM_SETFOCUS:
            if (t_) SetFocus(t_);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wp) == IdsVud::bOk && HIWORD(wp) == BN_CLICKED) bOk_Click();
            if (LOWORD(wp) == IdsVud::T && HIWORD(wp) == EN_CHANGE) T_Change();
            return 0;
        case WM_TIMER:
            if (wp == MinuterieBrouillon) Brouillon_Timer();
            return 0;
        case WM_CLOSE:
            if (Form_QueryUnload()) {
                Form_Unload();
                DestroyWindow(hwnd_);
            }
            return 0;
        case WM_QUERYENDSESSION: {
            // Asking holds the end of the session up: Windows then shows its own screen of
            // programs in the way, whose "shut down anyway" ends this one. The reason on
            // that screen tells the user the note is not saved, while the question is open.
            const bool demande = TexteDeT() != p_.état.note.texte;
            if (demande) ShutdownBlockReasonCreate(hwnd_, RaisonBlocage);
            const bool fermer = Form_QueryUnload();
            if (demande) ShutdownBlockReasonDestroy(hwnd_);
            return fermer ? TRUE : FALSE;
        }
        case WM_ENDSESSION:
            if (wp) Form_Unload();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void F_Vud::Form_Resize() {
    if (!t_ || !bOk_ || redimensionnement_ || IsIconic(hwnd_)) return;
    RECT r{};
    if (!GetWindowRect(hwnd_, &r)) return;
    const double largeur = EnTwipsX(r.right - r.left), hauteur = EnTwipsY(r.bottom - r.top);
    const Disposition d = DispositionCalcule(largeur, hauteur, LargeurOk, HauteurOk);
    if ((d.largeur > largeur + 1 || d.hauteur > hauteur + 1) && !IsZoomed(hwnd_)) {
        redimensionnement_ = true;
        SetWindowPos(hwnd_, nullptr, 0, 0, EnPixelsX(d.largeur), EnPixelsY(d.hauteur),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        redimensionnement_ = false;
    }
    const RECT t = EnPixels(d.t, dpi_);
    ContrôleDéplace(t_, t);
    // The button's right edge follows T's right edge, whatever the rounding.
    const int haut = EnPixelsY(d.bOk.haut);
    ContrôleDéplace(
        bOk_, {t.right - EnPixelsX(d.bOk.largeur), haut, t.right, haut + EnPixelsY(d.bOk.hauteur)});
}

void F_Vud::bOk_Click() {
    const std::string texte = TexteDeT();
    // A note that cannot be written keeps the window open with the text.
    if (!NoteEnregistre(p_.fichiers, p_.dialogues, p_.état.chemin, texte, p_.état.note.lue)) return;
    p_.état.note = {texte, true};
    BrouillonFin();
    const Cadre géométrie = GéométrieTwips(hwnd_);
    ShowWindow(hwnd_, SW_HIDE);
    PlacementÉcrit(p_.registre, géométrie);
    déchargée_ = true;
    DestroyWindow(hwnd_);
}

bool F_Vud::Form_QueryUnload() {
    const std::string texte = TexteDeT();
    switch (FermetureDemande(p_.dialogues, texte, p_.état.note.texte)) {
        case Fermeture::Fermer:
            BrouillonFin();
            return true;
        case Fermeture::Enregistrer:
            if (!NoteEnregistre(p_.fichiers, p_.dialogues, p_.état.chemin, texte, p_.état.note.lue))
                return false;
            p_.état.note = {texte, true};
            BrouillonFin();
            return true;
        case Fermeture::Rester:
            break;
    }
    return false;
}

void F_Vud::Form_Unload() {
    if (déchargée_ || !hwnd_) return;
    PlacementÉcrit(p_.registre, GéométrieTwips(hwnd_));
    déchargée_ = true;
}

void F_Vud::T_Change() {
    SetTimer(hwnd_, MinuterieBrouillon, BrouillonDélaiMs, nullptr);
}

void F_Vud::Brouillon_Timer() {
    KillTimer(hwnd_, MinuterieBrouillon);
    // A draft that cannot be written (or removed) is tried again, without a word.
    if (!BrouillonMetÀJour(p_.état.brouillon, p_.fichiers, TexteDeT(), p_.état.note.texte))
        T_Change();
}

void F_Vud::BrouillonFin() {
    KillTimer(hwnd_, MinuterieBrouillon);
    BrouillonSupprime(p_.état.brouillon, p_.fichiers);
}

std::string F_Vud::TexteDeT() const {
    return TexteDeFenêtre(t_);
}
