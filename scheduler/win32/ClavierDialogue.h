// The dialog keys (Tab, Shift+Tab, arrows among options, Esc) for a plain window, whatever
// message loop runs it: a message hook of the thread passes the window's key messages
// through IsDialogMessageW, as a dialog's own loop would.
#pragma once

#include <windows.h>

#include "Possession.h"

class ClavierDialogue {
  public:
    // Hooks the calling thread's messages for `fenêtre` and its controls. While the
    // drop-down list of the combo box `liste` is open, Esc and Enter are left to it.
    // One at a time on a thread.
    ClavierDialogue(HWND fenêtre, HWND liste);
    ~ClavierDialogue();
    ClavierDialogue(const ClavierDialogue&) = delete;
    ClavierDialogue& operator=(const ClavierDialogue&) = delete;

  private:
    static LRESULT CALLBACK Filtre(int code, WPARAM wp, LPARAM lp);

    HWND fenêtre_, liste_;
    Crochet crochet_;
};
