// The window kit (see Fenetre.h).
#include "Fenetre.h"

#include <commctrl.h>

#include <algorithm>

#include "Utf16.h"

bool ClasseInscrit(HINSTANCE instance, const ClasseFenêtre& classe, WNDPROC procédure) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, classe.nom, &wc)) return true;
    wc.lpfnWndProc = procédure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (classe.petiteIcône) wc.hIconSm = wc.hIcon;
    if (classe.flèche) wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    if (classe.fondDialogue) wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = classe.nom;
    return RegisterClassExW(&wc) != 0;
}

Fenêtre::~Fenêtre() {
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

bool Fenêtre::Crée(HINSTANCE instance, const ClasseFenêtre& classe, const Création& c) {
    if (!ClasseInscrit(instance, classe, Procédure)) return false;
    CreateWindowExW(c.exStyle, classe.nom, c.titre, c.style, c.x, c.y, c.largeur, c.hauteur,
                    c.parent, nullptr, instance, this);
    return hwnd_ != nullptr;
}

Fenêtre* Fenêtre::De(HWND hwnd) {
    if (!hwnd || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(Procédure))
        return nullptr;
    return reinterpret_cast<Fenêtre*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK Fenêtre::Procédure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* objet = static_cast<Fenêtre*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(objet));
        objet->hwnd_ = hwnd;
    }
    auto* objet = reinterpret_cast<Fenêtre*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!objet) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg != WM_NCDESTROY) return objet->Message(msg, wp, lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    objet->hwnd_ = nullptr;
    const LRESULT r = DefWindowProcW(hwnd, msg, wp, lp);
    objet->Détruite();
    return r;
}

Police PoliceMessage(bool gras) {
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) return Police{};
    if (gras) ncm.lfMessageFont.lfWeight = FW_BOLD;
    return Police(CreateFontIndirectW(&ncm.lfMessageFont));
}

std::wstring TexteDeFenêtreW(HWND fenêtre) {
    const int n = GetWindowTextLengthW(fenêtre);
    std::wstring texte(static_cast<size_t>(n > 0 ? n : 0) + 1, L'\0');
    const int lu = GetWindowTextW(fenêtre, texte.data(), static_cast<int>(texte.size()));
    texte.resize(static_cast<size_t>(lu > 0 ? lu : 0));
    return texte;
}

std::string TexteDeFenêtre(HWND fenêtre) {
    return DepuisUtf16(TexteDeFenêtreW(fenêtre));
}

HWND ContrôleCrée(HWND parent, const wchar_t* classe, const std::string& texte, DWORD style, int id,
                  const Cadre& place, const Dpi& dpi, HFONT police, DWORD exStyle) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    HWND c = CreateWindowExW(exStyle, classe, VersUtf16(texte).c_str(), WS_CHILD | style,
                             TwipsEnPixelsX(place.gauche, dpi), TwipsEnPixelsY(place.haut, dpi),
                             TwipsEnPixelsX(place.largeur, dpi), TwipsEnPixelsY(place.hauteur, dpi),
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                             nullptr);
    if (c && police) SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(police), FALSE);
    return c;
}

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
