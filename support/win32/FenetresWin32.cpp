// Window helpers: centring on the screen.
#include "FenetresWin32.h"

#include <commctrl.h>

#include <algorithm>

void FeuilleCentre(HWND fenêtre) {
    RECT r{};
    if (!fenêtre || !GetWindowRect(fenêtre, &r)) return;
    const int largeur = r.right - r.left, hauteur = r.bottom - r.top;
    POINT coin{std::max(0, (GetSystemMetrics(SM_CXSCREEN) - largeur) / 2),
               std::max(0, (GetSystemMetrics(SM_CYSCREEN) - hauteur) / 2)};
    if (GetWindowLongPtrW(fenêtre, GWL_STYLE) & WS_CHILD)
        if (HWND parent = GetParent(fenêtre)) ScreenToClient(parent, &coin);
    SetWindowPos(fenêtre, nullptr, coin.x, coin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

bool ClasseEnregistre(HINSTANCE instance, const wchar_t* nom, WNDPROC procédure) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, nom, &wc)) return true;
    wc.lpfnWndProc = procédure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hIconSm = wc.hIcon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = nom;
    return RegisterClassExW(&wc) != 0;
}
