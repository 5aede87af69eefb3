// F_Vud, Pensil's only window: the note in a monospaced text box and the Ok button.
#pragma once

#include <windows.h>

#include "Fenetre.h"
#include "Pensil.h"
#include "RechercheVud.h"
#include "Registre.h"

class F_Vud : public Fenêtre {
  public:
    struct Paramètres {
        ÉtatPensil& état;
        Registre& registre;
        Fichiers& fichiers;
        Dialogues& dialogues;
    };
    explicit F_Vud(const Paramètres& p) : p_(p), recherche_(p.dialogues) {}
    ~F_Vud() override;

    // Creates the window at its stored place (or centred) with the note, and shows it.
    bool Crée(HINSTANCE instance, int afficher);
    // The find keys and dialog, for the message loop (see RechercheVud::Prétraite).
    bool Prétraite(MSG& msg) { return recherche_.Prétraite(msg); }

  private:
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override;

    void Form_Resize();
    void DpiChangé() override { Form_Resize(); }
    void bOk_Click();
    // Closing by any other means than Ok: false keeps the window open.
    bool Form_QueryUnload();
    // Every way of closing: stores the geometry.
    void Form_Unload();
    // The draft beside tel.txt: its timer restarted by each change, written when it fires;
    // removed (timer stopped) once the note is saved or its changes dropped.
    void T_Change();
    void Brouillon_Timer();
    void BrouillonFin();

    std::string TexteDeT() const;
    int EnPixelsX(double twips) const { return TwipsEnPixelsX(twips, dpi_); }
    int EnPixelsY(double twips) const { return TwipsEnPixelsY(twips, dpi_); }
    double EnTwipsX(int pixels) const { return PixelsEnTwipsX(pixels, dpi_); }
    double EnTwipsY(int pixels) const { return PixelsEnTwipsY(pixels, dpi_); }

    Paramètres p_;
    RechercheVud recherche_;
    HWND t_ = nullptr, bOk_ = nullptr;
    bool déchargée_ = false;
    bool redimensionnement_ = false;  // Form_Resize's own size correction sends WM_SIZE again
};
