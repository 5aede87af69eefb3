// Nettix's parameters over the doubles: settings read at start and written at exit, the
// command line, the help text.
#include <gtest/gtest.h>

#include "Doubles.h"
#include "Nettix.h"
#include "Registre.h"
#include "RegistreMemoire.h"

namespace {

const std::string Section = "Software\\Talmon\\Nettix";
const std::string Version = "(Nettix v1.0.0)";

struct Paramètres : ::testing::Test {
    RegistreMémoire brut;
    Registre registre{brut, "Nettix", ','};
    DialoguesScript dialogues;

    ParamètresNettix Charge() {
        // A floppy, two fixed disks, a network drive; the CD-ROM and the RAM disk are not listed.
        ListeChoix unités = UnitésConstruit({{"a:", "2 - amovible"},
                                             {"C:", "3 - disque dur"},
                                             {"D:", "3 - disque dur"},
                                             {"E:", "5 - CD-ROM"},
                                             {"N:", "4 - réseau"},
                                             {"R:", "6 - disque virtuel"},
                                             {"Q:", "1 - inexistant"},
                                             {"S:", ""}});
        return ParamètresCharge(registre, std::move(unités), dialogues);
    }
    void Pose(const std::string& nom, const std::string& valeur) {
        brut.PoseValeur(Racine::HKCU, Section, nom, RegistreBrut::TypeTexte, valeur + '\0');
    }
    std::string Param(const std::string& nom) {
        auto v = brut.Lit(Racine::HKCU, Section, nom);
        return v ? v->données.c_str() : "(absent)";
    }
};

std::string Textes(const ListeChoix& l) {
    std::string s;
    for (const auto& e : l.Entrées()) s += e.texte + " ";
    return s;
}

}  // namespace

TEST_F(Paramètres, PremierDémarrageSansRéglages) {
    ParamètresNettix p = Charge();
    EXPECT_EQ(Textes(p.unités), "A: C: D: N: ");
    EXPECT_EQ(p.unités.ChoisiesTab(), "A:\tC:\tD:\tN:\t");
    EXPECT_FALSE(p.unitésSauvées);
    EXPECT_EQ(Textes(p.extensions), "$$$ bak chk old syd tmp wbk ");
    EXPECT_EQ(p.extensions.ChoisiesTab(), "$$$\tchk\told\tsyd\ttmp\t");
    EXPECT_EQ(Param("Extensions interdites"), InterditesDéfaut);
    EXPECT_EQ(p.interdites, std::string(",") + InterditesDéfaut);
    EXPECT_EQ(std::count(p.interdites.begin(), p.interdites.end(), ','), 52);

    EXPECT_EQ(LigneDeCommandeApplique(p, "", dialogues, Version), Lancement::Interactif);
    EXPECT_EQ(p.unités.ChoisiesTab(), "C:\tD:\t");
    EXPECT_FALSE(p.automatique);
    EXPECT_TRUE(dialogues.boîtes.empty());

    ParamètresEnregistre(registre, p);
    EXPECT_EQ(Param("Unités sélectionnées"), "C:\tD:\t");
    EXPECT_EQ(Param("Extensions"), "$$$\tbak\tchk\told\tsyd\ttmp\twbk\t");
    EXPECT_EQ(Param("Extensions sélectionnées"), "$$$\tchk\told\tsyd\ttmp\t");
}

TEST_F(Paramètres, RéglagesLusFiltrésEtInterditesTellesQuelles) {
    Pose("Unités sélectionnées", "\"N:\"\tz:\tc:\t");
    Pose("Extensions", " Tmp \texe\tDll\t\tlog\tTMP\t");
    Pose("Extensions sélectionnées", "LOG\t tmp\t");
    Pose("Extensions interdites", "LOG,tmp");  // framed in memory; only upper case entries act
    ParamètresNettix p = Charge();
    EXPECT_TRUE(p.unitésSauvées);
    EXPECT_EQ(p.unités.ChoisiesTab(), "C:\tN:\t");
    EXPECT_EQ(p.interdites, ",LOG,tmp,");
    EXPECT_EQ(Param("Extensions interdites"), "LOG,tmp");
    // "exe" and "Dll" pass the custom list; LOG is forbidden; TMP twice stays twice.
    EXPECT_EQ(Textes(p.extensions), "Dll exe Tmp TMP ");
    EXPECT_EQ(p.extensions.ChoisiesTab(), "");  // " tmp" is not trimmed, LOG is gone

    Pose("Extensions interdites", "");
    Pose("Extensions", "exe\tDll\ttmp\t");
    ParamètresNettix q = Charge();
    EXPECT_EQ(Textes(q.extensions), "tmp ");
    ParamètresEnregistre(registre, q);
    EXPECT_EQ(Param("Extensions"), "tmp\t");
}

