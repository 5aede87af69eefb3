// The task table's files, field cutting, list lines, open-window list and journal.
#include <gtest/gtest.h>

#include "AidesTest.h"
#include "CasFichiersTexte.h"
#include "Doubles.h"
#include "Journal.h"
#include "Taches.h"

namespace {

struct TâchesTest : ::testing::Test {
    FichiersMémoire f;
    HorlogeFixe horloge;
    Horlo h{f, horloge, Programme::DepuisChemin("C:\\Vud\\Horlo.exe")};
    const std::string auto_ = "C:\\Vud\\Auto.dat";

    void Pose(std::initializer_list<Tâche> tâches) {
        h.Tâches.Efface();
        for (const auto& t : tâches) h.Tâches.Ajoute(t);
    }
    // Saves the table and loads it again.
    void AllerRetour() {
        ASSERT_TRUE(TâchesEnregistre(h).ok);
        ASSERT_TRUE(TâchesCharge(h).ok);
    }
};

TEST(ChampSuivant, CoupeEtRetireLesGuillemets) {
    const struct {
        std::string_view texte, champ, reste;
    } cas[] = {
        {"a\tb\tc", "a", "b\tc"},   {"", "", ""},
        {"abc", "abc", ""},         {"\ta", "", "a"},
        {"a\t", "a", ""},           {"\"x y\"\tz", "x y", "z"},
        {"\"", "\"", ""},           {"\"\"", "", ""},
        {"\"a\"\"b\"", "a\"b", ""}, {"\"a\"\"\"\"b\"", "a\"b", ""},
        {"a\"\"b", "a\"\"b", ""},   {"\"message", "\"message", ""},
    };
    for (const auto& c : cas) {
        std::string_view reste = c.texte;
        EXPECT_EQ(ChampSuivant(reste), c.champ) << c.texte;
        EXPECT_EQ(reste, c.reste) << c.texte;
    }
}

TEST_F(TâchesTest, EcritAutoDatOctetPourOctet) {
    const double proch = D(1998, 12, 7, 14, 5, 40), der = D(1998, 12, 6, 14, 5, 59);
    Pose({T("C:\\Vud\\a.exe", "U", proch, true, 0, 0, "/x y"),
          T("b.exe", "J", proch, true, der, H(1, 30), "", 3), T("c.bat", "O", proch),
          T("d", "S", proch), T("e", "P", proch), T("f", "D", proch), T("g", "A", 0),
          T("h", "L", H(0, 5, 30)), T("i", "l", H(0, 5, 30), true, der), T("  ", "J", proch),
          T("\"Caf\xC3\xA9 !", "J", proch, false, der, 0, "", 6),
          T("j", "J", proch, true, 0, 0, "\"x\"")});
    ASSERT_TRUE(TâchesEnregistre(h).ok);
    EXPECT_EQ(f.Contenu(auto_),
              "C:\\Vud\\a.exe\t/x y\t1\tU\t-1\t07.12.1998\t14:05\t30.12.1899\t00:00\t00:00\r\n"
              "b.exe\t\t3\tJ\t-1\t07.12.1998\t14:05\t06.12.1998\t14:05\t01:30\r\n"
              "c.bat\t\t1\tO\t-1\t07.12.1998\t14:05\t30.12.1899\t00:00\t00:00\r\n"
              "d\t\t1\tS\t-1\t07.12.1998\t14:05\t30.12.1899\t00:00\t00:00\r\n"
              "e\t\t1\tP\t-1\t07.12.1998\t14:05\t30.12.1899\t00:00\t00:00\r\n"
              "f\t\t1\tD\t-1\t07.12.1998\t14:05\t30.12.1899\t00:00\t00:00\r\n"
              "g\t\t1\tA\t-1\t30.12.1899\t00:00\t30.12.1899\t00:00\t00:00\r\n"
              "h\t\t1\tL\t-1\t\t00:05:30\t30.12.1899\t00:00\t00:00\r\n"
              "i\t\t1\tL\t-1\t\t00:05:30\t06.12.1998\t14:05\t00:00\r\n"
              "\"Caf\xE9 !\t\t6\tJ\t0\t\t\t06.12.1998\t14:05\t00:00\r\n"
              "j\t\"\"\"x\"\"\"\t1\tJ\t-1\t07.12.1998\t14:05\t30.12.1899\t00:00\t00:00\r\n");
}

TEST_F(TâchesTest, AllerRetourGardeLesTâchesSaufLesSecondes) {
    Pose({T("a", "J", D(1998, 12, 7, 14, 5, 40), true, D(1998, 12, 6, 8, 0), H(0, 10)),
          T("b", "l", H(0, 5, 30)), T("c", "U", D(2001, 1, 2, 3, 4), false),
          T("\"Fin\"", "U", D(1999, 1, 1, 8, 0)), T("\"sans fin", "U", D(1999, 1, 1, 8, 0)),
          T("\"C:\\Mes docs\\x.exe\"", "J", D(1999, 1, 1), true, 0, 0, "\"C:\\a b\\n.txt\" /q"),
          T("[crochet].exe", "S", D(1999, 1, 1))});
    AllerRetour();
    ASSERT_EQ(h.Tâches.Dernier(), 7u);
    EXPECT_EQ(h.Tâches[1].Prochaine, D(1998, 12, 7, 14, 5));
    EXPECT_EQ(h.Tâches[1].DernièreExécution, D(1998, 12, 6, 8, 0));
    EXPECT_EQ(h.Tâches[1].DélaiMax, H(0, 10));
    EXPECT_EQ(h.Tâches[2].Répétition, "L");
    EXPECT_EQ(h.Tâches[2].Prochaine, H(0, 5, 30));
    EXPECT_FALSE(h.Tâches[3].Actif);
    EXPECT_EQ(h.Tâches[3].Prochaine, 0);
    // Quotes the reader would strip are protected: a message stays a message.
    EXPECT_EQ(h.Tâches[4].Programme, "\"Fin\"");
    EXPECT_EQ(h.Tâches[5].Programme, "\"sans fin");
    EXPECT_EQ(h.Tâches[6].Programme, "\"C:\\Mes docs\\x.exe\"");
    EXPECT_EQ(h.Tâches[6].Paramètres, "\"C:\\a b\\n.txt\" /q");
    EXPECT_EQ(h.Tâches[7].Programme, "[crochet].exe");
}

// The repeat code is decoded once, from the field in any case; it goes back to the file
// in upper case ("l", in memory or in the file, as "L"), an unknown code as it was read.
TEST_F(TâchesTest, CodeDeRépétitionLuEtRécrit) {
    const std::tuple<const char*, char, const char*> cas[] = {
        {"l", 'L', "L"}, {"o", 'O', "O"}, {"xq", 0, "XQ"}, {"", 0, ""}, {"UU", 0, "UU"}};
    for (const auto& [lu, lettre, écrit] : cas) {
        f.PoseFichier(auto_, std::string("a\t\t1\t") + lu + "\t-1\t07.12.1998\t10:00\r\n");
        ASSERT_TRUE(TâchesCharge(h).ok);
        EXPECT_EQ(h.Tâches[1].Répétition.lettre(), lettre) << lu;
        ASSERT_TRUE(TâchesEnregistre(h).ok);
        std::string_view ligne = f.Contenu(auto_);
        for (int champ = 0; champ < 3; ++champ) ChampSuivant(ligne);
        EXPECT_EQ(ChampSuivant(ligne), écrit) << lu;
    }
    // Made in memory: a fired start-up task, and a lower-case letter that is no code.
    EXPECT_EQ(Récurrence("j").lettre(), Récurrence::Inconnue);
    const std::string ligne = LigneAuto(T("b", "l", H(0, 5, 30))) + LigneAuto(T("c", "j", 0));
    EXPECT_EQ(ligne,
              "b\t\t1\tL\t-1\t\t00:05:30\t30.12.1899\t00:00\t00:00"
              "c\t\t1\tJ\t-1\t30.12.1899\t00:00\t30.12.1899\t00:00\t00:00");
}

TEST_F(TâchesTest, ChargeLesLignesDifficiles) {
    f.PoseFichier(auto_,
                  "[Horlo]\r\n\r\n   \r\n"
                  "cinq\t\t1\tj\t0\r\n"
                  "fevrier\t\t1\tJ\t-1\t31.02.1998\t10:00\t06.12.1998\t25:00\tzz\n"
                  "\t\t1\tJ\t-1\t07.12.1998\t10:00\r"
                  "\"entre\"\t\"p\"\tabc\tL\toui\r\n"
                  "caf\xE9\t\t99999\tS\t-1\t7.12.98\t9:05\t\t\t  \r\n"
                  "dernier\t\t2\tU\t-1\t07.12.1998\t10:00\t06.12.1998\t09:00\t01:00\r\n"
                  "drapeau\t\t1\tJ\toui\t07.12.1998\t10:00");
    ASSERT_TRUE(TâchesCharge(h).ok);
    ASSERT_EQ(h.Tâches.Dernier(), 6u);
    // An active flag that cannot be read: inactive, however valid the date.
    EXPECT_FALSE(h.Tâches[6].Actif);
    const Tâche& cinq = h.Tâches[1];
    EXPECT_EQ(cinq.Répétition, "J");
    EXPECT_FALSE(cinq.Actif);
    EXPECT_EQ(cinq.Prochaine + cinq.DernièreExécution + cinq.DélaiMax, 0);
    // An impossible date keeps the task, switched off; other bad values read 0.
    EXPECT_EQ(h.Tâches[2].Programme, "fevrier");
    EXPECT_FALSE(h.Tâches[2].Actif);
    EXPECT_EQ(h.Tâches[2].Prochaine, 0);
    EXPECT_EQ(h.Tâches[2].DernièreExécution, D(1998, 12, 6));
    EXPECT_EQ(h.Tâches[2].DélaiMax, 0);
    EXPECT_EQ(h.Tâches[3].Programme, "entre");
    EXPECT_EQ(h.Tâches[3].Paramètres, "p");
    EXPECT_EQ(h.Tâches[3].Fenêtre, 0);
    EXPECT_FALSE(h.Tâches[3].Actif);
    EXPECT_EQ(h.Tâches[4].Programme, "caf\xC3\xA9");
    EXPECT_EQ(h.Tâches[4].Fenêtre, 0);
    EXPECT_EQ(h.Tâches[4].Prochaine, D(1998, 12, 7, 9, 5));
    EXPECT_EQ(h.Tâches[5].Programme, "dernier");
    EXPECT_EQ(h.Tâches[5].DélaiMax, H(1, 0));
}

TEST_F(TâchesTest, FichierAbsentOuIllisible) {
    h.Tâches.Ajoute(T("x", "J", 1));
    EXPECT_TRUE(TâchesCharge(h).ok);
    EXPECT_TRUE(h.Tâches.Vide());

    f.PoseFichier(auto_, "a\t\t1\tJ\t0\r\n");
    f.échecs["Lire:C:\\VUD\\AUTO.DAT"] = "Accès refusé.";
    const Statut lu = TâchesCharge(h);
    EXPECT_FALSE(lu.ok);
    EXPECT_EQ(lu.erreur, "Accès refusé.");
    // Saving over a file whose tasks were never read would lose them.
    h.Tâches.Ajoute(T("nouvelle", "J", D(1999, 1, 1)));
    EXPECT_FALSE(TâchesEnregistre(h).ok);
    EXPECT_EQ(f.Contenu(auto_), "a\t\t1\tJ\t0\r\n");
}

// One task's text never blocks the save: it is written in its nearest form, every other
// task is in the file, and the editor's check knows the field does not read back.
TEST_F(TâchesTest, UneTâcheIntranscriptibleNeBloquePasLEnregistrement) {
    const std::string fin = "\t1\tJ\t-1\t30.12.1899\t00:00\t30.12.1899\t00:00\t00:00\r\n";
    const struct {
        Tâche t;
        std::string ligne;
        bool premier;
    } cas[] = {
        {T("\xE2\x98\x83.exe", "J", 0), "?.exe\t", true},
        {T("a.exe", "J", 0, true, 0, 0, "x\ty"), "a.exe\tx y", false},
        {T("b.exe", "J", 0, true, 0, 0, "ligne\r\n2"), "b.exe\tligne  2", false},
        {T("d.exe", "J", 0, true, 0, 0, "ligne\r2"), "d.exe\tligne 2", false},
        {T("c.exe", "J", 0, true, 0, 0, "\"a\" \"\""), "c.exe\t\"a\" \"\"", false},
    };
    for (const auto& c : cas) {
        f.PoseFichier(auto_, "avant\r\n");
        Pose({T("ok", "J", 0), c.t, T("après", "J", 0)});
        ASSERT_TRUE(TâchesEnregistre(h).ok) << c.ligne;
        EXPECT_EQ(f.Contenu(auto_), "ok\t" + fin + c.ligne + fin + "apr\xE8s\t" + fin);
        EXPECT_FALSE(ChampRelisible(c.premier ? c.t.Programme : c.t.Paramètres, c.premier));
    }
    for (const char* relisible : {"\"Bonjour", "a \"b\" c", "\"x\"", "é"})
        EXPECT_TRUE(ChampRelisible(relisible, false)) << relisible;
    EXPECT_FALSE(ChampRelisible("\"\"Bonjour\"", true));
    f.PoseFichier(auto_, "avant\r\n");
    Pose({T("ok", "J", 0)});
    f.échecs["Écrire:C:\\VUD\\AUTO.DAT"] = "Disque plein.";
    EXPECT_EQ(TâchesEnregistre(h).erreur, "Disque plein.");
    EXPECT_EQ(f.Contenu(auto_), "avant\r\n");
}

TEST_F(TâchesTest, UneTâcheSuppriméeDisparaîtDuFichier) {
    Pose({T("a", "J", D(1999, 1, 1)), T("b", "J", D(1999, 1, 1)), T("c", "S", D(1999, 1, 1))});
    h.Tâches[2].Programme = "";
    h.Tâches[2].Actif = false;
    AllerRetour();
    ASSERT_EQ(h.Tâches.Dernier(), 2u);
    EXPECT_EQ(h.Tâches[2].Programme, "c");
}

TEST(TableDepuisUn, RetireDécaleEtIgnoreLesIndexHorsTable) {
    TableTâches t;
    for (const char* p : {"a", "b", "c"}) t.Ajoute(T(p, "J", 0));
    const uint64_t c = t[3].Identité;
    for (size_t i : {size_t{0}, size_t{4}, size_t{2}}) t.Retire(i);
    ASSERT_EQ(t.Dernier(), 2u);
    EXPECT_EQ(t[1].Programme + t[2].Programme, "ac");
    // The moved task is still found by its identity; identities are never reused.
    EXPECT_EQ(t.IndexDe(c), 2u);
    t.Efface();
    EXPECT_GT(t[t.Ajoute(T("d", "J", 0))].Identité, c);
    EXPECT_EQ(t.IndexDe(c), 0u);
}

TEST_F(TâchesTest, CatalogueUneEntréeParLigne) {
    f.PoseFichier("C:\\Vud\\Autos.dat",
                  "Bloc-notes\tnotepad.exe\t/p\tj\t3\t01:30\t08:15\r\n"
                  "\r\n"
                  "Mauvais\tx\t\tS\tdeux\t99:00\t\r\n"
                  "Court\ty");
    ASSERT_TRUE(ModèlesCharge(h).ok);
    ASSERT_EQ(h.Modèles.Dernier(), 4u);
    const Modèle& m = h.Modèles[1];
    EXPECT_EQ(m.Libellé + "|" + m.Programme + "|" + m.Paramètres + "|" + m.Répétition,
              "Bloc-notes|notepad.exe|/p|j");
    EXPECT_EQ(m.Fenêtre, 3);
    EXPECT_EQ(m.DélaiMax, H(1, 30));
    EXPECT_EQ(m.Heure, H(8, 15));
    EXPECT_EQ(h.Modèles[2].Libellé, "");
    EXPECT_EQ(h.Modèles[3].Fenêtre, 0);
    EXPECT_EQ(h.Modèles[3].DélaiMax, 0);
    EXPECT_EQ(h.Modèles[4].Programme, "y");
    f.entrées.clear();
    EXPECT_TRUE(ModèlesCharge(h).ok);
    EXPECT_TRUE(h.Modèles.Vide());
}

TEST_F(TâchesTest, LitLesFichiersDeChaqueÉditeur) {
    for (const auto& c : CasFichiersTexte) {
        f.PoseFichier(auto_, c.octets + "\t\t1\tJ\t0\r\n");
        ASSERT_TRUE(TâchesCharge(h).ok && h.Tâches.Dernier() == 1) << c.nom;
        EXPECT_EQ(h.Tâches[1].Programme, c.texte) << c.nom;
        f.PoseFichier("C:\\Vud\\Autos.dat", c.octets + "\tx.exe\r\n");
        ASSERT_TRUE(ModèlesCharge(h).ok && h.Modèles.Dernier() == 1) << c.nom;
        EXPECT_EQ(h.Modèles[1].Libellé, c.texte) << c.nom;
    }
}

TEST(LigneTâche, ColonneProgrammeEtDernièreExécution) {
    const double proch = D(1998, 12, 7, 14, 5), der = D(1998, 12, 6, 14, 5);
    const struct {
        Tâche t;
        std::string ligne;
    } cas[] = {
        {T("p.exe", "J", proch, true, der), "07.12.98 14:05 p.exe (6.12.98 14:05)"},
        {T("p.exe", "J", proch, false, der), "(inactivé)     p.exe (6.12.98 14:05)"},
        {T("p.exe", "A", 0), "(avant arrêt)  p.exe"},
        {T("p.exe", "a", 0), "30.12.99 00:00 p.exe"},
        {T("p.exe", "L", H(0, 5, 30)), "Déb.+00:05:30 p.exe"},
        {T("p.exe", "l", H(0, 5, 30), true, D(2000, 1, 2, 3, 4)),
         "Déb.+00:05:30 p.exe (2.1.00 3:04)"},
        {T("\"Réunion", "U", proch, true, D(1999, 12, 30)), "07.12.98 14:05 \"Réunion"},
    };
    for (const auto& c : cas) EXPECT_EQ(LigneTâche(c.t), c.ligne);
}

TEST(FeuillesOuvertes, ResteTriéeSansDoublons) {
    ListeFeuilles l;
    const std::vector<std::string> noms = {"F_Show", "F_Auto", "F_Vud", "F_Main", "A",
                                           "Z",      "F_Help", "B",     "C",      "D",
                                           "E",      "F",      "G",     "F_Auto"};
    for (const auto& n : noms) FeuilleOuverte(l, n, true);
    ASSERT_EQ(l.noms.size(), 13u);
    EXPECT_TRUE(std::is_sorted(l.noms.begin(), l.noms.end()));
    for (size_t i = 0; i < l.noms.size(); ++i) EXPECT_EQ(FeuillePosition(l, l.noms[i]), i + 1);
    EXPECT_EQ(FeuillePosition(l, "F_Aut"), 0u);
    FeuilleOuverte(l, "F_Auto", false);
    FeuilleOuverte(l, "absente", false);
    EXPECT_FALSE(FeuilleEstOuverte(l, "F_Auto"));
    EXPECT_TRUE(FeuilleEstOuverte(l, "F_Show"));
    EXPECT_EQ(l.noms.size(), 12u);
}

TEST_F(TâchesTest, JournalÀCôtéDuProgramme) {
    horloge.maintenant = D(1998, 12, 7, 14, 5, 40);
    EXPECT_TRUE(Journal(h, "!", "fin").ok);
    EXPECT_TRUE(Journal(h, "Fichier introuvable.\r\n", "Shell (\"a \xE2\x98\x83.exe\", 1)").ok);
    EXPECT_EQ(f.Contenu("C:\\Vud\\Horlo.log"),
              "07.12.98 14:05 Ordre re\xE7u : fin\r\n"
              "07.12.98 14:05 Fichier introuvable. : Shell (\"a ?.exe\", 1)\r\n");
}

}  // namespace
