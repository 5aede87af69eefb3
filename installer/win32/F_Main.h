// Remplo's one window: the caption, the two progress labels E(0) and E(1), the busy
// pointer, and the message pump that keeps it painted while Remplo waits.
#pragma once

#include <windows.h>

#include "Fenetre.h"
#include "Remplo.h"

inline constexpr wchar_t TitreF_Main[] = L"Mise à jour automatique de programme 32bits";
inline constexpr wchar_t ClasseF_Main[] = L"Orvan98.Remplo.F_Main";

class F_Main : public Fenêtre, public FenêtreRemplo {
  public:
    // Creates the window hidden; a window that cannot be created leaves the installation
    // running without one.
    explicit F_Main(HINSTANCE instance);

    void Étiquette(int indice, const std::string& texte) override;
    void PointeurOccupé(bool occupé) override;
    void Montre() override;
    void Cède() override;
    void Pause(unsigned millisecondes) override;

  private:
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override;

    HWND E_[2] = {};
    bool occupé_ = false;
};
