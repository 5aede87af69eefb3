// Remplo's window over Win32: a fixed-size caption window with two static labels laid
// out in twips, shown only while installing.
#include "F_Main.h"

#include "FenetresWin32.h"
#include "Utf16.h"

namespace {

// Layout in twips (15 twips per pixel at 96 DPI).
constexpr int LargeurClient = 7200;
constexpr int HauteurClient = 1320;
constexpr int Marge = 180;
constexpr int HauteurÉtiquette = 420;

HCURSOR CurseurOccupé() {
    return LoadCursorW(nullptr, IDC_APPSTARTING);
}
HCURSOR CurseurNormal() {
    return LoadCursorW(nullptr, IDC_ARROW);
}

}  // namespace

F_Main::F_Main(HINSTANCE instance) {
    WNDCLASSEXW classe{};
    classe.cbSize = sizeof classe;
    classe.lpfnWndProc = &F_Main::Procédure;
    classe.hInstance = instance;
    classe.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    classe.hCursor = nullptr;  // chosen in WM_SETCURSOR
    classe.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    classe.lpszClassName = ClasseF_Main;
    RegisterClassExW(&classe);  // fails harmlessly when already registered

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const Dpi dpi = DpiÉcran();
    RECT r{0, 0, TwipsEnPixelsX(LargeurClient, dpi), TwipsEnPixelsY(HauteurClient, dpi)};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    hwnd_ = CreateWindowExW(0, ClasseF_Main, TitreF_Main, style, CW_USEDEFAULT, CW_USEDEFAULT,
                            r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, this);
    if (!hwnd_) return;

    NONCLIENTMETRICSW nc{};
    nc.cbSize = sizeof nc;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof nc, &nc, 0))
        police_ = CreateFontIndirectW(&nc.lfMessageFont);
    for (int i = 0; i < 2; ++i) {
        // SS_NOPREFIX: an "&" in a path is shown, not taken as a mnemonic.
        E_[i] = CreateWindowExW(
            0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
            TwipsEnPixelsX(Marge, dpi), TwipsEnPixelsY(Marge + i * (HauteurÉtiquette + Marge), dpi),
            TwipsEnPixelsX(LargeurClient - 2 * Marge, dpi), TwipsEnPixelsY(HauteurÉtiquette, dpi),
            hwnd_, nullptr, instance, nullptr);
        if (E_[i] && police_) SendMessageW(E_[i], WM_SETFONT, reinterpret_cast<WPARAM>(police_), 0);
    }
    Form_Load();
}

F_Main::~F_Main() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (police_) DeleteObject(police_);
}

void F_Main::Form_Load() {
    FeuilleCentre(hwnd_);
}

LRESULT CALLBACK F_Main::Procédure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return ProcédureFenêtre<F_Main>(hwnd, msg, wp, lp);
}

LRESULT F_Main::Message(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CLOSE:
            // Remplo ends by itself once the program is restarted; closing the window
            // half-way would leave the user without the program.
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT) {
                SetCursor(occupé_ ? CurseurOccupé() : CurseurNormal());
                return TRUE;
            }
            break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void F_Main::Étiquette(int indice, const std::string& texte) {
    if (indice < 0 || indice > 1 || !E_[indice]) return;
    SetWindowTextW(E_[indice], VersUtf16(texte).c_str());
}

void F_Main::PointeurOccupé(bool occupé) {
    occupé_ = occupé;
    SetCursor(occupé ? CurseurOccupé() : CurseurNormal());
}

void F_Main::Montre() {
    if (!hwnd_) return;
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
}

void F_Main::Cède() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) {
            // Not ours to act on in the middle of an installation; keep it for the end.
            PostQuitMessage(static_cast<int>(m.wParam));
            return;
        }
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

void F_Main::Pause(unsigned millisecondes) {
    const ULONGLONG fin = GetTickCount64() + millisecondes;
    for (;;) {
        Cède();
        const ULONGLONG maintenant = GetTickCount64();
        if (maintenant >= fin) return;
        // Wakes up for any window event, so the window stays painted during the wait.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(fin - maintenant),
                                  QS_ALLINPUT);
    }
}
