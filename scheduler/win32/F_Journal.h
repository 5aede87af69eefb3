// F_Journal, Horlo's journal window: Horlo.log in a three-column list, newest first, read
// again when the file changes while the window is open. The lines are cut by JournalLu.h.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "Fenetre.h"
#include "JournalLu.h"
#include "Registre.h"
#include "Taches.h"

// Identities of the window and its controls, shared with the tests.
namespace IdsJournal {
inline constexpr wchar_t Classe[] = L"Horlo.F_Journal";
inline constexpr int lJournal = 100;
inline constexpr int bFermer = IDCANCEL;  // Esc through the dialog keys
inline constexpr UINT MinuterieId = 1;
}  // namespace IdsJournal

struct ContexteJournal {
    Horlo& horlo;
    Registre& registre;
    HINSTANCE instance;
};

// Opens the journal window, or brings the open one to the front; nullptr when it cannot
// be made. The window deletes itself when it closes.
HWND F_JournalOuvre(const ContexteJournal& c);

class F_Journal : public Fenêtre {
  public:
    // Its name for its stored position.
    static constexpr const char* NomFeuille = "F_Journal";

    explicit F_Journal(const ContexteJournal& c) : c_(c) {}
    ~F_Journal() override;

  private:
    friend HWND F_JournalOuvre(const ContexteJournal& c);
    bool Crée();
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override;
    void DpiChangé() override;
    void Détruite() override;

    // Reads the journal again when its last-write time or size changed (`toujours`: anyway).
    void Timer1_Timer(bool toujours = false);
    void Form_Resize();
    void bFermer_Click();
    // The text of a cell that the virtual list asks for.
    void Cellule(NMLVDISPINFOW& d) const;

    ContexteJournal c_;
    HWND lJournal_ = nullptr, bFermer_ = nullptr;
    EmpreinteJournal empreinte_;
    bool lu_ = false;
    std::vector<LigneLue> lignes_;
    mutable std::wstring cellule_;  // the text last given to the list, which copies it
};
