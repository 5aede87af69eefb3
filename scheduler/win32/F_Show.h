// F_Show, the message window of the engine: a red window with the message in white bold
// letters and an "Ok" button. One window per engine pass that shows a message.
#pragma once

#include <windows.h>

#include <string>

#include "Alarme.h"
#include "Fenetre.h"
#include "Moteur.h"

class F_Show : public Fenêtre {
  public:
    // Creates the window (hidden, at its designed size). It deletes itself when closed.
    static F_Show* Crée(HINSTANCE instance);
    // Moves it to the screen's top left corner, titles it "Alarme", shows `texte` in E
    // (the window fits itself to it) and shows the window without waiting, topmost, in
    // front when the system allows it and flashing otherwise.
    void Affiche(const std::string& texte);

  private:
    F_Show() = default;
    void Détruite() override { delete this; }  // the window owns its object
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override;
    void E_Change();
    void bOk_Click();

    HWND e_ = nullptr, bOk_ = nullptr;
    Pinceau rouge_;
    DispositionAlarme d_;  // in twips
};

// The engine's message windows over F_Show: a new window for the first message of a pass.
class AlarmesWin32 : public Alarmes {
  public:
    AlarmesWin32(HINSTANCE instance, Dialogues& dialogues)
        : instance_(instance), dialogues_(dialogues) {}
    void Montre(const std::string& texte, bool nouvelle) override;

  private:
    HINSTANCE instance_;
    Dialogues& dialogues_;
    HWND courante_ = nullptr;  // the window of the current pass
};
