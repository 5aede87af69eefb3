// Find in the note: the system's Find dialog over the note's edit control, Ctrl+F to open
// it, F3 and Shift+F3 to find again without it.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "Ports.h"

class RechercheVud {
  public:
    explicit RechercheVud(Dialogues& dialogues) : dialogues_(dialogues) {}
    RechercheVud(const RechercheVud&) = delete;
    RechercheVud& operator=(const RechercheVud&) = delete;

    // The window that owns the dialog and the edit control searched.
    void Attache(HWND propriétaire, HWND note);
    // For the message loop, before any other handling: Ctrl+F, F3 and Shift+F3 typed in
    // the window or the dialog, and the dialog's own keys (Tab, Enter, Esc). True when the
    // message was used up.
    bool Prétraite(MSG& msg);
    // For the owner's window procedure: true when `msg` was the dialog's notification.
    bool Notification(UINT msg, LPARAM lp);

  private:
    void Ouvre();
    void Suivante(bool versLeBas);

    Dialogues& dialogues_;
    HWND propriétaire_ = nullptr, note_ = nullptr, dialogue_ = nullptr;
    UINT notification_ = 0;  // FINDMSGSTRING, registered
    wchar_t motif_[128] = {};
    // Lives as long as the dialog: the system writes the user's choices into it.
    FINDREPLACEW fr_{};
};
