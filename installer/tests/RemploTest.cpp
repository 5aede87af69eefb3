// Remplo's command line, its no-copy decisions and the installation over in-memory files.
#include <gtest/gtest.h>

#include <functional>

#include "Doubles.h"
#include "Remplo.h"

namespace {

// The window of the installation, recorded; `àChaquePause` lets a test change the world
// while Remplo waits (the old program ending).
struct FenêtreEnregistrée : FenêtreRemplo {
    std::string étiquettes[2];
    std::vector<bool> pointeurs;
    bool montrée = false;
    int cessions = 0;
    int pauses = 0;
    std::function<void(int)> àChaquePause;

    void Étiquette(int i, const std::string& t) override { étiquettes[i] = t; }
    void PointeurOccupé(bool occupé) override { pointeurs.push_back(occupé); }
    void Montre() override { montrée = true; }
    void Cède() override { ++cessions; }
    void Pause(unsigned) override {
        ++pauses;
        if (àChaquePause) àChaquePause(pauses);
    }
};

const std::string Source = "N:\\Maj\\Nettix.exe";
const std::string Destination = "C:\\Vud\\Nettix.exe";
const std::string Arguments = "\"" + Source + "\" \"" + Destination + "\"";
const std::string Temporaire = Destination + ".nouveau";
const std::string Sauvegarde = Destination + ".ancien";

struct RemploTest : ::testing::Test {
    FichiersMémoire fichiers;
    LanceurEnregistreur lanceur;
    DialoguesScript dialogues;
    FenêtreEnregistrée fenêtre;
    Remplo remplo{fichiers, lanceur, dialogues, fenêtre, "Remplo", AttenteRemplo{200, 5}};

    void SetUp() override {
        fichiers.PoseFichier(Source, "nouveau programme", 36001);
        fichiers.PoseFichier(Destination, "ancien", 36000);
    }
    std::vector<std::string> Lignes() const {
        std::vector<std::string> l;
        for (const auto& x : lanceur.lancements) l.push_back(x.ligne);
        return l;
    }
    // Nothing left beside the destination, whatever happened.
    void SansRésidus() const {
        EXPECT_FALSE(fichiers.Existe(Temporaire));
        EXPECT_FALSE(fichiers.Existe(Sauvegarde));
    }
};

}  // namespace

TEST(RemploAnalyse, LignesValides) {
    struct Cas {
        std::string ligne, source, destination, queue;
    } cas[] = {
        {"\"N:\\Maj\\Nettix.exe\" \"C:\\Vud\\Nettix.exe\"", "N:\\Maj\\Nettix.exe",
         "C:\\Vud\\Nettix.exe", ""},
        {"  \"a.exe\"\"b.exe\"  ", "a.exe", "b.exe", ""},
        {"\"a.exe\"   \"b.exe\"   /o  x  ", "a.exe", "b.exe", "/o  x"},
        {"\t\"a.exe\" \"b.exe\"\t", "a.exe", "b.exe", ""},
        {"\"Nettix\" \"Vud\\Nettix\"", "Nettix.EXE", "Vud\\Nettix.EXE", ""},
        {"\"C:\\Mes.Docs\\prog\" \"prog\"", "C:\\Mes.Docs\\prog", "prog.EXE", ""},
        {"\"C:\\Vud\\Répertoire\\Pensil.exe\" \"x.exe\" \"reste\"",
         "C:\\Vud\\Répertoire\\Pensil.exe", "x.exe", "\"reste\""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ligne);
        const auto l = RemploAnalyse(c.ligne);
        ASSERT_TRUE(l);
        EXPECT_EQ(l->source, c.source);
        EXPECT_EQ(l->destination, c.destination);
        EXPECT_EQ(l->queue, c.queue);
    }
}

TEST(RemploAnalyse, LignesMalFormées) {
    for (const char* ligne :
         {"", "   ", "a.exe b.exe", "\"a.exe", "\"a.exe\"", "\"a.exe\" b.exe", "\"a.exe\" \"b.exe",
          "\"\" \"b.exe\"", "\"a.exe\" \"\"", "x \"a.exe\" \"b.exe\""}) {
        SCOPED_TRACE(ligne);
        EXPECT_FALSE(RemploAnalyse(ligne));
    }
}

