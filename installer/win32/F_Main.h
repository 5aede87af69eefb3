// Remplo's one window: the caption, the two progress labels E(0) and E(1), the busy
// pointer, and the message pump that keeps it painted while Remplo waits.
#pragma once

#include <windows.h>

#include "FenetresWin32.h"
#include "Remplo.h"

inline constexpr wchar_t TitreF_Main[] = L"Mise à jour automatique de programme 32bits";
inline constexpr wchar_t ClasseF_Main[] = L"Orvan98.Remplo.F_Main";

class F_Main : public FenêtreRemplo {
  public:
    // Creates the window hidden; a window that cannot be created leaves the installation
    // running without one.
    explicit F_Main(HINSTANCE instance);
    ~F_Main() override;
    F_Main(const F_Main&) = delete;
    F_Main& operator=(const F_Main&) = delete;

    void Étiquette(int indice, const std::string& texte) override;
    void PointeurOccupé(bool occupé) override;
    void Montre() override;
    void Cède() override;
    void Pause(unsigned millisecondes) override;

    HWND Handle() const { return hwnd_; }

  private:
    static LRESULT CALLBACK Procédure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    template <class T>
    friend LRESULT CALLBACK ProcédureFenêtre(HWND, UINT, WPARAM, LPARAM);
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp);
    void Form_Load();

    HWND hwnd_ = nullptr;
    HWND E_[2] = {};
    HFONT police_ = nullptr;
    bool occupé_ = false;
};
