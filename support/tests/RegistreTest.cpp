// The settings store over an in-memory registry: key choice, value texts, reading rules,
// statuses and deletion.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Registre.h"
#include "RegistreMemoire.h"

namespace {

struct RegistreTest : ::testing::Test {
    RegistreMémoire mémoire;
    Registre registre{mémoire, "Nettix", ','};

    void TearDown() override { EXPECT_EQ(mémoire.ClésOuvertes(), 0u) << "a key was left open"; }
    std::optional<std::string> Stocké(uint32_t racine, const std::string& chemin,
                                      const std::string& nom) {
        auto v = mémoire.Lit(racine, chemin, nom);
        if (!v) return std::nullopt;
        return v->données;
    }
};

TEST_F(RegistreTest, ValeurJamaisÉcriteEstAbsente) {
    const Variant v = registre.ParamProgLit("Top");
    EXPECT_TRUE(EstAbsent(v));
    EXPECT_EQ(VersNombre(v), 0);
    EXPECT_EQ(VersTexte(v), "");
    EXPECT_TRUE(EstAbsent(registre.RegistreLit(Racine::HKLM, "Software\\Nulle\\Part", "x")));
}

TEST_F(RegistreTest, TexteÉcritSelonLeGenreDeValeur) {
    const double date = 36136.0 + (14 * 60 + 5) / 1440.0;  // 07.12.1998 14:05
    const struct {
        Variant valeur;
        std::string texte;
    } cas[] = {
        {int16_t{12}, "12"},
        {int16_t{-32768}, "-32768"},
        {int32_t{-7}, "-7"},
        {int32_t{2147483647}, "2147483647"},
        {12.0, "12"},
        {-3.5, "-3,5"},
        {0.1, "0,1"},
        {-0.0, "0"},
        {1e20, "1E+20"},
        {1.5e-7, "1,5E-07"},
        {1234.5f, "1234,5"},
        {0.1f, "0,1"},
        {765.0f, "765"},
        {Monnaie{12345}, "1,2345"},
        {Monnaie{10000}, "1"},
        {Monnaie{-5000}, "-0,5"},
        {Monnaie{std::numeric_limits<int64_t>::min()}, "-922337203685477,5808"},
        {DateV{date}, "07.12.1998 14:05"},
        {true, "-1"},
        {false, "0"},
        {std::string("C:\\Vud\\Maj"), "C:\\Vud\\Maj"},
        {std::string(), ""},
        {Absent{}, ""},
        {Nul{}, ""},
        {Autre{}, ""},
        {std::numeric_limits<double>::infinity(), ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        EXPECT_EQ(registre.ParamEcrit("V", c.valeur), 0);
        EXPECT_EQ(Stocké(Racine::HKCU, "Software\\Talmon\\Nettix", "V"), c.texte + '\0');
        EXPECT_EQ(Lu(registre.ParamLit("V")), c.texte);
    }
}

TEST_F(RegistreTest, NombresRelusÀL_Identique) {
    const double doubles[] = {1.0 / 3,
                              2.0 / 3,
                              0.1 + 0.2,
                              1e-300,
                              123456789.123456789,
                              -9007199254740993.0,
                              5e-324,
                              1.7976931348623157e308};
    for (double d : doubles) {
        registre.ParamProgEcrit("D", d);
        EXPECT_EQ(VersNombre(registre.ParamProgLit("D")), d) << d;
    }
    const float simples[] = {1.0f / 3, 16777217.0f, 3.4028235e38f, 1e-45f, 4800.25f, 0.3f};
    for (float f : simples) {
        registre.ParamProgEcrit("S", f);
        EXPECT_EQ(static_cast<float>(VersNombre(registre.ParamProgLit("S"))), f) << f;
    }
    // Single values that are whole numbers (window geometry) stay short.
    registre.ParamProgEcrit("S", 7215.0f);
    EXPECT_EQ(Lu(registre.ParamProgLit("S")), std::string("7215"));
}

TEST_F(RegistreTest, SéparateurDécimalDuLieu) {
    Registre point{mémoire, "Nettix", '.'};
    point.ParamProgEcrit("P", -3.25);
    EXPECT_EQ(Lu(point.ParamProgLit("P")), std::string("-3.25"));
    EXPECT_EQ(VersNombre(point.ParamProgLit("P")), -3.25);
}

TEST_F(RegistreTest, ChoixDeLaRacineEtDeLaSection) {
    const struct {
        Variant section, machine;
        uint32_t racine;
        const char* chemin;
    } cas[] = {
        {Absent{}, Absent{}, Racine::HKCU, "Software\\Talmon\\Nettix"},
        {std::string(" \\Talmon"), true, Racine::HKLM, "Software\\Talmon\\Talmon"},
        {std::string("Talmon"), false, Racine::HKLM, "Software\\Talmon\\Talmon"},
        {std::string("Talmon"), Nul{}, Racine::HKLM, "Software\\Talmon\\Talmon"},
        {std::string("\\\\"), Absent{}, Racine::HKCU, "Software\\Talmon\\Nettix"},
        {std::string(""), Absent{}, Racine::HKCU, "Software\\Talmon\\Nettix"},
        {std::string("   "), Absent{}, Racine::HKCU, "Software\\Talmon\\Nettix"},
        {int32_t{5}, Absent{}, Racine::HKCU, "Software\\Talmon\\Nettix"},
        {3.5, true, Racine::HKLM, "Software\\Talmon\\Nettix"},
        {std::string("Pensil\\Fenêtre"), Absent{}, Racine::HKCU,
         "Software\\Talmon\\Pensil\\Fenêtre"},
        {std::string("Talmon\\"), true, Racine::HKLM, "Software\\Talmon\\Talmon"},
    };
    int n = 0;
    for (const auto& c : cas) {
        SCOPED_TRACE(c.chemin + std::string(" #") + std::to_string(n));
        const std::string nom = "Réglage" + std::to_string(n++);
        EXPECT_EQ(registre.ParamEcrit(nom, int32_t{n}, c.section, c.machine), 0);
        EXPECT_EQ(Stocké(c.racine, c.chemin, nom), std::to_string(n) + '\0');
        EXPECT_EQ(Lu(registre.ParamLit(nom, c.section, c.machine)), std::to_string(n));
    }
}

TEST_F(RegistreTest, CompteurDeDémarragesSurUneSeuleClé) {
    for (int fois = 1; fois <= 3; ++fois) {
        const double lu = VersNombre(registre.ParamLit("Nettix", std::string("Talmon"), true));
        EXPECT_EQ(lu, fois - 1);
        EXPECT_EQ(registre.RegistreEcrit(Racine::HKLM, "Software\\Talmon\\Talmon\\", "Nettix",
                                         std::to_string(static_cast<int>(lu) + 1)),
                  0);
    }
    EXPECT_EQ(Stocké(Racine::HKLM, "Software\\Talmon\\Talmon", "nettix"), std::string("3") + '\0');
}

TEST_F(RegistreTest, LectureSelonLeContenuStocké) {
    const struct {
        uint32_t type;
        std::string données;
        std::optional<std::string> attendu;
    } cas[] = {
        {RegistreMémoire::TypeDword, std::string("\x2a\0\0\0", 4), MessagePasTexte},
        {2 /* REG_EXPAND_SZ */, std::string("%TEMP%\0", 7), MessagePasTexte},
        {RegistreBrut::TypeTexte, std::string(1, '\0'), std::string()},
        {RegistreBrut::TypeTexte, std::string(), Rien},
        {RegistreBrut::TypeTexte, "abc", std::string("abc")},  // no terminating zero
        {RegistreBrut::TypeTexte, std::string("ab\0cd\0", 6), std::string("ab")},
        {RegistreBrut::TypeTexte, std::string("Répertoire\0", 11), std::string("Répertoire")},
    };
    for (const auto& c : cas) {
        mémoire.PoseValeur(Racine::HKCU, "Software\\Talmon\\Nettix", "X", c.type, c.données);
        EXPECT_EQ(Lu(registre.ParamProgLit("X")), c.attendu) << c.données;
    }
}

TEST_F(RegistreTest, ÉcrireUnTexteVideStockeLeSeulZéro) {
    EXPECT_EQ(Lu(registre.ParamProgLit("Vide")), Rien);
    registre.ParamProgEcrit("Vide", std::string());
    EXPECT_EQ(Stocké(Racine::HKCU, "Software\\Talmon\\Nettix", "Vide"), std::string(1, '\0'));
    EXPECT_EQ(Lu(registre.ParamProgLit("Vide")), std::string());
}

TEST_F(RegistreTest, NomsInsensiblesÀLaCasse) {
    registre.ParamEcrit("RépertoireMiseAJour", std::string("\\\\srv\\maj"), std::string("Talmon"),
                        true);
    EXPECT_EQ(Lu(registre.ParamLit("RÉPERTOIREMISEAJOUR", std::string("talmon"), true)),
              std::string("\\\\srv\\maj"));
}

TEST_F(RegistreTest, MachineRefuséeRepliSurLUtilisateur) {
    const std::string suite = "Software\\Talmon\\Talmon";
    mémoire.PoseValeur(Racine::HKLM, suite, "Horlo", 1, std::string("4\0", 2));
    mémoire.Protège(Racine::HKLM);
    // Without rights on the machine key, the value goes to the same key of the user,
    // where reads look first; the machine key is untouched.
    EXPECT_EQ(registre.ParamEcrit("Horlo", int32_t{5}, std::string("Talmon"), true), 0);
    EXPECT_EQ(Lu(registre.ParamLit("Horlo", std::string("Talmon"), true)), std::string("5"));
    EXPECT_EQ(mémoire.Lit(Racine::HKLM, suite, "Horlo")->données, std::string("4\0", 2));
    EXPECT_EQ(mémoire.Lit(Racine::HKCU, suite, "Horlo")->données, std::string("5\0", 2));
    EXPECT_EQ(registre.RegistreEcrit(Racine::HKLM, "Software\\Neuve", "x", "y"), 0);
    EXPECT_FALSE(mémoire.CléExiste(Racine::HKLM, "Software\\Neuve"));
    // A delete removes both copies (the machine's stays where it may not be deleted).
    registre.RegistreEfface(Racine::HKLM, "Software\\Neuve", "x");
    EXPECT_TRUE(EstAbsent(registre.RegistreLit(Racine::HKLM, "Software\\Neuve", "x")));
    // Once the machine key may be written, the per-user copy no longer hides it.
    RegistreMémoire libre;
    Registre r(libre, "Horlo", ',');
    libre.PoseValeur(Racine::HKCU, suite, "Horlo", 1, std::string("9\0", 2));
    EXPECT_EQ(r.ParamEcrit("Horlo", int32_t{10}, std::string("Talmon"), true), 0);
    EXPECT_EQ(Lu(r.ParamLit("Horlo", std::string("Talmon"), true)), std::string("10"));
    EXPECT_FALSE(libre.Lit(Racine::HKCU, suite, "Horlo"));
    // An unknown root is an invalid handle, not a success.
    EXPECT_EQ(registre.RegistreEcrit(0x80000003u, "Software", "x", "y"),
              RegistreMémoire::HandleInvalide);
    EXPECT_EQ(registre.ParamEcrit("Ok", true), 0);
}

TEST_F(RegistreTest, EffacementDeLaValeurEtDeLaSousCléHomonyme) {
    const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    registre.RegistreEcrit(Racine::HKLM, run, "Talmon", "C:\\Vud\\Horlo.exe");
    registre.RegistreEcrit(Racine::HKLM, run + "\\Talmon", "x", "y");
    registre.RegistreEcrit(Racine::HKLM, run, "Autre", "z");
    EXPECT_EQ(Lu(registre.RegistreLit(Racine::HKLM, run, "Talmon")),
              std::string("C:\\Vud\\Horlo.exe"));

    registre.RegistreEfface(Racine::HKLM, run + "\\", "Talmon");
    EXPECT_TRUE(EstAbsent(registre.RegistreLit(Racine::HKLM, run, "Talmon")));
    EXPECT_FALSE(mémoire.CléExiste(Racine::HKLM, run + "\\Talmon"));
    EXPECT_EQ(Lu(registre.RegistreLit(Racine::HKLM, run, "Autre")), std::string("z"));

    // Nothing to delete, or no key at all: silently nothing.
    registre.RegistreEfface(Racine::HKLM, run, "Talmon");
    registre.RegistreEfface(Racine::HKLM, "Software\\Nulle\\Part", "Talmon");
    // An empty name removes the unnamed value only, never the key itself.
    registre.RegistreEcrit(Racine::HKLM, run, "", "défaut");
    registre.RegistreEfface(Racine::HKLM, run, "");
    EXPECT_TRUE(mémoire.CléExiste(Racine::HKLM, run));
    EXPECT_TRUE(EstAbsent(registre.RegistreLit(Racine::HKLM, run, "")));
    EXPECT_EQ(Lu(registre.RegistreLit(Racine::HKLM, run, "Autre")), std::string("z"));
}

TEST(VersNombre, SelonLeGenreDeValeur) {
    const struct {
        Variant valeur;
        double attendu;
    } cas[] = {
        {Absent{}, 0},
        {Nul{}, 0},
        {Autre{}, 0},
        {std::string(), 0},
        {std::string("abc"), 0},
        {std::string("12abc"), 0},
        {std::string(MessagePasTexte), 0},
        {std::string("07.12.1998 14:05"), 0},
        {std::string("12"), 12},
        {std::string(" -3,5 "), -3.5},
        {std::string("3.5"), 3.5},
        {std::string("5-"), -5},
        {std::string("1E+20"), 1e20},
        {std::string("1,5E-07"), 1.5e-7},
        {std::string("1e999"), 0},
        {std::string("1,2,3"), 0},
        {std::string("inf"), 0},
        {std::string("nan"), 0},
        {std::string("0x10"), 0},
        {std::string("--1"), 0},
        {std::string("-1-"), 0},
        {std::string("+.5"), 0.5},
        {true, -1},
        {false, 0},
        {int16_t{-4}, -4},
        {Monnaie{-12345}, -1.2345},
        {DateV{36136.5}, 36136.5},
    };
    for (const auto& c : cas) EXPECT_EQ(VersNombre(c.valeur), c.attendu) << VersTexte(c.valeur);
}

}  // namespace
