// DialoguesWin32 under Xvfb: a helper thread finds the real box of this process by its
// caption, reads and types into it, and clicks a button, while the test thread waits in
// the modal loop (ended, and the test failed, when the helper does not answer it).
#include <windows.h>
#include <gtest/gtest.h>

#include "DialoguesWin32.h"
#include "OutilsTestWin32.h"
#include "Utf16.h"

namespace {

// What the helper thread saw in the input box.
struct VuDansLaSaisie {
    std::string invite, défaut;
    DWORD débutSélection = 99, finSélection = 0;
    RECT client{}, invite_{}, champ{}, ok{}, annuler{};
    bool trouvée = false;
};

RECT RectDans(HWND dlg, int id) {
    RECT r{};
    HWND h = GetDlgItem(dlg, id);
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Opens the input box on this thread; the helper reads it, types `tapé` (unless null)
// and sends `commande` (IDOK, IDCANCEL or WM_CLOSE when 0).
std::string Pilote(const std::string& invite, const std::string& titre, const std::string& défaut,
                   const char* tapé, int commande, VuDansLaSaisie& vu) {
    std::string r;
    AvecUtilisateur([&] { r = DialoguesWin32().Saisie(invite, titre, défaut); },
                    [&] {
                        HWND dlg = AttendsFenêtre(GetCurrentProcessId(), L"#32770", titre);
                        if (!dlg) return;
                        vu.trouvée = true;
                        vu.invite = TexteDe(GetDlgItem(dlg, SaisieIds::Invite));
                        vu.défaut = TexteDe(GetDlgItem(dlg, SaisieIds::Texte));
                        SendDlgItemMessageW(dlg, SaisieIds::Texte, EM_GETSEL,
                                            reinterpret_cast<WPARAM>(&vu.débutSélection),
                                            reinterpret_cast<LPARAM>(&vu.finSélection));
                        GetClientRect(dlg, &vu.client);
                        vu.invite_ = RectDans(dlg, SaisieIds::Invite);
                        vu.champ = RectDans(dlg, SaisieIds::Texte);
                        vu.ok = RectDans(dlg, SaisieIds::Ok);
                        vu.annuler = RectDans(dlg, SaisieIds::Annuler);
                        if (tapé) SetDlgItemTextW(dlg, SaisieIds::Texte, VersUtf16(tapé).c_str());
                        if (commande)
                            PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(commande, BN_CLICKED),
                                         reinterpret_cast<LPARAM>(GetDlgItem(dlg, commande)));
                        else
                            PostMessageW(dlg, WM_CLOSE, 0, 0);
                    });
    return r;
}

bool Dans(const RECT& petit, const RECT& grand) {
    return petit.left >= grand.left && petit.top >= grand.top && petit.right <= grand.right &&
           petit.bottom <= grand.bottom;
}

}  // namespace

TEST(DialoguesWin32, SaisieOkRendLeTexteTape) {
    VuDansLaSaisie vu;
    const std::string r = Pilote("Répertoire de mise à jour :", "Talmon saisie ok", "N:\\Maj\\",
                                 "  P:\\Mises à jour\\ ", IDOK, vu);
    ASSERT_TRUE(vu.trouvée);
    EXPECT_EQ(vu.invite, "Répertoire de mise à jour :");
    EXPECT_EQ(vu.défaut, "N:\\Maj\\");
    EXPECT_EQ(vu.débutSélection, 0u);  // the default is selected, ready to be typed over
    EXPECT_EQ(vu.finSélection, 7u);
    EXPECT_EQ(r, "  P:\\Mises à jour\\ ");
}

TEST(DialoguesWin32, SaisieOkSansToucherRendLeDefaut) {
    VuDansLaSaisie vu;
    EXPECT_EQ(Pilote("Invite", "Talmon saisie defaut", "C:\\Vud\\", nullptr, IDOK, vu),
              "C:\\Vud\\");
    EXPECT_TRUE(vu.trouvée);
}

