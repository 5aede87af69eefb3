// F_Help, the help window: the help text in a scrolled box and "Ok", shown modally over
// the main window.
#pragma once

#include <windows.h>

#include "Fenetre.h"

class F_Help : public Fenêtre {
  public:
    F_Help() = default;

    // Shows the window centred on the screen, with the main window disabled, until "Ok",
    // Escape or closing hides it; then the window is unloaded.
    void MontreModal(HINSTANCE instance, HWND propriétaire);

  private:
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override;
    void bOk_Click();

    HWND t_ = nullptr, bOk_ = nullptr;
    bool visible_ = false;
};
