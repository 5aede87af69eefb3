// The task editor's logic with a fixed clock: check, dependent controls, task <-> controls,
// saving rules and the preview of the next moments.
#include <gtest/gtest.h>

#include "AidesTest.h"
#include "Doubles.h"
#include "Editeur.h"
#include "Moteur.h"

namespace {

struct ÉditeurTest : ::testing::Test {
    FichiersMémoire f;
    HorlogeFixe horloge;
    Horlo h{f, horloge, Programme::DepuisChemin("C:\\Vud\\Horlo.exe")};
    void SetUp() override { f.PoseFichier("C:\\Vud\\a.exe", "MZ"); }
};

// A valid daily entry for a program that exists, to be spoilt field by field.
ChampsSaisie Valide() {
    ChampsSaisie c;
    c.programme = "C:\\Vud\\a.exe";
    c.fenêtre = Option::Normale;
    c.focus = true;
    c.répétition = Option::ChaqueJour;
    c.jour = "08.12.98";
    c.heure = "14:05";
    return c;
}

TEST_F(ÉditeurTest, ControleDonneSesMessagesDansLOrdre) {
    const struct {
        const char* nom;
        void (*change)(ChampsSaisie&);
        std::string attendu;
    } cas[] = {
        {"valide", [](ChampsSaisie&) {}, ""},
        {"vide", [](ChampsSaisie& c) { c.programme = ""; }, MsgFichier},
        {"absent", [](ChampsSaisie& c) { c.programme = "C:\\Vud\\b.exe"; }, MsgFichier},
        {"message", [](ChampsSaisie& c) { c.programme = "\"Bonjour.exe"; }, ""},
        {"date", [](ChampsSaisie& c) { c.jour = "31.02.98"; }, MsgDate},
        {"jour vide", [](ChampsSaisie& c) { c.jour = ""; }, MsgDate},
        {"heure", [](ChampsSaisie& c) { c.heure = "25:00"; }, MsgHeure},
        {"d.m.yyyy h:mm", [](ChampsSaisie& c) { c.jour = "8.12.1998", c.heure = "4:05"; }, ""},
        {"tout faux",
         [](ChampsSaisie& c) { c.programme = "x", c.jour = "x", c.heure = "", c.max = "9"; },
         std::string(MsgFichier) + MsgDate + MsgHeure + MsgMax},
        {"max blanc", [](ChampsSaisie& c) { c.max = "   "; }, ""},
        {"max", [](ChampsSaisie& c) { c.max = "1:30"; }, ""},
        {"arrêt ignore les dates",
         [](ChampsSaisie& c) { c.répétition = Option::Arrêt, c.jour = c.heure = ""; }, ""},
        {"lancement",
         [](ChampsSaisie& c) { c.répétition = Option::Lancement, c.jour = "", c.délai = "x"; },
         MsgDélai},
        {"lancement valide",
         [](ChampsSaisie& c) { c.répétition = Option::Lancement, c.délai = "0:05:30"; }, ""},
        {"premier veut une date",
         [](ChampsSaisie& c) { c.répétition = Option::Premier, c.jour = ""; }, MsgDate},
        {"désactivé", [](ChampsSaisie& c) { c.désactivé = true, c.jour = c.heure = c.max = "x"; },
         ""},
        {"désactivé garde le fichier",
         [](ChampsSaisie& c) { c.désactivé = true, c.programme = "y"; }, MsgFichier},
        {"tabulation", [](ChampsSaisie& c) { c.paramètres = "a\tb"; }, MsgCaractère},
        {"hors 1252", [](ChampsSaisie& c) { c.programme = "\"Tâche \xE2\x82\xAC \xE2\x9C\x93"; },
         MsgCaractère},
        {"euro accepté", [](ChampsSaisie& c) { c.programme = "\"Caf\xC3\xA9 \xE2\x82\xAC"; }, ""},
        {"saut de ligne", [](ChampsSaisie& c) { c.paramètres = "a\r\nb"; }, MsgCaractère},
        {"guillemets collés", [](ChampsSaisie& c) { c.programme = "\"\"dit\"\""; }, MsgCaractère},
        {"message entre guillemets relu", [](ChampsSaisie& c) { c.programme = "\"dit\""; }, ""},
        {"désactivé et tab", [](ChampsSaisie& c) { c.désactivé = true, c.programme = "x\ty"; },
         std::string(MsgFichier) + MsgCaractère},
        {"deux guillemets relus vides", [](ChampsSaisie& c) { c.paramètres = "\"\""; },
         MsgCaractère},
        {"paramètres cachés ignorés",
         [](ChampsSaisie& c) { c.programme = "\"Bonjour", c.paramètres = "a\tb"; }, ""},
    };
    for (const auto& k : cas) {
        ChampsSaisie c = Valide();
        k.change(c);
        EXPECT_EQ(Contrôle(EntréeLue(c, D(1998, 12, 7, 12)), f), k.attendu) << k.nom;
    }
}

TEST(Editeur, ControlesDependants) {
    const struct {
        std::string programme;
        int répétition;
        bool désactivé;
        ÉtatsDépendants attendu;  // paramètres, répétition, jour, heure, délai, weekEnd
    } cas[] = {
        {"a.exe", Option::UneFois, false, {true, true, true, true, false, false}},
        {"C:\\A.EXE", Option::ChaqueJour, false, {true, true, true, true, false, true}},
        {"\"a.exe", Option::ChaqueSemaine, false, {false, true, true, true, false, false}},
        {"a.bat", Option::Arrêt, false, {false, true, false, false, false, false}},
        {"a.wav", Option::Lancement, false, {false, true, false, false, true, false}},
        {"a.mid", Option::Premier, false, {false, true, false, true, false, false}},
        {"exe", Option::Dernier, true, {false, false, false, true, false, false}},
        {".exe", Option::Aucune, false, {true, true, false, false, false, false}},
    };
    for (const auto& k : cas) {
        ChampsSaisie c;
        c.programme = k.programme, c.répétition = k.répétition, c.désactivé = k.désactivé;
        const ÉtatsDépendants e = ÉtatsDe(c);
        EXPECT_EQ(e.paramètresVisibles, k.attendu.paramètresVisibles) << k.programme;
        EXPECT_EQ(e.répétitionActive, k.attendu.répétitionActive) << k.programme;
        EXPECT_EQ(e.jour, k.attendu.jour) << k.programme;
        EXPECT_EQ(e.heure, k.attendu.heure) << k.programme;
        EXPECT_EQ(e.délai, k.attendu.délai) << k.programme;
        EXPECT_EQ(e.weekEnd, k.attendu.weekEnd) << k.programme;
    }
    ChampsSaisie c;
    c.fenêtre = Option::Réduite;
    AgrandieChoisie(c);
    EXPECT_EQ(c.fenêtre, Option::Agrandie);
    EXPECT_TRUE(c.focus);
    FocusChange(c, false);
    EXPECT_EQ(c.fenêtre, Option::Normale);
    c.fenêtre = Option::Réduite;
    FocusChange(c, false);
    EXPECT_EQ(c.fenêtre, Option::Réduite);
}

TEST(Editeur, TacheVersControlesEtRetour) {
    const double maintenant = D(1998, 12, 7, 12, 0);
    const struct {
        Tâche t;
        int fenêtre;
        bool focus;
        int répétition;
        bool weekEnd, désactivé;
        std::string jour, heure, délai, max;
        std::string code;  // saved back with the same controls
        int16_t codeFenêtre;
    } cas[] = {
        {{"a.exe", "/p", 1, "U", D(1998, 12, 8, 14, 5), 0, true, 0},
         0,
         true,
         0,
         false,
         false,
         "08.12.1998",
         "14:05",
         "",
         "",
         "U",
         1},
        {{"a", "", 4, "J", D(1998, 12, 8, 9, 0), 0, true, H(1, 30)},
         0,
         false,
         1,
         false,
         false,
         "08.12.1998",
         "09:00",
         "",
         "01:30",
         "J",
         4},
        {{"a", "", 6, "O", D(1998, 12, 8, 9, 0), 0, true, 0},
         1,
         false,
         1,
         true,
         false,
         "08.12.1998",
         "09:00",
         "",
         "",
         "O",
         6},
        {{"a", "", 3, "S", D(1998, 12, 8, 9, 0), 0, true, 0},
         2,
         true,
         2,
         false,
         false,
         "08.12.1998",
         "09:00",
         "",
         "",
         "S",
         3},
        {{"a", "", 2, "A", 0, 0, true, 0},
         1,
         true,
         3,
         false,
         false,
         "30.12.1899",
         "00:00",
         "",
         "",
         "A",
         2},
        {{"a", "", 0, "l", H(0, 5, 30), 0, true, 0},
         0,
         true,
         4,
         false,
         false,
         "",
         "",
         "00:05:30",
         "",
         "L",
         1},
        {{"a", "", 5, "X", D(1998, 12, 8, 9, 0), 0, false, H(2, 0)},
         -1,
         false,
         -1,
         false,
         true,
         "",
         "",
         "",
         "",
         "",
         5},
    };
    for (const auto& k : cas) {
        ChampsSaisie c;
        c.jour = c.heure = c.délai = c.max = "avant";
        TâcheVersChamps(k.t, c);
        const std::string n = k.t.Répétition.Texte();
        EXPECT_EQ(c.programme, k.t.Programme) << n;
        EXPECT_EQ(c.paramètres, k.t.Paramètres) << n;
        EXPECT_EQ(c.fenêtre, k.fenêtre) << n;
        EXPECT_EQ(c.focus, k.focus) << n;
        EXPECT_EQ(c.répétition, k.répétition) << n;
        EXPECT_EQ(c.weekEnd, k.weekEnd) << n;
        EXPECT_EQ(c.désactivé, k.désactivé) << n;
        EXPECT_EQ(c.jour, k.jour) << n;
        EXPECT_EQ(c.heure, k.heure) << n;
        EXPECT_EQ(c.délai, k.délai) << n;
        EXPECT_EQ(c.max, k.max) << n;
        const Tâche s = ChampsVersTâche(EntréeLue(c, maintenant), k.t, maintenant);
        EXPECT_EQ(s.Répétition, k.code.empty() ? k.t.Répétition : k.code) << n;
        EXPECT_EQ(s.Fenêtre, k.codeFenêtre) << n;
        if (k.code == "U" || k.code == "J" || k.code == "O" || k.code == "S") {
            EXPECT_DOUBLE_EQ(s.Prochaine, k.t.Prochaine) << n;
        }
    }
    // An inactive save keeps the previous maximum delay and zeroes the moment.
    Tâche t{"a", "", 1, "J", D(1998, 12, 8, 9, 0), 5, true, H(2, 0)};
    ChampsSaisie c;
    TâcheVersChamps(t, c);
    c.désactivé = true, c.max = "";
    const Tâche s = ChampsVersTâche(EntréeLue(c, maintenant), t, maintenant);
    EXPECT_FALSE(s.Actif);
    EXPECT_EQ(s.Prochaine, 0);
    EXPECT_DOUBLE_EQ(s.DélaiMax, H(2, 0));
    EXPECT_EQ(s.DernièreExécution, 5);
}

TEST(Editeur, NouvelleEtCatalogue) {
    const double maintenant = D(1998, 12, 7, 9, 4);
    ChampsSaisie c = Valide();
    c.désactivé = c.weekEnd = true, c.max = "1:00", c.délai = "0:01";
    NouvelleVersChamps(maintenant, c);
    EXPECT_EQ(c.programme, "");
    EXPECT_EQ(c.fenêtre, Option::Normale);
    EXPECT_TRUE(c.focus);
    EXPECT_EQ(c.jour, "08.12.1998");
    EXPECT_EQ(c.heure, "09:04");
    EXPECT_EQ(c.répétition, Option::ChaqueJour);
    EXPECT_TRUE(c.désactivé && c.weekEnd);  // left as they were
    EXPECT_EQ(c.max, "");
    EXPECT_EQ(c.délai, "");

    Modèle m{"Sauvegarde", "C:\\s.bat", "/t", "o", 6, H(3, 0), H(0, 45)};
    c.délai = "0:02";
    ModèleVersChamps(m, maintenant, c);
    EXPECT_EQ(c.programme, "C:\\s.bat");
    EXPECT_EQ(c.paramètres, "/t");
    EXPECT_EQ(c.répétition, Option::ChaqueJour);
    EXPECT_TRUE(c.weekEnd);
    EXPECT_EQ(c.jour, "7.12.1998");
    EXPECT_EQ(c.heure, "9:04");
    EXPECT_EQ(c.fenêtre, Option::Réduite);
    EXPECT_FALSE(c.focus);
    EXPECT_EQ(c.max, "00:45");
    EXPECT_EQ(c.délai, "0:02");
}

TEST(Editeur, EnregistrementParCode) {
    const struct {
        const char* nom;
        double maintenant;
        int répétition;
        std::string jour, heure, délai;
        double attendu;
    } cas[] = {
        {"U", D(1998, 12, 7, 12), Option::UneFois, "9.12.98", "8:30", "", D(1998, 12, 9, 8, 30)},
        {"A", D(1998, 12, 7, 12), Option::Arrêt, "", "", "", 0},
        {"L", D(1998, 12, 7, 12), Option::Lancement, "", "", "0:05:30", H(0, 5, 30)},
        // The first working day of the coming month, even when this month's is still ahead.
        {"P nov.", D(1998, 11, 1, 8), Option::Premier, "1.1.98", "9:00", "", D(1998, 12, 1, 9)},
        {"P déc.", D(1998, 12, 15, 12), Option::Premier, "1.1.98", "9:00", "", D(1999, 1, 1, 9)},
        {"P mai", D(1998, 4, 20, 12), Option::Premier, "1.1.98", "9:00", "", D(1998, 5, 1, 9)},
        // The last working day still ahead: this month's, or the next one's once it passed.
        {"D à venir", D(1999, 1, 10, 12), Option::Dernier, "1.1.98", "9:00", "", D(1999, 1, 29, 9)},
        {"D passé", D(1999, 1, 30, 12), Option::Dernier, "1.1.98", "9:00", "", D(1999, 2, 26, 9)},
        {"D le jour même, plus tard", D(1999, 1, 29, 8), Option::Dernier, "1.1.98", "9:00", "",
         D(1999, 1, 29, 9)},
        {"D le jour même, passé", D(1999, 1, 29, 10), Option::Dernier, "1.1.98", "9:00", "",
         D(1999, 2, 26, 9)},
        {"D décembre passé", D(1998, 12, 31, 18), Option::Dernier, "1.1.98", "9:00", "",
         D(1999, 1, 29, 9)},
        {"U avant 1900", D(1998, 12, 7, 12), Option::UneFois, "29.12.1899", "6:00", "",
         D(1899, 12, 29, 6)},
        // A two-digit year stands for the year within fifty years before, 49 after now.
        {"U 31 en 2026", D(2026, 12, 9, 12), Option::UneFois, "7.12.31", "8:00", "",
         D(2031, 12, 7, 8)},
        {"U 75 en 2026", D(2026, 12, 9, 12), Option::UneFois, "7.12.75", "8:00", "",
         D(2075, 12, 7, 8)},
        {"U 76 en 2026", D(2026, 12, 9, 12), Option::UneFois, "7.12.76", "8:00", "",
         D(1976, 12, 7, 8)},
        {"U 00 en 2080", D(2080, 1, 1, 12), Option::UneFois, "28.2.00", "8:00", "",
         D(2100, 2, 28, 8)},
    };
    for (const auto& k : cas) {
        ChampsSaisie c = Valide();
        c.répétition = k.répétition, c.jour = k.jour, c.heure = k.heure, c.délai = k.délai;
        const Tâche t = ChampsVersTâche(EntréeLue(c, k.maintenant), Tâche{}, k.maintenant);
        EXPECT_NEAR(t.Prochaine, k.attendu, 1e-9)
            << k.nom << " " << FormatDate(t.Prochaine, "dd.mm.yyyy hh:mm");
        EXPECT_TRUE(t.Actif) << k.nom;
        EXPECT_EQ(t.DélaiMax, 0) << k.nom;
    }
}

TEST_F(ÉditeurTest, EnregistreGardeLIdentiteEtAjouteSiRetiree) {
    horloge.maintenant = D(1998, 12, 7, 12);
    h.Tâches.Ajoute({"C:\\Vud\\a.exe", "", 1, "J", D(1998, 12, 8, 9), 0, true, 0});
    h.Tâches.Ajoute({"b.exe", "", 1, "U", D(1998, 12, 8, 9), 0, true, 0});
    const uint64_t a = h.Tâches[1].Identité, b = h.Tâches[2].Identité;
    ChampsSaisie c = Valide();
    c.paramètres = "/z";
    // Modifying keeps the task's place and identity.
    auto e = TâcheEnregistre(h, b, EntréeLue(c, horloge.maintenant));
    EXPECT_TRUE(e.fichier.ok);
    EXPECT_EQ(e.identité, b);
    EXPECT_EQ(h.Tâches.Dernier(), 2u);
    EXPECT_EQ(h.Tâches[2].Paramètres, "/z");
    EXPECT_NE(f.Contenu("C:\\Vud\\Auto.dat").find("/z"), std::string::npos);
    // The engine removed the task meanwhile: the entry becomes a new task.
    h.Tâches.Retire(1);
    e = TâcheEnregistre(h, a, EntréeLue(c, horloge.maintenant));
    EXPECT_EQ(h.Tâches.Dernier(), 2u);
    EXPECT_EQ(h.Tâches.IndexDe(e.identité), 2u);
    EXPECT_NE(e.identité, a);
    EXPECT_EQ(h.Tâches[1].Identité, b);
    // Deleting empties the entry and writes the file without it.
    EXPECT_TRUE(TâcheSupprime(h, b).ok);
    EXPECT_EQ(h.Tâches[1].Programme, "");
    EXPECT_FALSE(h.Tâches[1].Actif);
    EXPECT_EQ(f.Contenu("C:\\Vud\\Auto.dat").find("b.exe"), std::string::npos);
    EXPECT_TRUE(TâcheSupprime(h, 12345).ok);
    // A failed write keeps the change in memory and says why.
    f.échecs["Écrire:C:\\VUD\\AUTO.DAT"] = "Disque plein.";
    c.paramètres = "/w";
    e = TâcheEnregistre(h, e.identité, EntréeLue(c, horloge.maintenant));
    EXPECT_FALSE(e.fichier.ok);
    EXPECT_EQ(h.Tâches[2].Paramètres, "/w");
    const std::string m = MessageÉchecEnregistrement(h, e.fichier.erreur);
    EXPECT_NE(m.find("C:\\Vud\\Auto.dat"), std::string::npos);
    EXPECT_NE(m.find("Disque plein."), std::string::npos);
}

TEST(Editeur, ProchainsMoments) {
    // Monday 7 December 1998, 12:00.
    const double lundi = D(1998, 12, 7, 12);
    const struct {
        const char* nom;
        double maintenant;
        int répétition;
        bool weekEnd, désactivé;
        std::string jour, heure, délai, max;
        std::string attendu;
    } cas[] = {
        {"J", lundi, Option::ChaqueJour, false, false, "8.12.98", "9:00", "", "",
         "Prochaines fois : 08.12.98 09:00, 09.12.98 09:00, 10.12.98 09:00"},
        {"U", lundi, Option::UneFois, false, false, "8.12.98", "9:00", "", "",
         "Prochaine fois : 08.12.98 09:00"},
        {"U passé", lundi, Option::UneFois, false, false, "7.12.98", "9:00", "", "",
         "Prochaine fois : aussitôt"},
        {"U trop tard", lundi, Option::UneFois, false, false, "7.12.98", "9:00", "", "1:00",
         "Aucune exécution : le moment est dépassé"},
        {"J en retard", lundi, Option::ChaqueJour, false, false, "5.12.98", "9:00", "", "",
         "Prochaines fois : aussitôt, 08.12.98 09:00, 09.12.98 09:00"},
        {"J des années en retard", lundi, Option::ChaqueJour, false, false, "1.1.1990", "9:00", "",
         "", "Prochaines fois : aussitôt, 08.12.98 09:00, 09.12.98 09:00"},
        {"J en retard, délai max", lundi, Option::ChaqueJour, false, false, "5.12.98", "9:00", "",
         "1:00", "Prochaines fois : 08.12.98 09:00, 09.12.98 09:00, 10.12.98 09:00"},
        {"O saute le week-end", D(1998, 12, 10, 12), Option::ChaqueJour, true, false, "11.12.98",
         "9:00", "", "", "Prochaines fois : 11.12.98 09:00, 14.12.98 09:00, 15.12.98 09:00"},
        {"O tapé un samedi attend lundi", D(1998, 12, 10, 12), Option::ChaqueJour, true, false,
         "12.12.98", "9:00", "", "",
         "Prochaines fois : 14.12.98 00:00, 14.12.98 09:00, 15.12.98 09:00"},
        {"S", lundi, Option::ChaqueSemaine, false, false, "8.12.98", "9:00", "", "",
         "Prochaines fois : 08.12.98 09:00, 15.12.98 09:00, 22.12.98 09:00"},
        {"P", lundi, Option::Premier, false, false, "1.1.98", "9:00", "", "",
         "Prochaines fois : 01.01.99 09:00, 01.02.99 09:00, 01.03.99 09:00"},
        {"D", lundi, Option::Dernier, false, false, "1.1.98", "9:00", "", "",
         "Prochaines fois : 31.12.98 09:00, 29.01.99 09:00, 26.02.99 09:00"},
        {"A", lundi, Option::Arrêt, false, false, "", "", "", "",
         "Prochaine fois : à l'arrêt de Windows"},
        {"L", lundi, Option::Lancement, false, false, "", "", "0:05:30", "",
         "Prochaine fois : au prochain démarrage + 00:05:30"},
        {"L faux", lundi, Option::Lancement, false, false, "", "", "x", "", ""},
        {"désactivé", lundi, Option::ChaqueJour, false, true, "8.12.98", "9:00", "", "", ""},
        {"date fausse", lundi, Option::ChaqueJour, false, false, "x", "9:00", "", "", ""},
        {"P sans date", lundi, Option::Premier, false, false, "", "9:00", "", "", ""},
        {"code inconnu", lundi, Option::Aucune, false, false, "8.12.98", "9:00", "", "", ""},
    };
    for (const auto& k : cas) {
        ChampsSaisie c = Valide();
        c.répétition = k.répétition, c.weekEnd = k.weekEnd, c.désactivé = k.désactivé;
        c.jour = k.jour, c.heure = k.heure, c.délai = k.délai, c.max = k.max;
        EXPECT_EQ(ProchainsMoments(EntréeLue(c, k.maintenant), k.maintenant), k.attendu) << k.nom;
    }
}

// Every date the editor writes into its fields reads back as the same moment, from 1950 to
// 2099, whatever the year the editor runs in: Modifier (the stored moment), Ajouter
// (tomorrow) and a catalogue choice (today).
TEST(Editeur, LesDatesEcritesSeRelisentDe1950A2099) {
    const Modèle m{"m", "a.exe", "", "U", 1, 0, 0};
    for (int année = 1950; année <= 2099; ++année) {
        for (const auto& [mois, jour] : {std::pair{1, 1}, {2, 28}, {12, 31}}) {
            const double moment = D(année, mois, jour, 7, 45);
            for (const double maintenant : {D(2026, 12, 9, 10), moment}) {
                ChampsSaisie c;
                const Tâche t{"a.exe", "", 1, "U", moment, 0, true, 0};
                const auto relu = [&] {
                    return ChampsVersTâche(EntréeLue(c, maintenant), t, maintenant).Prochaine;
                };
                TâcheVersChamps(t, c);
                EXPECT_EQ(relu(), moment) << c.jour;
                NouvelleVersChamps(moment - 1, c);
                EXPECT_EQ(relu(), moment) << c.jour;
                ModèleVersChamps(m, moment, c);
                EXPECT_EQ(relu(), moment) << c.jour;
            }
        }
    }
}

// A task due in 2031, opened with "Modifier" and saved unchanged, keeps its date in Auto.dat.
TEST_F(ÉditeurTest, UneTacheDe2031EnregistreeTelleQuelle) {
    horloge.maintenant = D(2026, 12, 9, 10);
    f.PoseFichier("C:\\Vud\\Auto.dat",
                  "C:\\Vud\\a.exe\t\t1\tJ\t-1\t07.12.2031\t09:00\t30.12.1899\t00:00\t00:00\r\n");
    ASSERT_TRUE(TâchesCharge(h).ok);
    ChampsSaisie c;
    TâcheVersChamps(h.Tâches[1], c);
    ASSERT_EQ(Contrôle(EntréeLue(c, horloge.maintenant), f), "");
    ASSERT_TRUE(
        TâcheEnregistre(h, h.Tâches[1].Identité, EntréeLue(c, horloge.maintenant)).fichier.ok);
    EXPECT_EQ(f.Contenu("C:\\Vud\\Auto.dat"),
              "C:\\Vud\\a.exe\t\t1\tJ\t-1\t07.12.2031\t09:00\t30.12.1899\t00:00\t00:00\r\n");
}

// The preview and the engine over the same tasks: the moments the preview announces are
// those at which the engine's passes fire the task ("aussitôt" for the passes at once).
TEST(Editeur, ApercuEtMoteurDAccord) {
    const double lundi = D(1998, 12, 7, 12);
    const struct {
        const char* nom;
        double maintenant;
        int répétition;
        bool weekEnd;
        std::string jour, heure, max;
    } cas[] = {
        {"J", lundi, Option::ChaqueJour, false, "8.12.98", "9:00", ""},
        {"J en retard", lundi, Option::ChaqueJour, false, "5.12.98", "9:00", ""},
        {"J en retard, délai", lundi, Option::ChaqueJour, false, "6.12.98", "13:00", "1:00"},
        {"J à l'instant du délai", lundi, Option::ChaqueJour, false, "7.12.98", "11:00", "1:00"},
        {"J juste dans le délai", lundi, Option::ChaqueJour, false, "7.12.98", "11:01", "1:00"},
        {"U à l'instant du délai", lundi, Option::UneFois, false, "7.12.98", "11:00", "1:00"},
        {"U passé", lundi, Option::UneFois, false, "7.12.98", "9:00", ""},
        {"O", D(1998, 12, 10, 12), Option::ChaqueJour, true, "11.12.98", "9:00", ""},
        {"O un samedi", D(1998, 12, 10, 12), Option::ChaqueJour, true, "12.12.98", "9:00", ""},
        {"O en retard le samedi", D(1998, 12, 12, 12), Option::ChaqueJour, true, "11.12.98", "9:00",
         ""},
        {"S", lundi, Option::ChaqueSemaine, false, "1.12.98", "9:00", ""},
        {"P", lundi, Option::Premier, false, "1.1.98", "9:00", ""},
        {"D", lundi, Option::Dernier, false, "1.1.98", "9:00", ""},
        {"J avant 1900", D(1899, 12, 28, 12), Option::ChaqueJour, false, "29.12.1899", "6:00", ""},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(k.nom);
        ChampsSaisie c = Valide();
        c.répétition = k.répétition, c.weekEnd = k.weekEnd;
        c.jour = k.jour, c.heure = k.heure, c.max = k.max;
        // The engine: passes at the moments something can happen, until three firings.
        FichiersMémoire f;
        HorlogeFixe horloge;
        LanceurEnregistreur lanceur;
        struct : Alarmes {
            void Montre(const std::string&, bool) override {}
        } alarmes;
        PortsMoteur ports{lanceur, alarmes, nullptr};
        Horlo h{f, horloge, Programme::DepuisChemin("C:\\Vud\\Horlo.exe")};
        h.Tâches.Ajoute(ChampsVersTâche(EntréeLue(c, k.maintenant), Tâche{}, k.maintenant));
        horloge.maintenant = k.maintenant;
        std::vector<std::string> moments;
        for (int passe = 0; passe < 60 && moments.size() < 3 && h.Tâches.Dernier() == 1; ++passe) {
            const double avant = h.Tâches[1].Prochaine;
            const size_t lancés = lanceur.lancements.size();
            TâchesExécute(h, ports);
            if (lanceur.lancements.size() > lancés) {
                const std::string m = horloge.maintenant == k.maintenant
                                          ? "aussitôt"
                                          : FormatDate(horloge.maintenant, "dd.mm.yy hh:mm");
                if (moments.empty() || moments.back() != m || m != "aussitôt") moments.push_back(m);
            }
            if (h.Tâches.Dernier() == 0) break;
            const double p = h.Tâches[1].Prochaine;
            if (p > horloge.maintenant)
                horloge.maintenant = p;
            else if (p == avant)  // nothing due: the next day begins
                horloge.maintenant = JourDe(horloge.maintenant) + 1;
        }
        std::string attendu;
        for (size_t i = 0; i < moments.size(); ++i) attendu += (i ? ", " : "") + moments[i];
        attendu = moments.empty()       ? "Aucune exécution : le moment est dépassé"
                  : moments.size() == 1 ? "Prochaine fois : " + attendu
                                        : "Prochaines fois : " + attendu;
        EXPECT_EQ(ProchainsMoments(EntréeLue(c, k.maintenant), k.maintenant), attendu);
    }
}

}  // namespace
