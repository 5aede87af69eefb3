// Remplo's window over Win32: a fixed-size caption window with two static labels laid
// out in twips, shown only while installing.
#include "F_Main.h"

#include "Fenetre.h"

namespace {

// Layout in twips (15 twips per pixel at 96 DPI).
constexpr double LargeurClient = 7200;
constexpr double HauteurClient = 1320;
constexpr double Marge = 180;
constexpr double HauteurÉtiquette = 420;

HCURSOR CurseurOccupé() {
    return LoadCursorW(nullptr, IDC_APPSTARTING);
}
HCURSOR CurseurNormal() {
    return LoadCursorW(nullptr, IDC_ARROW);
}

}  // namespace

F_Main::F_Main(HINSTANCE instance) {
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const SIZE t = TailleExtérieure(LargeurClient, HauteurClient, style, 0, dpi_);
    // No class pointer: WM_SETCURSOR chooses it.
    if (!Crée(instance, {.nom = ClasseF_Main, .flèche = false, .petiteIcône = false},
              {.titre = TitreF_Main, .style = style, .largeur = t.cx, .hauteur = t.cy}))
        return;

    const HFONT police = PoliceAjoute([](const Dpi& dpi) { return PoliceMessage(false, dpi); });
    for (int i = 0; i < 2; ++i) {
        // SS_NOPREFIX: an "&" in a path is shown, not taken as a mnemonic.
        E_[i] = ContrôleEnTwips(L"STATIC", "", WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0,
                                {Marge, Marge + i * (HauteurÉtiquette + Marge),
                                 LargeurClient - 2 * Marge, HauteurÉtiquette},
                                police);
    }
    FeuilleCentre(hwnd_);
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
    TexteÉcrit(E_[indice], texte);
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
