// Horlo's journal: the lines of the engine, of the session's end and of "Exécuter", one append
// per pass within the bound, and a journal that cannot be written.
#include <gtest/gtest.h>

#include "../bench/Muets.h"
#include "AidesTest.h"
#include "Doubles.h"
#include "JournalBorne.h"
#include "Suite.h"
#include "Texte1252.h"

namespace {

struct JournalTest : ::testing::Test {
    FichiersMémoire f;
    HorlogeFixe horloge;
    LanceurEnregistreur lanceur;
    AlarmesMuettes alarmes;
    DialoguesScript dialogues;
    Horlo h{f, horloge, Programme::DepuisChemin("C:\\Vud\\Horlo.exe")};
    PortsMoteur ports{lanceur, alarmes, nullptr};
    const std::string log = "C:\\Vud\\Horlo.log";

    void Pose(const Tâche& t) {
        h.Tâches.Efface();
        h.Tâches.Ajoute(t);
    }
    std::string Log() { return f.Existe(log) ? DepuisWindows1252(f.Contenu(log)) : ""; }
    long Opérations(const std::string& op, const std::string& fichier) {
        return std::count(f.journal.begin(), f.journal.end(), op + " C:\\Vud\\" + fichier);
    }
};

TEST_F(JournalTest, UneLigneParExecution) {
    const double dix = h.Démarrage = D(1998, 12, 7, 10, 0);  // a Monday
    // The 60th character of the message is two bytes long; its line break becomes blanks.
    const std::string message = "x\r\n" + std::string(56, 'a') + "é" + "b";
    const struct {
        Tâche tâche;
        double maintenant;
        bool arrêt;  // the session's end rather than a pass
        std::string ligne;
    } cas[] = {
        {T("C:\\a.exe", "J", dix, true, 0, 0, "/x "), dix, false,
         "07.12.98 10:00 Programme démarré (Chaque jour) : C:\\a.exe /x"},
        // Late once it fires in a minute later than the one after its due minute.
        {T("a", "S", dix), dix + H(0, 1, 59), false,
         "07.12.98 10:01 Programme démarré (Chaque semaine) : a"},
        {T("a", "O", dix), dix + H(0, 2), false,
         "07.12.98 10:02 Programme démarré (Chaque jour sauf les jours fériés), rattrapage, prévue "
         "le 07.12.98 10:00 : a"},
        {T("\"" + message, "U", dix), dix, false,
         "07.12.98 10:00 Message affiché (Une seule fois) : x  " + std::string(56, 'a') + "é"},
        {T("C:\\c.exe", "U", dix - H(2, 0), true, 0, H(1, 0)), dix, false,
         "07.12.98 10:00 Occurrence non exécutée, délai maximal dépassé, prévue le 07.12.98 08:00 "
         ": "
         "C:\\c.exe"},
        {T("l", "L", H(0, 5)), dix + 1, false,
         "08.12.98 10:00 Programme démarré (A chaque lancement de Windows après un délai de "
         "00:05:00) : l"},
        {T("a", "A", 0), dix, true,
         "07.12.98 10:00 Programme démarré (A chaque arrêt de Windows) : a"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ligne);
        f.entrées.clear();
        horloge.maintenant = c.maintenant;
        Pose(c.tâche);
        ASSERT_TRUE((c.arrêt ? TâchesArrêt(h, ports) : TâchesExécute(h, ports)).ok);
        EXPECT_EQ(Log(), c.ligne + "\r\n");
    }
}

// An idle pass does no journal work; a pass where 1,001 tasks fire appends once and rewrites
// once; the 1,001st line written alone rewrites too.
TEST_F(JournalTest, UnAjoutParPasseDansLaBorne) {
    Pose(T("a", "J", horloge.maintenant + 1));
    ASSERT_TRUE(TâchesExécute(h, ports).ok);
    EXPECT_TRUE(f.journal.empty());
    for (int i = 0; i < 1001; ++i) h.Tâches.Ajoute(T("t" + std::to_string(i), "J", 0));
    ASSERT_TRUE(TâchesExécute(h, ports).ok);
    EXPECT_EQ(Opérations("Ajouter", "Horlo.log") + Opérations("Écrire", "Horlo.log"), 2);
    EXPECT_EQ(LignesDuJournal(f.Contenu(log)).size(), JournalLignesGardées);
    for (size_t i = 0; i <= JournalLignesMax - JournalLignesGardées; ++i) Journal(h, "!", "fin");
    EXPECT_EQ(LignesDuJournal(f.Contenu(log)).size(), JournalLignesGardées);
}

TEST_F(JournalTest, JournalIllisibleLaPasseContinue) {
    f.échecs["Ajouter:" + FichiersMémoire::Clé(log)] = "Accès refusé.";
    for (const char* p : {"a", "\"m", "b"}) h.Tâches.Ajoute(T(p, "J", 0));
    ASSERT_TRUE(TâchesExécute(h, ports).ok);
    EXPECT_EQ(lanceur.lancements.size() + alarmes.montrées, 3u);
    EXPECT_EQ(Opérations("Écrire", "Auto.dat"), 1);
}

// "Exécuter": runs as the engine would, journals "à la demande", shows a failed start in a box,
// and changes neither the task nor Auto.dat.
TEST_F(JournalTest, ExecuterALaDemande) {
    horloge.maintenant = D(1998, 12, 7, 10, 0);
    const struct {
        Tâche tâche;
        const char* échec;
        std::string ligne, boîte;
    } cas[] = {
        {T("a.exe", "J", 1, true, 2, 0, "/p"), "", "Programme démarré, à la demande : a.exe /p",
         ""},
        {T("\"Bonjour", "U", 1), "", "Message affiché, à la demande : Bonjour", ""},
        {T("x.exe", "S", 1, false), "Introuvable.", "Introuvable. : Shell (\"x.exe\", 1)",
         "Introuvable.\r\n\r\nShell (\"x.exe\", 1)"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ligne);
        f.entrées.clear();
        dialogues.boîtes.clear();
        lanceur.échec = c.échec;
        Pose(c.tâche);
        const std::string avant = LigneAuto(h.Tâches[1]);
        TâcheExécuteMaintenant(h, ports, dialogues, h.Tâches[1].Identité);
        EXPECT_EQ(Log(), "07.12.98 10:00 " + c.ligne + "\r\n");
        EXPECT_EQ(
            dialogues.boîtes.empty() ? "" : dialogues.boîtes[0].texte + dialogues.boîtes[0].titre,
            c.boîte.empty() ? "" : c.boîte + TitreAttention);
        EXPECT_EQ(LigneAuto(h.Tâches[1]), avant);
        EXPECT_EQ(Opérations("Écrire", "Auto.dat"), 0);
    }
    EXPECT_EQ(lanceur.lancements.size() + alarmes.montrées, 3u);
}

}  // namespace
