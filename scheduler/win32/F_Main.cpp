// F_Main: the hidden main window behind the tray icon.
#include "F_Main.h"

#include <shellapi.h>

#include "Commande.h"
#include "Existence.h"
#include "F_Auto.h"
#include "F_Journal.h"
#include "FichiersWin32.h"
#include "Suite.h"
#include "Utf16.h"

namespace {

static_assert(MessagesIcône::BoutonGaucheLâché == WM_LBUTTONUP &&
              MessagesIcône::BoutonDroitLâché == WM_RBUTTONUP &&
              MessagesIcône::MenuContextuel == WM_CONTEXTMENU &&
              MessagesIcône::Sélection == NIN_SELECT &&
              MessagesIcône::SélectionClavier == NIN_KEYSELECT);

bool Existe(const char* chemin) {
    FichiersWin32 fichiers;
    return FichierExiste(fichiers, chemin);
}

}  // namespace

void F_Main::IcôneRetire() {
    if (!icôneAjoutée_) return;
    Shell_NotifyIconW(NIM_DELETE, &icône_);
    icôneAjoutée_ = false;
}

bool F_Main::Crée() {
    tâcheBarreCréée_ = RegisterWindowMessageW(L"TaskbarCreated");
    fin_ = RegisterWindowMessageW(IdsMain::MessageFin);
    if (!Fenêtre::Crée(p_.instance, {IdsMain::Classe},
                       {.titre = L"Form1", .largeur = 320, .hauteur = 240}))
        return false;
    Form_Load();
    return true;
}

void F_Main::Form_Load() {
    ShowWindow(hwnd_, SW_HIDE);
    IcôneInstalle(true);
    xx_.Prend(CreatePopupMenu());
    AppendMenuW(xx_.get(), MF_STRING, IdsMain::mnuopen, L"&Exécution automatique");
    AppendMenuW(xx_.get(), MF_STRING, IdsMain::journal, L"&Journal");
    AppendMenuW(xx_.get(), MF_STRING | (Existe(CheminOrvan98) ? 0 : MF_GRAYED), IdsMain::orv,
                L"&Fenêtre Orvan 98");
    // "montrez-moi" (showme) is a hidden entry: it is not put in the menu.
    AppendMenuW(xx_.get(), MF_STRING | (Existe(CheminPensil) ? 0 : MF_GRAYED), IdsMain::bn,
                L"&Souviens-toi de:");
    AppendMenuW(xx_.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(xx_.get(), MF_STRING, IdsMain::MNU_screen, L"&Démarre l'économiseur");
    AppendMenuW(xx_.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(xx_.get(), MF_STRING, IdsMain::Menu, L"&Quitter");
    // Without its timer Horlo would sit in the tray and never run a task.
    if (!MinuterieArme()) MinuterieÉchecSignale(p_.dialogues, TexteErreur(GetLastError()));
}

bool F_Main::MinuterieArme() {
    return SetTimer(hwnd_, IdsMain::MinuterieId, IntervallePassesMs, nullptr) != 0;
}

bool F_Main::IcôneAjoute() {
    icône_ = {};
    icône_.cbSize = sizeof icône_;
    icône_.hWnd = hwnd_;
    icône_.uID = IdsMain::IcôneId;
    icône_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icône_.uCallbackMessage = IdsMain::MessageIcône;
    icône_.hIcon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd_, GCLP_HICON));
    wcsncpy(icône_.szTip, L"Bouton gauche = menu // bouton droite = Quitter !",
            sizeof icône_.szTip / sizeof icône_.szTip[0] - 1);
    // A busy shell can time out and still add the icon: it then only takes a modification.
    icôneAjoutée_ = Shell_NotifyIconW(NIM_ADD, &icône_) != FALSE ||
                    Shell_NotifyIconW(NIM_MODIFY, &icône_) != FALSE;
    if (icôneAjoutée_) {
        // Version 3 keeps the mouse messages in the callback and reports the keyboard as
        // NIN_SELECT, NIN_KEYSELECT and WM_CONTEXTMENU instead of right clicks. The shell
        // forgets it with the icon: it is set after every addition.
        icône_.uVersion = NOTIFYICON_VERSION;
        Shell_NotifyIconW(NIM_SETVERSION, &icône_);
    }
    return icôneAjoutée_;
}

void F_Main::IcôneInstalle(bool recommence) {
    if (recommence) relance_.Recommence();
    if (relance_.Continue(IcôneAjoute()))
        SetTimer(hwnd_, IdsMain::RelanceIcôneId, RelanceIcône::IntervalleMs, nullptr);
    else
        KillTimer(hwnd_, IdsMain::RelanceIcôneId);
}

void F_Main::Quit() {
    const auto r = p_.dialogues.Message(TexteQuitter, p_.horlo.programme.nom, Mb::OuiNon);
    if (r == Réponse::Oui) DestroyWindow(hwnd_);
}

void F_Main::Form_MouseMove(UINT message) {
    switch (décodeur_.Message(message)) {
        case ActionIcône::Menu:
            MenuOuvre();
            break;
        case ActionIcône::Quitter:
            Quit();
            break;
        case ActionIcône::Aucune:
            break;
    }
}

void F_Main::MenuOuvre() {
    if (menuOuvert_) return;  // Enter may come twice while the menu is open
    menuOuvert_ = true;
    SetForegroundWindow(hwnd_);
    POINT p;
    GetCursorPos(&p);
    TrackPopupMenu(xx_.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, p.x, p.y, 0, hwnd_, nullptr);
    // Lets the menu close when the user clicks elsewhere.
    PostMessageW(hwnd_, WM_NULL, 0, 0);
    menuOuvert_ = false;
}

