// The engine pass over a fixed clock, the working-day calendar and the sharing of
// Auto.dat with another instance.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "AidesTest.h"
#include "Doubles.h"
#include "Moteur.h"

namespace {

struct AlarmesEnregistrées : Alarmes {
    struct Vue {
        std::string texte;
        bool nouvelle;
    };
    std::vector<Vue> vues;
    void Montre(const std::string& texte, bool nouvelle) override {
        vues.push_back({texte, nouvelle});
    }
};

struct ÉditeurEnregistré : VueÉditeur {
    int remplissages = 0;
    void ListeRemplit() override { ++remplissages; }
};

struct MoteurTest : ::testing::Test {
    FichiersMémoire f;
    HorlogeFixe horloge;
    LanceurEnregistreur lanceur;
    AlarmesEnregistrées alarmes;
    Horlo h{f, horloge, Programme::DepuisChemin("C:\\Vud\\Horlo.exe")};
    PortsMoteur ports{lanceur, alarmes, nullptr};
    const std::string auto_ = "C:\\Vud\\Auto.dat";

    void Pose(std::initializer_list<Tâche> tâches) {
        h.Tâches.Efface();
        for (const auto& t : tâches) h.Tâches.Ajoute(t);
    }
    void Passe(int n = 1) {
        for (int k = 0; k < n; ++k) ASSERT_TRUE(TâchesExécute(h, ports).ok);
    }
    size_t Écritures() const {
        return static_cast<size_t>(
            std::count(f.journal.begin(), f.journal.end(), "Écrire " + auto_));
    }
};

TEST(Calendrier, PremierEtDernierOuvrable) {
    const struct {
        bool premier;
        int mois, année;
        double attendu;
    } cas[] = {
        {true, 5, 1998, D(1998, 5, 1)},
        {true, 13, 1998, D(1999, 1, 1)},
        {true, 8, 1998, D(1998, 8, 3)},
        {true, 2, 2026, D(2026, 2, 2)},
        {false, 1, 1999, D(1999, 1, 29)},
        {false, 12, 1998, D(1998, 12, 31)},
        {false, 13, 1998, D(1999, 1, 29)},
        {false, 2, 2000, D(2000, 2, 29)},
        {false, 5, 1998, D(1998, 5, 29)},
        {false, 4, 1998, D(1998, 4, 30)},
        // Every month of 2026.
        {true, 1, 2026, D(2026, 1, 1)},
        {false, 1, 2026, D(2026, 1, 30)},
        {true, 3, 2026, D(2026, 3, 2)},
        {false, 2, 2026, D(2026, 2, 27)},
        {true, 4, 2026, D(2026, 4, 1)},
        {false, 3, 2026, D(2026, 3, 31)},
        {true, 5, 2026, D(2026, 5, 1)},
        {false, 4, 2026, D(2026, 4, 30)},
        {true, 6, 2026, D(2026, 6, 1)},
        {false, 5, 2026, D(2026, 5, 29)},
        {true, 7, 2026, D(2026, 7, 1)},
        {false, 6, 2026, D(2026, 6, 30)},
        {true, 8, 2026, D(2026, 8, 3)},
        {false, 7, 2026, D(2026, 7, 31)},
        {true, 9, 2026, D(2026, 9, 1)},
        {false, 8, 2026, D(2026, 8, 31)},
        {true, 10, 2026, D(2026, 10, 1)},
        {false, 9, 2026, D(2026, 9, 30)},
        {true, 11, 2026, D(2026, 11, 2)},
        {false, 10, 2026, D(2026, 10, 30)},
        {true, 12, 2026, D(2026, 12, 1)},
        {false, 11, 2026, D(2026, 11, 30)},
        {true, 13, 2026, D(2027, 1, 1)},
        {false, 12, 2026, D(2026, 12, 31)},
    };
    for (const auto& c : cas)
        EXPECT_EQ(c.premier ? PremierOuvrable(c.mois, c.année) : DernierOuvrable(c.mois, c.année),
                  c.attendu)
            << c.premier << " " << c.mois << "/" << c.année;
}

// Friday 11.12.1998 to Monday 14.12.1998, and 30.12.1899, day 0, a Saturday.
TEST(Calendrier, JourOuvrableSuivant) {
    // The moment, the working day from it, the moment of an O task, the next O occurrence.
    const double cas[][4] = {
        {D(1998, 12, 11, 9), D(1998, 12, 11, 9), D(1998, 12, 11, 9), D(1998, 12, 14, 9)},
        {D(1998, 12, 12, 9), D(1998, 12, 14, 9), D(1998, 12, 14), D(1998, 12, 14, 9)},
        {D(1998, 12, 13, 23, 59), D(1998, 12, 14, 23, 59), D(1998, 12, 14),
         D(1998, 12, 14, 23, 59)},
        {D(1899, 12, 29, 6), D(1899, 12, 29, 6), D(1899, 12, 29, 6), D(1900, 1, 1, 6)},
        {D(1899, 12, 30, 6), D(1900, 1, 1, 6), D(1900, 1, 1), D(1900, 1, 1, 6)},
    };
    for (const auto& [moment, dès, pourO, aprèsO] : cas) {
        EXPECT_EQ(OuvrableDès(moment), dès) << moment;
        EXPECT_EQ(MomentOuvrable(moment), pourO) << moment;
        EXPECT_EQ(OccurrenceSuivante(Récurrence::Ouvrables, moment, moment), aprèsO) << moment;
    }
    const std::tuple<bool, double, int, double> mois[] = {
        {true, D(1998, 12, 15, 10), 1, D(1999, 1, 1, 8)},
        {false, D(1999, 3, 31, 10), 1, D(1999, 4, 30, 8)},
        {false, D(1999, 1, 5), 0, D(1999, 1, 29, 8)},
        {true, D(1998, 8, 20), 0, D(1998, 8, 3, 8)}};
    for (const auto& [premier, moment, décalage, attendu] : mois)
        EXPECT_EQ(OuvrableDuMois(premier, moment, décalage, H(8, 0)), attendu) << moment;
}

// The table after the passes: program, code and next moment of each task.
std::string Table(const Horlo& h) {
    std::string s;
    for (size_t i = 1; i <= h.Tâches.Dernier(); ++i) {
        const Tâche& t = h.Tâches[i];
        s += t.Programme + " " + t.Répétition.Texte() + " " +
             FormatDate(t.Prochaine, "dd.mm.yyyy hh:mm:ss") + ";";
    }
    return s;
}

TEST_F(MoteurTest, PassesSurUneHorlogeFixe) {
    const double lundi = D(1998, 12, 7, 10, 0);  // Monday 07.12.1998 10:00
    const struct Cas {
        const char* nom;
        std::vector<Tâche> tâches;
        std::vector<double> passes;  // the clock at each pass
        std::string lancés;          // programs started, in order, separated by '|'
        std::string table;           // the table afterwards
        size_t écritures;            // saves of Auto.dat
        int listes;                  // rebuilds of the open editor's list
    } cas[] = {
        {"rattrapage sans délai",
         {T("j", "J", D(1998, 12, 4, 8, 0))},
         {lundi, lundi, lundi, lundi, lundi},
         "j |j |j |j ",
         "j J 08.12.1998 08:00:00;",
         4,
         4},
        {"rattrapage avec délai",
         {T("j", "J", D(1998, 12, 4, 8, 0), true, 0, H(1, 0))},
         {lundi, lundi, lundi, lundi, lundi},
         "",
         "j J 08.12.1998 08:00:00;",
         4,
         4},
        {"rattrapage, la dernière occurrence dans le délai",
         {T("j", "J", D(1998, 12, 5, 9, 30), true, 0, H(1, 0))},
         {lundi, lundi, lundi},
         "j ",
         "j J 08.12.1998 09:30:00;",
         3,
         3},
        {"O au-delà d'un week-end",
         {T("o", "O", D(1998, 12, 4, 9, 0))},
         {D(1998, 12, 5, 12, 0), D(1998, 12, 6, 12, 0), lundi, lundi, lundi},
         "o |o ",
         "o O 08.12.1998 09:00:00;",
         2,
         2},
        {"O du vendredi au lundi",
         {T("o", "O", D(1998, 12, 4, 9, 0))},
         {D(1998, 12, 4, 10, 0)},
         "o ",
         "o O 07.12.1998 09:00:00;",
         1,
         1},
        {"P en décembre",
         {T("p", "P", D(1998, 12, 15, 9, 0))},
         {D(1998, 12, 15, 10, 0)},
         "p ",
         "p P 01.01.1999 09:00:00;",
         1,
         1},
        {"D en mars",
         {T("d", "D", D(1998, 3, 31, 17, 0))},
         {D(1998, 3, 31, 18, 0)},
         "d ",
         "d D 30.04.1998 17:00:00;",
         1,
         1},
        {"D en octobre",
         {T("d", "D", D(2026, 10, 30, 17, 0))},
         {D(2026, 10, 30, 18, 0)},
         "d ",
         "d D 30.11.2026 17:00:00;",
         1,
         1},
        {"P en novembre",
         {T("p", "P", D(2026, 11, 2, 8, 0))},
         {D(2026, 11, 2, 8, 0)},
         "p ",
         "p P 01.12.2026 08:00:00;",
         1,
         1},
        {"J avant 1900",
         {T("j", "J", D(1899, 12, 29, 6, 0))},
         {D(1899, 12, 29, 6, 0)},
         "j ",
         "j J 30.12.1899 06:00:00;",
         1,
         1},
        {"J à l'instant du délai max",
         {T("j", "J", lundi - H(1, 0), true, 0, H(1, 0))},
         {lundi},
         "",
         "j J 08.12.1998 09:00:00;",
         1,
         1},
        {"J juste avant le délai max",
         {T("j", "J", lundi - H(0, 59), true, 0, H(1, 0))},
         {lundi},
         "j ",
         "j J 08.12.1998 09:01:00;",
         1,
         1},
        {"P en retard de plusieurs mois",
         {T("p", "P", D(1998, 1, 1, 9, 0), true, 0, H(1, 0))},
         {lundi, lundi},
         "",
         "p P 01.01.1999 09:00:00;",
         1,
         1},
        {"U en retard, trop tard",
         {T("u", "U", lundi - H(2, 0), true, 0, H(1, 0))},
         {lundi},
         "",
         "",
         1,
         1},
        {"U en retard, sans délai", {T("u", "U", lundi - H(2, 0))}, {lundi}, "u ", "", 1, 1},
        {"U à venir",
         {T("u", "U", lundi + H(0, 1))},
         {lundi},
         "",
         "u U 07.12.1998 10:01:00;",
         0,
         0},
        {"S", {T("s", "S", lundi)}, {lundi}, "s ", "s S 14.12.1998 10:00:00;", 1, 1},
        {"entrée supprimée retirée sans enregistrer",
         {T("a", "J", lundi + 1), T("", "J", lundi - 1), T("", "U", 0, false),
          T("b", "J", lundi + 1)},
         {lundi},
         "",
         "a J 08.12.1998 10:00:00;b J 08.12.1998 10:00:00;",
         0,
         1},
        {"code inconnu jamais dû",
         {T("x", "X", lundi - 3), T("y", "j", lundi - 3)},
         {lundi, lundi},
         "",
         "x X 04.12.1998 10:00:00;y j 04.12.1998 10:00:00;",
         0,
         0},
        {"A et inactive jamais dues",
         {T("a", "A", 0), T("i", "J", 0, false), T("k", "a", 0)},
         {lundi},
         "",
         "a A 30.12.1899 00:00:00;i J 30.12.1899 00:00:00;k a 30.12.1899 00:00:00;",
         0,
         0},
        {"ordre de l'index, une fois par passe",
         {T("b", "U", lundi - 1), T("c", "J", lundi - 1.5), T("d", "U", lundi)},
         {lundi},
         "b |c |d ",
         "c J 06.12.1998 22:00:00;",
         1,
         1},
        {"répétitives dues, rien retiré: la liste refaite une fois par passe",
         {T("j", "J", D(1998, 11, 30, 10, 0)), T("o", "O", D(1998, 11, 30, 10, 0)),
          T("s", "S", D(1998, 11, 30, 10, 0)), T("p", "P", D(1998, 12, 1, 10, 0)),
          T("d", "D", D(1998, 11, 30, 10, 0)), T("l", "L", H(0, 0, 2))},
         {D(1998, 11, 30, 10, 0), D(1998, 12, 1, 10, 0)},
         "j |o |s |d |l |j |o |p ",
         "j J 02.12.1998 10:00:00;o O 02.12.1998 10:00:00;s S 07.12.1998 10:00:00;"
         "p P 01.01.1999 10:00:00;d D 31.12.1998 10:00:00;l l 30.12.1899 00:00:02;",
         2,
         2},
    };
    ÉditeurEnregistré éditeur;
    ports.éditeur = &éditeur;
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        h.Tâches.Efface();
        for (const auto& t : c.tâches) h.Tâches.Ajoute(t);
        lanceur.lancements.clear();
        f.journal.clear();
        éditeur.remplissages = 0;
        for (double maintenant : c.passes) {
            horloge.maintenant = maintenant;
            Passe();
        }
        std::string lancés;
        for (const auto& l : lanceur.lancements) lancés += (lancés.empty() ? "" : "|") + l.ligne;
        EXPECT_EQ(lancés, c.lancés);
        EXPECT_EQ(Table(h), c.table);
        EXPECT_EQ(Écritures(), c.écritures);
        EXPECT_EQ(éditeur.remplissages, c.listes);
    }
}

