// Horlo's journal: the line of every run of the engine, of the session's end and of the
// editor's "Exécuter", its bound, and a journal that cannot be written.
#include <gtest/gtest.h>

#include <algorithm>

#include "AidesTest.h"
#include "Doubles.h"
#include "Journal.h"
#include "JournalBorne.h"
#include "Moteur.h"
#include "Suite.h"
#include "Texte1252.h"

namespace {

struct AlarmesComptées : Alarmes {
    std::vector<std::string> textes;
    void Montre(const std::string& texte, bool) override { textes.push_back(texte); }
};

struct JournalTest : ::testing::Test {
    FichiersMémoire f;
    HorlogeFixe horloge;
    LanceurEnregistreur lanceur;
    AlarmesComptées alarmes;
    DialoguesScript dialogues;
    Horlo h{f, horloge, Programme::DepuisChemin("C:\\Vud\\Horlo.exe")};
    PortsMoteur ports{lanceur, alarmes, nullptr};
    const std::string log = "C:\\Vud\\Horlo.log", auto_ = "C:\\Vud\\Auto.dat";

    void Pose(const Tâche& t) {
        h.Tâches.Efface();
        h.Tâches.Ajoute(t);
    }
    // The journal's lines, back in UTF-8.
    std::vector<std::string> Lignes() {
        std::vector<std::string> l;
        if (!f.Existe(log)) return l;
        for (auto v : LignesDuJournal(f.Contenu(log))) l.push_back(DepuisWindows1252(v));
        return l;
    }
    size_t Opérations(const std::string& op, const std::string& chemin) const {
        return static_cast<size_t>(
            std::count(f.journal.begin(), f.journal.end(), op + " " + chemin));
    }
};

const std::string Long = std::string(59, 'a') + "\xC3\xA9" + "b";  // é is the 60th character

TEST_F(JournalTest, UneLigneParExecutionDuMoteur) {
    const double dix = D(1998, 12, 7, 10, 0);  // a Monday
    const struct {
        const char* nom;
        Tâche tâche;
        double maintenant;
        const char* échec;  // the launcher's failure, "" when it starts
        std::string ligne;
    } cas[] = {
        {"à l'heure", T("C:\\a.exe", "J", dix, true, 0, 0, "/x "), dix, "",
         "07.12.98 10:00 Programme démarré (Chaque jour) : C:\\a.exe /x"},
        // Late once the pass comes in a minute later than the one after the due minute.
        {"dernière minute à l'heure", T("a", "S", dix), dix + H(0, 1, 59), "",
         "07.12.98 10:01 Programme démarré (Chaque semaine) : a"},
        {"rattrapage", T("a", "O", dix - H(0, 30)), dix, "",
         "07.12.98 10:00 Programme démarré (Chaque jour sauf les jours fériés), rattrapage, prévue "
         "le 07.12.98 09:30 : a"},
        {"rattrapage au bord", T("a", "U", dix), dix + H(0, 2), "",
         "07.12.98 10:02 Programme démarré (Une seule fois), rattrapage, prévue le 07.12.98 10:00 "
         ": "
         "a"},
        {"premier", T("a", "P", dix), dix, "",
         "07.12.98 10:00 Programme démarré (Le premier jour ouvrable du mois) : a"},
        {"dernier", T("a", "D", dix), dix, "",
         "07.12.98 10:00 Programme démarré (Le dernier jour ouvrable du mois) : a"},
        {"message coupé à 60 caractères", T("\"" + Long, "J", dix), dix, "",
         "07.12.98 10:00 Message affiché (Chaque jour) : " + std::string(59, 'a') + "é"},
        {"message sur une ligne", T("\"Café\r\n\tà 10 h : vite", "U", dix), dix, "",
         "07.12.98 10:00 Message affiché (Une seule fois) : Café   à 10 h : vite"},
        {"délai maximal dépassé", T("C:\\c.exe", "U", dix - H(2, 0), true, 0, H(1, 0)), dix, "",
         "07.12.98 10:00 Occurrence non exécutée, délai maximal dépassé, prévue le 07.12.98 08:00 "
         ": "
         "C:\\c.exe"},
        {"L jamais en retard", T("l", "L", H(0, 5)), dix + 1, "",
         "08.12.98 10:00 Programme démarré (A chaque lancement de Windows après un délai de "
         "00:05:00) : l"},
        {"échec inchangé", T("C:\\x.exe", "J", dix - 1), dix, "Fichier introuvable.\r\n",
         "07.12.98 10:00 Fichier introuvable. : Shell (\"C:\\x.exe\", 1)"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        f.entrées.clear();
        h.Démarrage = dix;
        horloge.maintenant = c.maintenant;
        lanceur.échec = c.échec;
        Pose(c.tâche);
        ASSERT_TRUE(TâchesExécute(h, ports).ok);
        EXPECT_EQ(Lignes(), std::vector<std::string>{c.ligne});
    }
}

TEST_F(JournalTest, FinDeSessionJamaisEnRetard) {
    horloge.maintenant = D(1998, 12, 7, 18, 0);
    Pose(T("a.exe", "A", 0, true, 0, 0, "p"));
    ASSERT_TRUE(TâchesArrêt(h, ports).ok);
    EXPECT_EQ(Lignes(),
              std::vector<std::string>{
                  "07.12.98 18:00 Programme démarré (A chaque arrêt de Windows) : a.exe p"});
}

// The idle pass does no journal work; a pass where many tasks fire appends once and bounds
// the journal once.
TEST_F(JournalTest, PasseOisiveRienPasseChargeeUnAjout) {
    horloge.maintenant = D(1998, 12, 7, 10, 0);
    Pose(T("a", "J", horloge.maintenant + 1));
    ASSERT_TRUE(TâchesExécute(h, ports).ok);
    EXPECT_TRUE(f.journal.empty());

    h.Tâches.Efface();
    for (int i = 0; i < 1200; ++i) h.Tâches.Ajoute(T("t" + std::to_string(i), "J", 0));
    ASSERT_TRUE(TâchesExécute(h, ports).ok);
    EXPECT_EQ(Opérations("Ajouter", log), 1u);
    EXPECT_EQ(Opérations("Écrire", log), 1u);
    const auto l = Lignes();
    ASSERT_EQ(l.size(), JournalLignesGardées);
    EXPECT_NE(l.back().find(": t1199"), std::string::npos);
}

TEST_F(JournalTest, LaBorneValantPourChaqueLigne) {
    std::string plein;
    for (size_t i = 0; i < JournalLignesMax; ++i) plein += "ligne\r\n";
    f.PoseFichier(log, plein);
    ASSERT_TRUE(Journal(h, "!", "fin").ok);  // the 1,001st line rewrites
    EXPECT_EQ(Lignes().size(), JournalLignesGardées);
    EXPECT_EQ(Lignes().back(), "07.12.98 12:00 Ordre reçu : fin");
}

TEST_F(JournalTest, JournalIllisibleLaPasseContinue) {
    f.échecs["Ajouter:" + FichiersMémoire::Clé(log)] = "Accès refusé.";
    horloge.maintenant = D(1998, 12, 7, 10, 0);
    h.Tâches.Ajoute(T("a", "J", 0));
    h.Tâches.Ajoute(T("\"m", "J", 0));
    h.Tâches.Ajoute(T("b", "U", 0));
    ASSERT_TRUE(TâchesExécute(h, ports).ok);
    EXPECT_EQ(lanceur.lancements.size(), 2u);
    EXPECT_EQ(alarmes.textes.size(), 1u);
    EXPECT_EQ(Opérations("Écrire", auto_), 1u);
    EXPECT_FALSE(f.Existe(log));
    EXPECT_TRUE(Journal(h, "!", "x").erreur == "Accès refusé.");
}

// "Exécuter": the task runs as the engine would run it, the journal says "à la demande", a
// failure shows its box; the schedule and Auto.dat stay as they are.
TEST_F(JournalTest, ExecuterALaDemande) {
    horloge.maintenant = D(1998, 12, 7, 10, 0);
    const struct {
        const char* nom;
        Tâche tâche;
        const char* échec;
        std::string ligne, lancé, montré, boîte;
    } cas[] = {
        {"programme", T("C:\\a.exe", "J", D(1999, 1, 1), true, D(1998, 12, 1), 0, "/p", 6), "",
         "07.12.98 10:00 Programme démarré, à la demande : C:\\a.exe /p", "C:\\a.exe /p|6", "", ""},
        {"message", T("\"Bonjour", "U", D(1999, 1, 1)), "",
         "07.12.98 10:00 Message affiché, à la demande : Bonjour", "",
         "Message programmé: \r\n\r\nBonjour", ""},
        {"échec", T("C:\\x.exe", "S", D(1999, 1, 1), false), "Le fichier spécifié est introuvable.",
         "07.12.98 10:00 Le fichier spécifié est introuvable. : Shell (\"C:\\x.exe\", 1)",
         "C:\\x.exe |1", "",
         "Le fichier spécifié est introuvable.\r\n\r\nShell (\"C:\\x.exe\", 1)"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        f.entrées.clear();
        f.journal.clear();
        lanceur.lancements.clear();
        alarmes.textes.clear();
        dialogues.boîtes.clear();
        lanceur.échec = c.échec;
        Pose(c.tâche);
        const std::string avant = LigneAuto(h.Tâches[1]);
        TâcheExécuteMaintenant(h, ports, dialogues, h.Tâches[1].Identité);
        EXPECT_EQ(Lignes(), std::vector<std::string>{c.ligne});
        std::string lancé;
        for (const auto& l : lanceur.lancements) lancé += l.ligne + "|" + std::to_string(l.fenêtre);
        EXPECT_EQ(lancé, c.lancé);
        EXPECT_EQ(alarmes.textes.empty() ? "" : alarmes.textes[0], c.montré);
        ASSERT_EQ(dialogues.boîtes.size(), c.boîte.empty() ? 0u : 1u);
        if (!c.boîte.empty()) {
            EXPECT_EQ(dialogues.boîtes[0].texte, c.boîte);
            EXPECT_EQ(dialogues.boîtes[0].titre, TitreAttention);
        }
        EXPECT_EQ(LigneAuto(h.Tâches[1]), avant);
        EXPECT_EQ(Opérations("Écrire", auto_), 0u);
        EXPECT_FALSE(h.EnregistrementEnAttente);
    }
    // A task gone meanwhile: nothing.
    f.journal.clear();
    TâcheExécuteMaintenant(h, ports, dialogues, 0);
    EXPECT_TRUE(f.journal.empty());
}

}  // namespace
