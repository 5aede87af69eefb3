// F_Help, the help window: the help text in a scrolled box and "Ok", shown modally over
// the main window.
#pragma once

#include <windows.h>

#include "FenetresWin32.h"

class F_Help {
  public:
    F_Help() = default;
    ~F_Help();
    F_Help(const F_Help&) = delete;
    F_Help& operator=(const F_Help&) = delete;

    // Shows the window centred on the screen, with the main window disabled, until "Ok",
    // Escape or closing hides it; then the window is unloaded.
    void MontreModal(HINSTANCE instance, HWND propriétaire);

  private:
    static LRESULT CALLBACK Procédure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    template <class T>
    friend LRESULT CALLBACK ProcédureFenêtre(HWND, UINT, WPARAM, LPARAM);
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp);
    void bOk_Click();

    HWND hwnd_ = nullptr, t_ = nullptr, bOk_ = nullptr;
    HFONT police_ = nullptr;
    bool visible_ = false;
};
