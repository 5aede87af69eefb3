// Bounded logs: appending, the one rewrite past the bound, failures returned.
#include <gtest/gtest.h>

#include "Doubles.h"
#include "JournalBorne.h"

namespace {

const std::string Log = "C:\\Vud\\X.log";

TEST(JournalBorné, LignesDesOctets) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(LignesDuJournal(""), V{});
    EXPECT_EQ(LignesDuJournal("a\r\nb\nc"), (V{"a", "b", "c"}));
    EXPECT_EQ(LignesDuJournal("a\r\n\r\nb\r\n"), (V{"a", "", "b"}));
}

TEST(JournalBorné, UneRéécritureAuDelàDeLaBorne) {
    FichiersMémoire f;
    for (size_t i = 1; i <= JournalLignesMax; ++i)
        ASSERT_TRUE(JournalAjoute(f, Log, std::to_string(i)).ok);
    EXPECT_EQ(LignesDuJournal(f.Contenu(Log)).size(), JournalLignesMax);
    EXPECT_EQ(std::count(f.journal.begin(), f.journal.end(), "Écrire " + Log), 0);

    ASSERT_TRUE(JournalAjoute(f, Log, "1001").ok);
    auto lignes = LignesDuJournal(f.Contenu(Log));
    ASSERT_EQ(lignes.size(), JournalLignesGardées);
    EXPECT_EQ(lignes.front(), "102");  // the oldest hundred and one went at once
    EXPECT_EQ(lignes.back(), "1001");
    EXPECT_EQ(f.Contenu(Log).substr(f.Contenu(Log).size() - 6), "1001\r\n");

    // The next hundred lines are appended without another rewrite.
    for (int i = 1002; i <= 1101; ++i) JournalAjoute(f, Log, std::to_string(i));
    EXPECT_EQ(std::count(f.journal.begin(), f.journal.end(), "Écrire " + Log), 1);
    EXPECT_EQ(LignesDuJournal(f.Contenu(Log)).size(), JournalLignesMax);
}

// Many lines at once: one append, one rewrite keeping the newest; nothing to add, no file.
TEST(JournalBorné, PlusieursLignesEnUnAjout) {
    FichiersMémoire f;
    std::string lot;
    for (int i = 1; i <= 1500; ++i) lot += std::to_string(i) + "\r\n";
    ASSERT_TRUE(JournalAjouteLignes(f, Log, "").ok && JournalAjouteLignes(f, Log, lot).ok);
    EXPECT_EQ(f.journal, (std::vector<std::string>{"Ajouter " + Log, "Écrire " + Log}));
    EXPECT_EQ(LignesDuJournal(f.Contenu(Log)).front(), "601");
}

TEST(JournalBorné, ÉchecsRendus) {
    FichiersMémoire f;
    f.échecs["Ajouter:" + FichiersMémoire::Clé(Log)] = "Accès refusé.";
    const auto s = JournalAjoute(f, Log, "x");
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.erreur, "Accès refusé.");

    // A rewrite that fails leaves the appended log whole, to be bounded at a later line.
    FichiersMémoire g;
    std::string plein;
    for (size_t i = 0; i < JournalLignesMax; ++i) plein += "ligne\r\n";
    g.PoseFichier(Log, plein);
    g.échecs["Écrire:" + FichiersMémoire::Clé(Log)] = "Disque plein.";
    EXPECT_EQ(JournalAjoute(g, Log, "nouvelle").erreur, "Disque plein.");
    EXPECT_EQ(g.Contenu(Log), plein + "nouvelle\r\n");
}

}  // namespace
