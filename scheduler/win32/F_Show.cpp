// F_Show: the red message window. Its layout is kept in twips and converted at the real
// screen resolution, so that it looks the same at any DPI.
#include "F_Show.h"

#include <cmath>

#include "FenetresWin32.h"
#include "Utf16.h"

namespace {

constexpr wchar_t Classe[] = L"Horlo.F_Show";
constexpr int IdE = 100;
constexpr DWORD Style = WS_POPUP | WS_CAPTION;  // fixed frame, no system menu or buttons

bool ClasseEnregistrée(HINSTANCE instance, WNDPROC procédure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, Classe, &wc)) return true;
    wc.lpfnWndProc = procédure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = Classe;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace

F_Show* F_Show::Crée(HINSTANCE instance) {
    if (!ClasseEnregistrée(instance, Procédure)) return nullptr;
    auto* f = new F_Show;
    f->dpi_ = DpiÉcran();
    f->rouge_ = CreateSolidBrush(RGB(255, 0, 0));
    // Designed client area 2220 x 960 twips; the outer size adds the frame and title bar.
    RECT r{0, 0, TwipsEnPixelsX(2220, f->dpi_), TwipsEnPixelsY(960, f->dpi_)};
    AdjustWindowRectEx(&r, Style, FALSE, 0);
    f->largeur_ = PixelsEnTwipsX(r.right - r.left, f->dpi_);
    f->hauteur_ = PixelsEnTwipsY(r.bottom - r.top, f->dpi_);
    CreateWindowExW(0, Classe, L"", Style, 0, 0, r.right - r.left, r.bottom - r.top, nullptr,
                    nullptr, instance, f);
    if (!f->hwnd_) {
        delete f;
        return nullptr;
    }
    // MS Sans Serif 9.75 points, bold.
    f->police_ =
        CreateFontW(-static_cast<int>(std::lround(9.75 * f->dpi_.y / 72.0)), 0, 0, 0, FW_BOLD,
                    FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0))
        f->policeBouton_ = CreateFontIndirectW(&ncm.lfMessageFont);
    f->e_ =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0,
                        0, f->hwnd_, reinterpret_cast<HMENU>(INT_PTR{IdE}), instance, nullptr);
    // IDOK: Enter (the default button) and Esc (IDCANCEL) both reach bOk_Click.
    f->bOk_ = CreateWindowExW(0, L"BUTTON", L"Ok",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0, 0,
                              f->hwnd_, reinterpret_cast<HMENU>(INT_PTR{IDOK}), instance, nullptr);
    SendMessageW(f->e_, WM_SETFONT, reinterpret_cast<WPARAM>(f->police_), FALSE);
    if (f->policeBouton_)
        SendMessageW(f->bOk_, WM_SETFONT, reinterpret_cast<WPARAM>(f->policeBouton_), FALSE);
    f->Place();
    return f;
}

F_Show::~F_Show() {
    if (police_) DeleteObject(police_);
    if (policeBouton_) DeleteObject(policeBouton_);
    if (rouge_) DeleteObject(rouge_);
}

void F_Show::Affiche(const std::string& texte) {
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowTextW(hwnd_, L"Alarme");
    SetWindowTextW(e_, VersUtf16(texte).c_str());
    E_Change();
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    SetFocus(bOk_);
}

// The label sizes itself to its text; the window widens to it (never narrows) and its
// height follows, the button standing 120 twips under the label.
void F_Show::E_Change() {
    const int n = GetWindowTextLengthW(e_);
    std::wstring texte(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(e_, texte.data(), n + 1);
    texte.resize(static_cast<size_t>(n));
    HDC dc = GetDC(e_);
    HGDIOBJ avant = SelectObject(dc, police_);
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
    MoveWindow(e_, TwipsEnPixelsX(eGauche_, dpi_), TwipsEnPixelsY(eHaut_, dpi_),
               TwipsEnPixelsX(eLargeur_, dpi_), TwipsEnPixelsY(eHauteur_, dpi_), TRUE);
    MoveWindow(bOk_, TwipsEnPixelsX(okGauche_, dpi_), TwipsEnPixelsY(okHaut_, dpi_),
               TwipsEnPixelsX(okLargeur_, dpi_), TwipsEnPixelsY(okHauteur_, dpi_), TRUE);
}

void F_Show::bOk_Click() {
    DestroyWindow(hwnd_);
}

LRESULT CALLBACK F_Show::Procédure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return ProcédureFenêtre<F_Show>(hwnd, msg, wp, lp);
}

LRESULT F_Show::Message(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(hwnd_, &r);
            FillRect(reinterpret_cast<HDC>(wp), &r, rouge_);
            return 1;
        }
        case WM_CTLCOLORSTATIC:
            SetTextColor(reinterpret_cast<HDC>(wp), RGB(255, 255, 255));
            SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
            return reinterpret_cast<LRESULT>(rouge_);
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
        courante_ = f ? f->Fenêtre() : nullptr;
    }
    if (!courante_) return;
    auto* f = reinterpret_cast<F_Show*>(GetWindowLongPtrW(courante_, GWLP_USERDATA));
    if (f) f->Affiche(texte);
    dialogues_.Bip();
}
