// The list search.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Doubles.h"
#include "ListeCherche.h"

namespace {

// A list control in memory; counts how often its entries are looked at.
struct ListeMémoire : Liste {
    GenreListe genre = GenreListe::ListBox;
    std::string type = "ListBox";
    std::vector<std::pair<std::string, int32_t>> entrées;
    mutable int lectures = 0;

    GenreListe Genre() const override { return genre; }
    std::string NomDeType() const override { return type; }
    int32_t Nombre() const override {
        ++lectures;
        return static_cast<int32_t>(entrées.size());
    }
    std::string Texte(int32_t i) const override {
        ++lectures;
        return entrées.at(static_cast<size_t>(i)).first;
    }
    int32_t Donnée(int32_t i) const override {
        ++lectures;
        return entrées.at(static_cast<size_t>(i)).second;
    }
};

struct ListeChercheTest : ::testing::Test {
    ListeMémoire liste;
    DialoguesScript dialogues;
    void SetUp() override {
        liste.entrées = {{"ABCDEF", 30}, {"ab", 10}, {"xyz", 20}, {"Émile", -5}};
    }
};

TEST_F(ListeChercheTest, Textes) {
    const struct {
        Variant valeur, opérateur;
        int32_t attendu;
    } cas[] = {
        {std::string("abc*"), Absent{}, 0},
        {std::string("ab*"), Absent{}, 0},
        {std::string("ab"), Absent{}, 1},
        {std::string("XYZ"), Absent{}, 2},
        {std::string("émile"), Absent{}, 3},  // accented letters ignore case too
        {std::string("ém*"), Absent{}, 3},
        {std::string("zz"), Absent{}, -1},
        {std::string("*"), Absent{}, 0},            // empty prefix: every entry
        {std::string("a*b"), Absent{}, -1},         // an inner asterisk is a character
        {std::string("ab"), std::string("<>"), 1},  // unknown operator: equality
        {std::string("ab"), int32_t{1}, 1},
        {std::string("abd"), std::string("<"), 2},  // first entry greater than the value
        {std::string("abc"), std::string("<"), 0},
        {std::string("ab"), std::string("<="), 0},
        {std::string("b"), std::string(">"), 0},
        {std::string("ab"), std::string(">="), 1},
    };
    for (const auto& c : cas)
        EXPECT_EQ(ListeCherche(liste, c.valeur, dialogues, c.opérateur), c.attendu)
            << std::get<std::string>(c.valeur);
    EXPECT_TRUE(dialogues.boîtes.empty());
}

TEST_F(ListeChercheTest, NombresSurLesDonnées) {
    const struct {
        Variant valeur, opérateur;
        int32_t attendu;
    } cas[] = {
        {int32_t{20}, Absent{}, 2},
        {int16_t{10}, Absent{}, 1},
        {20.0, Absent{}, 2},
        {20.5, Absent{}, -1},
        {int32_t{15}, std::string("<"), 1},  // first entry whose data is smaller
        {int32_t{15}, std::string(">"), 0},
        {int32_t{-5}, std::string("<="), 3},
        {int32_t{99}, Absent{}, -1},
        {true, Absent{}, -1},
        {Autre{}, Absent{}, -1},
    };
    for (const auto& c : cas)
        EXPECT_EQ(ListeCherche(liste, c.valeur, dialogues, c.opérateur), c.attendu);
}

TEST_F(ListeChercheTest, RienÀChercherSansRegarderLaListe) {
    for (const Variant& v : {Variant(Absent{}), Variant(Nul{}), Variant(std::string())}) {
        EXPECT_EQ(ListeCherche(liste, v, dialogues), -1);
    }
    EXPECT_EQ(liste.lectures, 0);
    liste.entrées.clear();
    EXPECT_EQ(ListeCherche(liste, std::string("a"), dialogues), -1);
}

TEST_F(ListeChercheTest, ContrôlesQuiNeSeCherchentPas) {
    liste.genre = GenreListe::ComboBox;
    EXPECT_EQ(ListeCherche(liste, std::string("xyz"), dialogues), 2);
    liste.genre = GenreListe::FileListBox;
    EXPECT_EQ(ListeCherche(liste, std::string("xyz"), dialogues), 2);
    EXPECT_TRUE(dialogues.boîtes.empty());

    liste.genre = GenreListe::DirListBox;
    EXPECT_EQ(ListeCherche(liste, std::string("xyz"), dialogues), -1);
    liste.genre = GenreListe::Autre;
    liste.type = "TextBox";
    EXPECT_EQ(ListeCherche(liste, int32_t{20}, dialogues), -1);
    ASSERT_EQ(dialogues.boîtes.size(), 2u);
    EXPECT_EQ(dialogues.boîtes[0].texte,
              "Je ne peux pas faire de recherches dans une liste de répertoires !\r\n\r\n"
              "Utilisez la fonction ListeRépertoiresCherche.");
    EXPECT_EQ(dialogues.boîtes[1].texte,
              "Je ne peux pas faire de recherche dans un objet TextBox !");
    for (const auto& b : dialogues.boîtes) {
        EXPECT_EQ(b.titre, "Erreur ListeCherche");
        EXPECT_EQ(b.drapeaux, Mb::Ok | Mb::IcôneStop);
    }
}

}  // namespace
