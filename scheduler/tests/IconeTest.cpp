// The tray icon's callback messages turned into actions, and the retries of adding it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Icone.h"

namespace {

using namespace MessagesIcône;
using A = ActionIcône;

TEST(Icone, MessagesEnActions) {
    constexpr uint32_t Déplacement = 0x200, BoutonGaucheEnfoncé = 0x201, DoubleClic = 0x203,
                       BoutonDroitEnfoncé = 0x204, BoutonMilieuEnfoncé = 0x207;
    const struct {
        const char* cas;
        std::vector<uint32_t> messages;
        std::vector<A> actions;
    } cas[] = {
        {"clic gauche, suivi de sa selection",
         {Déplacement, BoutonGaucheEnfoncé, BoutonGaucheLâché, Sélection},
         {A::Aucune, A::Aucune, A::Menu, A::Aucune}},
        {"clic droit, suivi de son menu contextuel",
         {BoutonDroitEnfoncé, BoutonDroitLâché, Déplacement, MenuContextuel},
         {A::Aucune, A::Quitter, A::Aucune, A::Aucune}},
        {"clavier: Entree, Espace, touche menu, Entree sur l'icone choisie a la souris",
         {SélectionClavier, SélectionClavier, MenuContextuel, Sélection},
         {A::Menu, A::Menu, A::Menu, A::Menu}},
        {"un shell sans la suite d'un clic",
         {BoutonGaucheEnfoncé, BoutonGaucheLâché, BoutonDroitEnfoncé, BoutonDroitLâché,
          BoutonGaucheEnfoncé, BoutonGaucheLâché},
         {A::Aucune, A::Menu, A::Aucune, A::Quitter, A::Aucune, A::Menu}},
        {"clavier apres un clic reste dans les suites attendues",
         {BoutonDroitEnfoncé, BoutonDroitLâché, MenuContextuel, MenuContextuel, SélectionClavier},
         {A::Aucune, A::Quitter, A::Aucune, A::Menu, A::Menu}},
        {"la suite d'un clic gauche n'est pas celle d'un clic droit",
         {BoutonGaucheLâché, MenuContextuel, BoutonDroitLâché, Sélection},
         {A::Menu, A::Menu, A::Quitter, A::Menu}},
        {"double clic et bouton du milieu",
         {DoubleClic, BoutonMilieuEnfoncé, 0x208},
         {A::Aucune, A::Aucune, A::Aucune}},
    };
    for (const auto& c : cas) {
        DécodeurIcône d;
        std::vector<A> actions;
        for (uint32_t m : c.messages) actions.push_back(d.Message(m));
        EXPECT_EQ(actions, c.actions) << c.cas;
    }
}

TEST(Icone, RelanceBornee) {
    RelanceIcône r;
    r.Recommence();
    unsigned essais = 0;
    while (r.Continue(false)) ++essais;
    EXPECT_EQ(essais, RelanceIcône::Essais);
    EXPECT_EQ(essais * RelanceIcône::IntervalleMs, 180000u);
    EXPECT_FALSE(r.Continue(false));
    // TaskbarCreated: a full set of attempts again, ended by the first success.
    r.Recommence();
    EXPECT_TRUE(r.Continue(false));
    EXPECT_TRUE(r.Continue(false));
    EXPECT_FALSE(r.Continue(true));
    EXPECT_FALSE(r.Continue(false));
}

}  // namespace
