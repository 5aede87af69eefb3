// F_Show: the red message window. Its layout is kept in twips and converted at the
// window's resolution, so that it looks the same at any DPI.
#include "F_Show.h"

#include <cmath>

#include "Utf16.h"

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
    RECT r{0, 0, TwipsEnPixelsX(2220, f->dpi_), TwipsEnPixelsY(960, f->dpi_)};
    AdjustWindowRectEx(&r, Style, FALSE, 0);
    f->largeur_ = PixelsEnTwipsX(r.right - r.left, f->dpi_);
    f->hauteur_ = PixelsEnTwipsY(r.bottom - r.top, f->dpi_);
    if (!f->Fenêtre::Crée(instance, Classe,
                          {.style = Style,
                           .x = 0,
                           .y = 0,
                           .largeur = r.right - r.left,
                           .hauteur = r.bottom - r.top})) {
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
    f->Place();
    return f;
}

void F_Show::Affiche(const std::string& texte) {
    // Topmost: a timer fires while another program is in front, often maximised, and the
    // system then refuses this window the foreground; the latest alarm stays on top.
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowTextW(hwnd_, L"Alarme");
    SetWindowTextW(e_, VersUtf16(texte).c_str());
    E_Change();
    ShowWindow(hwnd_, SW_SHOW);
    if (!SetForegroundWindow(hwnd_)) {
        // Refused: the caption and the taskbar button flash until the user comes to it.
        FLASHWINFO f{sizeof f, hwnd_, FLASHW_ALL | FLASHW_TIMERNOFG, 0, 0};
        FlashWindowEx(&f);
    }
    SetFocus(bOk_);
}

// The label sizes itself to its text; the window widens to it (never narrows) and its
// height follows, the button standing 120 twips under the label.
void F_Show::E_Change() {
    const std::wstring texte = TexteDeFenêtreW(e_);
    HDC dc = GetDC(e_);
    HGDIOBJ avant = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(e_, WM_GETFONT, 0, 0)));
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, texte.empty() ? L" " : texte.c_str(), -1, &r,
              DT_CALCRECT | DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, avant);
    ReleaseDC(e_, dc);
    eLargeur_ = PixelsEnTwipsX(r.right - r.left, dpi_);
    eHauteur_ = PixelsEnTwipsY(r.bottom - r.top, dpi_);

    RECT dehors, dedans;
    GetWindowRect(hwnd_, &dehors);
    GetClientRect(hwnd_, &dedans);
    const double cadreX = PixelsEnTwipsX((dehors.right - dehors.left) - dedans.right, dpi_);
    const double cadreY = PixelsEnTwipsY((dehors.bottom - dehors.top) - dedans.bottom, dpi_);
    const double w = std::round(2 * eGauche_ + eLargeur_ + cadreX);
    if (w > largeur_) {
        largeur_ = w;
        okGauche_ = eGauche_ + (eLargeur_ - okLargeur_) / 2;
    }
    okHaut_ = eHaut_ + eHauteur_ + 120;
    hauteur_ = okHaut_ + okHauteur_ + eHaut_ + cadreY;
    Place();
}

void F_Show::Place() {
    SetWindowPos(hwnd_, nullptr, 0, 0, TwipsEnPixelsX(largeur_, dpi_),
                 TwipsEnPixelsY(hauteur_, dpi_), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ContrôleReplace(e_, {eGauche_, eHaut_, eLargeur_, eHauteur_});
    ContrôleReplace(bOk_, {okGauche_, okHaut_, okLargeur_, okHauteur_});
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