TEST(ArgumentsDeLaLigne, SansLeNomDuProgramme) {
    struct Cas {
        std::string ligne, arguments;
    } cas[] = {
        {"\"C:\\Program Files\\Remplo.exe\" \"a\" \"b\"", "\"a\" \"b\""},
        {"Remplo.exe   \"a\" \"b\" ", "\"a\" \"b\" "},
        {"Remplo.exe", ""},
        {"\"C:\\Vud\\Remplo.exe\"", ""},
        {"\"C:\\Vud\\Remplo.exe", ""},
        {"\"C:\\Vud\\Remplo.exe\"\"a\" \"b\"", "\"a\" \"b\""},
        {"", ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ligne);
        EXPECT_EQ(ArgumentsDeLaLigne(c.ligne), c.arguments);
    }
}

TEST_F(RemploTest, LigneMalForméeDonneLeMessageDUsageSansRienToucher) {
    EXPECT_EQ(remplo.Exécute("N:\\Maj\\Nettix.exe C:\\Vud\\Nettix.exe"), IssueRemplo::Usage);
    ASSERT_EQ(dialogues.boîtes.size(), 1u);
    EXPECT_EQ(dialogues.boîtes[0].texte,
              "Donnez le programme source entre guillements, un espace, et le programme "
              "destination entre guillemets en paramètre svp.");
    EXPECT_EQ(dialogues.boîtes[0].titre, "Remplo");
    EXPECT_EQ(dialogues.boîtes[0].drapeaux, Mb::Ok | Mb::IcôneInformation);
    EXPECT_TRUE(lanceur.lancements.empty());
    EXPECT_TRUE(fichiers.journal.empty());
    EXPECT_FALSE(fenêtre.montrée);
}

