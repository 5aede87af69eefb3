// The window kit: a window class registered once, a window object attached to its handle
// and dispatched to by one procedure, and what every window needs besides (the message
// font, its text, controls placed in twips at the window's own DPI, centring).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Metriques.h"
#include "Placement.h"
#include "Possession.h"

// What the suite's window classes differ by. Every class has the program's icon
// (resource 1).
struct ClasseFenêtre {
    const wchar_t* nom = L"";
    bool flèche = true;        // the arrow pointer; false: the window sets it (WM_SETCURSOR)
    bool fondDialogue = true;  // the dialog background; false: the window paints its own
    bool petiteIcône = true;   // the icon as the small one too; false: the system's choice
};

// Registers the class with `procédure`, the common controls initialised first. A class
// already registered is left as it is. False when it cannot be registered.
bool ClasseInscrit(HINSTANCE instance, const ClasseFenêtre& classe, WNDPROC procédure);

// Where and how a window is created.
struct Création {
    const wchar_t* titre = L"";
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, largeur = CW_USEDEFAULT, hauteur = CW_USEDEFAULT;
    HWND parent = nullptr;
};

// A window owned by an object. The object is attached at WM_NCCREATE (a window of the
// class created without an object gets none), so `hwnd_` is set for the creation messages,
// before Crée returns; `Message` then handles every message up
// to WM_NCDESTROY, which the base keeps for itself: it detaches the object (`hwnd_`
// reset), lets the system free what the window holds (DefWindowProcW with the real
// handle) and, last, calls `Détruite()`.
class Fenêtre {
  public:
    Fenêtre(const Fenêtre&) = delete;
    Fenêtre& operator=(const Fenêtre&) = delete;

    HWND Handle() const { return hwnd_; }
    // The DPI the window is laid out at (see `dpi_`).
    Dpi DpiCourant() const { return dpi_; }
    // The object of a window created by Crée; nullptr for any other window.
    static Fenêtre* De(HWND hwnd);

  protected:
    Fenêtre() = default;
    // A window still open is destroyed without reaching the object, which is partly gone:
    // a class whose WM_DESTROY matters destroys its window in its own destructor.
    virtual ~Fenêtre();

    // Registers the class when needed and creates the window; false when either fails, a
    // class of that name registered with another procedure included (its window is
    // destroyed). A creation that fails, even after the object was attached (WM_CREATE
    // returning -1), never calls `Détruite()`: the object is still the caller's.
    // The window's size is taken as laid out at `dpi_` as it was before the call; when the
    // window's own DPI differs (made on another monitor), the size is scaled to it.
    bool Crée(HINSTANCE instance, const ClasseFenêtre& classe, const Création& création);
    virtual LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) = 0;
    // The window's last call, its handle already gone: where a window that owns its object
    // deletes it.
    virtual void Détruite() {}

    // A font that follows the window's DPI: `fabrique` makes it for a DPI. The window owns
    // it (until its end) and, when its DPI changes, makes it again and gives the new one to
    // every control that showed the old. Returns the font made now, nullptr when none.
    using FabriquePolice = std::function<Police(const Dpi&)>;
    HFONT PoliceAjoute(FabriquePolice fabrique);
    // A child control placed at `place` in twips (see ContrôleCrée) and placed again from
    // these twips when the window's DPI changes.
    HWND ContrôleEnTwips(const wchar_t* classe, const std::string& texte, DWORD style, int id,
                         const Cadre& place, HFONT police = nullptr, DWORD exStyle = 0);
    // Moves a control of ContrôleEnTwips to `place`, kept for the next DPI change.
    void ContrôleReplace(HWND contrôle, const Cadre& place);
    // Called once the kit has laid the window out again after a DPI change (fonts, controls,
    // the system's suggested rectangle): what the window adds of its own (list extents,
    // item heights, a layout computed from its size).
    virtual void DpiChangé() {}

    HWND hwnd_ = nullptr;
    // The resolution every twips conversion of the window uses: the screen's until the
    // window exists, then the window's own, then the one each WM_DPICHANGED gives.
    Dpi dpi_ = DpiÉcran();

  private:
    static LRESULT CALLBACK Procédure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void DpiChange(const Dpi& nouveau, const RECT& proposé);

    struct PoliceSuivie {
        FabriquePolice fabrique;
        Police police;
    };
    std::vector<PoliceSuivie> polices_;
    std::vector<std::pair<HWND, Cadre>> contrôles_;
    bool enCréation_ = false;  // inside Crée's CreateWindowExW
};

// The DPI of a window: the one its object lays it out at for a window of the kit, the
// system's value for the window (GetDpiForWindow, where the system has it) for any other,
// the screen's where the system cannot say.
Dpi DpiDeFenêtre(HWND fenêtre);

// The system's message-box font (bold on request) for `dpi`; nothing held when the system
// does not say (the controls then keep the system font).
Police PoliceMessage(bool gras = false, const Dpi& dpi = DpiÉcran());

// A window's text, in UTF-16 and in UTF-8; set from UTF-8.
std::wstring TexteDeFenêtreW(HWND fenêtre);
std::string TexteDeFenêtre(HWND fenêtre);
void TexteÉcrit(HWND fenêtre, const std::string& texte);

// The outer size in pixels of a window of this style with a client area of that many twips.
SIZE TailleExtérieure(double largeur, double hauteur, DWORD style, DWORD exStyle, const Dpi& dpi);
// A window's rectangle to store in twips (a minimised or maximised one's restored one): the
// place at the screen's DPI, as windows are made, the size at the window's own DPI.
Cadre GéométrieTwips(HWND fenêtre);
// Fits a list box's horizontal extent to its lines in its font: from line `depuis` on, only
// widening; from 0, anew, and the list shows its left edge, as a rebuilt list must.
void ListeÉtendueAjuste(HWND liste, int depuis = 0);

// A place in twips in pixels at `dpi`, each edge and size on its own (as TwipsEnPixels rounds).
RECT EnPixels(const Cadre& place, const Dpi& dpi);

// Creates a child control (WS_CHILD added to `style`) of class `classe` with the text
// `texte` (UTF-8) and the id `id`, at `place` in twips converted by EnPixels, with `police`
// when there is one.
HWND ContrôleCrée(HWND parent, const wchar_t* classe, const std::string& texte, DWORD style, int id,
                  const Cadre& place, const Dpi& dpi, HFONT police = nullptr, DWORD exStyle = 0);

// Moves a child window to `r` (its parent's client coordinates) and has all of it painted
// again: the system would otherwise copy its former pixels there, and may leave it blank.
void ContrôleDéplace(HWND contrôle, const RECT& r);

// Centres a window on the screen by Centré's rule. A child window is centred in screen
// coordinates too, converted to its parent's client area. Size and Z order are unchanged.
void FeuilleCentre(HWND fenêtre);
