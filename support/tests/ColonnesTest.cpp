// Numbers and texts in fixed-width columns.
#include <gtest/gtest.h>

#include <limits>

#include "Colonnes.h"

namespace {

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

}  // namespace