TEST_F(MoteurTest, LUneFoisParLancementEcritL) {
    h.Démarrage = D(1998, 12, 7, 10, 0);
    Pose({T("l.exe", "L", H(0, 0, 2)), T("m.exe", "L", H(0, 5), true, 0, H(0, 1))});
    Tâche& l = h.Tâches[1];
    l.Paramètres = "/x";
    l.Fenêtre = 6;
    horloge.maintenant = h.Démarrage + H(0, 0, 1);
    Passe();
    EXPECT_TRUE(lanceur.lancements.empty());
    horloge.maintenant = h.Démarrage + H(0, 0, 2);
    Passe(3);
    ASSERT_EQ(lanceur.lancements.size(), 1u);
    EXPECT_EQ(lanceur.lancements[0].ligne, "l.exe /x");
    EXPECT_EQ(lanceur.lancements[0].fenêtre, 6);
    EXPECT_EQ(h.Tâches[1].Répétition, "l");
    EXPECT_EQ(h.Tâches[1].DernièreExécution, horloge.maintenant);
    // Late beyond its maximum delay, an L task fires all the same.
    horloge.maintenant = h.Démarrage + H(1, 0);
    Passe(2);
    ASSERT_EQ(lanceur.lancements.size(), 2u);
    EXPECT_EQ(lanceur.lancements[1].ligne, "m.exe ");
    EXPECT_NE(f.Contenu(auto_).find("l.exe\t/x\t6\tL\t-1\t\t00:00:02\t07.12.1998\t10:00"),
              std::string::npos)
        << f.Contenu(auto_);
    EXPECT_EQ(Écritures(), 2u);
}

