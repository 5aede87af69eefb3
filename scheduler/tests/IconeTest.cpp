// The tray icon's callback messages turned into actions, and the retries of adding it.
#include <gtest/gtest.h>

#include <iterator>
#include <utility>

#include "Icone.h"

// One decoder through a sequence of messages, each with the action it asks for.
TEST(Icone, MessagesEnActions) {
    using M = MessagesIcône;
    using A = ActionIcône;
    const std::pair<uint32_t, A> suite[] = {
        {0x201, A::Aucune},  // WM_LBUTTONDOWN
        {M::BoutonGaucheLâché, A::Menu},
        {M::Sélection, A::Aucune},  // the shell's follow-up of that click
        {M::BoutonDroitLâché, A::Quitter},
        {M::MenuContextuel, A::Aucune},  // same
        {M::MenuContextuel, A::Menu},    // the context-menu key
        {M::SélectionClavier, A::Menu},  // Enter or Space
        {M::Sélection, A::Menu},         // Enter on the icon the mouse chose
        {M::BoutonGaucheLâché, A::Menu},
        {M::MenuContextuel, A::Menu},  // not the follow-up of a left click
    };
    DécodeurIcône d;
    for (size_t i = 0; i < std::size(suite); ++i)
        EXPECT_EQ(d.Message(suite[i].first), suite[i].second) << "message " << i;
}

// Bounded after each fresh start, ended by the first success.
TEST(Icone, RelanceBornee) {
    RelanceIcône r;
    unsigned essais = 0;
    while (r.Continue(false) && essais <= RelanceIcône::Essais) ++essais;
    EXPECT_EQ(essais, RelanceIcône::Essais);
    r.Recommence();
    EXPECT_TRUE(r.Continue(false));
    EXPECT_FALSE(r.Continue(true) || r.Continue(false));
}
