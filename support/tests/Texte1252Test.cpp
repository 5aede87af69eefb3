// Windows-1252 <-> UTF-8: the whole byte range both ways, and the refusal of what
// Windows-1252 cannot hold or what is not UTF-8.
#include <gtest/gtest.h>

#include "Texte1252.h"

TEST(Texte1252, TableDes80À9F) {
    struct Cas {
        unsigned char octet;
        const char* utf8;
    } cas[] = {
        {0x80, "€"},        {0x81, "\xC2\x81"}, {0x82, "‚"}, {0x83, "ƒ"},        {0x84, "„"},
        {0x85, "…"},        {0x86, "†"},        {0x87, "‡"}, {0x88, "ˆ"},        {0x89, "‰"},
        {0x8A, "Š"},        {0x8B, "‹"},        {0x8C, "Œ"}, {0x8D, "\xC2\x8D"}, {0x8E, "Ž"},
        {0x8F, "\xC2\x8F"}, {0x90, "\xC2\x90"}, {0x91, "‘"}, {0x92, "’"},        {0x93, "“"},
        {0x94, "”"},        {0x95, "•"},        {0x96, "–"}, {0x97, "—"},        {0x98, "˜"},
        {0x99, "™"},        {0x9A, "š"},        {0x9B, "›"}, {0x9C, "œ"},        {0x9D, "\xC2\x9D"},
        {0x9E, "ž"},        {0x9F, "Ÿ"},
    };
    for (const auto& c : cas) {
        const std::string octet(1, static_cast<char>(c.octet));
        EXPECT_EQ(DepuisWindows1252(octet), c.utf8) << int(c.octet);
        const auto retour = VersWindows1252(c.utf8);
        ASSERT_TRUE(retour) << int(c.octet);
        EXPECT_EQ(*retour, octet);
    }
}

TEST(Texte1252, ChaqueOctetFaitLAllerRetour) {
    std::string tous;
    for (int b = 0; b < 256; ++b) tous += static_cast<char>(b);
    const std::string utf8 = DepuisWindows1252(tous);
    const auto retour = VersWindows1252(utf8);
    ASSERT_TRUE(retour);
    EXPECT_EQ(*retour, tous);
    // Latin-1 half: one byte is the code point of the same value.
    EXPECT_EQ(DepuisWindows1252("\xE9t\xE9 \xE0 Z\xFCrich\xA0\xFF"), "été à Zürich\u00A0ÿ");
}

TEST(Texte1252, TexteFrançais) {
    const std::string texte = "Répertoire « Tâches » : 5 € – œuvre\r\n\tDéb.+";
    const auto octets = VersWindows1252(texte);
    ASSERT_TRUE(octets);
    EXPECT_EQ(*octets,
              "R\xE9pertoire \xAB T\xE2"
              "ches \xBB : 5 \x80 \x96 \x9C"
              "uvre\r\n\tD\xE9"
              "b.+");
    EXPECT_EQ(DepuisWindows1252(*octets), texte);
    EXPECT_EQ(DepuisWindows1252(""), "");
    EXPECT_EQ(*VersWindows1252(""), "");
    EXPECT_EQ(*VersWindows1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Texte1252, CaractèresHors1252RefusésAvecLeCaractère) {
    struct Cas {
        const char* texte;
        const char* fautif;
    } cas[] = {
        {"Prix: 5 ₽", "₽"},
        {"Ω", "Ω"},
        {"ok 😀 puis ∑", "😀"},
        {"\xC2\x80", "\xC2\x80"},  // U+0080: byte 0x80 is the euro sign
        {"ĳ", "ĳ"},
        {"a\xEF\xBF\xBD", "\xEF\xBF\xBD"},
    };
    for (const auto& c : cas) {
        const auto r = VersWindows1252(c.texte);
        EXPECT_FALSE(r) << c.texte;
        EXPECT_EQ(r.erreur, c.fautif) << c.texte;
    }
}

TEST(Texte1252, Utf8InvalideRefusé) {
    for (const char* octets : {
             "\x80",              // stray continuation byte
             "abc\xC3",           // truncated at the end
             "\xC3(",             // bad continuation
             "\xC0\xAF",          // overlong '/'
             "\xE0\x80\xAF",      // overlong, three bytes
             "\xED\xA0\x80",      // UTF-16 surrogate
             "\xF4\x90\x80\x80",  // beyond U+10FFFF
             "\xF8\x88\x80\x80\x80", "\xFF",
             "\xE9t\xE9",  // Windows-1252 passed as UTF-8
         }) {
        const auto r = VersWindows1252(octets);
        EXPECT_FALSE(r);
        EXPECT_EQ(r.erreur, "\xEF\xBF\xBD");
    }
}