TEST_F(MoteurTest, MessagesUneFenetreParPasse) {
    horloge.maintenant = D(1998, 12, 7, 10, 0);
    Pose({T("\"Premier", "U", horloge.maintenant), T("prog", "U", horloge.maintenant),
          T("\"Second\"", "J", horloge.maintenant)});
    Passe();
    ASSERT_EQ(alarmes.vues.size(), 2u);
    EXPECT_TRUE(alarmes.vues[0].nouvelle);
    EXPECT_FALSE(alarmes.vues[1].nouvelle);
    EXPECT_EQ(alarmes.vues[0].texte, "Message programmé: \r\n\r\nPremier");
    EXPECT_EQ(alarmes.vues[1].texte, "Message programmé: \r\n\r\nSecond\"");
    EXPECT_EQ(lanceur.lancements.size(), 1u);
    Pose({T("\"Trois", "U", horloge.maintenant)});
    Passe();
    Pose({T("\"Quatre", "U", horloge.maintenant)});
    Passe();
    ASSERT_EQ(alarmes.vues.size(), 4u);
    EXPECT_TRUE(alarmes.vues[2].nouvelle);
    EXPECT_TRUE(alarmes.vues[3].nouvelle);
}

TEST_F(MoteurTest, DemarrageEchoueAuJournalEtLaTacheAvance) {
    horloge.maintenant = D(1998, 12, 7, 10, 0);
    lanceur.échec = "Fichier introuvable";
    Pose({T("C:\\absent.exe", "J", horloge.maintenant - 0.25)});
    Passe();
    EXPECT_EQ(h.Tâches[1].DernièreExécution, horloge.maintenant);
    EXPECT_EQ(h.Tâches[1].Prochaine, D(1998, 12, 8, 4, 0));
    EXPECT_EQ(f.Contenu("C:\\Vud\\Horlo.log"),
              "07.12.98 10:00 Fichier introuvable : Shell (\"C:\\absent.exe\", 1)\r\n");
}

