// The start counter counts up from whatever is stored, absent or unreadable being 0.
#include <gtest/gtest.h>

#include "Demarrage.h"
#include "RegistreMemoire.h"

TEST(CompteurDémarrage, CompteDepuisLaValeurStockée) {
    RegistreMémoire brut;
    Registre r(brut, "Pensil", ',');
    auto lu = [&] { return VersTexte(r.ParamLit("Pensil", std::string("Talmon"), true)); };
    CompteurDémarrageIncrémente(r, "Pensil");
    EXPECT_EQ(lu(), "1");
    CompteurDémarrageIncrémente(r, "Pensil");
    EXPECT_EQ(lu(), "2");
    r.RegistreEcrit(Racine::HKLM, "Software\\Talmon\\Talmon", "Pensil", "n'importe quoi");
    CompteurDémarrageIncrémente(r, "Pensil");
    EXPECT_EQ(lu(), "1");
    r.RegistreEcrit(Racine::HKLM, "Software\\Talmon\\Talmon", "Pensil", "70000");
    CompteurDémarrageIncrémente(r, "Pensil");
    EXPECT_EQ(lu(), "70001");
}
