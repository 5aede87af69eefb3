// F_Auto: the task editor's window. Its handlers read and set the controls; the meaning
// of the values, the check and the saving rules are in Editeur.h.
#include "F_Auto.h"

#include <commctrl.h>

#include <memory>
#include <unordered_set>
#include <vector>

#include "Editeur.h"
#include "FenetresWin32.h"
#include "IdsAuto.h"
#include "Metriques.h"
#include "Suite.h"
#include "Texte.h"
#include "Utf16.h"
#include "Valeurs.h"
#include "VersionWin32.h"

static_assert(sizeof(LPARAM) >= sizeof(uint64_t), "list lines carry 64-bit task identities");

namespace {

// Layout in twips. Both panels start at the window's top left corner.
struct Place {
    double x, y, l, h;
};
constexpr double LargeurClient = 7800, HauteurClient = 6300;
constexpr double HBouton = 375, HChamp = 315, HLigne = 255;

constexpr const char* FiltreProgrammes =
    "Programmes|*.exe|Lots|*.bat|Son wave|*.wav|Son midi|*.mid";
constexpr const char* NomFeuille = "F_Auto";

const char* const CaptionsRépet[7] = {"Une seule fois",
                                      "Chaque jour",
                                      "Chaque semaine",
                                      "A chaque arrêt de Windows",
                                      "A chaque lancement de Windows après un délai de",
                                      "Le premier",
                                      "Le dernier"};
const char* const CaptionsTyp[3] = {"Normale", "Réduite", "Agrandie"};

std::string TexteDe(HWND h) {
    const int n = GetWindowTextLengthW(h);
    std::wstring w(static_cast<size_t>(n) + 1, L'\0');
    const int lu = GetWindowTextW(h, w.data(), n + 1);
    w.resize(static_cast<size_t>(lu > 0 ? lu : 0));
    return DepuisUtf16(w);
}

}  // namespace

class F_Auto : public VueÉditeur {
  public:
    explicit F_Auto(const ContexteÉditeur& c) : c_(c) {}
    ~F_Auto() override;
    F_Auto(const F_Auto&) = delete;
    F_Auto& operator=(const F_Auto&) = delete;

    bool Crée();
    HWND Fenêtre() const { return hwnd_; }

    void ListeRemplit() override;

  private:
    static LRESULT CALLBACK Procédure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    template <class T>
    friend LRESULT CALLBACK ProcédureFenêtre(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK Crochet(int code, WPARAM wp, LPARAM lp);
    LRESULT Message(UINT msg, WPARAM wp, LPARAM lp);
    void Commande(int id, int notification);

    HWND Nouveau(const char* classe, const std::string& texte, DWORD style, int id, Place p,
                 DWORD exStyle = 0);
    HWND Étiquette(const std::string& texte, Place p, int id = 0, DWORD style = SS_LEFT);
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
    void Détruite() { Ferme(); }

    void LigneChange(uint64_t identité, const std::string& texte);
    void LigneRetire(uint64_t identité);
    int LigneDe(uint64_t identité) const;
    uint64_t IdentitéChoisie() const;
    void BoutonsListe();
    void AjouteLigne(size_t i);
    void VérifieLignes();
    void ÉchecSignale(const Statut& s);

    ContexteÉditeur c_;
    HWND hwnd_ = nullptr, lAutom_ = nullptr, cProg_ = nullptr;
    std::vector<HWND> fSelect_, fSaisie_;  // the controls of each panel
    std::vector<HWND> dansRépet_;          // what the frame fRépet holds
    HFONT police_ = nullptr, gras_ = nullptr;
    HHOOK crochet_ = nullptr;
    Dpi dpi_;
    bool listeVisible_ = true;
    bool listePérimée_ = false;  // the table changed while the entry panel was shown
    bool remplissage_ = false;   // controls set by the editor: no change handlers
    bool ChoixModèle = false;
    std::string ProgChoisi;
    bool àRemettre_ = false;  // a catalogue choice whose program is still to be put back
    uint64_t édité_ = 0;      // identity of the task in the entry panel, 0 for a new one
    bool fermée_ = false;
};

namespace {
F_Auto* ouvert = nullptr;                   // the open editor
constexpr UINT MsgProgChoisi = WM_APP + 1;  // put ProgChoisi back after the combo's own text
}  // namespace

F_Auto::~F_Auto() {
    if (crochet_) UnhookWindowsHookEx(crochet_);
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    if (police_) DeleteObject(police_);
    if (gras_) DeleteObject(gras_);
}

HWND F_Auto::Nouveau(const char* classe, const std::string& texte, DWORD style, int id, Place p,
                     DWORD exStyle) {
    HWND h = CreateWindowExW(
        exStyle, VersUtf16(classe).c_str(), VersUtf16(texte).c_str(),
        WS_CHILD | WS_CLIPSIBLINGS | style, TwipsEnPixelsX(p.x, dpi_), TwipsEnPixelsY(p.y, dpi_),
        TwipsEnPixelsX(p.l, dpi_), TwipsEnPixelsY(p.h, dpi_), hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), c_.instance, nullptr);
    if (h && police_) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(police_), FALSE);
    return h;
}

