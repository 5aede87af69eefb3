// Thin helpers over a window handle.
#pragma once

#include <windows.h>

#include "Metriques.h"

// Registers a window class of the program with the kit's usual attributes (Fenetre.h):
// the editor's, until it derives from Fenêtre like the other windows.
bool ClasseEnregistre(HINSTANCE instance, const wchar_t* nom, WNDPROC procédure);

// Centres a window on the screen: left = (screen width - window width) / 2, top likewise,
// but never above or left of the screen's corner, so that a window larger than the
// screen keeps its caption reachable. A child window is centred in screen coordinates
// too, converted to its parent's client area. Size and Z order are unchanged.
void FeuilleCentre(HWND fenêtre);

// The editor's window procedure, until it derives from Fenêtre (Fenetre.h), which does the
// same for every other window. A class T that owns its window. The object comes as the
// creation parameter and is attached at WM_NCCREATE, so its `hwnd_` is set for the
// creation messages, before CreateWindowExW returns; `T::Message` then handles every
// message. At WM_NCDESTROY the object is detached (its `hwnd_` reset) and, when T has
// one, `Détruite()` is called (where a window may delete itself). T makes this template its friend.
template <class T>
LRESULT CALLBACK ProcédureFenêtre(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        static_cast<T*>(cs->lpCreateParams)->hwnd_ = hwnd;
    }
    auto* soi = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!soi) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        soi->hwnd_ = nullptr;
        if constexpr (requires { soi->Détruite(); }) {
            soi->Détruite();
            return DefWindowProcW(hwnd, msg, wp, lp);
        }
    }
    return soi->Message(msg, wp, lp);
}
