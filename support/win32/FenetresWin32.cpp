// Window helpers: centring on the screen.
#include "FenetresWin32.h"

#include <algorithm>

#include "Fenetre.h"

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
    return ClasseInscrit(instance, ClasseFenêtre{nom}, procédure);
}
