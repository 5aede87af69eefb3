// The general helpers: fields, columns, line breaks and tabs, list search, file tests.
#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "Aides.h"
#include "Doubles.h"

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

using Séparateurs = std::vector<std::optional<std::string>>;

TEST(MotSuivant, ChampsEtReste) {
    const struct {
        std::string texte;
        Séparateurs séparateurs;
        std::string champ, reste;
    } cas[] = {
        {"a;b,c", {";", ","}, "a", "b,c"},
        {"a;b,c", {",", ";"}, "a", "b,c"},
        {"a,b;c", {";", ","}, "a", "b;c"},
        {"a--b", {"-", "--"}, "a", "-b"},  // same position: the one given first
        {"a--b", {"--", "-"}, "a", "b"},
        {"un\tdeux\ttrois", {}, "un", "deux\ttrois"},
        {"un\tdeux;x", {";", std::nullopt}, "un", "deux;x"},  // left out = tab
        {"seul", {";"}, "seul", ""},
        {"a;b", {"", ";"}, "a", "b"},  // empty separators are skipped
        {"a;b", {""}, "a;b", ""},
        {"\"C:\\Mes docs\"\tsuite", {}, "C:\\Mes docs", "suite"},
        {"\"\tsuite", {}, "\"", "suite"},  // one double quote alone stays
        {"\"\"\tsuite", {}, "", "suite"},
        {"\"a\"b\"", {";"}, "a\"b", ""},
        {";fin", {";"}, "", "fin"},
        {"Été;hiver", {";"}, "Été", "hiver"},
    };
    for (const auto& c : cas) {
        std::string texte = c.texte;
        EXPECT_EQ(MotSuivant(texte, c.séparateurs), c.champ) << c.texte;
        EXPECT_EQ(texte, c.reste) << c.texte;
    }
}

TEST(MotSuivant, TexteVideEtListeInitiale) {
    std::string vide;
    EXPECT_EQ(MotSuivant(vide, {";"}), "");
    EXPECT_EQ(vide, "");
    std::string t = "*.tmp\t*.bak\t";
    EXPECT_EQ(MotSuivant(t), "*.tmp");
    EXPECT_EQ(MotSuivant(t, {std::nullopt}), "*.bak");
    EXPECT_EQ(t, "");
}

TEST(NombreColonne, ExemplesDeColonnes) {
    const struct {
        Variant valeur, format;
        std::string attendu;
    } cas[] = {
        {int32_t{1234567}, Absent{}, "1'234'567"},
        {-1234.5, 10.2, " -1'234,50"},
        {0.0, int32_t{-5}, "     "},
        {int32_t{0}, -4.6, "     "},
        {int32_t{123456}, int32_t{3}, "###"},
        {int32_t{12}, int32_t{1}, "12"},  // width 1 never turns into #
        {int32_t{123}, int32_t{6}, "   123"},
        {int32_t{1234}, Absent{}, "1'234"},
        {int32_t{-1234}, Absent{}, "-1'234"},
        {int32_t{0}, Absent{}, "0"},
        {int32_t{0}, 5.0, "    0"},
        {123456789012345.0, Absent{}, "123'456'789'012'345"},    // 15 digits: fully grouped
        {1234567890123456.0, Absent{}, "1234'567'890'123'460"},  // then four separators at most
        {12345678901234567890.0, Absent{}, "12345678'901'234'600'000"},
        {2.5, Absent{}, "3"},  // halves away from zero
        {-2.5, Absent{}, "-3"},
        {2.675, 0.2, "2,68"},    // on the 15 digits, not the binary value
        {-0.001, 0.2, "-0,00"},  // rounds to zero: keeps its sign
        {999.999, 0.2, "1'000,00"},
        {0.25, std::string("%"), "25%"},
        {0.12345, std::string("%8.1"), "   12,3%"},
        {12345.0, std::string("%"), "1234500%"},  // no grouping for percentages
        {1.5, std::string("abc"), "2"},           // format not numeric: 0
        {1.5, 81.0, "2"},                         // format above 80: 0
        {1.5, std::string("6.1"), "   1,5"},
        {Monnaie{-123456789}, 12.2, "  -12'345,68"},
        {int16_t{-32768}, Absent{}, "-32'768"},
        {1.0f / 3, 0.9, "0,333333300"},         // single values have 7 digits
        {std::string("1234"), 7.0, "  1'234"},  // text that reads as a number
        {std::string("abc"), 6.0, "abc   "},
        {std::string("abc"), -6.0, "   abc"},
        {std::string("abcdef"), 3.0, "abc"},
        {std::numeric_limits<double>::infinity(), 3.0, "   "},
        {1e300, 10.0, "##########"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.attendu);
        EXPECT_EQ(NombreColonne(c.valeur, c.format), c.attendu);
    }
    EXPECT_EQ(NombreColonne(-1234.5, 10.2, '.'), " -1'234.50");
}