void F_Main::Form_Resize(WPARAM état) {
    if (état == SIZE_MINIMIZED) ShowWindow(hwnd_, SW_HIDE);
}

bool F_Main::Form_QueryUnload(bool parLUtilisateur) {
    ShowWindow(hwnd_, SW_MINIMIZE);
    ShowWindow(hwnd_, SW_HIDE);
    return !parLUtilisateur;
}

void F_Main::Form_Unload() {
    KillTimer(hwnd_, IdsMain::MinuterieId);
    KillTimer(hwnd_, IdsMain::RelanceIcôneId);
    IcôneRetire();
    ExitProcess(0);  // every other window closes with the program
}

void F_Main::Timer1_Timer() {
    KillTimer(hwnd_, IdsMain::MinuterieId);
    TravailJournalisé(p_.horlo, "Passe du moteur", [&] {
        VueÉditeur* vue =
            FeuilleEstOuverte(p_.horlo.FeuillesOuvertes, "F_Auto") ? F_AutoVue() : nullptr;
        PortsMoteur ports{p_.lanceur, alarmes_, vue};
        TâchesExécute(p_.horlo, ports);  // failures wait for the next pass
    });
    if (!sessionFinie_ && !MinuterieArme())
        Journal(p_.horlo, TexteErreur(GetLastError()), "Minuterie");
}

// Windows is ending: the "A" tasks start, once, without waiting for them.
void F_Main::FinDeSession() {
    if (sessionFinie_) return;
    sessionFinie_ = true;
    KillTimer(hwnd_, IdsMain::MinuterieId);
    TravailJournalisé(p_.horlo, "Fin de session", [&] {
        VueÉditeur* vue =
            FeuilleEstOuverte(p_.horlo.FeuillesOuvertes, "F_Auto") ? F_AutoVue() : nullptr;
        PortsMoteur ports{p_.lanceur, alarmes_, vue};
        TâchesArrêt(p_.horlo, ports);
    });
}

void F_Main::mnuopen_Click() {
    F_AutoOuvre({p_.horlo, p_.registre, p_.dialogues, p_.lanceur, alarmes_, p_.instance, {}});
}

void F_Main::journal_Click() {
    F_JournalOuvre({p_.horlo, p_.registre, p_.instance});
}

void F_Main::orv_Click() {
    if (Existe(CheminOrvan98)) p_.lanceur.Lance(CheminOrvan98, SW_SHOWNORMAL);
}

void F_Main::bn_Click() {
    if (!Existe(CheminPensil)) return;
    // The note program comes to the front: this program has just been in front (its menu)
    // and lets the started one take the foreground.
    AllowSetForegroundWindow(ASFW_ANY);
    p_.lanceur.Lance(CheminPensil, SW_SHOWNORMAL);
}

void F_Main::showme_Click() {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
}

LRESULT F_Main::Message(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == tâcheBarreCréée_ && msg != 0) {  // Explorer restarted: the icon comes back
        IcôneInstalle(true);
        return 0;
    }
    if (msg == fin_ && msg != 0) {  // the setup program: the end of "Quitter", unasked
        DestroyWindow(hwnd_);
        return 0;
    }
    switch (msg) {
        case IdsMain::MessageIcône:
            Form_MouseMove(LOWORD(lp));
            return 0;
        case WM_TIMER:
            if (wp == IdsMain::MinuterieId) Timer1_Timer();
            if (wp == IdsMain::RelanceIcôneId) IcôneInstalle(false);
            return 0;
        case WM_SIZE:
            Form_Resize(wp);
            return 0;
        case WM_COMMAND:
            switch (LOWORD(wp)) {
                case IdsMain::mnuopen:
                    mnuopen_Click();
                    break;
                case IdsMain::journal:
                    journal_Click();
                    break;
                case IdsMain::orv:
                    orv_Click();
                    break;
                case IdsMain::showme:
                    showme_Click();
                    break;
                case IdsMain::bn:
                    bn_Click();
                    break;
                case IdsMain::Menu:
                    Quit();
                    break;
                default:
                    break;  // MNU_screen has no action
            }
            return 0;
        case WM_CLOSE:
            if (Form_QueryUnload(true)) DestroyWindow(hwnd_);
            return 0;
        case WM_QUERYENDSESSION:
            FinDeSession();
            return TRUE;
        case WM_ENDSESSION:
            if (wp) {
                FinDeSession();
                // The session ends with the process: FinDeSession has saved the table and
                // every file is closed after each write. The unload work is skipped: the
                // hidden window's minimise and hide wait on the display, the icon removal
                // waits for the shell's answer (the shell drops an ended program's icons
                // itself), and ExitProcess's DLL detach may wait on the threads it has
                // just ended. That work outlasted the time the session gives.
                TerminateProcess(GetCurrentProcess(), 0);
            } else if (sessionFinie_) {  // the end was cancelled: scheduling goes on
                sessionFinie_ = false;
                if (!MinuterieArme()) Journal(p_.horlo, TexteErreur(GetLastError()), "Minuterie");
            }
            return 0;
        case WM_DESTROY:
            Form_QueryUnload(false);
            Form_Unload();
            return 0;
        default:
            return DefWindowProcW(hwnd_, msg, wp, lp);
    }
}