TEST_F(RemploTest, CasSansCopieRelancentAvecLeMarqueur) {
    struct Cas {
        const char* nom;
        std::function<void(FichiersMémoire&)> prépare;
        std::string arguments;
        std::string relance;
    } cas[] = {
        {"même date", [](auto& f) { f.PoseFichier(Source, "nouveau", 36000); }, Arguments,
         "\"" + Destination + "\"  (~!~)"},
        {"source plus ancienne", [](auto& f) { f.PoseFichier(Source, "nouveau", 35999); },
         Arguments, "\"" + Destination + "\"  (~!~)"},
        {"source absente", [](auto& f) { f.entrées.erase(FichiersMémoire::Clé(Source)); },
         Arguments, "\"" + Destination + "\"  (~!~)"},
        {"source qui est un dossier",
         [](auto& f) {
             f.entrées.erase(FichiersMémoire::Clé(Source));
             f.PoseDossier(Source);
         },
         Arguments, "\"" + Destination + "\"  (~!~)"},
        {"source identique", [](auto&) {}, "\"" + Destination + "\" \"" + Destination + "\" /x",
         "\"" + Destination + "\" /x (~!~)"},
        {"destination qui est un dossier",
         [](auto& f) {
             f.entrées.erase(FichiersMémoire::Clé(Destination));
             f.PoseDossier(Destination);
         },
         Arguments, "\"" + Destination + "\"  (~!~)"},
        {"date illisible", [](auto& f) { f.échecs["Date:" + FichiersMémoire::Clé(Source)] = "E"; },
         Arguments, "\"" + Destination + "\"  (~!~)"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        FichiersMémoire f;
        f.PoseFichier(Source, "nouveau", 36001);
        f.PoseFichier(Destination, "ancien", 36000);
        c.prépare(f);
        const auto avant = f.entrées.size();
        LanceurEnregistreur l;
        DialoguesScript d;
        FenêtreEnregistrée w;
        Remplo r(f, l, d, w, "Remplo");
        EXPECT_EQ(r.Exécute(c.arguments), IssueRemplo::SansCopie);
        ASSERT_EQ(l.lancements.size(), 1u);
        EXPECT_EQ(l.lancements[0].ligne, c.relance);
        EXPECT_EQ(l.lancements[0].fenêtre, 1);
        EXPECT_TRUE(f.journal.empty()) << f.journal.front();
        EXPECT_EQ(f.entrées.size(), avant);
        EXPECT_TRUE(d.boîtes.empty());
        EXPECT_EQ(d.bips, 0);
        EXPECT_FALSE(w.montrée);
    }
}

TEST_F(RemploTest, NomsNusRecoiventEXEAvantToutContrôle) {
    fichiers.PoseFichier("N:\\Maj\\Horlo.EXE", "nouveau", 36001);
    EXPECT_EQ(remplo.Exécute("\"N:\\Maj\\Horlo\" \"C:\\Vud\\Horlo\""), IssueRemplo::Installé);
    EXPECT_EQ(fichiers.Contenu("C:\\Vud\\Horlo.EXE"), "nouveau");
    EXPECT_EQ(Lignes(), std::vector<std::string>{"\"C:\\Vud\\Horlo.EXE\" "});
}

TEST_F(RemploTest, InstallationNormale) {
    EXPECT_EQ(remplo.Exécute(Arguments), IssueRemplo::Installé);
    EXPECT_EQ(fichiers.Contenu(Destination), "nouveau programme");
    EXPECT_EQ(fichiers.Contenu(Source), "nouveau programme");
    SansRésidus();
    EXPECT_EQ(Lignes(), std::vector<std::string>{"\"" + Destination + "\" "});
    EXPECT_EQ(lanceur.lancements[0].fenêtre, 1);
    EXPECT_EQ(dialogues.bips, 2);
    EXPECT_TRUE(dialogues.boîtes.empty());
    EXPECT_TRUE(fenêtre.montrée);
    EXPECT_EQ(fenêtre.étiquettes[0], "Installation de la nouvelle version de " + Destination);
    EXPECT_EQ(fenêtre.étiquettes[1], "(Copie de " + Source + " dans " + Destination + ")");
    EXPECT_EQ(fenêtre.pointeurs, (std::vector<bool>{true, false}));
    EXPECT_EQ(fenêtre.pauses, 0);
    // The old program is renamed away only after the new one is copied whole.
    const std::vector<std::string> attendu = {
        "Copier " + Source + " -> " + Temporaire,
        "Renommer " + Destination + " -> " + Sauvegarde,
        "Renommer " + Temporaire + " -> " + Destination,
        "Supprimer " + Sauvegarde,
    };
    EXPECT_EQ(fichiers.journal, attendu);
}

TEST_F(RemploTest, QueueTransmise) {
    EXPECT_EQ(remplo.Exécute(Arguments + "  /o   x "), IssueRemplo::Installé);
    EXPECT_EQ(Lignes(), std::vector<std::string>{"\"" + Destination + "\" /o   x"});
}

TEST_F(RemploTest, DestinationAbsenteCopieSansAttendre) {
    fichiers.entrées.erase(FichiersMémoire::Clé(Destination));
    EXPECT_EQ(remplo.Exécute(Arguments), IssueRemplo::Installé);
    EXPECT_EQ(fichiers.Contenu(Destination), "nouveau programme");
    EXPECT_EQ(fenêtre.pauses, 0);
    SansRésidus();
    EXPECT_EQ(Lignes(), std::vector<std::string>{"\"" + Destination + "\" "});
}

TEST_F(RemploTest, AttendQueLAncienProgrammeSeTermine) {
    fichiers.entrées[FichiersMémoire::Clé(Destination)].verrouillé = true;
    fenêtre.àChaquePause = [&](int n) {
        // Nothing is lost while the old program runs: it is still there, the new one beside it.
        EXPECT_EQ(fichiers.Contenu(Destination), "ancien");
        EXPECT_EQ(fichiers.Contenu(Temporaire), "nouveau programme");
        EXPECT_TRUE(lanceur.lancements.empty());
        if (n == 3) fichiers.entrées[FichiersMémoire::Clé(Destination)].verrouillé = false;
    };
    EXPECT_EQ(remplo.Exécute(Arguments), IssueRemplo::Installé);
    EXPECT_EQ(fenêtre.pauses, 3);
    EXPECT_GE(fenêtre.cessions, 3);
    EXPECT_EQ(fichiers.Contenu(Destination), "nouveau programme");
    SansRésidus();
    EXPECT_TRUE(dialogues.boîtes.empty());
    EXPECT_EQ(Lignes(), std::vector<std::string>{"\"" + Destination + "\" "});
}

// Where a running program's file can be renamed but not deleted, the old file goes aside
// at once and the new program is started only once the old one has ended.
TEST_F(RemploTest, AncienProgrammeRenomméMaisEncoreEnCours) {
    struct FichiersRenommables : FichiersMémoire {
        Statut Renommer(const std::string& s, const std::string& d, bool remplacer) override {
            auto it = entrées.find(Clé(s));
            const bool verrou = it != entrées.end() && it->second.verrouillé;
            if (verrou) it->second.verrouillé = false;
            Statut r = FichiersMémoire::Renommer(s, d, remplacer);
            entrées[Clé(r ? d : s)].verrouillé = verrou;
            return r;
        }
    } f;
    f.PoseFichier(Source, "nouveau programme", 36001);
    f.PoseFichier(Destination, "ancien", 36000);
    f.entrées[FichiersMémoire::Clé(Destination)].verrouillé = true;
    fenêtre.àChaquePause = [&](int n) {
        EXPECT_EQ(f.Contenu(Sauvegarde), "ancien");
        EXPECT_TRUE(lanceur.lancements.empty());
        if (n == 2) f.entrées[FichiersMémoire::Clé(Sauvegarde)].verrouillé = false;
    };
    Remplo r(f, lanceur, dialogues, fenêtre, "Remplo", AttenteRemplo{200, 5});
    EXPECT_EQ(r.Exécute(Arguments), IssueRemplo::Installé);
    EXPECT_EQ(fenêtre.pauses, 2);
    EXPECT_EQ(f.Contenu(Destination), "nouveau programme");
    EXPECT_FALSE(f.Existe(Sauvegarde));
    EXPECT_EQ(Lignes(), std::vector<std::string>{"\"" + Destination + "\" "});
}

TEST_F(RemploTest, AncienProgrammeQuiNeLibèreJamaisSonFichier) {
    fichiers.entrées[FichiersMémoire::Clé(Destination)].verrouillé = true;
    EXPECT_EQ(remplo.Exécute(Arguments), IssueRemplo::RemplacementImpossible);
    EXPECT_EQ(fenêtre.pauses, 5);  // bounded
    EXPECT_EQ(fichiers.Contenu(Destination), "ancien");
    SansRésidus();
    ASSERT_EQ(dialogues.boîtes.size(), 1u);
    EXPECT_EQ(dialogues.boîtes[0].texte.rfind(
                  "Je ne parviens pas à remplacer le programme \"" + Destination + "\"", 0),
              0u);
    EXPECT_NE(dialogues.boîtes[0].texte.find("(Accès refusé.)"), std::string::npos);
    EXPECT_EQ(dialogues.boîtes[0].titre, "Remplo");
    EXPECT_EQ(dialogues.boîtes[0].drapeaux, Mb::Ok | Mb::IcôneExclamation);
    EXPECT_EQ(Lignes(), std::vector<std::string>{"\"" + Destination + "\"  (~!~)"});
    EXPECT_EQ(fenêtre.pointeurs.back(), false);
}

// A copy that fails in any way keeps the old program and restarts it after the error box.
TEST_F(RemploTest, CopieÉchouéeGardeLAncienProgramme) {
    struct Cas {
        const char* nom;
        std::string opération;
        std::string chemin;
        std::string erreur;
    } cas[] = {
        {"copie refusée", "Copier", Source, "Le processus ne peut pas accéder au fichier."},
        {"mise en place refusée", "Renommer", Temporaire, "Accès refusé."},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        FichiersMémoire f;
        f.PoseFichier(Source, "nouveau", 36001);
        f.PoseFichier(Destination, "ancien", 36000);
        f.échecs[c.opération + ":" + FichiersMémoire::Clé(c.chemin)] = c.erreur;
        LanceurEnregistreur l;
        DialoguesScript d;
        FenêtreEnregistrée w;
        Remplo r(f, l, d, w, "Remplo");
        EXPECT_EQ(r.Exécute(Arguments), IssueRemplo::CopieÉchouée);
        EXPECT_EQ(f.Contenu(Destination), "ancien");
        EXPECT_FALSE(f.Existe(Temporaire));
        EXPECT_FALSE(f.Existe(Sauvegarde));
        ASSERT_EQ(d.boîtes.size(), 1u);
        EXPECT_EQ(d.boîtes[0].texte, c.erreur + "\r\nCopy " + Source + ", " + Destination);
        EXPECT_EQ(d.boîtes[0].titre, "Remplo");
        EXPECT_EQ(d.boîtes[0].drapeaux, Mb::Ok | Mb::IcôneExclamation);
        EXPECT_EQ(d.bips, 1);
        ASSERT_EQ(l.lancements.size(), 1u);
        EXPECT_EQ(l.lancements[0].ligne, "\"" + Destination + "\"  (~!~)");
    }
}

// The copy reported complete but cut short, as when a network share drops.
TEST_F(RemploTest, CopieTronquéeRefusée) {
    // The copy cut short, or the source itself cut short while it was copied (both then
    // have the same size): either way the old program stays.
    for (const bool sourceCoupée : {false, true}) {
        struct FichiersCoupés : FichiersMémoire {
            bool sourceCoupée = false;
            Statut Copier(const std::string& s, const std::string& d) override {
                if (sourceCoupée) entrées[Clé(s)].octets.resize(3);
                Statut r = FichiersMémoire::Copier(s, d);
                entrées[Clé(d)].octets.resize(3);
                return r;
            }
        } f;
        f.sourceCoupée = sourceCoupée;
        f.PoseFichier(Source, "nouveau programme", 36001);
        f.PoseFichier(Destination, "ancien", 36000);
        DialoguesScript d;
        LanceurEnregistreur l;
        Remplo r(f, l, d, fenêtre, "Remplo");
        EXPECT_EQ(r.Exécute(Arguments), IssueRemplo::CopieÉchouée);
        EXPECT_EQ(f.Contenu(Destination), "ancien");
        EXPECT_FALSE(f.Existe(Temporaire));
        ASSERT_EQ(d.boîtes.size(), 1u);
        EXPECT_EQ(d.boîtes[0].texte, "La copie est incomplète (3 octets sur 17).\r\nCopy " +
                                         Source + ", " + Destination);
        ASSERT_EQ(l.lancements.size(), 1u);
        EXPECT_EQ(l.lancements[0].ligne, "\"" + Destination + "\"  (~!~)");
    }
}

TEST_F(RemploTest, AncienProgrammeQuiNeSeTerminePasAttendLeProchainDémarrage) {
    // The running program's file could be renamed but never deleted: the new program is
    // in place, no second instance is started, the user is told, and the next run of
    // Remplo removes what was left.
    fichiers.échecs["Supprimer:" + FichiersMémoire::Clé(Sauvegarde)] = "Accès refusé.";
    EXPECT_EQ(remplo.Exécute(Arguments), IssueRemplo::InstalléSansRelance);
    EXPECT_EQ(fichiers.Contenu(Destination), "nouveau programme");
    EXPECT_EQ(fichiers.Contenu(Sauvegarde), "ancien");
    EXPECT_EQ(fenêtre.pauses, 5);
    EXPECT_TRUE(lanceur.lancements.empty());
    ASSERT_EQ(dialogues.boîtes.size(), 1u);
    EXPECT_EQ(dialogues.boîtes[0].texte,
              "La nouvelle version de \"" + Destination +
                  "\" est installée, mais l'ancienne est encore en cours d'exécution.\r\n\r\n"
                  "La nouvelle version démarrera la prochaine fois que vous lancerez ce "
                  "programme.");
    EXPECT_EQ(dialogues.boîtes[0].drapeaux, Mb::Ok | Mb::IcôneInformation);
    EXPECT_EQ(fenêtre.pointeurs.back(), false);

    fichiers.échecs.clear();
    fichiers.PoseFichier(Temporaire, "copie interrompue");
    EXPECT_EQ(remplo.Exécute(Arguments), IssueRemplo::SansCopie);
    SansRésidus();
    EXPECT_EQ(fichiers.Contenu(Destination), "nouveau programme");
}

TEST_F(RemploTest, LancementÉchouéSignalé) {
    lanceur.échec = "Le fichier spécifié est introuvable.";
    EXPECT_EQ(remplo.Exécute(Arguments), IssueRemplo::Installé);
    ASSERT_EQ(dialogues.boîtes.size(), 1u);
    EXPECT_EQ(dialogues.boîtes[0].texte, "Je ne parviens pas à lancer le programme \"" +
                                             Destination +
                                             "\" !\r\n\r\n(Le fichier spécifié est introuvable.)");
    EXPECT_EQ(dialogues.boîtes[0].drapeaux, Mb::Ok | Mb::IcôneExclamation);
    EXPECT_EQ(fenêtre.pointeurs.back(), false);
}

// A rename failing in passing (an antivirus holding the new file) is tried again a while.
TEST_F(RemploTest, MiseEnPlaceRetenueUnInstant) {
    fichiers.occupés[FichiersMémoire::Clé(Temporaire)] = 3;
    EXPECT_EQ(remplo.Exécute(Arguments), IssueRemplo::Installé);
    EXPECT_EQ(fenêtre.pauses, 3);
}

// Neither program can take the name back: both stay beside it, even through a later run.
TEST_F(RemploTest, NiLUnNiLAutreEnPlaceAucunSupprimé) {
    fichiers.occupés = {{FichiersMémoire::Clé(Temporaire), 99},
                        {FichiersMémoire::Clé(Sauvegarde), 99}};
    EXPECT_EQ(remplo.Exécute(Arguments), IssueRemplo::RestaurationImpossible);
    EXPECT_TRUE(fichiers.Existe(Temporaire));
    fichiers.occupés.clear();
    remplo.Exécute(Arguments);
    EXPECT_TRUE(fichiers.Existe(Sauvegarde));
}
