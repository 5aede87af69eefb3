// The window kit (see Fenetre.h).
#include "Fenetre.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>

#include "Utf16.h"

namespace {

// A function of user32 that older systems lack (Windows 10 1607 added the DPI ones):
// nullptr there.
template <class F>
F User32(const char* nom) {
    const FARPROC f = GetProcAddress(GetModuleHandleW(L"user32.dll"), nom);
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(f));
}

// The system's DPI for a window, the screen's where the system has no such function.
Dpi DpiSystèmeDe(HWND fenêtre) {
    static const auto pourFenêtre = User32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const UINT dpi = pourFenêtre && fenêtre ? pourFenêtre(fenêtre) : 0;
    if (dpi == 0) return DpiÉcran();
    return {static_cast<int>(dpi), static_cast<int>(dpi)};
}

}  // namespace

RECT EnPixels(const Cadre& place, const Dpi& dpi) {
    const int gauche = TwipsEnPixelsX(place.gauche, dpi), haut = TwipsEnPixelsY(place.haut, dpi);
    return {gauche, haut, gauche + TwipsEnPixelsX(place.largeur, dpi),
            haut + TwipsEnPixelsY(place.hauteur, dpi)};
}

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
    const Dpi prévu = dpi_;
    enCréation_ = true;
    const HWND h = CreateWindowExW(c.exStyle, classe.nom, c.titre, c.style, c.x, c.y, c.largeur,
                                   c.hauteur, c.parent, nullptr, instance, this);
    enCréation_ = false;
    if (!h || h != hwnd_) {
        // A class of that name with another procedure: the window was never attached.
        if (h) DestroyWindow(h);
        hwnd_ = nullptr;
        return false;
    }
    // A window is made at the DPI of the monitor it lands on, with the size it was given:
    // on a monitor of another DPI that size is scaled, as WM_DPICHANGED would.
    dpi_ = DpiSystèmeDe(hwnd_);
    RECT r{};
    if ((dpi_.x != prévu.x || dpi_.y != prévu.y) && GetWindowRect(hwnd_, &r))
        SetWindowPos(hwnd_, nullptr, 0, 0, MulDiv(r.right - r.left, dpi_.x, prévu.x),
                     MulDiv(r.bottom - r.top, dpi_.y, prévu.y),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

HFONT Fenêtre::PoliceAjoute(FabriquePolice fabrique) {
    Police police = fabrique(dpi_);
    if (!police) return nullptr;
    const HFONT h = police.get();
    polices_.push_back({std::move(fabrique), std::move(police)});
    return h;
}

HWND Fenêtre::ContrôleEnTwips(const wchar_t* classe, const std::string& texte, DWORD style, int id,
                              const Cadre& place, HFONT police, DWORD exStyle) {
    HWND c = ContrôleCrée(hwnd_, classe, texte, style, id, place, dpi_, police, exStyle);
    if (c) contrôles_.emplace_back(c, place);
    return c;
}

void Fenêtre::ContrôleReplace(HWND contrôle, const Cadre& place) {
    for (auto& [c, cadre] : contrôles_)
        if (c == contrôle) cadre = place;
    ContrôleDéplace(contrôle, EnPixels(place, dpi_));
}

void Fenêtre::DpiChange(const Dpi& nouveau, const RECT& proposé) {
    dpi_ = nouveau;
    for (PoliceSuivie& p : polices_) {
        Police neuve = p.fabrique(dpi_);
        if (!neuve) continue;
        for (HWND c = GetWindow(hwnd_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)) == p.police.get())
                SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(neuve.get()), FALSE);
        p.police = std::move(neuve);  // the old one, no longer shown, is deleted
    }
    for (const auto& [c, place] : contrôles_) {
        const RECT r = EnPixels(place, dpi_);
        MoveWindow(c, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
    }
    SetWindowPos(hwnd_, nullptr, proposé.left, proposé.top, proposé.right - proposé.left,
                 proposé.bottom - proposé.top, SWP_NOZORDER | SWP_NOACTIVATE);
    DpiChangé();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

Dpi DpiDeFenêtre(HWND fenêtre) {
    if (const Fenêtre* f = Fenêtre::De(fenêtre)) return f->DpiCourant();
    return DpiSystèmeDe(fenêtre);
}

Fenêtre* Fenêtre::De(HWND hwnd) {
    if (!hwnd || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(Procédure))
        return nullptr;
    return reinterpret_cast<Fenêtre*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK Fenêtre::Procédure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE && lp) {
        // A window of the class made without an object has none: DefWindowProcW has it all.
        auto* objet = static_cast<Fenêtre*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        if (objet) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(objet));
            objet->hwnd_ = hwnd;
        }
    }
    auto* objet = reinterpret_cast<Fenêtre*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!objet) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_DPICHANGED) {
        // The DPI comes from the message, not from the system, which may not have moved
        // the window to its new DPI yet.
        const int x = LOWORD(wp), y = HIWORD(wp);
        if (x > 0 && y > 0 && lp) objet->DpiChange({x, y}, *reinterpret_cast<const RECT*>(lp));
        return 0;
    }
    if (msg != WM_NCDESTROY) return objet->Message(msg, wp, lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    objet->hwnd_ = nullptr;
    const LRESULT r = DefWindowProcW(hwnd, msg, wp, lp);
    // Its controls are gone: nothing to lay out again, no font shown any more.
    objet->contrôles_.clear();
    objet->polices_.clear();
    // A creation that fails leaves the object to its creator, whom Crée tells.
    if (!objet->enCréation_) objet->Détruite();
    return r;
}

