// The file double behaves like the platform where the tests rely on it.
#include <gtest/gtest.h>

#include "Doubles.h"

TEST(FichiersMémoire, CheminsSansCasseEtVerrou) {
    FichiersMémoire f;
    f.PoseFichier("C:\\Vud\\Pensil.exe", "v1");
    EXPECT_EQ(*f.Lire("c:\\vud\\PENSIL.EXE"), "v1");
    f.entrées[FichiersMémoire::Clé("C:\\Vud\\Pensil.exe")].verrouillé = true;
    EXPECT_FALSE(f.Supprimer("C:\\Vud\\Pensil.exe"));
    EXPECT_FALSE(f.Renommer("C:\\Vud\\Pensil.exe", "C:\\Vud\\x", true));
    EXPECT_TRUE(f.Existe("C:\\Vud\\Pensil.exe"));
}