HWND F_Auto::Étiquette(const std::string& texte, Place p, int id, DWORD style) {
    static int suivant = IdsAuto::eÉtiquettes;
    return Nouveau("STATIC", texte, style | SS_NOPREFIX, id ? id : suivant++, p);
}

bool F_Auto::Crée() {
    ClasseEnregistre(c_.instance, IdsAuto::Classe, Procédure);
    dpi_ = DpiÉcran();

    // No close, minimise or maximise button: the window closes by "Ok" or eMsg.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION;
    RECT r{0, 0, TwipsEnPixelsX(LargeurClient, dpi_), TwipsEnPixelsY(HauteurClient, dpi_)};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    // 1. The title from the version tag.
    hwnd_ =
        CreateWindowExW(0, IdsAuto::Classe, VersUtf16(VersionTexte() + " Programmation").c_str(),
                        style, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top,
                        nullptr, nullptr, c_.instance, this);
    if (!hwnd_) return false;

    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) {
        police_ = CreateFontIndirectW(&ncm.lfMessageFont);
        LOGFONTW lf = ncm.lfMessageFont;
        lf.lfWeight = FW_BOLD;
        gras_ = CreateFontIndirectW(&lf);
    }

    const DWORD vis = WS_VISIBLE, tab = WS_TABSTOP;
    // The list panel fSelect.
    lAutom_ = Nouveau("LISTBOX", "",
                      vis | tab | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                      IdsAuto::lAutom, {120, 120, 7560, 5460}, WS_EX_CLIENTEDGE);
    SendMessageW(lAutom_, LB_SETHORIZONTALEXTENT, TwipsEnPixelsX(15000, dpi_), 0);
    fSelect_ = {lAutom_,
                Nouveau("BUTTON", "Ajouter", vis | tab | BS_PUSHBUTTON, IdsAuto::bAutom0,
                        {120, 5760, 1335, HBouton}),
                Nouveau("BUTTON", "Modifier", vis | tab | BS_PUSHBUTTON | WS_DISABLED,
                        IdsAuto::bAutom1, {1575, 5760, 1335, HBouton}),
                Nouveau("BUTTON", "Supprimer", vis | tab | BS_PUSHBUTTON | WS_DISABLED,
                        IdsAuto::bAutom2, {3030, 5760, 1335, HBouton}),
                Nouveau("BUTTON", "Ok", vis | tab | BS_PUSHBUTTON, IdsAuto::bFin,
                        {6345, 5760, 1335, HBouton})};

    // The entry panel FSaisie, hidden at opening, at the same place (ePos is its corner).
    auto& s = fSaisie_;
    s.push_back(Étiquette("Programme ou message commençant par un guillemet (\")",
                          {120, 120, 6200, HLigne}, IdsAuto::eProg));
    cProg_ = Nouveau("COMBOBOX", "", tab | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                     IdsAuto::cProg, {120, 390, 6180, 2400});
    s.push_back(cProg_);
    s.push_back(Nouveau("BUTTON", "Parcourir", tab | BS_PUSHBUTTON, IdsAuto::bParcourir,
                        {6420, 375, 1260, HBouton}));
    s.push_back(Étiquette("Paramètres", {120, 870, 1200, HLigne}, IdsAuto::eParam));
    s.push_back(Nouveau("EDIT", "", tab | ES_AUTOHSCROLL, IdsAuto::tParam,
                        {1380, 840, 6300, HChamp}, WS_EX_CLIENTEDGE));
    s.push_back(Nouveau("BUTTON", "Désactiver temporairement", tab | BS_AUTOCHECKBOX,
                        IdsAuto::cDésactivé, {120, 1260, 3600, HLigne}));
    // Inside the frame "Répétition": the options first (one group), then the fields.
    auto& d = dansRépet_;
    for (int k = 0; k < 7; ++k) {
        const double y = 1830 + 270 * k;
        const double l = k == 4 ? 4860 : k == 3 ? 3400 : k >= 5 ? 1260 : k == 1 ? 1500 : 2400;
        d.push_back(Nouveau("BUTTON", CaptionsRépet[k],
                            tab * (k == 0) | BS_AUTORADIOBUTTON | (k == 0 ? WS_GROUP : 0),
                            IdsAuto::oRépet0 + k, {240, y, l, HLigne}));
    }
    d.push_back(Nouveau("BUTTON", "sauf les jours fériés", WS_GROUP | tab | BS_AUTOCHECKBOX,
                        IdsAuto::cWeekEnd, {1800, 2100, 2300, HLigne}));
    d.push_back(Étiquette("jour ouvrable du mois", {1560, 3315, 2200, HLigne}));
    d.push_back(Étiquette("la prochaine fois", {4440, 1830, 3000, HLigne}));
    d.push_back(Étiquette("jj.mm.aaaa", {4740, 2100, 1200, HLigne}));
    d.push_back(Étiquette("hh:mm", {6420, 2100, 900, HLigne}));
    d.push_back(Étiquette("le", {4440, 2400, 280, HLigne}));
    d.push_back(Nouveau("EDIT", "", tab | ES_AUTOHSCROLL, IdsAuto::tJour,
                        {4740, 2370, 1200, HChamp}, WS_EX_CLIENTEDGE));
    d.push_back(Étiquette("à", {6120, 2400, 280, HLigne}));
    d.push_back(Nouveau("EDIT", "", tab | ES_AUTOHSCROLL, IdsAuto::tHeure,
                        {6420, 2370, 900, HChamp}, WS_EX_CLIENTEDGE));
    d.push_back(Étiquette("hh:mm:ss", {5160, 2670, 1200, HLigne}));
    d.push_back(Nouveau("EDIT", "", tab | ES_AUTOHSCROLL | WS_DISABLED, IdsAuto::tDélai,
                        {5160, 2880, 1200, HChamp}, WS_EX_CLIENTEDGE));
    s.insert(s.end(), d.begin(), d.end());
    s.push_back(Nouveau("BUTTON", "Répétition", WS_GROUP | BS_GROUPBOX, IdsAuto::fRépet,
                        {120, 1560, 7560, 2400}));
    s.push_back(Étiquette("hh:mm", {2640, 4020, 900, HLigne}));
    s.push_back(Étiquette("Dans un délai maximum de", {120, 4290, 2460, HLigne}));
    s.push_back(Nouveau("EDIT", "", tab | ES_AUTOHSCROLL, IdsAuto::tMax, {2640, 4260, 900, HChamp},
                        WS_EX_CLIENTEDGE));
    for (int k = 0; k < 3; ++k)
        s.push_back(Nouveau("BUTTON", CaptionsTyp[k],
                            (k == 0 ? WS_GROUP | tab : 0) | BS_AUTORADIOBUTTON, IdsAuto::oTyp0 + k,
                            {4020 + 1200.0 * k, 4290, 1140, HLigne}));
    s.push_back(Nouveau("BUTTON", "Activée", WS_GROUP | tab | BS_AUTOCHECKBOX, IdsAuto::cFocus,
                        {4020, 4590, 1500, HLigne}));
    s.push_back(Nouveau("BUTTON", "Type de fenêtre", WS_GROUP | BS_GROUPBOX, IdsAuto::ZF,
                        {3900, 4020, 3780, 900}));
    // No default button: Enter does not save.
    s.push_back(Nouveau("BUTTON", "Enregistrer", WS_GROUP | tab | BS_PUSHBUTTON | WS_DISABLED,
                        IdsAuto::bOk, {120, 5100, 1500, HBouton}));
    s.push_back(Nouveau("BUTTON", "Renoncer", tab | BS_PUSHBUTTON, IdsAuto::bAnn,
                        {1740, 5100, 1500, HBouton}));
    s.push_back(Étiquette("", {120, 5580, 7560, HLigne}, IdsAuto::eProchaines));
    s.push_back(Étiquette("", {120, 5880, 7560, 420}, IdsAuto::eMsg, SS_CENTER | SS_NOTIFY));
    if (gras_) SendMessageW(Ctl(IdsAuto::eMsg), WM_SETFONT, reinterpret_cast<WPARAM>(gras_), FALSE);
    for (HWND h : fSelect_)
        if (!h) return false;
    for (HWND h : fSaisie_)
        if (!h) return false;
    // tParam and its label stay hidden until a program ending in ".exe" is typed.
    Dépendants();

    // 2. Registered as open, placed at its stored position.
    FeuilleOuverte(c_.horlo.FeuillesOuvertes, NomFeuille, true);
    PositionRestaure(hwnd_, NomFeuille, c_.registre);
    // 4. and 5. The tasks and the catalogue.
    ListeRemplit();
    const TableModèles& m = c_.horlo.Modèles;
    for (size_t k = 1; k <= m.Dernier(); ++k) {
        const auto i = SendMessageW(cProg_, CB_ADDSTRING, 0,
                                    reinterpret_cast<LPARAM>(VersUtf16(m[k].Libellé).c_str()));
        if (i >= 0)
            SendMessageW(cProg_, CB_SETITEMDATA, static_cast<WPARAM>(i), static_cast<LPARAM>(k));
    }
    // Tab and Esc are handled for this window whatever message loop runs it.
    crochet_ = SetWindowsHookExW(WH_GETMESSAGE, Crochet, nullptr, GetCurrentThreadId());
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
    SetFocus(lAutom_);
    return true;
}