Police PoliceMessage(bool gras, const Dpi& dpi) {
    using PourDpi = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
    static const auto pourDpi = User32<PourDpi>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    if (!pourDpi || !pourDpi(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0, dpi.y)) {
        // The system's metrics are at the screen's DPI.
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) return Police{};
        ncm.lfMessageFont.lfHeight = MulDiv(ncm.lfMessageFont.lfHeight, dpi.y, DpiÉcran().y);
    }
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

void TexteÉcrit(HWND fenêtre, const std::string& texte) {
    SetWindowTextW(fenêtre, VersUtf16(texte).c_str());
}

SIZE TailleExtérieure(double largeur, double hauteur, DWORD style, DWORD exStyle, const Dpi& dpi) {
    RECT r{0, 0, TwipsEnPixelsX(largeur, dpi), TwipsEnPixelsY(hauteur, dpi)};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

Cadre GéométrieTwips(HWND fenêtre) {
    RECT r{};
    GetWindowRect(fenêtre, &r);
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if ((IsIconic(fenêtre) || IsZoomed(fenêtre)) && GetWindowPlacement(fenêtre, &wp)) {
        // In work-area coordinates: moved by the work area's offset on its monitor.
        r = wp.rcNormalPosition;
        MONITORINFO mi{};
        mi.cbSize = sizeof mi;
        if (GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTOPRIMARY), &mi))
            OffsetRect(&r, mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top);
    }
    const Dpi écran = DpiÉcran(), propre = DpiDeFenêtre(fenêtre);
    return {PixelsEnTwipsX(r.left, écran), PixelsEnTwipsY(r.top, écran),
            PixelsEnTwipsX(r.right - r.left, propre), PixelsEnTwipsY(r.bottom - r.top, propre)};
}

void ListeÉtendueAjuste(HWND liste, int depuis) {
    // Measuring every line would cost more than filling a list of thousands: only the
    // longest lines in characters are measured, taken to hold the widest.
    constexpr size_t Mesurées = 8;
    std::pair<LRESULT, LRESULT> longues[Mesurées] = {};  // (length, line), longest first
    for (LRESULT i = std::max(depuis, 0), n = SendMessageW(liste, LB_GETCOUNT, 0, 0); i < n; ++i) {
        const LRESULT longueur = SendMessageW(liste, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (longueur <= longues[Mesurées - 1].first) continue;
        longues[Mesurées - 1] = {longueur, i};
        std::sort(std::begin(longues), std::end(longues), std::greater<>());
    }
    const ContexteFenêtre dc(liste, reinterpret_cast<HFONT>(SendMessageW(liste, WM_GETFONT, 0, 0)));
    LRESULT étendue = depuis > 0 ? SendMessageW(liste, LB_GETHORIZONTALEXTENT, 0, 0) : 0;
    std::wstring ligne;
    for (const auto& [longueur, i] : longues) {
        if (longueur <= 0) break;
        ligne.assign(static_cast<size_t>(longueur) + 1, L'\0');
        const LRESULT lu = SendMessageW(liste, LB_GETTEXT, static_cast<WPARAM>(i),
                                        reinterpret_cast<LPARAM>(ligne.data()));
        SIZE t{};
        if (lu > 0 && GetTextExtentPoint32W(dc.get(), ligne.c_str(),
                                            static_cast<int>(std::min(lu, longueur)), &t))
            étendue = std::max<LRESULT>(étendue, t.cx + 2 * GetSystemMetrics(SM_CXEDGE));
    }
    SendMessageW(liste, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(étendue), 0);
    if (depuis <= 0) SendMessageW(liste, WM_HSCROLL, MAKEWPARAM(SB_LEFT, 0), 0);
}

HWND ContrôleCrée(HWND parent, const wchar_t* classe, const std::string& texte, DWORD style, int id,
                  const Cadre& place, const Dpi& dpi, HFONT police, DWORD exStyle) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    const RECT r = EnPixels(place, dpi);
    HWND c = CreateWindowExW(exStyle, classe, VersUtf16(texte).c_str(), WS_CHILD | style, r.left,
                             r.top, r.right - r.left, r.bottom - r.top, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (c && police) SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(police), FALSE);
    return c;
}

void ContrôleDéplace(HWND contrôle, const RECT& r) {
    SetWindowPos(contrôle, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    InvalidateRect(contrôle, nullptr, TRUE);
}

void FeuilleCentre(HWND fenêtre) {
    RECT r{};
    if (!fenêtre || !GetWindowRect(fenêtre, &r)) return;
    const double l = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const Cadre c = Centré(r.right - r.left, r.bottom - r.top, {0, 0, l, h});
    POINT coin{static_cast<int>(c.gauche), static_cast<int>(c.haut)};
    if (GetWindowLongPtrW(fenêtre, GWL_STYLE) & WS_CHILD)
        if (HWND parent = GetParent(fenêtre)) ScreenToClient(parent, &coin);
    SetWindowPos(fenêtre, nullptr, coin.x, coin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}
