// File and folder tests.
#include <gtest/gtest.h>

#include "Doubles.h"
#include "Existence.h"

namespace {

TEST(FichiersEtDossiers, ExistenceSelonLesAttributs) {
    FichiersMémoire f;
    f.PoseFichier("C:\\Vud\\Horlo.exe", "MZ");
    f.PoseDossier("C:\\Vud");
    f.PoseDossier("C:\\");
    EXPECT_TRUE(FichierExiste(f, "C:\\Vud\\Horlo.exe"));
    EXPECT_FALSE(FichierExiste(f, "C:\\Vud"));
    EXPECT_FALSE(FichierExiste(f, "C:\\Vud\\Pensil.exe"));
    EXPECT_FALSE(FichierExiste(f, ""));
    EXPECT_TRUE(RepertoireExiste(f, "C:\\Vud"));
    EXPECT_TRUE(RepertoireExiste(f, "C:\\Vud\\"));
    EXPECT_TRUE(RepertoireExiste(f, "C:\\"));
    EXPECT_FALSE(RepertoireExiste(f, "C:\\Vud\\Horlo.exe"));
    EXPECT_FALSE(RepertoireExiste(f, "C:\\Rien"));
    EXPECT_FALSE(RepertoireExiste(f, ""));
    EXPECT_FALSE(RepertoireExiste(f, "\\"));
}

}  // namespace