TEST(DialoguesWin32, SaisieAnnulerOuFermerRendVide) {
    for (int commande : {IDCANCEL, 0}) {
        VuDansLaSaisie vu;
        const std::string titre = "Talmon saisie annuler " + std::to_string(commande);
        EXPECT_EQ(Pilote("Invite", titre, "défaut", "tapé", commande, vu), "") << commande;
        EXPECT_TRUE(vu.trouvée);
    }
}

// A long prompt with line breaks is shown whole: the box grows around it.
TEST(DialoguesWin32, SaisieDimensionneeSelonLInvite) {
    std::string invite =
        "Ce programme est équipé du système de mise à jour automatique. Ceci lui permet de se "
        "mettre automatiquement à jour dès qu'une nouvelle version est disponible dans le "
        "répertoire de mise à jour.\r\n\r\nRépertoire de mise à jour :\r\n\r\n(Typer un signe "
        "moins (-) si votre ordinateur n'est pas en réseau ou si vous ne désirez pas bénéficier "
        "de la mise à jour automatique, ou cliquez sur \"Annuler\" pour conserver le répertoire "
        "actuel et renoncer temporairement à la mise à jour automatique jusqu'à que ce "
        "répertoire soit à nouveau accessible)";
    VuDansLaSaisie court, long_;
    Pilote("Une ligne", "Talmon saisie courte", "", nullptr, IDCANCEL, court);
    Pilote(invite, "Talmon saisie longue", "", nullptr, IDCANCEL, long_);
    ASSERT_TRUE(court.trouvée && long_.trouvée);
    EXPECT_EQ(long_.invite, invite);
    const int ligne = court.invite_.bottom - court.invite_.top;
    EXPECT_GE(long_.invite_.bottom - long_.invite_.top, 8 * ligne);  // 4 breaks, 2 long paragraphs
    for (const VuDansLaSaisie* vu : {&court, &long_}) {
        EXPECT_GE(vu->champ.top, vu->invite_.bottom);
        EXPECT_GE(vu->ok.top, vu->champ.bottom);
        EXPECT_LE(vu->ok.right, vu->annuler.left);
        for (const RECT& r : {vu->invite_, vu->champ, vu->ok, vu->annuler})
            EXPECT_TRUE(Dans(r, vu->client));
    }
}

// Each button of a message box gives its answer.
TEST(DialoguesWin32, MessageRendLeBoutonClique) {
    const struct {
        unsigned drapeaux;
        int bouton;
        Réponse attendue;
    } cas[] = {
        {Mb::OuiNon | Mb::IcôneQuestion, IDYES, Réponse::Oui},
        {Mb::OuiNon | Mb::IcôneQuestion | Mb::DéfautBouton2, IDNO, Réponse::Non},
        {Mb::Ok | Mb::IcôneExclamation, IDOK, Réponse::Ok},
        {Mb::OuiNonAnnuler, IDCANCEL, Réponse::Annuler},
    };
    int n = 0;
    for (const auto& c : cas) {
        const std::string titre = "Talmon - Attention " + std::to_string(++n);
        const std::string texte = "Désirez-vous CONSERVER ce nom de répertoire ?\r\n\r\nOUI";
        bool texteVu = false;
        Réponse r{};
        AvecUtilisateur([&] { r = DialoguesWin32().Message(texte, titre, c.drapeaux); },
                        [&] {
                            HWND boîte = AttendsFenêtre(GetCurrentProcessId(), L"#32770", titre);
                            if (!boîte) return;
                            for (HWND e = GetWindow(boîte, GW_CHILD); e;
                                 e = GetWindow(e, GW_HWNDNEXT))
                                if (TexteDe(e) == texte) texteVu = true;
                            PostMessageW(boîte, WM_COMMAND, MAKEWPARAM(c.bouton, BN_CLICKED), 0);
                        });
        EXPECT_EQ(r, c.attendue) << titre;
        EXPECT_TRUE(texteVu) << titre;
    }
}
