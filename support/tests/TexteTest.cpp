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

}  // namespace
