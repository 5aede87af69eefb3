// Helpers over UTF-8 text.
#include <gtest/gtest.h>

#include <string>

#include "Texte.h"

namespace {

TEST(EstBlanc, SeulementLesBlancsDonnés) {
    const std::tuple<const char*, const char*, bool> cas[] = {
        {"", " ", true},      {" \t ", " \t", true}, {" a ", " ", false},
        {"a   ", " ", false}, {"\t", " ", false},    {" \tx", " \t", false}};
    for (const auto& [texte, blancs, oui] : cas) EXPECT_EQ(EstBlanc(texte, blancs), oui) << texte;
}

TEST(Majuscules, LettresWindows1252) {
    EXPECT_EQ(Majuscules("abc éàçùÿœšž ÷ß µ €"), "ABC ÉÀÇÙŸŒŠŽ ÷ß µ €");
    EXPECT_EQ(Majuscules(std::string("a\xC3") + "b\xFF"), std::string("A\xC3") + "B\xFF");
}

TEST(SansBlancs, AUnBoutOuAuxDeux) {
    const std::tuple<const char*, const char*, const char*, const char*> cas[] = {
        {"  a b  ", "a b", "a b  ", "  a b"}, {"   ", "", "", ""}, {"", "", "", ""}};
    for (const auto& [texte, deux, devant, derrière] : cas) {
        EXPECT_EQ(SansBlancs(texte), deux) << texte;
        EXPECT_EQ(SansBlancsDevant(texte), devant) << texte;
        EXPECT_EQ(SansBlancsDerrière(texte), derrière) << texte;
    }
    EXPECT_EQ(SansBlancsDevant(" \\Nettix\\", " \\"), "Nettix\\");
}

TEST(CompareSansCasse, ParLesMajusculesWindows1252) {
    EXPECT_EQ(CompareSansCasse("t:\\Été\\œuvre.TMP", "T:\\éTÉ\\ŒUVRE.tmp"), 0);
    EXPECT_LT(CompareSansCasse("bak", "Chk"), 0);  // 'b' > 'C' as bytes
    EXPECT_GT(CompareSansCasse("ÿ", "z"), 0);
    EXPECT_FALSE(ÉgalSansCasse("ω", "Ω"));  // beyond Windows-1252 letters keep their case
}

}  // namespace
