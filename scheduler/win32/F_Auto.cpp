// F_Auto: the task editor's window. Its handlers read and set the controls; the meaning
// of the values, the check and the saving rules are in Editeur.h. Its controls are listed
// in DispositionAuto.cpp.
#include "F_Auto.h"

#include <unordered_set>

#include "DispositionAuto.h"
#include "IdsAuto.h"
#include "Suite.h"
#include "Utf16.h"
#include "VersionWin32.h"

static_assert(sizeof(LPARAM) >= sizeof(uint64_t), "list lines carry 64-bit task identities");

namespace {

constexpr const char* FiltreProgrammes =
    "Programmes|*.exe|Lots|*.bat|Son wave|*.wav|Son midi|*.mid";
constexpr UINT MsgProgChoisi = WM_APP + 1;  // put progChoisi_ back after the combo's own text

}  // namespace

bool F_Auto::Crée() {
    // No close, minimise or maximise button: the window closes by "Ok" or eMsg.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION;
    const SIZE t = TailleExtérieure(DispositionAuto::LargeurClient, DispositionAuto::HauteurClient,
                                    style, 0, dpi_);
    // 1. The title from the version tag.
    const std::wstring titre = VersUtf16(VersionTexte() + " Programmation");
    if (!Fenêtre::Crée(c_.instance, {IdsAuto::Classe},
                       {titre.c_str(), style, 0, CW_USEDEFAULT, CW_USEDEFAULT, t.cx, t.cy}))
        return false;
    const HFONT police = PoliceAjoute([](const Dpi& dpi) { return PoliceMessage(false, dpi); });
    const HFONT gras = PoliceAjoute([](const Dpi& dpi) { return PoliceMessage(true, dpi); });

    // The controls in the table's order, which is the tab order, each into its panel.
    for (const DispositionAuto::Contrôle& c : DispositionAuto::Contrôles()) {
        const DispositionAuto::Sorte s = DispositionAuto::SorteDe(c.genre);
        const HWND h = ContrôleEnTwips(s.classe, c.texte, WS_CLIPSIBLINGS | s.style | c.style, c.id,
                                       c.place, police, s.exStyle);
        if (!h) return false;
        (c.panneau == DispositionAuto::Panneau::Liste ? fSelect_ : fSaisie_).push_back(h);
        if (c.panneau == DispositionAuto::Panneau::Répétition) dansRépet_.push_back(h);
    }
    lAutom_ = Ctl(IdsAuto::lAutom);
    cProg_ = Ctl(IdsAuto::cProg);
    DpiChangé();
    if (gras) SendMessageW(Ctl(IdsAuto::eMsg), WM_SETFONT, reinterpret_cast<WPARAM>(gras), FALSE);
    // tParam and its label stay hidden until a program ending in ".exe" is typed.
    Dépendants();

    // 2. Registered as open, placed at its stored position.
    FeuilleOuverte(c_.horlo.FeuillesOuvertes, NomFeuille, true);
    PositionRestaure(hwnd_, NomFeuille, c_.registre);
    // 3. The tasks and the catalogue.
    ListeRemplit();
    const TableModèles& m = c_.horlo.Modèles;
    for (size_t k = 1; k <= m.Dernier(); ++k) {
        const auto i = SendMessageW(cProg_, CB_ADDSTRING, 0,
                                    reinterpret_cast<LPARAM>(VersUtf16(m[k].Libellé).c_str()));
        if (i >= 0)
            SendMessageW(cProg_, CB_SETITEMDATA, static_cast<WPARAM>(i), static_cast<LPARAM>(k));
    }
    // Tab and Esc are handled for this window whatever message loop runs it.
    clavier_.emplace(hwnd_, cProg_);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
    SetFocus(lAutom_);
    return true;
}

