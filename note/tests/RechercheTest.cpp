// Finding a text in the note: direction, no wrap unless asked, case, the failure box.
#include <gtest/gtest.h>

#include "Doubles.h"
#include "Recherche.h"

TEST(Cherche, SensCasseEtBouclage) {
    // "zoé" at 0, 12 and 21 (UTF-16 units), in three cases.
    constexpr std::u16string_view texte = u"Zoé René\r\nA zoé 021\r\nZOÉ — fin";
    const OptionsRecherche bas{}, haut{.versLeBas = false}, casse{.casseExacte = true};
    const OptionsRecherche basBoucle{.boucle = true},
        hautBoucle{.versLeBas = false, .boucle = true};
    struct Cas {
        std::u16string_view motif;
        Étendue sélection;
        OptionsRecherche options;
        std::optional<Étendue> attendu;
    } cas[] = {
        {u"zoé", {0, 0}, bas, Étendue{0, 3}},       // from the caret
        {u"zoé", {0, 3}, bas, Étendue{12, 15}},     // from the end of the selection
        {u"zoé", {21, 24}, haut, Étendue{12, 15}},  // ending at or before its start
        {u"zoé", {14, 14}, haut, Étendue{0, 3}},
        {u"zoé", {21, 24}, bas, std::nullopt},  // no wrap past the end or the start
        {u"zoé", {0, 3}, haut, std::nullopt},
        {u"zoé", {21, 24}, basBoucle, Étendue{0, 3}},
        {u"zoé", {0, 3}, hautBoucle, Étendue{21, 24}},
        {u"ZOÉ", {0, 0}, bas, Étendue{0, 3}},  // the suite's case mapping
        {u"rEN", {0, 0}, bas, Étendue{4, 7}},
        {u"ZOÉ", {0, 0}, casse, Étendue{21, 24}},
        {u"Zoe", {0, 0}, basBoucle, std::nullopt},  // e is not é
        {u"", {0, 0}, basBoucle, std::nullopt},
    };
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        const auto trouvé = Cherche(texte, cas[i].motif, cas[i].sélection, cas[i].options);
        EXPECT_EQ(trouvé.value_or(Étendue{99, 99}), cas[i].attendu.value_or(Étendue{99, 99}))
            << "case " << i;
    }
}

TEST(RechercheÉchoue, BipPuisBoîteDInformation) {
    DialoguesScript d;
    RechercheÉchoue(d, "zoé");
    EXPECT_EQ(d.bips, 1);
    ASSERT_EQ(d.boîtes.size(), 1u);
    EXPECT_EQ(d.boîtes[0].texte, "Impossible de trouver \"zoé\".");
    EXPECT_EQ(d.boîtes[0].titre, "Orvan 98");
    EXPECT_EQ(d.boîtes[0].drapeaux, Mb::Ok | Mb::IcôneInformation);
}
