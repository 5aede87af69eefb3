// F_Vud, Pensil's only window: the note in a monospaced text box and the Ok button.
#pragma once

#include <windows.h>

#include "FenetresWin32.h"
#include "Metriques.h"
#include "Pensil.h"
#include "Registre.h"

class F_Vud {
  public:
    struct Paramètres {
        ÉtatPensil& état;
        Registre& registre;
        Fichiers& fichiers;
        Dialogues& dialogues;
    };
    explicit F_Vud(const Paramètres& p) : p_(p) {}
    ~F_Vud();
    F_Vud(const F_Vud&) = delete;
    F_Vud& operator=(const F_Vud&) = delete;

    // Creates the window at its stored place (or centred) with the note, and shows it.
    bool Crée(HINSTANCE instance, int afficher);
    HWND Fenêtre() const { return hwnd_; }

  private:
    static LRESULT CALLBACK Procédure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    template <class T>
    friend LRESULT CALLBACK ProcédureFenêtre(HWND, UINT, WPARAM, LPARAM);
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp);

    void Form_Resize();
    void bOk_Click();
    // Closing by any other means than Ok: false keeps the window open.
    bool Form_QueryUnload();
    // Every way of closing: stores the geometry.
    void Form_Unload();

    std::string TexteDeT() const;
    Cadre GéométrieTwips() const;
    int EnPixelsX(double twips) const { return TwipsEnPixelsX(twips, dpi_); }
    int EnPixelsY(double twips) const { return TwipsEnPixelsY(twips, dpi_); }
    double EnTwipsX(int pixels) const { return PixelsEnTwipsX(pixels, dpi_); }
    double EnTwipsY(int pixels) const { return PixelsEnTwipsY(pixels, dpi_); }

    Paramètres p_;
    HWND hwnd_ = nullptr, t_ = nullptr, bOk_ = nullptr;
    HFONT police_ = nullptr, policeBouton_ = nullptr;
    Dpi dpi_;
    bool déchargée_ = false;
};
