// Cutting fields off a text.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Champs.h"

namespace {

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
        {"\"a\"\"b\"\tc", {}, "a\"\"b", "c"},  // doubled quotes stay doubled
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

}  // namespace
