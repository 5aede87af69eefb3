// F_Vud, Pensil's only window: the note in a monospaced text box and the Ok button.
#pragma once

#include <windows.h>

#include "Note.h"
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
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp);

    void Form_Resize();
    void bOk_Click();
    // Closing by any other means than Ok: false keeps the window open.
    bool Form_QueryUnload();
    // Every way of closing: stores the geometry.
    void Form_Unload();

    std::string TexteDeT() const;
    Cadre GéométrieTwips() const;
    int EnPixelsX(double twips) const { return MulDiv(static_cast<int>(twips), dpiX_, 1440); }
    int EnPixelsY(double twips) const { return MulDiv(static_cast<int>(twips), dpiY_, 1440); }
    double EnTwipsX(int pixels) const { return pixels * 1440.0 / dpiX_; }
    double EnTwipsY(int pixels) const { return pixels * 1440.0 / dpiY_; }

    Paramètres p_;
    HWND hwnd_ = nullptr, t_ = nullptr, bOk_ = nullptr;
    HFONT police_ = nullptr, policeBouton_ = nullptr;
    int dpiX_ = 96, dpiY_ = 96;
    bool déchargée_ = false;
};
