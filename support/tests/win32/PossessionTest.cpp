// The handle owners: every handle is closed exactly once, whatever moves it went through.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "Possession.h"

namespace {

// Handles are small numbers, 0 holds nothing; every closing is recorded.
std::vector<int> fermées;
struct RègleEssai {
    using Poignée = int;
    static int Nulle() { return 0; }
    static bool Valide(int h) { return h != 0; }
    static bool Ferme(int h) {
        fermées.push_back(h);
        return h != 99;  // 99 fails to close
    }
};
using Essai = Possession<RègleEssai>;

class PossessionTest : public ::testing::Test {
  protected:
    void SetUp() override { fermées.clear(); }
};

bool Ouverte(HANDLE h) {
    DWORD drapeaux = 0;
    return GetHandleInformation(h, &drapeaux) != FALSE;
}

}  // namespace

TEST_F(PossessionTest, DestructeurFermeUneFois) {
    { Essai a(1); }
    { Essai vide; }
    EXPECT_EQ(fermées, std::vector<int>{1});
}

TEST_F(PossessionTest, DeplacementTransfereSansFermer) {
    {
        Essai a(1);
        Essai b(std::move(a));
        EXPECT_FALSE(a.Valide());
        EXPECT_EQ(b.get(), 1);
        EXPECT_TRUE(fermées.empty());
    }
    EXPECT_EQ(fermées, std::vector<int>{1});
}

TEST_F(PossessionTest, AffectationFermeLAncienneUneFois) {
    {
        Essai a(1), b(2);
        b = std::move(a);
        EXPECT_EQ(fermées, std::vector<int>{2});
        EXPECT_EQ(b.get(), 1);
        EXPECT_FALSE(a);
        b = std::move(b);  // onto itself: kept, not closed
        EXPECT_EQ(b.get(), 1);
        EXPECT_EQ(fermées, std::vector<int>{2});
    }
    EXPECT_EQ(fermées, (std::vector<int>{2, 1}));
}

TEST_F(PossessionTest, LacheNeFermePas) {
    {
        Essai a(1);
        EXPECT_EQ(a.Lâche(), 1);
        EXPECT_FALSE(a.Valide());
    }
    EXPECT_TRUE(fermées.empty());
}

TEST_F(PossessionTest, PrendFermeLAncienneSaufSiCEstLaMeme) {
    {
        Essai a(1);
        a.Prend(1);
        EXPECT_TRUE(fermées.empty());
        a.Prend(2);
        EXPECT_EQ(fermées, std::vector<int>{1});
    }
    EXPECT_EQ(fermées, (std::vector<int>{1, 2}));
}

TEST_F(PossessionTest, FermeDitLEchecEtNeFermePlus) {
    Essai a(99);
    EXPECT_FALSE(a.Ferme());
    EXPECT_FALSE(a.Valide());
    EXPECT_TRUE(a.Ferme());  // nothing held
    EXPECT_EQ(fermées, std::vector<int>{99});
}

TEST(PossessionNoyau, UnEvenementDeplaceEstFermeParSonDernierPossesseur) {
    HANDLE brut = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_TRUE(brut);
    {
        PoignéeNoyau a(brut);
        PoignéeNoyau b;
        b = std::move(a);
        { PoignéeNoyau c(std::move(a)); }  // moved-from: holds nothing, closes nothing
        EXPECT_TRUE(Ouverte(brut));
    }
    EXPECT_FALSE(Ouverte(brut));
}

// Both handles of a started process are closed; a process without its handle (a host
// program under Wine) leaves hThread, which is not ours, open.
TEST(PossessionNoyau, LesPoigneesDUnProcessusSaufCellesDUnHote) {
    for (const bool avecProcessus : {true, false}) {
        HANDLE processus = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        HANDLE fil = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        ASSERT_TRUE(processus && fil);
        PoignéesProcessusFerme({avecProcessus ? processus : nullptr, fil, 1, 1});
        EXPECT_EQ(Ouverte(processus), !avecProcessus) << avecProcessus;
        EXPECT_EQ(Ouverte(fil), !avecProcessus) << avecProcessus;
        if (!avecProcessus) {
            CloseHandle(processus);
            CloseHandle(fil);
        }
    }
}

TEST(PossessionNoyau, LesDeuxValeursDEchecNeTiennentRien) {
    EXPECT_FALSE(PoignéeNoyau(nullptr).Valide());
    EXPECT_FALSE(PoignéeNoyau(INVALID_HANDLE_VALUE).Valide());
    EXPECT_FALSE(Recherche().Valide());
    EXPECT_FALSE(Recherche(INVALID_HANDLE_VALUE).Valide());
}

// Its thread is in a single-threaded apartment while it lives.
TEST(AppartementCom, MonoThread) {
    std::thread([] {
        const AppartementCom com;
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    }).join();
}