TEST_F(Paramètres, LigneDeCommande) {
    const std::string Avertissement =
        "La présence du paramètre /AUTO fait ignorer les autres paramètres.";
    const auto Inconnu = [](const std::string& item) {
        return "Je ne comprend pas le paramètre \"" + item +
               "\" !\r\n\r\nArrêt du programme.\r\n\r\nRelancez le programme sans paramètre et "
               "cliquez sur le bouton AIDE.";
    };
    struct Cas {
        std::string ligne, unitésSauvées;
        Lancement attendu;
        std::string unités, extensions, liste, boîte, titre;
    } cas[] = {
        {"/auto", "", Lancement::Automatique, "C:\tD:\t", "$$$\tchk\told\tsyd\ttmp\t", "", "", ""},
        {"/AUTO", "N:\t", Lancement::Automatique, "N:\t", "$$$\tchk\told\tsyd\ttmp\t", "", "", ""},
        {"/AUTO /U:C", "D:\t", Lancement::Automatique, "D:\t", "$$$\tchk\told\tsyd\ttmp\t", "",
         Avertissement, Version + " Avertissement !"},
        {"/U:C /AUTO", "", Lancement::Arrêt, "C:\t", "", "", Inconnu("/AUTO"),
         Version + " Erreur !"},
        {"/U:c,d", "", Lancement::Automatique, "C:\tD:\t", "$$$\tchk\told\tsyd\ttmp\t", "", "", ""},
        {"/u:n", "", Lancement::Automatique, "N:\t", "$$$\tchk\told\tsyd\ttmp\t", "", "", ""},
        {"/U:C, D", "", Lancement::Arrêt, "C:\t", "", "", Inconnu("D"), Version + " Erreur !"},
        {"/U:Q", "", Lancement::Automatique, "", "$$$\tchk\told\tsyd\ttmp\t", "", "", ""},
        {"/U: /E:", "N:\t", Lancement::Automatique, "C:\tD:\t",
         "$$$\tbak\tchk\told\tsyd\ttmp\twbk\t", "", "", ""},
        {"/E:tmp,log", "", Lancement::Automatique, "A:\tC:\tD:\tN:\t", "log\ttmp\t", "log", "", ""},
        {"/e:EXE,,Tmp", "", Lancement::Automatique, "A:\tC:\tD:\tN:\t", "EXE\ttmp\t", "EXE", "",
         ""},
        {"/U:C  /E:tmp", "", Lancement::Arrêt, "C:\t", "", "", Inconnu(""), Version + " Erreur !"},
        {"\"/U:D\" /X", "", Lancement::Arrêt, "D:\t", "", "", Inconnu("/X"), Version + " Erreur !"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ligne);
        RegistreMémoire b;
        Registre r{b, "Nettix", ','};
        if (!c.unitésSauvées.empty())
            b.PoseValeur(Racine::HKCU, Section, "Unités sélectionnées", RegistreBrut::TypeTexte,
                         c.unitésSauvées + '\0');
        DialoguesScript d;
        ParamètresNettix p = ParamètresCharge(
            r, UnitésConstruit({{"A:", "2"}, {"C:", "3"}, {"D:", "3"}, {"N:", "4"}}), d);
        EXPECT_EQ(LigneDeCommandeApplique(p, c.ligne, d, Version), c.attendu);
        EXPECT_EQ(p.automatique, c.attendu == Lancement::Automatique);
        EXPECT_EQ(p.unités.ChoisiesTab(), c.unités);
        if (c.attendu != Lancement::Arrêt) {
            EXPECT_EQ(p.extensions.ChoisiesTab(), c.extensions);
        }
        if (!c.liste.empty()) {
            EXPECT_GE(p.extensions.Trouve(c.liste), 0);
        }
        if (c.boîte.empty()) {
            EXPECT_TRUE(d.boîtes.empty());
        } else {
            ASSERT_EQ(d.boîtes.size(), 1u);
            EXPECT_EQ(d.boîtes[0].texte, c.boîte);
            EXPECT_EQ(d.boîtes[0].titre, c.titre);
            EXPECT_EQ(d.boîtes[0].drapeaux, Mb::Ok | Mb::IcôneExclamation);
        }
    }
}

TEST(Aide, VingtCinqLignesAvecLeursSauts) {
    const std::string t = TexteAide();
    std::vector<std::string> lignes;
    for (size_t début = 0;;) {
        const size_t fin = t.find("\r\n", début);
        lignes.push_back(t.substr(début, fin - début));
        if (fin == std::string::npos) break;
        début = fin + 2;
    }
    // 25 lines and the blank lines the breaks leave:
    // 2+1+2+2+2+2+1+2+2+1+2+1+2+3+2+2+1+1+2+1+1+2+1+2.
    ASSERT_EQ(lignes.size(), 41u);
    EXPECT_NE(lignes[0].find("Orvan 98"), std::string::npos);
    EXPECT_NE(lignes[0].find("www.orvan98.ch"), std::string::npos);
    EXPECT_EQ(lignes[2], "Ce programme a été créé spécialement pour la suite Orvan 98");
    EXPECT_EQ(lignes[12], "   (un clic suffit pour sélectionner/désélectionner)");
    EXPECT_EQ(lignes[22], "- cliquer ensuite EFFACER pour détruire les fichiers encore listés.");
    EXPECT_EQ(lignes[23] + lignes[24], "");
    EXPECT_EQ(lignes[25], "UTILISATION AVANCÉE :");
    EXPECT_EQ(lignes[29], "  /U:[<unité>[,<unité>[,...]]]");
    EXPECT_EQ(lignes[30], std::string(12, ' ') +
                              "Indication des unités à traiter, <unité> représente une lettre de "
                              "lecteur");
    EXPECT_EQ(lignes[37], "  /AUTO");
    EXPECT_EQ(lignes[40].rfind("La présence de paramètres sur", 0), 0u);
    EXPECT_TRUE(t.ends_with(" \"normale\"."));
}
