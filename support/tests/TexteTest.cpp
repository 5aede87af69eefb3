// Helpers over UTF-8 text.
#include <gtest/gtest.h>

#include <string>

#include "Texte.h"

namespace {

TEST(EstBlanc, SeulementLesBlancsDonnés) {
    const struct {
        const char* texte;
        const char* blancs;
        bool attendu;
    } cas[] = {{"", " ", true},       {"   ", " ", true},    {" a ", " ", false},
               {"a   ", " ", false},  {"   a", " ", false},  {"\t", " ", false},
               {" \t ", " \t", true}, {" \tx", " \t", false}};
    for (const auto& k : cas) EXPECT_EQ(EstBlanc(k.texte, k.blancs), k.attendu) << k.texte;
}

TEST(Majuscules, LettresWindows1252) {
    EXPECT_EQ(Majuscules("abc éàçùÿœšž ÷ß µ €"), "ABC ÉÀÇÙŸŒŠŽ ÷ß µ €");
    EXPECT_EQ(Majuscules(std::string("a\xC3") + "b\xFF"), std::string("A\xC3") + "B\xFF");
}

TEST(SansBlancs, AUnBoutOuAuxDeux) {
    struct Cas {
        const char *texte, *deux, *devant, *derrière;
    };
    const Cas cas[] = {{"  a b  ", "a b", "a b  ", "  a b"}, {"   ", "", "", ""}, {"", "", "", ""}};
    for (const auto& c : cas) {
        EXPECT_EQ(SansBlancs(c.texte), c.deux) << '"' << c.texte << '"';
        EXPECT_EQ(SansBlancsDevant(c.texte), c.devant) << '"' << c.texte << '"';
        EXPECT_EQ(SansBlancsDerrière(c.texte), c.derrière) << '"' << c.texte << '"';
    }
    EXPECT_EQ(SansBlancsDevant(" \\Nettix\\", " \\"), "Nettix\\");
}

TEST(CompareSansCasse, ParLesMajusculesWindows1252) {
    EXPECT_EQ(CompareSansCasse("t:\\Été\\œuvre.TMP", "T:\\éTÉ\\ŒUVRE.tmp"), 0);
    EXPECT_LT(CompareSansCasse("bak", "Chk"), 0);  // 'b' > 'C' as bytes
    EXPECT_LT(CompareSansCasse("$$$", "bak"), 0);
    EXPECT_GT(CompareSansCasse("ÿ", "z"), 0);
    EXPECT_FALSE(ÉgalSansCasse("ω", "Ω"));  // beyond Windows-1252 letters keep their case
}

}  // namespace
