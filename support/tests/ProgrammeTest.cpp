// Program name and folder from the executable's path.
#include <gtest/gtest.h>

#include "Programme.h"

TEST(Programme, NomEtDossier) {
    const auto p = Programme::DepuisChemin("C:\\Vud\\Nettix.exe");
    EXPECT_EQ(p.nom, "Nettix");
    EXPECT_EQ(p.dossier, "C:\\Vud");
    EXPECT_EQ(p.DossierLocal(), "C:\\Vud\\");
}

TEST(Programme, RacineDeLecteurGardeSaBarre) {
    const auto p = Programme::DepuisChemin("D:\\Horlo.exe");
    EXPECT_EQ(p.dossier, "D:\\");
    EXPECT_EQ(p.DossierLocal(), "D:\\");
}
