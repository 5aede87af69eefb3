// Horlo's journal cut into its window's columns: every kind of line, newest first, the cap.
#include <gtest/gtest.h>

#include "Doubles.h"
#include "JournalLu.h"

TEST(LigneDécoupe, ChaqueSorteDeLigne) {
    const struct {
        std::string_view ligne;
        LigneLue lue;
    } cas[] = {
        {"09.12.26 10:00 Programme démarré (Chaque jour) : C:\\Outils\\a.exe /x",
         {"09.12.26 10:00", "C:\\Outils\\a.exe /x", "Programme démarré (Chaque jour)"}},
        {"09.12.26 10:00 Message affiché (Une fois) : Réunion : salle 2 : 14 h",
         {"09.12.26 10:00", "Réunion : salle 2 : 14 h", "Message affiché (Une fois)"}},
        {"09.12.26 10:05 Programme démarré (Chaque jour), rattrapage, prévue le 08.12.26 10:00 : "
         "b.bat",
         {"09.12.26 10:05", "b.bat",
          "Programme démarré (Chaque jour), rattrapage, prévue le 08.12.26 10:00"}},
        {"09.12.26 10:05 Occurrence non exécutée, délai maximal dépassé, prévue le 08.12.26 "
         "10:00 : Bonjour",
         {"09.12.26 10:05", "Bonjour",
          "Occurrence non exécutée, délai maximal dépassé, prévue le 08.12.26 10:00"}},
        {"09.12.26 10:06 Programme démarré, à la demande : c.exe",
         {"09.12.26 10:06", "c.exe", "Programme démarré, à la demande"}},
        {"09.12.26 10:06 Ordre reçu : Passe du moteur",
         {"09.12.26 10:06", "Passe du moteur", "Ordre reçu"}},
        // A failure: the error text may hold " : " and " : Shell (\"" itself.
        {"09.12.26 10:07 Fichier introuvable : C:\\x : Shell (\"C:\\x : y.exe\", 1)",
         {"09.12.26 10:07", "Shell (\"C:\\x : y.exe\", 1)", "Fichier introuvable : C:\\x"}},
        {"09.12.26 10:07 Accès : Shell (\"a\" : Shell (\"b.exe\", 2)",
         {"09.12.26 10:07", "Shell (\"b.exe\", 2)", "Accès : Shell (\"a\""}},
        // Without a separator, a moment alone, and lines that do not begin with a moment.
        {"09.12.26 10:08 Rien à séparer", {"09.12.26 10:08", "", "Rien à séparer"}},
        {"09.12.26 10:08", {"09.12.26 10:08", "", ""}},
        {"09.12.26 10:08: x : y", {"", "", "09.12.26 10:08: x : y"}},
        {"31.02.26 10:00 Date : impossible", {"", "", "31.02.26 10:00 Date : impossible"}},
        {"09.12.26 24:00 Heure : impossible", {"", "", "09.12.26 24:00 Heure : impossible"}},
        {"9.12.26 10:00 Court : x", {"", "", "9.12.26 10:00 Court : x"}},
        {"écrit à la main", {"", "", "écrit à la main"}},
        {"09.1", {"", "", "09.1"}},
    };
    for (const auto& c : cas) EXPECT_EQ(LigneDécoupe(c.ligne), c.lue) << c.ligne;
}

TEST(JournalLu, PlusRécenteDAbordSansLignesBlanchesEtEncodages) {
    // Windows-1252 as the engine writes, UTF-8 as an editor may have saved a line by hand.
    const std::string octets =
        "01.12.26 08:00 Ordre re\xE7u : un\r\n\r\n   \r\n02.12.26 08:00 Ordre re\xC3\xA7u : deux\n"
        "sans fin de ligne";
    const std::vector<LigneLue> attendu = {{"", "", "sans fin de ligne"},
                                           {"02.12.26 08:00", "deux", "Ordre reçu"},
                                           {"01.12.26 08:00", "un", "Ordre reçu"}};
    EXPECT_EQ(JournalLu(octets), attendu);
    EXPECT_TRUE(JournalLu("").empty());
}

TEST(JournalLu, SeulesLesMilleDernièresLignes) {
    std::string octets;
    for (int i = 0; i < 1500; ++i)
        octets += "09.12.26 10:00 Ordre reçu : " + std::to_string(i) + "\r\n";
    const std::vector<LigneLue> lues = JournalLu(octets);
    ASSERT_EQ(lues.size(), 1000u);
    EXPECT_EQ(lues.front().tâche, "1499");
    EXPECT_EQ(lues.back().tâche, "500");
    EXPECT_EQ(JournalLu(octets, 2).size(), 2u);
}

TEST(JournalLu, FichierAbsentOuIllisibleEtEmpreinte) {
    FichiersMémoire f;
    const std::string chemin = "C:\\Vud\\Horlo.log";
    EXPECT_TRUE(JournalLit(f, chemin).empty());
    EXPECT_EQ(JournalEmpreinte(f, chemin), EmpreinteJournal{});
    const std::string ligne = "09.12.26 10:00 Ordre reçu : a\r\n";
    f.PoseFichier(chemin, ligne, 46000);
    EXPECT_EQ(JournalEmpreinte(f, chemin), (EmpreinteJournal{46000, ligne.size()}));
    EXPECT_EQ(JournalLit(f, chemin).size(), 1u);
    f.échecs["Lire:" + FichiersMémoire::Clé(chemin)] = "Accès refusé.";
    EXPECT_TRUE(JournalLit(f, chemin).empty());
}