LRESULT F_Auto::Message(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            Commande(LOWORD(wp), HIWORD(wp));
            return 0;
        case MsgProgChoisi:
            ProgChoisiRemet();
            return 0;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lp) == Ctl(IdsAuto::eMsg)) {
                const HDC dc = reinterpret_cast<HDC>(wp);
                SetTextColor(dc, RGB(255, 0, 0));
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        case WM_CLOSE:  // Alt+F4 or the task bar: as "Ok"
            bFin_Click();
            return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void F_Auto::Commande(int id, int n) {
    using namespace IdsAuto;
    // Esc through the dialog manager: "Ok" on the list panel, "Renoncer" on the entry panel.
    // Enter (IDOK) does nothing: there is no default button.
    if (id == IDCANCEL) return listeVisible_ ? bFin_Click() : bAnn_Click();
    if (id == IDOK) return;
    if (remplissage_ && id != bFin && id != bOk && id != bAnn) return;
    const bool clic = n == BN_CLICKED;
    if (id >= bAutom0 && id <= bAutom2 && clic) return bAutom_Click(id - bAutom0);
    if (id == bAutom3 && clic) return bAutom_Click(3);
    if (id == bFin && clic) return bFin_Click();
    if (id == lAutom && n == LBN_SELCHANGE) return lAutom_Click();
    if (id == lAutom && n == LBN_DBLCLK) {
        if (IdentitéChoisie()) bAutom_Click(1);
        return;
    }
    if (id == IdsAuto::cProg && n == CBN_EDITCHANGE) return cProg_Change();
    if (id == IdsAuto::cProg && n == CBN_SELCHANGE) return cProg_Click();
    // The combo box writes the chosen entry's label into its field after these
    // notifications return, in an order that depends on mouse or keys: the program is
    // put back once they are all done.
    if (id == IdsAuto::cProg && (n == CBN_SELENDOK || n == CBN_CLOSEUP) && àRemettre_) {
        PostMessageW(hwnd_, MsgProgChoisi, 0, 0);
        return;
    }
    if (id == IdsAuto::cProg && n == CBN_KILLFOCUS) return cProg_LostFocus();
    if (id == bParcourir && clic) return bParcourir_Click();
    if ((id == cDésactivé || id == cWeekEnd || (id >= oRépet0 && id <= oRépet0 + 6)) && clic) {
        Dépendants();
        return Contrôle();
    }
    if (id >= oTyp0 && id <= oTyp0 + 2 && clic) return oTyp_Click(id - oTyp0);
    if (id == IdsAuto::cFocus && clic) return cFocus_Click();
    if ((id == tJour || id == tHeure || id == tDélai || id == tMax || id == tParam) &&
        n == EN_CHANGE)
        return Contrôle();
    if (id == IdsAuto::bOk && clic) return bOk_Click();
    if (id == bAnn && clic) return bAnn_Click();
    if (id == eMsg && n == STN_CLICKED) return bFin_Click();
}

// ---- The list panel -------------------------------------------------------------------

int F_Auto::LigneDe(uint64_t identité) const {
    const auto n = SendMessageW(lAutom_, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i)
        if (static_cast<uint64_t>(
                SendMessageW(lAutom_, LB_GETITEMDATA, static_cast<WPARAM>(i), 0)) == identité)
            return static_cast<int>(i);
    return -1;
}

uint64_t F_Auto::IdentitéChoisie() const {
    const auto i = SendMessageW(lAutom_, LB_GETCURSEL, 0, 0);
    if (i == LB_ERR) return 0;
    return static_cast<uint64_t>(SendMessageW(lAutom_, LB_GETITEMDATA, static_cast<WPARAM>(i), 0));
}

void F_Auto::BoutonsListe() {
    const BOOL choisie = IdentitéChoisie() != 0;
    EnableWindow(Ctl(IdsAuto::bAutom1), choisie);
    EnableWindow(Ctl(IdsAuto::bAutom2), choisie);
    EnableWindow(Ctl(IdsAuto::bAutom3), choisie);
}

void F_Auto::AjouteLigne(size_t i, bool ajuste) {
    const Tâche& t = c_.horlo.Tâches[i];
    const auto l = SendMessageW(lAutom_, LB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(VersUtf16(LigneTâche(t)).c_str()));
    if (l < 0) return;
    SendMessageW(lAutom_, LB_SETITEMDATA, static_cast<WPARAM>(l), static_cast<LPARAM>(t.Identité));
    if (ajuste) ListeÉtendueAjuste(lAutom_, static_cast<int>(l));
}

void F_Auto::ListeRemplit() {
    listePérimée_ = !listeVisible_;
    if (listePérimée_) return;
    const uint64_t choisie = IdentitéChoisie();
    const auto haut = SendMessageW(lAutom_, LB_GETTOPINDEX, 0, 0);
    const TableTâches& t = c_.horlo.Tâches;
    SendMessageW(lAutom_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(lAutom_, LB_RESETCONTENT, 0, 0);
    SendMessageW(lAutom_, LB_INITSTORAGE, t.Dernier(), t.Dernier() * 64);
    for (size_t i = 1; i <= t.Dernier(); ++i)
        if (!Supprimée(t[i])) AjouteLigne(i, false);
    ListeÉtendueAjuste(lAutom_);  // once, from the first line: the list shows its left edge
    // The list keeps its vertical scroll position (its first line showed the left edge), and
    // the line chosen before stays chosen when its task is still there.
    SendMessageW(lAutom_, LB_SETTOPINDEX, static_cast<WPARAM>(haut), 0);
    if (choisie) SendMessageW(lAutom_, LB_SETCURSEL, static_cast<WPARAM>(LigneDe(choisie)), 0);
    SendMessageW(lAutom_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(lAutom_, nullptr, TRUE);
    BoutonsListe();
}

void F_Auto::LigneRetire(uint64_t identité) {
    const int l = LigneDe(identité);
    if (l >= 0) SendMessageW(lAutom_, LB_DELETESTRING, static_cast<WPARAM>(l), 0);
    BoutonsListe();
}

// After a save that took in another instance's changes, lines whose task is gone or
// tasks without a line: the list is rebuilt from the table.
void F_Auto::VérifieLignes() {
    std::unordered_set<uint64_t> tâches;
    const TableTâches& t = c_.horlo.Tâches;
    for (size_t i = 1; i <= t.Dernier(); ++i)
        if (!Supprimée(t[i])) tâches.insert(t[i].Identité);
    const auto n = SendMessageW(lAutom_, LB_GETCOUNT, 0, 0);
    bool juste = static_cast<size_t>(n) == tâches.size();
    for (LRESULT i = 0; juste && i < n; ++i)
        juste = tâches.count(static_cast<uint64_t>(
                    SendMessageW(lAutom_, LB_GETITEMDATA, static_cast<WPARAM>(i), 0))) > 0;
    if (!juste) ListeRemplit();
}

void F_Auto::ÉchecSignale(const Statut& s) {
    if (s.ok) return;
    c_.dialogues.Message(MessageÉchecEnregistrement(c_.horlo, s.erreur), TitreAttention,
                         Mb::Ok | Mb::IcôneExclamation);
}

void F_Auto::lAutom_Click() {
    BoutonsListe();
}

void F_Auto::bAutom_Click(int index) {
    switch (index) {
        case 0:
            SendMessageW(lAutom_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
            BoutonsListe();
            Saisie(true);
            break;
        case 1:
            Saisie(true);
            break;
        case 2: {
            // Without asking.
            const uint64_t identité = IdentitéChoisie();
            if (!identité) return;
            const Statut s = TâcheSupprime(c_.horlo, identité);
            LigneRetire(identité);
            VérifieLignes();
            SetFocus(lAutom_);
            ÉchecSignale(s);
            break;
        }
        case 3: {
            // The task runs now; its schedule and Auto.dat stay as they are.
            const uint64_t identité = IdentitéChoisie();
            if (!identité) return;
            PortsMoteur ports{c_.lanceur, c_.alarmes, nullptr};
            TâcheExécuteMaintenant(c_.horlo, ports, c_.dialogues, identité);
            break;
        }
    }
}

void F_Auto::bFin_Click() {
    Ferme();
}

void F_Auto::Ferme() {
    if (fermée_) return;
    fermée_ = true;
    if (hwnd_) PositionSauve(hwnd_, NomFeuille, c_.registre);
    FeuilleOuverte(c_.horlo.FeuillesOuvertes, NomFeuille, false);
    auto àLaFermeture = c_.àLaFermeture;
    clavier_.reset();
    if (hwnd_) DestroyWindow(hwnd_);
    // The last use of this object: the window is gone.
    delete this;
    if (àLaFermeture) àLaFermeture();
}

// ---- The entry panel ------------------------------------------------------------------

ChampsSaisie F_Auto::Lit() const {
    using namespace IdsAuto;
    ChampsSaisie c;
    c.programme = TexteDeFenêtre(cProg_);
    c.paramètres = TexteDeFenêtre(Ctl(tParam));
    for (int k = 0; k < 3; ++k)
        if (IsDlgButtonChecked(hwnd_, oTyp0 + k) == BST_CHECKED) c.fenêtre = k;
    c.focus = IsDlgButtonChecked(hwnd_, IdsAuto::cFocus) == BST_CHECKED;
    for (int k = 0; k < 7; ++k)
        if (IsDlgButtonChecked(hwnd_, oRépet0 + k) == BST_CHECKED) c.répétition = k;
    c.weekEnd = IsDlgButtonChecked(hwnd_, cWeekEnd) == BST_CHECKED;
    c.désactivé = IsDlgButtonChecked(hwnd_, cDésactivé) == BST_CHECKED;
    c.jour = TexteDeFenêtre(Ctl(tJour));
    c.heure = TexteDeFenêtre(Ctl(tHeure));
    c.délai = TexteDeFenêtre(Ctl(tDélai));
    c.max = TexteDeFenêtre(Ctl(tMax));
    return c;
}

void F_Auto::Écrit(const ChampsSaisie& c) {
    using namespace IdsAuto;
    remplissage_ = true;
    const auto texte = [&](int id, const std::string& t) {
        if (TexteDeFenêtre(Ctl(id)) != t) TexteÉcrit(Ctl(id), t);
    };
    texte(IdsAuto::cProg, c.programme);
    texte(tParam, c.paramètres);
    for (int k = 0; k < 3; ++k)
        CheckDlgButton(hwnd_, oTyp0 + k, c.fenêtre == k ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hwnd_, IdsAuto::cFocus, c.focus ? BST_CHECKED : BST_UNCHECKED);
    for (int k = 0; k < 7; ++k)
        CheckDlgButton(hwnd_, oRépet0 + k, c.répétition == k ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hwnd_, cWeekEnd, c.weekEnd ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hwnd_, cDésactivé, c.désactivé ? BST_CHECKED : BST_UNCHECKED);
    texte(tJour, c.jour);
    texte(tHeure, c.heure);
    texte(tDélai, c.délai);
    texte(tMax, c.max);
    remplissage_ = false;
}

// Enabled and visible states that follow from the values.
void F_Auto::Dépendants() {
    using namespace IdsAuto;
    const ÉtatsDépendants e = ÉtatsDe(Lit());
    const int montre = e.paramètresVisibles ? SW_SHOWNA : SW_HIDE;
    ShowWindow(Ctl(tParam), listeVisible_ ? SW_HIDE : montre);
    ShowWindow(Ctl(eParam), listeVisible_ ? SW_HIDE : montre);
    for (HWND h : dansRépet_) EnableWindow(h, e.répétitionActive);
    EnableWindow(Ctl(fRépet), e.répétitionActive);
    if (!e.répétitionActive) return;
    EnableWindow(Ctl(tJour), e.jour);
    EnableWindow(Ctl(tHeure), e.heure);
    EnableWindow(Ctl(tDélai), e.délai);
    EnableWindow(Ctl(cWeekEnd), e.weekEnd);
}

void F_Auto::Contrôle() {
    const Entrée e = EntréeLue(Lit(), c_.horlo.horloge.Maintenant());
    const std::string m = ::Contrôle(e, c_.horlo.fichiers);
    TexteÉcrit(Ctl(IdsAuto::eMsg), m);
    EnableWindow(Ctl(IdsAuto::bOk), m.empty());
    TexteÉcrit(Ctl(IdsAuto::eProchaines), ProchainsMoments(e, c_.horlo.horloge.Maintenant()));
}

void F_Auto::Saisie(bool vrai) {
    if (!vrai) {
        for (HWND h : fSaisie_) ShowWindow(h, SW_HIDE);
        listeVisible_ = true;
        if (listePérimée_) ListeRemplit();
        for (HWND h : fSelect_) ShowWindow(h, SW_SHOWNA);
        SetFocus(lAutom_);
        return;
    }
    for (HWND h : fSelect_) ShowWindow(h, SW_HIDE);
    listeVisible_ = false;
    ChampsSaisie c = Lit();
    const uint64_t identité = IdentitéChoisie();
    const size_t i = c_.horlo.Tâches.IndexDe(identité);
    édité_ = i ? identité : 0;
    if (i)
        TâcheVersChamps(c_.horlo.Tâches[i], c);
    else
        NouvelleVersChamps(c_.horlo.horloge.Maintenant(), c);
    Écrit(c);
    for (HWND h : fSaisie_) ShowWindow(h, SW_SHOWNA);
    Dépendants();
    Contrôle();
    SetFocus(cProg_);
}

void F_Auto::cProg_Change() {
    Dépendants();
    Contrôle();
}

void F_Auto::cProg_Click() {
    const auto k = SendMessageW(cProg_, CB_GETCURSEL, 0, 0);
    if (k == CB_ERR) return;
    const auto entrée =
        static_cast<size_t>(SendMessageW(cProg_, CB_GETITEMDATA, static_cast<WPARAM>(k), 0));
    if (entrée < 1 || entrée > c_.horlo.Modèles.Dernier()) return;
    const Modèle& m = c_.horlo.Modèles[entrée];
    ChampsSaisie c = Lit();
    ModèleVersChamps(m, c_.horlo.horloge.Maintenant(), c);
    progChoisi_ = m.Programme;
    choixModèle_ = true;
    àRemettre_ = true;
    Écrit(c);
    Dépendants();
    Contrôle();
    // The combo box puts the entry's label in its field after this notification.
    PostMessageW(hwnd_, MsgProgChoisi, 0, 0);
}

// After the combo box's own handling of a choice: the chosen program in the field, not the
// entry's label; once the list is closed, the focus to tParam when it is shown.
void F_Auto::ProgChoisiRemet() {
    if (!àRemettre_) return;
    remplissage_ = true;
    if (TexteDeFenêtre(cProg_) != progChoisi_) TexteÉcrit(cProg_, progChoisi_);
    remplissage_ = false;
    Dépendants();
    Contrôle();
    if (SendMessageW(cProg_, CB_GETDROPPEDSTATE, 0, 0)) return;  // still choosing
    àRemettre_ = false;
    if (ParamètresVisibles(progChoisi_)) SetFocus(Ctl(IdsAuto::tParam));
}

void F_Auto::cProg_LostFocus() {
    if (!choixModèle_ || àRemettre_) return;
    remplissage_ = true;
    TexteÉcrit(cProg_, progChoisi_);
    remplissage_ = false;
    choixModèle_ = false;
    Dépendants();
    Contrôle();
}

void F_Auto::bParcourir_Click() {
    const std::string chemin = FichierChoisir(hwnd_, std::string("Programme à planifier :"),
                                              std::nullopt, std::string(FiltreProgrammes));
    if (chemin.empty() || !hwnd_) return;
    choixModèle_ = àRemettre_ = false;
    TexteÉcrit(cProg_, chemin);
    cProg_Change();
}

void F_Auto::oTyp_Click(int index) {
    if (index != Option::Agrandie) return;
    ChampsSaisie c = Lit();
    AgrandieChoisie(c);
    Écrit(c);
}

void F_Auto::cFocus_Click() {
    ChampsSaisie c = Lit();
    FocusChange(c, c.focus);
    Écrit(c);
}

void F_Auto::bOk_Click() {
    const Entrée e = EntréeLue(Lit(), c_.horlo.horloge.Maintenant());
    if (!::Contrôle(e, c_.horlo.fichiers).empty()) return;
    if (édité_) LigneRetire(édité_);
    const Enregistrement r = TâcheEnregistre(c_.horlo, édité_, e);
    if (const size_t i = c_.horlo.Tâches.IndexDe(r.identité)) AjouteLigne(i);
    SendMessageW(lAutom_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    édité_ = 0;
    VérifieLignes();
    BoutonsListe();
    Saisie(false);
    ÉchecSignale(r.fichier);
}

void F_Auto::bAnn_Click() {
    Saisie(false);
}
