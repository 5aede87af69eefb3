// Drive type descriptions.
#include <gtest/gtest.h>

#include <utility>

#include "TypeLecteur.h"

namespace {

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