TEST_F(MoteurTest, ListeDeLEditeurParIdentite) {
    ÉditeurEnregistré éditeur;
    ports.éditeur = &éditeur;
    horloge.maintenant = D(1998, 12, 7, 10, 0);
    Pose({T("", "J", 0), T("u", "U", horloge.maintenant), T("j", "J", horloge.maintenant)});
    const uint64_t vide = h.Tâches[1].Identité, u = h.Tâches[2].Identité, j = h.Tâches[3].Identité;
    Passe();
    // Emptied entries gone, the others in order with their identities; one rebuild.
    EXPECT_EQ(éditeur.remplissages, 1);
    ASSERT_EQ(h.Tâches.Dernier(), 1u);
    EXPECT_EQ(h.Tâches.IndexDe(j), 1u);
    EXPECT_EQ(h.Tâches.IndexDe(u) + h.Tâches.IndexDe(vide), 0u);
    Passe();  // nothing due, nothing removed: the list stays as it is
    EXPECT_EQ(éditeur.remplissages, 1);
    // A pass where only a blank entry goes still rebuilds.
    Pose({T("", "J", 0), T("k", "J", horloge.maintenant + 1)});
    Passe();
    EXPECT_EQ(éditeur.remplissages, 2);
    EXPECT_EQ(h.Tâches.Dernier(), 1u);
}

