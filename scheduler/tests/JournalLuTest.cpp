// Horlo's journal cut into its window's columns: every kind of line, newest first, the cap.
#include <gtest/gtest.h>

#include "Doubles.h"
#include "JournalLu.h"

namespace {
std::string Colonnes(const LigneLue& l) {
    return l.moment + "|" + l.tâche + "|" + l.événement;
}
}  // namespace

TEST(LigneDécoupe, ChaqueSorteDeLigne) {
    const std::pair<std::string_view, std::string_view> cas[] = {
        {"09.12.26 10:00 Démarré (Chaque jour) : a /x",
         "09.12.26 10:00|a /x|Démarré (Chaque jour)"},
        {"09.12.26 10:00 Affiché (Une fois) : S : 2 : 4",
         "09.12.26 10:00|S : 2 : 4|Affiché (Une fois)"},
        {"09.12.26 10:05 Sautée, prévue le 08.12.26 10:00 : b",
         "09.12.26 10:05|b|Sautée, prévue le 08.12.26 10:00"},
        // A failure's error text may hold " : " and " : Shell (\"" itself.
        {"09.12.26 10:07 E : Shell (\"a\" : Shell (\"x : y\", 2)",
         "09.12.26 10:07|Shell (\"x : y\", 2)|E : Shell (\"a\""},
        {"09.12.26 10:08 Sans séparateur", "09.12.26 10:08||Sans séparateur"},
        {"09.12.26 10:08", "09.12.26 10:08||"},
        // Lines that do not begin with a moment: whole in the last column.
        {"09.12.26 10:08: x : y", "||09.12.26 10:08: x : y"},
        {"31.02.26 10:00 Date : x", "||31.02.26 10:00 Date : x"},
        {"09.12.26 24:00 Heure : x", "||09.12.26 24:00 Heure : x"},
        {"9.12.26 10:00 Court : x", "||9.12.26 10:00 Court : x"},
    };
    for (const auto& [ligne, colonnes] : cas) EXPECT_EQ(Colonnes(LigneDécoupe(ligne)), colonnes);
}

TEST(JournalLu, PlusRécenteDAbordLesMilleDernièresEtFichierIllisible) {
    // Windows-1252 as the engine writes, UTF-8 as an editor may save a line; blank lines go.
    const auto lues = JournalLu("01.12.26 08:00 Ordre re\xE7u : un\r\n  \r\n\r\n\xC3\xA0 la main");
    ASSERT_EQ(lues.size(), 2u);
    EXPECT_EQ(Colonnes(lues[0]) + " " + Colonnes(lues[1]),
              "||à la main 01.12.26 08:00|un|Ordre reçu");
    std::string octets;
    for (int i = 0; i < 1500; ++i) octets += "09.12.26 10:00 Ordre : " + std::to_string(i) + "\n";
    const auto mille = JournalLu(octets);
    ASSERT_EQ(mille.size(), 1000u);
    EXPECT_EQ(mille.front().tâche + " " + mille.back().tâche, "1499 500");
    FichiersMémoire f;
    f.PoseFichier("C:\\Horlo.log", octets);
    f.échecs["Lire:C:\\HORLO.LOG"] = "Accès refusé.";
    EXPECT_TRUE(JournalLit(f, "C:\\Horlo.log").empty());
    EXPECT_TRUE(JournalLit(f, "C:\\Absent.log").empty());
}
