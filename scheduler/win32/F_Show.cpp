// F_Show: the red message window. Its layout is kept in twips and converted at the
// window's resolution, so that it looks the same at any DPI.
#include "F_Show.h"

#include <cmath>

namespace {

// No background of the system's: the window paints itself red.
constexpr ClasseFenêtre Classe{.nom = L"Horlo.F_Show", .fondDialogue = false, .petiteIcône = false};
constexpr int IdE = 100;
constexpr DWORD Style = WS_POPUP | WS_CAPTION;  // fixed frame, no system menu or buttons

}  // namespace

F_Show* F_Show::Crée(HINSTANCE instance) {
    auto* f = new F_Show;
    f->rouge_.Prend(CreateSolidBrush(RGB(255, 0, 0)));
    // Designed client area 2220 x 960 twips; the outer size adds the frame and title bar.
    const SIZE t = TailleExtérieure(2220, 960, Style, 0, f->dpi_);
    f->d_.largeur = PixelsEnTwipsX(t.cx, f->dpi_);
    f->d_.hauteur = PixelsEnTwipsY(t.cy, f->dpi_);
    if (!f->Fenêtre::Crée(instance, Classe,
                          {.style = Style, .x = 0, .y = 0, .largeur = t.cx, .hauteur = t.cy})) {
        delete f;
        return nullptr;
    }
    // MS Sans Serif 9.75 points, bold.
    const HFONT police = f->PoliceAjoute([](const Dpi& dpi) {
        return Police(CreateFontW(-static_cast<int>(std::lround(9.75 * dpi.y / 72.0)), 0, 0, 0,
                                  FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                  L"MS Sans Serif"));
    });
    const HFONT policeBouton =
        f->PoliceAjoute([](const Dpi& dpi) { return PoliceMessage(false, dpi); });
    f->e_ = f->ContrôleEnTwips(L"STATIC", "", WS_VISIBLE | SS_LEFT | SS_NOPREFIX, IdE, {}, police);
    // IDOK: Enter (the default button) and Esc (IDCANCEL) both reach bOk_Click.
    f->bOk_ = f->ContrôleEnTwips(L"BUTTON", "Ok", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK,
                                 {}, policeBouton);
    return f;
}

void F_Show::Affiche(const std::string& texte) {
    // Topmost: a timer fires while another program is in front, often maximised, and the
    // system then refuses this window the foreground; the latest alarm stays on top.
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowTextW(hwnd_, L"Alarme");
    TexteÉcrit(e_, texte);
    E_Change();
    ShowWindow(hwnd_, SW_SHOW);
    if (!SetForegroundWindow(hwnd_)) {
        // Refused: the caption and the taskbar button flash until the user comes to it.
        FLASHWINFO f{sizeof f, hwnd_, FLASHW_ALL | FLASHW_TIMERNOFG, 0, 0};
        FlashWindowEx(&f);
    }
    SetFocus(bOk_);
}

// The label sizes itself to its text, within the work area's width (a wider text wraps),
// and the window to the label.
void F_Show::E_Change() {
    const SIZE cadre = TailleExtérieure(0, 0, Style, 0, dpi_);  // outer less client size
    const double cadreX = PixelsEnTwipsX(cadre.cx, dpi_), cadreY = PixelsEnTwipsY(cadre.cy, dpi_);
    RECT zone{};  // the primary monitor's, where the window stands
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &zone, 0);
    const double travail = PixelsEnTwipsX(zone.right - zone.left, dpi_);

    const std::wstring texte = TexteDeFenêtreW(e_);
    const wchar_t* t = texte.empty() ? L" " : texte.c_str();
    const ContexteFenêtre dc(e_, reinterpret_cast<HFONT>(SendMessageW(e_, WM_GETFONT, 0, 0)));
    constexpr UINT format = DT_CALCRECT | DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS;
    RECT r{0, 0, 0, 0};
    DrawTextW(dc.get(), t, -1, &r, format);
    const int largeurMax = TwipsEnPixelsX(LargeurÉtiquetteMax(travail, cadreX), dpi_);
    if (r.right > largeurMax) {
        r = {0, 0, largeurMax, 0};
        DrawTextW(dc.get(), t, -1, &r, format | DT_WORDBREAK | DT_EDITCONTROL);
    }
    d_ = AlarmeAjuste(d_, PixelsEnTwipsX(r.right - r.left, dpi_),
                      PixelsEnTwipsY(r.bottom - r.top, dpi_), cadreX, cadreY, travail);
    SetWindowPos(hwnd_, nullptr, 0, 0, TwipsEnPixelsX(d_.largeur, dpi_),
                 TwipsEnPixelsY(d_.hauteur, dpi_), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ContrôleReplace(e_, d_.e);
    ContrôleReplace(bOk_, d_.ok);
}

void F_Show::bOk_Click() {
    DestroyWindow(hwnd_);
}

LRESULT F_Show::Message(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(hwnd_, &r);
            FillRect(reinterpret_cast<HDC>(wp), &r, rouge_.get());
            return 1;
        }
        case WM_CTLCOLORSTATIC:
            SetTextColor(reinterpret_cast<HDC>(wp), RGB(255, 255, 255));
            SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
            return reinterpret_cast<LRESULT>(rouge_.get());
        case WM_COMMAND:
            if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) bOk_Click();
            return 0;
        case WM_CLOSE:  // no close box; Alt+F4 closes like Ok
            bOk_Click();
            return 0;
        default:
            return DefWindowProcW(hwnd_, msg, wp, lp);
    }
}

void AlarmesWin32::Montre(const std::string& texte, bool nouvelle) {
    if (nouvelle || !IsWindow(courante_)) {
        F_Show* f = F_Show::Crée(instance_);
        courante_ = f ? f->Handle() : nullptr;
    }
    if (!courante_) return;
    auto* f = static_cast<F_Show*>(Fenêtre::De(courante_));
    if (f) f->Affiche(texte);
    dialogues_.Bip();
}