TEST_F(MoteurTest, TachesAArretDeWindows) {
    horloge.maintenant = D(1998, 12, 7, 18, 0);
    Pose({T("a.exe", "A", 0), T("\"msg", "A", 0), T("b.exe", "A", 0, false), T("j", "J", 0)});
    h.Tâches[1].Paramètres = "p";
    ASSERT_TRUE(TâchesArrêt(h, ports).ok);
    ASSERT_EQ(lanceur.lancements.size(), 1u);
    EXPECT_EQ(lanceur.lancements[0].ligne, "a.exe p");
    EXPECT_EQ(h.Tâches[1].DernièreExécution, horloge.maintenant);
    EXPECT_TRUE(alarmes.vues.empty());
    EXPECT_EQ(Écritures(), 1u);
}

// An exception raised in an engine pass or in the session-end run goes to the journal with
// the work's name, and no further: nobody waits for that work to tell.
TEST_F(MoteurTest, ExceptionDuTravailAuJournal) {
    horloge.maintenant = D(1998, 12, 7, 18, 0);
    struct LanceurQuiLève : Lanceur {
        Statut Lance(const std::string&, int) override {
            throw std::length_error("Ligne trop longue");
        }
    } lève;
    PortsMoteur ports{lève, alarmes, nullptr};
    Pose({T("a.exe", "J", 0), T("b.exe", "A", 0)});
    TravailJournalisé(h, "Passe du moteur", [&] { TâchesExécute(h, ports); });
    TravailJournalisé(h, "Fin de session", [&] { TâchesArrêt(h, ports); });
    TravailJournalisé(h, "Fin de session", [] { throw 42; });
    TravailJournalisé(h, "Passe du moteur", [] { throw std::runtime_error(""); });
    TravailJournalisé(h, "Passe du moteur", [] {});
    EXPECT_EQ(f.Contenu("C:\\Vud\\Horlo.log"),
              "07.12.98 18:00 Ligne trop longue : Passe du moteur\r\n"
              "07.12.98 18:00 Ligne trop longue : Fin de session\r\n"
              "07.12.98 18:00 Erreur inconnue : Fin de session\r\n"
              "07.12.98 18:00 Erreur inconnue : Passe du moteur\r\n");
}

// Another instance (the editor started with "/o") adds a task and saves while this one
// runs; this one then fires a task of its own and saves: both changes are in the file.
TEST_F(MoteurTest, UneAutreInstanceNePerdPasSesChangements) {
    horloge.maintenant = D(1998, 12, 7, 10, 0);
    f.dateSuivante = 36000;
    h.Démarrage = horloge.maintenant - 1;
    Pose({T("a", "J", horloge.maintenant + 1), T("b", "J", horloge.maintenant + 1),
          T("c", "J", horloge.maintenant + 1), T("l", "L", H(0, 0, 2))});
    Passe();  // the L task fires and is saved as L
    ASSERT_EQ(lanceur.lancements.size(), 1u);
    h.Tâches[3].Programme.clear();  // deleted here, not saved yet

    FichiersMémoire& disque = f;
    Horlo autre{disque, horloge, Programme::DepuisChemin("C:\\Vud\\Horlo.exe")};
    ASSERT_TRUE(TâchesCharge(autre).ok);
    autre.Tâches.Ajoute(T("nouvelle", "S", horloge.maintenant + 2));
    autre.Tâches[2].Paramètres = "/changé";
    f.dateSuivante = 36001;
    ASSERT_TRUE(TâchesEnregistre(autre).ok);

    const uint64_t a = h.Tâches[1].Identité;
    h.Tâches[1].Prochaine = horloge.maintenant;  // due now
    f.dateSuivante = 36002;
    Passe();
    EXPECT_EQ(lanceur.lancements.size(), 2u);  // "a" only: the L task stays fired
    EXPECT_EQ(h.Tâches.IndexDe(a), 1u);
    ASSERT_TRUE(TâchesCharge(autre).ok);
    EXPECT_EQ(Table(autre),
              "a J 08.12.1998 10:00:00;b J 08.12.1998 10:00:00;"
              "l L 30.12.1899 00:00:02;nouvelle S 09.12.1998 10:00:00;");
    EXPECT_EQ(autre.Tâches[2].Paramètres, "/changé");
    EXPECT_EQ(autre.Tâches[1].DernièreExécution, horloge.maintenant);
}

