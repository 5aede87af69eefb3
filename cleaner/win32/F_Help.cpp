// F_Help: the help window, modal over the main window.
#include "F_Help.h"

#include "Fenetre.h"
#include "IdsNettix.h"
#include "Nettix.h"
#include "Utf16.h"
#include "VersionWin32.h"

void F_Help::MontreModal(HINSTANCE instance, HWND propriétaire) {
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const SIZE t = TailleExtérieure(8400, 5700, style, WS_EX_DLGMODALFRAME, dpi_);
    if (!Crée(instance, {IdsNettix::ClasseHelp},
              {.titre = VersUtf16(VersionTexte() + TitreAide).c_str(),
               .style = style,
               .exStyle = WS_EX_DLGMODALFRAME,
               .largeur = t.cx,
               .hauteur = t.cy,
               .parent = propriétaire}))
        return;
    FeuilleCentre(hwnd_);
    const HFONT police = PoliceAjoute([](const Dpi& dpi) { return PoliceMessage(false, dpi); });
    t_ = ContrôleEnTwips(
        L"EDIT", TexteAide(),
        WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
        IdsNettix::t, {120, 120, 8160, 4920}, police, WS_EX_CLIENTEDGE);
    bOk_ = ContrôleEnTwips(L"BUTTON", "Ok", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                           IdsNettix::bOk, {7080, 5160, 1200, 420}, police);

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
