// F_Auto, Horlo's task editor: the list of tasks (fSelect) and the entry panel (FSaisie)
// in the same place. The window only reads and sets its controls; what they mean, the
// check and the saving rules are in Editeur.h.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ClavierDialogue.h"
#include "Editeur.h"
#include "Fenetre.h"
#include "Feuilles.h"
#include "Metriques.h"
#include "Moteur.h"
#include "Ports.h"
#include "Registre.h"
#include "Taches.h"

struct ContexteÉditeur {
    Horlo& horlo;
    Registre& registre;
    Dialogues& dialogues;
    // What "Exécuter" runs a task with: the engine's launcher and message windows.
    Lanceur& lanceur;
    Alarmes& alarmes;
    HINSTANCE instance;
    // Called when the window closes (the "/o" start ends the program then).
    std::function<void()> àLaFermeture;
};

class F_Auto;

// Opens F_Auto (or brings it to the front when already open), enters "F_Auto" in
// FeuillesOuvertes while it is open; returns the window, which is also the engine's
// VueÉditeur while it is open (nullptr once closed, or when the window cannot be made).
// The window handles its own keys (Tab, Esc): the caller's message loop needs nothing.
F_Auto* F_AutoOuvre(const ContexteÉditeur& c);
// The open editor, nullptr when closed.
VueÉditeur* F_AutoVue();
// The open editor's window handle, nullptr when closed.
HWND F_AutoFenêtre();

class F_Auto : public Fenêtre, public VueÉditeur {
  public:
    // Its name in FeuillesOuvertes and for its stored position.
    static constexpr const char* NomFeuille = "F_Auto";

    explicit F_Auto(const ContexteÉditeur& c) : c_(c) {}

    // Makes and shows the window, with the tasks and the catalogue. Once it has succeeded
    // the object belongs to its window: it deletes itself when the window closes.
    bool Crée();

    void ListeRemplit() override;

  private:
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp) override;
    void DpiChangé() override { ListeÉtendueAjuste(lAutom_); }
    void Commande(int id, int notification);
    HWND Ctl(int id) const { return GetDlgItem(hwnd_, id); }

    // Event handlers.
    void bAutom_Click(int index);
    void lAutom_Click();
    void bFin_Click();
    void cProg_Change();
    void cProg_Click();
    void cProg_LostFocus();
    void ProgChoisiRemet();
    void bParcourir_Click();
    void oTyp_Click(int index);
    void cFocus_Click();
    void bOk_Click();
    void bAnn_Click();

    void Saisie(bool vrai);
    void Contrôle();
    void Dépendants();
    ChampsSaisie Lit() const;
    void Écrit(const ChampsSaisie& c);
    void Ferme();
    // The window went without Ferme (its owner was destroyed, or DestroyWindow from
    // elsewhere): the editor closes all the same, so that nobody keeps a closed editor.
    void Détruite() override { Ferme(); }

    void LigneRetire(uint64_t identité);
    int LigneDe(uint64_t identité) const;
    uint64_t IdentitéChoisie() const;
    void BoutonsListe();
    void AjouteLigne(size_t i, bool ajuste = true);
    void VérifieLignes();
    void ÉchecSignale(const Statut& s);

    ContexteÉditeur c_;
    HWND lAutom_ = nullptr, cProg_ = nullptr;
    std::vector<HWND> fSelect_, fSaisie_;  // the controls of each panel
    std::vector<HWND> dansRépet_;          // what the frame fRépet holds
    std::optional<ClavierDialogue> clavier_;
    bool listeVisible_ = true;
    bool listePérimée_ = false;  // the table changed while the entry panel was shown
    bool remplissage_ = false;   // controls set by the editor: no change handlers
    bool choixModèle_ = false;
    std::string progChoisi_;
    bool àRemettre_ = false;  // a catalogue choice whose program is still to be put back
    uint64_t édité_ = 0;      // identity of the task in the entry panel, 0 for a new one
    bool fermée_ = false;
};
