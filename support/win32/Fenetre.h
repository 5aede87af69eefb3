// The window kit: a window class registered once, a window object attached to its handle
// and dispatched to by one procedure, and what every window needs besides (the message
// font, its text, controls placed in twips, centring).
#pragma once

#include <windows.h>

#include <string>

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

// A window owned by an object. The object is attached at WM_NCCREATE, so `hwnd_` is set
// for the creation messages, before Crée returns; `Message` then handles every message up
// to WM_NCDESTROY, which the base keeps for itself: it detaches the object (`hwnd_`
// reset), lets the system free what the window holds (DefWindowProcW with the real
// handle) and, last, calls `Détruite()`.
class Fenêtre {
  public:
    Fenêtre(const Fenêtre&) = delete;
    Fenêtre& operator=(const Fenêtre&) = delete;

    HWND Handle() const { return hwnd_; }
    // The object of a window created by Crée; nullptr for any other window.
    static Fenêtre* De(HWND hwnd);

  protected:
    Fenêtre() = default;
    // A window still open is destroyed without reaching the object, which is partly gone:
    // a class whose WM_DESTROY matters destroys its window in its own destructor.
    virtual ~Fenêtre();

    // Registers the class when needed and creates the window; false when either fails.
    bool Crée(HINSTANCE instance, const ClasseFenêtre& classe, const Création& création);
    virtual LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) = 0;
    // The window's last call, its handle already gone: where a window that owns its object
    // deletes it.
    virtual void Détruite() {}

    HWND hwnd_ = nullptr;

  private:
    static LRESULT CALLBACK Procédure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

// The system's message-box font (bold on request); nothing held when the system does not
// say (the controls then keep the system font).
Police PoliceMessage(bool gras = false);

// A window's text, in UTF-16 and in UTF-8.
std::wstring TexteDeFenêtreW(HWND fenêtre);
std::string TexteDeFenêtre(HWND fenêtre);

// Creates a child control (WS_CHILD added to `style`) of class `classe` with the text
// `texte` (UTF-8) and the id `id`, at `place` in twips converted at `dpi` (each edge and
// size on its own, as TwipsEnPixels rounds), with `police` when there is one.
HWND ContrôleCrée(HWND parent, const wchar_t* classe, const std::string& texte, DWORD style, int id,
                  const Cadre& place, const Dpi& dpi, HFONT police = nullptr, DWORD exStyle = 0);

// Centres a window on the screen: left = (screen width - window width) / 2, top likewise,
// but never above or left of the screen's corner, so that a window larger than the
// screen keeps its caption reachable. A child window is centred in screen coordinates
// too, converted to its parent's client area. Size and Z order are unchanged.
void FeuilleCentre(HWND fenêtre);
