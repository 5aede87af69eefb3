// Helpers over UTF-8 text.
#include <gtest/gtest.h>

#include <string>

#include "Texte.h"

namespace {

TEST(Majuscules, LettresWindows1252) {
    EXPECT_EQ(Majuscules("abc éàçùÿœšž ÷ß µ €"), "ABC ÉÀÇÙŸŒŠŽ ÷ß µ €");
    EXPECT_EQ(Majuscules(std::string("a\xC3") + "b\xFF"), std::string("A\xC3") + "B\xFF");
}

}  // namespace
