// F_Help: the help window, modal over the main window.
#include "F_Help.h"

#include "FenetresWin32.h"
#include "IdsNettix.h"
#include "Metriques.h"
#include "Nettix.h"
#include "Utf16.h"
#include "VersionWin32.h"

F_Help::~F_Help() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (police_) DeleteObject(police_);
}

void F_Help::MontreModal(HINSTANCE instance, HWND propriétaire) {
    ClasseEnregistre(instance, IdsNettix::ClasseHelp, Procédure);
    const Dpi dpi = DpiÉcran();
    const auto x = [&](double t) { return TwipsEnPixelsX(t, dpi); };
    const auto y = [&](double t) { return TwipsEnPixelsY(t, dpi); };

    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT r{0, 0, x(8400), y(5700)};
    AdjustWindowRectEx(&r, style, FALSE, WS_EX_DLGMODALFRAME);
    hwnd_ = CreateWindowExW(
        WS_EX_DLGMODALFRAME, IdsNettix::ClasseHelp, VersUtf16(VersionTexte() + TitreAide).c_str(),
        style, 0, 0, r.right - r.left, r.bottom - r.top, propriétaire, nullptr, instance, this);
    if (!hwnd_) return;
    FeuilleCentre(hwnd_);
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0))
        police_ = CreateFontIndirectW(&ncm.lfMessageFont);
    t_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", VersUtf16(TexteAide()).c_str(),
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                             ES_READONLY | ES_AUTOVSCROLL,
                         x(120), y(120), x(8160), y(4920), hwnd_,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdsNettix::t)), instance,
                         nullptr);
    bOk_ = CreateWindowExW(
        0, L"BUTTON", L"Ok", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, x(7080),
        y(5160), x(1200), y(420), hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdsNettix::bOk)), instance, nullptr);
    for (HWND c : {t_, bOk_}) SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(police_), FALSE);

    EnableWindow(propriétaire, FALSE);
    visible_ = true;
    ShowWindow(hwnd_, SW_SHOW);
    SetFocus(bOk_);
    MSG msg;
    while (visible_) {
        const BOOL lu = GetMessageW(&msg, nullptr, 0, 0);
        if (lu <= 0) {
            if (lu == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (IsDialogMessageW(hwnd_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    EnableWindow(propriétaire, TRUE);
    SetActiveWindow(propriétaire);
    DestroyWindow(hwnd_);
}

LRESULT CALLBACK F_Help::Procédure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return ProcédureFenêtre<F_Help>(hwnd, msg, wp, lp);
}

LRESULT F_Help::Message(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) bOk_Click();
            return 0;
        case DM_GETDEFID:
            return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_CLOSE:
            bOk_Click();
            return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void F_Help::bOk_Click() {
    ShowWindow(hwnd_, SW_HIDE);
    visible_ = false;
}
