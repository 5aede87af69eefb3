// Horlo's notification-area icon: what each of the shell's callback messages asks for, and
// the bounded retries of adding the icon while the shell is not ready.
#pragma once

#include <cstdint>

// The callback's message codes (its lParam, icon version 3): mouse messages, the
// keyboard's selections and the context-menu key.
struct MessagesIcône {
    static constexpr uint32_t BoutonGaucheLâché = 0x202;  // WM_LBUTTONUP
    static constexpr uint32_t BoutonDroitLâché = 0x205;   // WM_RBUTTONUP
    static constexpr uint32_t MenuContextuel = 0x7B;      // WM_CONTEXTMENU
    static constexpr uint32_t Sélection = 0x400;          // NIN_SELECT (WM_USER)
    static constexpr uint32_t SélectionClavier = 0x401;   // NIN_KEYSELECT
};

enum class ActionIcône { Aucune, Menu, Quitter };

// Turns the callback's messages into actions. The left button released opens the menu and
// the right one asks whether to quit. The keyboard opens the menu: Enter or Space on the
// selected icon (NIN_KEYSELECT, or NIN_SELECT when the mouse chose it) and the
// context-menu key (WM_CONTEXTMENU). The shell follows each button release with one of
// those too (NIN_SELECT after the left, WM_CONTEXTMENU after the right): that one belongs
// to the click and does nothing; it comes while the click's menu or question is open.
class DécodeurIcône {
  public:
    ActionIcône Message(uint32_t message);

  private:
    uint32_t suite_ = 0;  // the message that completes the last click, until it comes
};

// Adding the icon may fail while the shell starts (a slow logon): it is tried again every
// IntervalleMs, at most Essais times after each fresh start (the program's start, or the
// shell's TaskbarCreated message).
class RelanceIcône {
  public:
    static constexpr unsigned IntervalleMs = 5000;
    static constexpr unsigned Essais = 36;  // three minutes

    // A fresh start: the full number of attempts again.
    void Recommence() { restants_ = Essais; }
    // After an attempt: whether another one should follow.
    bool Continue(bool ajoutée);

  private:
    unsigned restants_ = Essais;
};
