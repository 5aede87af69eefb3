// Message boxes, the one-line input box and the beep over Win32.
#pragma once

#include "Ports.h"

// Control IDs of the input box, fixed so that tests (and accessibility tools) can find
// its controls: the dialog is a "#32770" window whose caption is the title.
namespace SaisieIds {
inline constexpr int Ok = 1;         // IDOK, the default button "OK"
inline constexpr int Annuler = 2;    // IDCANCEL, the button "Annuler" (also Esc and close)
inline constexpr int Invite = 1001;  // the multi-line prompt (STATIC)
inline constexpr int Texte = 1002;   // the one-line field (EDIT), prefilled and selected
}  // namespace SaisieIds

class DialoguesWin32 : public Dialogues {
  public:
    // MessageBoxW with the flags unchanged, owned by the thread's active window (if any).
    // A box that cannot be shown answers Annuler.
    Réponse Message(const std::string& texte, const std::string& titre, unsigned drapeaux) override;
    // A modal dialog sized to its prompt, centred on the screen: the prompt, the field
    // holding `défaut` (selected), "OK" and "Annuler". Returns the field's text on OK,
    // "" on Annuler, Esc, close, or when the box cannot be shown.
    std::string Saisie(const std::string& invite, const std::string& titre,
                       const std::string& défaut) override;
    void Bip() override;  // MessageBeep(MB_OK)
};