// Another instance's save that keeps the size but not the time, or the time but not the
// size, is taken in; one that cannot be read is never written over: the change waits in
// memory and reaches the file at the first pass that can read it.
TEST_F(MoteurTest, FichierChangéAilleursRepris) {
    ÉditeurEnregistré éditeur;
    ports.éditeur = &éditeur;
    horloge.maintenant = D(1998, 12, 7, 10, 0);
    Pose({T("a", "J", horloge.maintenant + 1)});
    f.dateSuivante = 36000;
    ASSERT_TRUE(TâchesEnregistre(h).ok);
    const std::string ligne = LigneAuto(h.Tâches[1]) + "\r\n";

    // Same date, other size: a second task.
    f.PoseFichier(auto_, ligne + "b\t\t1\tJ\t0\r\n", 36000);
    Passe();
    EXPECT_EQ(h.Tâches.Dernier(), 2u);
    EXPECT_EQ(éditeur.remplissages, 1);  // only re-read: the list is rebuilt once
    Passe();
    EXPECT_EQ(éditeur.remplissages, 1);
    // Same size, other date: "b" became "c".
    f.PoseFichier(auto_, ligne + "c\t\t1\tJ\t0\r\n", 36001);
    Passe();
    ASSERT_EQ(h.Tâches.Dernier(), 2u);
    EXPECT_EQ(h.Tâches[2].Programme, "c");
    EXPECT_EQ(Écritures(), 1u);

    // Changed again and held by another program: the engine's save does not write over it.
    f.PoseFichier(auto_, ligne + "d\t\t1\tJ\t0\r\n", 36002);
    f.échecs["Lire:C:\\VUD\\AUTO.DAT"] = "Accès refusé.";
    h.Tâches[1].Prochaine = horloge.maintenant;  // due now
    EXPECT_FALSE(TâchesExécute(h, ports).ok);
    EXPECT_EQ(lanceur.lancements.size(), 1u);
    EXPECT_EQ(Écritures(), 1u);
    EXPECT_FALSE(TâchesExécute(h, ports).ok);  // still held: tried again, nothing written
    EXPECT_EQ(Écritures(), 1u);
    // Released: the next pass takes "d" in and saves the fired task with it.
    f.échecs.clear();
    Passe();
    EXPECT_EQ(Écritures(), 2u);
    Horlo autre{f, horloge, Programme::DepuisChemin("C:\\Vud\\Horlo.exe")};
    ASSERT_TRUE(TâchesCharge(autre).ok);
    EXPECT_EQ(Table(autre), "a J 08.12.1998 10:00:00;d J 30.12.1899 00:00:00;");
    EXPECT_EQ(autre.Tâches[1].DernièreExécution, horloge.maintenant);
    Passe();
    EXPECT_EQ(Écritures(), 2u);  // saved once: nothing waits any more
}

// A session end with no "A" task to start leaves Auto.dat as it is, heading lines included.
TEST_F(MoteurTest, FinDeSessionSansTacheANeTouchePasAutoDat) {
    horloge.maintenant = D(1998, 12, 7, 18, 0);
    const std::string octets =
        "[T\xE2\x63hes]\r\n\r\nj\t\t1\tJ\t-1\t08.12.1998\t09:00\r\n"
        "a\t\t1\tA\t0\r\n";
    f.PoseFichier(auto_, octets);
    ASSERT_TRUE(TâchesCharge(h).ok);
    ASSERT_TRUE(TâchesArrêt(h, ports).ok);
    EXPECT_TRUE(lanceur.lancements.empty());
    EXPECT_EQ(Écritures(), 0u);
    EXPECT_EQ(f.Contenu(auto_), octets);
}

}  // namespace
