// F_Main, Horlo's hidden main window: the notification-area icon and its popup menu, the
// 100 ms timer that runs the engine, and the end of the program.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "F_Show.h"
#include "Fenetre.h"
#include "Icone.h"
#include "Moteur.h"
#include "Registre.h"

// Identities of the window, its tray icon and its menu entries, shared with the tests.
namespace IdsMain {
inline constexpr wchar_t Classe[] = L"Horlo.F_Main";
inline constexpr UINT IcôneId = 1;
inline constexpr UINT MessageIcône = WM_APP + 1;  // the tray icon's callback message
inline constexpr UINT MinuterieId = 1;
inline constexpr UINT RelanceIcôneId = 2;  // the retries of adding the tray icon
// Registered message that ends Horlo without a question, as "&Quitter" answered Oui (the
// setup program sends it before it replaces or removes the programs).
inline constexpr wchar_t MessageFin[] = L"Orvan98.Horlo.Fin";
inline constexpr int mnuopen = 101, orv = 102, showme = 103, bn = 104, MNU_screen = 105, Menu = 106;
inline constexpr int journal = 107;  // "&Journal": the journal window
}  // namespace IdsMain

class F_Main : public Fenêtre {
  public:
    struct Paramètres {
        Horlo& horlo;
        Registre& registre;
        Dialogues& dialogues;
        Lanceur& lanceur;
        HINSTANCE instance;
    };
    explicit F_Main(const Paramètres& p) : p_(p), alarmes_(p.instance, p.dialogues) {}

    // Creates the window hidden and runs Form_Load (icon, menu, timer).
    bool Crée();
    // Asks whether to quit; on Yes closes the window, which ends the program.
    void Quit();
    // Removes the tray icon, when there is one (before the program ends from a routine).
    void IcôneRetire();

  private:
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override;

    void Form_Load();
    // The tray icon's callback: its message (a mouse message, or the keyboard's).
    void Form_MouseMove(UINT message);
    void MenuOuvre();
    void Form_Resize(WPARAM état);
    // false keeps the window loaded (the user closed it from its system menu).
    bool Form_QueryUnload(bool parLUtilisateur);
    void Form_Unload();
    void Timer1_Timer();
    void FinDeSession();
    void mnuopen_Click();
    void orv_Click();
    void showme_Click();
    void bn_Click();
    void journal_Click();
    // Adds the icon; false when the shell refused it. `recommence` after a fresh start
    // (the window's load, the shell's TaskbarCreated) allows a full set of retries.
    bool IcôneAjoute();
    void IcôneInstalle(bool recommence);
    // Starts Timer1; false when the system refuses (its reason in GetLastError).
    bool MinuterieArme();

    Paramètres p_;
    AlarmesWin32 alarmes_;
    Menu xx_;
    NOTIFYICONDATAW icône_{};  // the program's one tray icon
    bool icôneAjoutée_ = false;
    DécodeurIcône décodeur_;
    RelanceIcône relance_;
    bool menuOuvert_ = false;
    UINT tâcheBarreCréée_ = 0;
    UINT fin_ = 0;
    bool sessionFinie_ = false;
};