LRESULT CALLBACK F_Auto::Crochet(int code, WPARAM wp, LPARAM lp) {
    auto* msg = reinterpret_cast<MSG*>(lp);
    if (code == HC_ACTION && wp == PM_REMOVE && ouvert && ouvert->hwnd_ && msg->hwnd &&
        (msg->hwnd == ouvert->hwnd_ || IsChild(ouvert->hwnd_, msg->hwnd)) &&
        msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
        // An open drop-down list keeps Esc and Enter for itself.
        const bool listeOuverte = SendMessageW(ouvert->cProg_, CB_GETDROPPEDSTATE, 0, 0) != 0;
        if (!listeOuverte && IsDialogMessageW(ouvert->hwnd_, msg)) msg->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK F_Auto::Procédure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return ProcédureFenêtre<F_Auto>(hwnd, msg, wp, lp);
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
}

void F_Auto::AjouteLigne(size_t i) {
    const Tâche& t = c_.horlo.Tâches[i];
    const auto l = SendMessageW(lAutom_, LB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(VersUtf16(LigneTâche(t)).c_str()));
    if (l >= 0)
        SendMessageW(lAutom_, LB_SETITEMDATA, static_cast<WPARAM>(l),
                     static_cast<LPARAM>(t.Identité));
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
        if (!Supprimée(t[i])) AjouteLigne(i);
    // The list keeps its scroll position, and the line chosen before stays chosen when its
    // task is still there.
    SendMessageW(lAutom_, LB_SETTOPINDEX, static_cast<WPARAM>(haut), 0);
    if (choisie) SendMessageW(lAutom_, LB_SETCURSEL, static_cast<WPARAM>(LigneDe(choisie)), 0);
    SendMessageW(lAutom_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(lAutom_, nullptr, TRUE);
    BoutonsListe();
}

void F_Auto::LigneChange(uint64_t identité, const std::string& texte) {
    const int l = LigneDe(identité);
    if (l < 0) return;
    const bool choisie = SendMessageW(lAutom_, LB_GETCURSEL, 0, 0) == l;
    SendMessageW(lAutom_, LB_DELETESTRING, static_cast<WPARAM>(l), 0);
    SendMessageW(lAutom_, LB_INSERTSTRING, static_cast<WPARAM>(l),
                 reinterpret_cast<LPARAM>(VersUtf16(texte).c_str()));
    SendMessageW(lAutom_, LB_SETITEMDATA, static_cast<WPARAM>(l), static_cast<LPARAM>(identité));
    if (choisie) SendMessageW(lAutom_, LB_SETCURSEL, static_cast<WPARAM>(l), 0);
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
    if (crochet_) UnhookWindowsHookEx(crochet_), crochet_ = nullptr;
    if (hwnd_) DestroyWindow(hwnd_);
    // The last use of this object: the window is gone and the engine sees no editor.
    ouvert = nullptr;
    delete this;
    if (àLaFermeture) àLaFermeture();
}

// ---- The entry panel ------------------------------------------------------------------

ChampsSaisie F_Auto::Lit() const {
    using namespace IdsAuto;
    ChampsSaisie c;
    c.programme = TexteDe(cProg_);
    c.paramètres = TexteDe(Ctl(tParam));
    for (int k = 0; k < 3; ++k)
        if (IsDlgButtonChecked(hwnd_, oTyp0 + k) == BST_CHECKED) c.fenêtre = k;
    c.focus = IsDlgButtonChecked(hwnd_, IdsAuto::cFocus) == BST_CHECKED;
    for (int k = 0; k < 7; ++k)
        if (IsDlgButtonChecked(hwnd_, oRépet0 + k) == BST_CHECKED) c.répétition = k;
    c.weekEnd = IsDlgButtonChecked(hwnd_, cWeekEnd) == BST_CHECKED;
    c.désactivé = IsDlgButtonChecked(hwnd_, cDésactivé) == BST_CHECKED;
    c.jour = TexteDe(Ctl(tJour));
    c.heure = TexteDe(Ctl(tHeure));
    c.délai = TexteDe(Ctl(tDélai));
    c.max = TexteDe(Ctl(tMax));
    return c;
}

void F_Auto::Écrit(const ChampsSaisie& c) {
    using namespace IdsAuto;
    remplissage_ = true;
    const auto texte = [&](int id, const std::string& t) {
        if (TexteDe(Ctl(id)) != t) SetWindowTextW(Ctl(id), VersUtf16(t).c_str());
    };
    if (TexteDe(cProg_) != c.programme) SetWindowTextW(cProg_, VersUtf16(c.programme).c_str());
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
    const ChampsSaisie c = Lit();
    const std::string m = ::Contrôle(c, c_.horlo.fichiers, c_.horlo.horloge.Maintenant());
    SetWindowTextW(Ctl(IdsAuto::eMsg), VersUtf16(m).c_str());
    EnableWindow(Ctl(IdsAuto::bOk), m.empty());
    SetWindowTextW(Ctl(IdsAuto::eProchaines),
                   VersUtf16(ProchainsMoments(c, c_.horlo.horloge.Maintenant())).c_str());
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
    ProgChoisi = m.Programme;
    ChoixModèle = true;
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
    if (TexteDe(cProg_) != ProgChoisi) SetWindowTextW(cProg_, VersUtf16(ProgChoisi).c_str());
    remplissage_ = false;
    Dépendants();
    Contrôle();
    if (SendMessageW(cProg_, CB_GETDROPPEDSTATE, 0, 0)) return;  // still choosing
    àRemettre_ = false;
    if (ParamètresVisibles(ProgChoisi)) SetFocus(Ctl(IdsAuto::tParam));
}

void F_Auto::cProg_LostFocus() {
    if (!ChoixModèle || àRemettre_) return;
    remplissage_ = true;
    SetWindowTextW(cProg_, VersUtf16(ProgChoisi).c_str());
    remplissage_ = false;
    ChoixModèle = false;
    Dépendants();
    Contrôle();
}

void F_Auto::bParcourir_Click() {
    const std::string chemin = FichierChoisir(hwnd_, std::string("Programme à planifier :"),
                                              std::nullopt, std::string(FiltreProgrammes));
    if (chemin.empty() || !hwnd_) return;
    ChoixModèle = àRemettre_ = false;
    SetWindowTextW(cProg_, VersUtf16(chemin).c_str());
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
    const ChampsSaisie c = Lit();
    if (!::Contrôle(c, c_.horlo.fichiers, c_.horlo.horloge.Maintenant()).empty()) return;
    if (édité_) LigneRetire(édité_);
    const Enregistrement e = TâcheEnregistre(c_.horlo, édité_, c);
    if (const size_t i = c_.horlo.Tâches.IndexDe(e.identité)) AjouteLigne(i);
    SendMessageW(lAutom_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    édité_ = 0;
    VérifieLignes();
    BoutonsListe();
    Saisie(false);
    ÉchecSignale(e.fichier);
}

void F_Auto::bAnn_Click() {
    Saisie(false);
}

// ---- Module routines ------------------------------------------------------------------

F_Auto* F_AutoOuvre(const ContexteÉditeur& c) {
    if (ouvert) {
        if (IsIconic(ouvert->Fenêtre())) ShowWindow(ouvert->Fenêtre(), SW_RESTORE);
        SetForegroundWindow(ouvert->Fenêtre());
        return ouvert;
    }
    auto f = std::make_unique<F_Auto>(c);
    ouvert = f.get();
    if (!f->Crée()) {
        ouvert = nullptr;
        FeuilleOuverte(c.horlo.FeuillesOuvertes, NomFeuille, false);
        return nullptr;
    }
    return f.release();
}

VueÉditeur* F_AutoVue() {
    return ouvert;
}
HWND F_AutoFenêtre() {
    return ouvert ? ouvert->Fenêtre() : nullptr;
}
