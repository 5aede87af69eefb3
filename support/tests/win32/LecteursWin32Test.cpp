// Drive type and readiness against the drive letters of the Wine prefix.
#include <windows.h>
#include <gtest/gtest.h>

#include "LecteursWin32.h"

namespace {

// A letter that maps no drive, from the end of the alphabet.
std::string LettreLibre() {
    const DWORD lecteurs = GetLogicalDrives();
    for (char c = 'Y'; c > 'D'; --c)
        if (!(lecteurs & (1u << (c - 'A')))) return std::string(1, c);
    return {};
}

}  // namespace

TEST(LecteursWin32, TypeDuDisqueSystemeQuelleQueSoitLaForme) {
    for (const char* forme : {"C", "c", "C:", "c:\\Vud\\Nettix.exe"})
        EXPECT_EQ(LecteurType(forme), "3 - disque dur") << forme;
}

TEST(LecteursWin32, TypeDUneLettreLibreOuVide) {
    const std::string libre = LettreLibre();
    ASSERT_FALSE(libre.empty());
    EXPECT_EQ(LecteurType(libre), "1 - disque non présent");
    EXPECT_EQ(LecteurType(""), "1 - disque non présent");
    EXPECT_EQ(LecteurType("é"), "1 - disque non présent");
}

TEST(LecteursWin32, PretSeulementPourUnLecteurLisible) {
    EXPECT_TRUE(LecteurPret("C"));
    EXPECT_TRUE(LecteurPret("c:\\"));
    EXPECT_FALSE(LecteurPret(LettreLibre()));
    EXPECT_FALSE(LecteurPret(""));
}
