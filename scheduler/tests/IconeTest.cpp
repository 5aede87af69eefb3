// The tray icon's callback messages turned into actions, and the retries of adding it.
#include <gtest/gtest.h>

#include <vector>

#include "Icone.h"

namespace {

constexpr uint32_t BoutonGaucheLâché = MessagesIcône::BoutonGaucheLâché,
                   BoutonDroitLâché = MessagesIcône::BoutonDroitLâché,
                   MenuContextuel = MessagesIcône::MenuContextuel,
                   Sélection = MessagesIcône::Sélection,
                   SélectionClavier = MessagesIcône::SélectionClavier;
using A = ActionIcône;

TEST(Icone, MessagesEnActions) {
    constexpr uint32_t Déplacement = 0x200, GaucheEnfoncé = 0x201, DoubleClic = 0x203,
                       DroitEnfoncé = 0x204, MilieuEnfoncé = 0x207;
    const struct {
        const char* cas;
        std::vector<uint32_t> messages;
        std::vector<A> actions;
    } cas[] = {
        {"clic gauche suivi de sa selection, double clic, bouton du milieu",
         {Déplacement, GaucheEnfoncé, BoutonGaucheLâché, Sélection, DoubleClic, MilieuEnfoncé},
         {A::Aucune, A::Aucune, A::Menu, A::Aucune, A::Aucune, A::Aucune}},
        {"clic droit suivi de son menu contextuel, puis la touche menu",
         {DroitEnfoncé, BoutonDroitLâché, Déplacement, MenuContextuel, MenuContextuel},
         {A::Aucune, A::Quitter, A::Aucune, A::Aucune, A::Menu}},
        {"clavier: Entree, Espace, touche menu, Entree sur l'icone choisie a la souris",
         {SélectionClavier, SélectionClavier, MenuContextuel, Sélection},
         {A::Menu, A::Menu, A::Menu, A::Menu}},
        {"sans la suite des clics; la suite d'un clic n'est pas celle de l'autre",
         {BoutonGaucheLâché, BoutonDroitLâché, BoutonGaucheLâché, MenuContextuel, BoutonDroitLâché,
          Sélection},
         {A::Menu, A::Quitter, A::Menu, A::Menu, A::Quitter, A::Menu}},
    };
    for (const auto& c : cas) {
        DécodeurIcône d;
        std::vector<A> actions;
        for (uint32_t m : c.messages) actions.push_back(d.Message(m));
        EXPECT_EQ(actions, c.actions) << c.cas;
    }
}

// Bounded after each fresh start, ended by the first success.
TEST(Icone, RelanceBornee) {
    RelanceIcône r;
    r.Recommence();
    unsigned essais = 0;
    while (r.Continue(false) && essais <= RelanceIcône::Essais) ++essais;
    EXPECT_EQ(essais, RelanceIcône::Essais);
    r.Recommence();
    EXPECT_TRUE(r.Continue(false));
    EXPECT_FALSE(r.Continue(true));
    EXPECT_FALSE(r.Continue(false));
}

}  // namespace
