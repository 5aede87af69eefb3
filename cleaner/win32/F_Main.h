// F_Main, Nettix's main window: the input panel (drives, extensions, "Recenser") and the
// execution panel (the census, the file list, "Effacer", "Conserver", "Annuler"), drawn
// from the states that the logic of Nettix.h moves through.
#pragma once

#include <windows.h>

#include <string>

#include "Fenetre.h"
#include "Nettix.h"
#include "Recensement.h"
#include "Registre.h"

class F_Main : public Fenêtre, public VueNettix {
  public:
    struct Paramètres {
        ParamètresNettix& p;
        Registre& registre;
        ::Fichiers& fichiers;
        Dialogues& dialogues;
        ListeurDossiers& listeur;
        std::string arguments;  // the command line after the program; "" in interactive use
        std::string version;    // "(Nettix v1.0.0)"
        const TraceNettix* trace = nullptr;  // where each run leaves its line
    };
    explicit F_Main(const Paramètres& p);
    ~F_Main() override;

    // Creates the window hidden, centred, with its caption and both panels.
    bool Crée(HINSTANCE instance);
    // Fills lUnités and lExt from the parameters, with their selections.
    void ListesRemplit();
    void Affiche(int afficher);
    void bGo_Click() { modèle_.Recenser(); }
    void bEffacer_Click() { modèle_.Effacer(); }
    size_t Trouvés() const { return modèle_.Trouvés().size(); }
    // Hands one waiting message to its window (Tab, Enter and Escape included); false on WM_QUIT.
    bool Traite(MSG& msg);

    // VueNettix
    void État(ÉtatFenêtre état) override;
    void Statut(const std::string& texte) override;
    void Total(const std::string& texte) override;
    void ListeAjoute(const std::string& chemin) override;
    void ListeRetire(int32_t i) override;
    void ListeVide() override;
    void ListeSélectionne(int32_t i) override;
    void ConserverPermis(bool permis) override;
    void Mode(bool automatique) override;
    void Cède() override;
    void Bip() override;
    void Termine(bool enregistrer) override;

  private:
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override;
    static LRESULT CALLBACK ListeTextes(HWND h, UINT msg, WPARAM wp, LPARAM lp);
    void LigneDessine(const DRAWITEMSTRUCT& d) const;
    void Commande(int id, int code);
    void bLocal_Click();
    void bVud_Click();
    void Listes_Change();  // the selection of lUnités or lExt changed
    void Défaut(int id);   // the default button (Enter), 0 for none
    void Pompe();          // handles the waiting messages
    // Puts the folder and total texts of the census on screen, and draws lDel.
    void MontreÉcrits();
    void ListeGèle();  // no drawing of lDel until the next MontreÉcrits
    void DpiChangé() override;
    int HauteurDeLigne() const;  // of lDel, in pixels

    Paramètres p_;
    Nettix modèle_;
    HINSTANCE instance_ = nullptr;
    HWND bVud_{}, fUnités_{}, bLocal_{}, lUnités_{}, fExt_{}, lExt_{}, bGo_{}, z_{};
    HWND bAuto_{}, bEffacer_{}, bConserver_{}, bAnn_{}, lDel_{}, eTaille_{}, eExec_{};
    HFONT police_ = nullptr;       // the font of lDel, owned by the kit
    WNDPROC procListe_ = nullptr;  // the list box's own procedure, under ListeTextes
    int défaut_ = 0;
    int mesurées_ = 0;  // lDel's lines its horizontal extent was fitted to
    std::string statut_, total_;
    bool statutÀMontrer_ = false, totalÀMontrer_ = false;
    // During the census and the deletion the list is drawn and scrolled a few times a
    // second only: a list box that redraws and scrolls at every line costs milliseconds a line.
    bool listeÀMontrer_ = false;
    bool finEnVue_ = false;  // lines were appended: the last ten go in view
    ULONGLONG dernièreCession_ = 0, dernierAffichage_ = 0;
    unsigned appels_ = 0;
};