TEST(NombreMasque, ArrondiEtDécimales) {
    const struct {
        double valeur;
        int décimales;
        bool pourcent;
        std::string attendu;
    } cas[] = {
        {-1234.5, 2, false, "-1234,50"},
        {0.5, 0, false, "1"},
        {0.4999999, 0, false, "0"},
        {9.995, 2, false, "10,00"},
        {0.000123, 3, false, "0,000"},
        {0.000523, 3, false, "0,001"},
        {1e-20, 10, false, "0,0000000000"},
        {1e20, 0, false, "100000000000000000000"},
        {123456789012345678.0, 1, false, "123456789012346000,0"},
        {-0.001, 0, false, "-0"},
        {1e14 + 0.5, 0, false, "100000000000001"},  // a tie at the 15th digit goes up
        {0.65, 0, false, "1"},
        {0.015, 1, true, "1,5%"},
        {99.995, 0, true, "10000%"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(NombreMasque(c.valeur, c.décimales, c.pourcent, ','), c.attendu) << c.valeur;
}

TEST(TexteColonne, AlignementEtCoupe) {
    const struct {
        std::string texte;
        int32_t largeur;
        std::string attendu;
    } cas[] = {
        {"  ab  ", 0, "  ab  "},
        {"ab  ", 5, "ab   "},
        {"  ab", -5, "   ab"},
        {"abcdef", 4, "abcd"},
        {"  abcdef", -4, "abcd"},
        {"123456", 4, "####"},
        {"-12,5", -3, "###"},
        {"été", 5, "été  "},  // widths count characters
        {"éèàçù", 3, "éèà"},
        {"", 3, "   "},
        {"x", std::numeric_limits<int32_t>::min() / 65536, std::string(32767, ' ') + "x"},
    };
    for (const auto& c : cas) EXPECT_EQ(TexteColonne(c.texte, c.largeur), c.attendu) << c.texte;
}

TEST(SautLigneEtTabulations, ComptesBornés) {
    const struct {
        Variant n;
        size_t sauts, tabs;
    } cas[] = {
        {Absent{}, 1, 1},
        {int32_t{0}, 1, 1},
        {int32_t{-3}, 1, 1},
        {int32_t{2}, 2, 2},
        {int32_t{500}, 100, 500},
        {std::string("abc"), 1, 1},
        {std::string("3"), 3, 3},
        {2.4, 2, 2},
        {Nul{}, 1, 1},
        {DateV{36000}, 1, 1},
        {std::numeric_limits<double>::quiet_NaN(), 1, 1},
        {1e18, 100, 65536},  // never the memory of the machine
    };
    for (const auto& c : cas) {
        const std::string s = SautLigne(c.n);
        EXPECT_EQ(s.size(), 2 * c.sauts) << c.sauts;
        for (size_t i = 0; i + 1 < s.size(); i += 2) ASSERT_EQ(s.substr(i, 2), "\r\n");
        EXPECT_EQ(Tabulations(c.n), std::string(c.tabs, '\t')) << c.tabs;
    }
}

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

TEST(Majuscules, LettresWindows1252) {
    EXPECT_EQ(Majuscules("abc éàçùÿœšž ÷ß µ €"), "ABC ÉÀÇÙŸŒŠŽ ÷ß µ €");
    EXPECT_EQ(Majuscules(std::string("a\xC3") + "b\xFF"), std::string("A\xC3") + "B\xFF");
}

TEST(FichiersEtDossiers, ExistenceSelonLesAttributs) {
    FichiersMémoire f;
    f.PoseFichier("C:\\Vud\\Horlo.exe", "MZ");
    f.PoseDossier("C:\\Vud");
    f.PoseDossier("C:\\");
    EXPECT_TRUE(FichierExiste(f, "C:\\Vud\\Horlo.exe"));
    EXPECT_FALSE(FichierExiste(f, "C:\\Vud"));
    EXPECT_FALSE(FichierExiste(f, "C:\\Vud\\Pensil.exe"));
    EXPECT_FALSE(FichierExiste(f, ""));
    EXPECT_TRUE(RepertoireExiste(f, "C:\\Vud"));
    EXPECT_TRUE(RepertoireExiste(f, "C:\\Vud\\"));
    EXPECT_TRUE(RepertoireExiste(f, "C:\\"));
    EXPECT_FALSE(RepertoireExiste(f, "C:\\Vud\\Horlo.exe"));
    EXPECT_FALSE(RepertoireExiste(f, "C:\\Rien"));
    EXPECT_FALSE(RepertoireExiste(f, ""));
    EXPECT_FALSE(RepertoireExiste(f, "\\"));
}

TEST(LecteurTypeTexte, TexteParCode) {
    const std::pair<int, const char*> cas[] = {
        {1, "1 - disque non présent"},
        {2, "2 - lecteur de disquettes"},
        {3, "3 - disque dur"},
        {4, "4 - lecteur réseau"},
        {5, "5 - CD-Rom"},
        {6, "6 - disque virtuel en mémoire"},
        {0, "0 - disque de type inconnu (0)"},
        {7, "0 - disque de type inconnu (7)"},
    };
    for (const auto& [code, texte] : cas) EXPECT_EQ(LecteurTypeTexte(code), texte);
}

}  // namespace
