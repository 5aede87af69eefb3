// The list port over a real list box or combo box (or any other control).
#pragma once

#include <windows.h>

#include "Ports.h"

// Reads a control's entries through the LB_ / CB_ messages; an entry's data is the
// control's item data. The kind comes from the window class: LISTBOX, COMBOBOX, or
// anything else (Autre, named "TextBox" for EDIT, "Label" for STATIC, "CheckBox",
// "OptionButton", "Frame" or "CommandButton" for BUTTON by its style, otherwise the
// class name). Does not own the window; an Autre control has no entries.
class ListeWin32 : public Liste {
  public:
    explicit ListeWin32(HWND contrôle);
    GenreListe Genre() const override;
    std::string NomDeType() const override;
    int32_t Nombre() const override;
    // "" for an index out of range, or an owner-drawn list that keeps no strings.
    std::string Texte(int32_t i) const override;
    // 0 for an index out of range.
    int32_t Donnée(int32_t i) const override;

  private:
    HWND h_;
    GenreListe genre_;
    std::string nomDeType_;
};
