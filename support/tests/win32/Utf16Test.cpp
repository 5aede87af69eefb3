// UTF-8 <-> UTF-16 round trip of accented text, and the platform's error texts.
#include <windows.h>
#include <gtest/gtest.h>

#include "Utf16.h"

TEST(Utf16, AllerRetourDesAccents) {
    const std::string texte = "RépertoireMiseAJour — œ €";
    EXPECT_EQ(VersUtf16(texte), L"RépertoireMiseAJour — œ €");
    EXPECT_EQ(DepuisUtf16(VersUtf16(texte)), texte);
    EXPECT_EQ(VersUtf16(""), L"");
}

TEST(Utf16, TexteErreurDuSysteme) {
    EXPECT_FALSE(TexteErreur(ERROR_FILE_NOT_FOUND).empty());
    EXPECT_NE(TexteErreur(ERROR_FILE_NOT_FOUND).back(), '\n');
}
