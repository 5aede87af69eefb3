// The self-update check over in-memory files, registry and dialogs.
#include <gtest/gtest.h>

#include <future>
#include <thread>
#include <tuple>

#include "Demarrage.h"
#include "Doubles.h"
#include "MiseAJour.h"
#include "RegistreMemoire.h"

namespace {

// The worker port on a detached std::thread, its end awaited through its future.
struct OuvrierFil : Ouvrier {
    bool ExécuteDansLeDélai(std::function<void()> travail,
                            std::chrono::milliseconds délai) override {
        std::packaged_task<void()> tâche(std::move(travail));
        auto fin = tâche.get_future();
        std::thread(std::move(tâche)).detach();
        return fin.wait_for(délai) == std::future_status::ready;
    }
};

struct MiseAJourTest : ::testing::Test {
    RegistreMémoire brut;
    Registre registre{brut, "Nettix", ','};
    FichiersMémoire fichiers;
    DialoguesScript dialogues;
    LanceurEnregistreur lanceur;
    ContexteMiseAJour c{registre, fichiers, dialogues, lanceur,
                        Programme::DepuisChemin("C:\\Vud\\Nettix.exe")};

    void SetUp() override {
        fichiers.PoseDossier("C:\\Vud");
        fichiers.PoseFichier("C:\\Vud\\Nettix.exe", "local", 36000);
        fichiers.PoseFichier("C:\\Vud\\Remplo.exe", "remplo", 35000);
        fichiers.PoseDossier("N:\\Maj");
    }
    void Stocke(const std::string& dossier) {
        registre.ParamEcrit("RépertoireMiseAJour", dossier, std::string("Talmon"), true);
    }
    std::string Stocké() {
        return VersTexte(registre.ParamLit("RépertoireMiseAJour", std::string("Talmon"), true));
    }
    bool Absent() {
        return EstAbsent(registre.ParamLit("RépertoireMiseAJour", std::string("Talmon"), true));
    }
};

const std::string kFinLongue =
    ", ou cliquez sur \"Annuler\" pour conserver le répertoire actuel et renoncer "
    "temporairement à la mise à jour automatique jusqu'à que ce répertoire soit à nouveau "
    "accessible)";

bool FinitPar(const std::string& s, const std::string& fin) {
    return s.size() >= fin.size() && s.compare(s.size() - fin.size(), fin.size(), fin) == 0;
}

}  // namespace

TEST_F(MiseAJourTest, PremierDémarrageAnnuléNeStockeRien) {
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Continuer);
    ASSERT_EQ(dialogues.questions.size(), 1u);
    const auto& q = dialogues.questions[0];
    EXPECT_EQ(q.titre, "Talmon");
    EXPECT_EQ(q.défaut, "");
    EXPECT_TRUE(FinitPar(q.invite, "mise à jour automatique)"));
    EXPECT_EQ(q.invite.find("Ce programme est équipé"), 0u);
    EXPECT_NE(
        q.invite.find("répertoire de mise à jour.\r\n\r\nRépertoire de mise à jour :\r\n\r\n("),
        std::string::npos);
    EXPECT_TRUE(Absent());
    // The question comes again at the next start.
    MiseAJourVerifie(c);
    EXPECT_EQ(dialogues.questions.size(), 2u);
}

TEST_F(MiseAJourTest, MoinsRefuseLeServicePourToujours) {
    dialogues.saisies = {"  -  "};
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Continuer);
    EXPECT_EQ(Stocké(), "-");
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Continuer);
    EXPECT_EQ(dialogues.questions.size(), 1u);
    EXPECT_TRUE(dialogues.boîtes.empty());
    EXPECT_TRUE(lanceur.lancements.empty());
}

// A standard user cannot write the machine key: the answer and the counter are kept for
// the user, so the question is asked once and the count goes on at the next start.
TEST_F(MiseAJourTest, UtilisateurStandardGardeSaRéponseEtSonCompteur) {
    brut.Protège(Racine::HKLM);
    dialogues.saisies = {"-"};
    for (int démarrage = 1; démarrage <= 3; ++démarrage) {
        RegistreMémoire& même = brut;  // a new start reads the same registry afresh
        Registre r(même, "Nettix", ',');
        ContexteMiseAJour nouveau{r, fichiers, dialogues, lanceur, c.programme};
        EXPECT_EQ(MiseAJourVerifie(nouveau), IssueMiseAJour::Continuer);
        CompteurDémarrageIncrémente(r, "Nettix");
        EXPECT_EQ(VersTexte(r.ParamLit("Nettix", std::string("Talmon"), true)),
                  std::to_string(démarrage));
    }
    EXPECT_EQ(dialogues.questions.size(), 1u);
    EXPECT_EQ(Stocké(), "-");
    EXPECT_FALSE(brut.CléExiste(Racine::HKLM, "Software\\Talmon\\Talmon"));
}

// The update folder is compared with the program's folder whatever the letter case,
// accented letters included.
TEST_F(MiseAJourTest, DossierDeMiseAJourReconnuSansÉgardÀLaCasseAccentuée) {
    fichiers.PoseDossier("C:\\Maj\\Été");
    fichiers.PoseFichier("C:\\Maj\\Été\\Nettix.exe", "local", 36000);
    fichiers.PoseFichier("C:\\Maj\\Été\\Remplo.exe", "");
    Stocke("c:\\maj\\été\\");
    ContexteMiseAJour là{registre, fichiers, dialogues, lanceur,
                         Programme::DepuisChemin("C:\\Maj\\Été\\Nettix.exe")};
    EXPECT_EQ(MiseAJourVerifie(là), IssueMiseAJour::Terminer);
    ASSERT_EQ(dialogues.boîtes.size(), 1u);
    EXPECT_EQ(dialogues.boîtes[0].texte.find("Il n'est pas permis d'exécuter ce programme depuis"),
              0u);
}

TEST_F(MiseAJourTest, DossierSaisiRogneEtTerminéParUneBarre) {
    dialogues.saisies = {"  N:\\Maj  "};
    MiseAJourVerifie(c);
    EXPECT_EQ(Stocké(), "N:\\Maj\\");
}

TEST_F(MiseAJourTest, SansRemploLaQuestionRevientAvecLaRéponseEnDéfaut) {
    fichiers.entrées.erase(FichiersMémoire::Clé("C:\\Vud\\Remplo.exe"));
    dialogues.saisies = {"N:\\Maj"};  // then Cancel
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Continuer);
    ASSERT_EQ(dialogues.boîtes.size(), 1u);
    EXPECT_EQ(dialogues.boîtes[0].titre, "Talmon - Attention !");
    EXPECT_EQ(dialogues.boîtes[0].texte,
              "Je ne trouve pas le programme \"Remplo.exe\" dans le répertoire \"C:\\Vud\" qui me "
              "sert à tenir vos programmes à jour !");
    EXPECT_EQ(dialogues.boîtes[0].drapeaux, Mb::Ok | Mb::IcôneExclamation);
    ASSERT_EQ(dialogues.questions.size(), 2u);
    EXPECT_EQ(dialogues.questions[1].défaut, "N:\\Maj\\");
    EXPECT_TRUE(Absent());
}

TEST_F(MiseAJourTest, DossierInatteignableSilencieux) {
    Stocke("Q:\\Absent\\");
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Continuer);
    EXPECT_TRUE(dialogues.boîtes.empty());
    EXPECT_TRUE(dialogues.questions.empty());
}

TEST_F(MiseAJourTest, RemploManquantOuiGardeToutNonRedemande) {
    Stocke("N:\\Maj");
    fichiers.entrées.erase(FichiersMémoire::Clé("C:\\Vud\\Remplo.exe"));
    dialogues.réponses = {Réponse::Oui};
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Continuer);
    ASSERT_EQ(dialogues.boîtes.size(), 1u);
    EXPECT_EQ(dialogues.boîtes[0].titre, "Talmon - Attention");
    EXPECT_EQ(dialogues.boîtes[0].drapeaux, Mb::OuiNon | Mb::IcôneQuestion);
    EXPECT_NE(dialogues.boîtes[0].texte.find("\"C:\\Vud\" qui me sert à tenir vos programmes à "
                                             "jour !\r\nDésirez-vous CONSERVER ce nom de "
                                             "répertoire ?\r\n\r\nRépondez OUI S'IL EST "
                                             "TEMPORAIREMENT INATTEIGNABLE.\r\n\r\nRépondez NON"),
              std::string::npos);
    EXPECT_TRUE(dialogues.questions.empty());
    EXPECT_EQ(Stocké(), "N:\\Maj");

    dialogues.réponses = {Réponse::Non};
    MiseAJourVerifie(c);
    ASSERT_EQ(dialogues.questions.size(), 1u);
    EXPECT_EQ(dialogues.questions[0].défaut, "N:\\Maj");
    EXPECT_TRUE(FinitPar(dialogues.questions[0].invite, kFinLongue));
}

TEST_F(MiseAJourTest, InterditDepuisLeDossierDeMiseAJour) {
    c.programme = Programme::DepuisChemin("n:\\maj\\Nettix.exe");
    fichiers.PoseFichier("N:\\Maj\\Remplo.exe", "");
    Stocke("N:\\MAJ\\");
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Terminer);
    ASSERT_EQ(dialogues.boîtes.size(), 1u);
    EXPECT_EQ(dialogues.boîtes[0].texte,
              "Il n'est pas permis d'exécuter ce programme depuis son répertoire de mise à jour "
              "!\r\n\r\nVous pouvez cependant en faire une copie sur votre disque dur et exécuter "
              "cette dernière !");
}

TEST_F(MiseAJourTest, CopieDeMêmeDateNeFaitRien) {
    Stocke("N:\\Maj\\");
    fichiers.PoseFichier("N:\\Maj\\Nettix.exe", "distant", 36000);
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Continuer);
    fichiers.PoseFichier("C:\\Vud\\Nettix.vbp", "");
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Continuer);
    EXPECT_TRUE(lanceur.lancements.empty());
    EXPECT_EQ(fichiers.Contenu("N:\\Maj\\Nettix.exe"), "distant");
    EXPECT_EQ(dialogues.bips, 0);
}

TEST_F(MiseAJourTest, CopiePlusRécenteLanceRemploEtTermine) {
    Stocke("N:\\Maj\\");
    fichiers.PoseFichier("N:\\Maj\\Nettix.exe", "nouveau", 36001);
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Terminer);
    ASSERT_EQ(lanceur.lancements.size(), 1u);
    EXPECT_EQ(lanceur.lancements[0].ligne,
              "C:\\Vud\\Remplo.exe \"N:\\Maj\\Nettix.exe\" \"C:\\Vud\\Nettix.exe\"");
    EXPECT_EQ(lanceur.lancements[0].fenêtre, 1);
}

// A late update folder (out of reach on the network) counts as missing; a prompt one, no wait.
TEST_F(MiseAJourTest, DossierQuiRépondTropTardCompteCommeAbsent) {
    using namespace std::chrono_literals;
    struct DossierLent : FichiersMémoire {
        std::chrono::milliseconds retard;
        std::optional<uint32_t> Attributs(const std::string& chemin) override {
            std::this_thread::sleep_for(retard);
            return FichiersMémoire::Attributs(chemin);
        }
    };
    Stocke("N:\\Maj\\");
    fichiers.PoseFichier("N:\\Maj\\Nettix.exe", "nouveau", 36001);
    for (auto [retard, délai, issue] : {std::tuple{0ms, 10000ms, IssueMiseAJour::Terminer},
                                        std::tuple{1000ms, 50ms, IssueMiseAJour::Continuer}}) {
        auto dossier = std::make_shared<DossierLent>();
        dossier->PoseDossier("N:\\Maj");
        dossier->retard = retard;
        OuvrierFil ouvrier;
        c.fichiersDossier = dossier;
        c.ouvrier = &ouvrier;
        c.délaiDossier = délai;
        const auto début = std::chrono::steady_clock::now();
        EXPECT_EQ(MiseAJourVerifie(c), issue);
        EXPECT_LT(std::chrono::steady_clock::now() - début, 700ms);
        c.fichiersDossier.reset();
        c.ouvrier = nullptr;
        while (dossier.use_count() > 1) std::this_thread::sleep_for(10ms);  // the late answer
    }
}

TEST_F(MiseAJourTest, RemploQuiNeDémarrePasLaisseChoisir) {
    Stocke("N:\\Maj\\");
    fichiers.PoseFichier("N:\\Maj\\Nettix.exe", "nouveau", 36001);
    lanceur.échec = "Accès refusé.";
    dialogues.réponses = {Réponse::Oui, Réponse::Non};
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Continuer);
    EXPECT_EQ(dialogues.boîtes[0].texte,
              "Le programme \"Nettix\" doit être mis à jour mais je ne peux pas lancer le "
              "programme de mise à jour (Remplo.exe) !\r\n\r\n");
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Terminer);
}

TEST_F(MiseAJourTest, PublicationSansCopieDistanteNeBipePas) {
    Stocke("N:\\Maj\\");
    fichiers.PoseFichier("C:\\Vud\\Nettix.vbp", "");
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Continuer);
    EXPECT_EQ(fichiers.Contenu("N:\\Maj\\Nettix.exe"), "local");
    EXPECT_EQ(dialogues.bips, 0);
    EXPECT_TRUE(lanceur.lancements.empty());
}

TEST_F(MiseAJourTest, PublicationRemplaceUneCopiePlusAncienne) {
    Stocke("N:\\Maj\\");
    fichiers.PoseFichier("C:\\Vud\\Nettix.vbp", "");
    fichiers.PoseFichier("N:\\Maj\\Nettix.exe", "ancien", 35999);
    MiseAJourVerifie(c);
    EXPECT_EQ(dialogues.bips, 1);
    EXPECT_EQ(fichiers.Contenu("N:\\Maj\\Nettix.exe"), "local");
}

TEST_F(MiseAJourTest, ÉchecsDePublicationAvertissentEtContinuent) {
    Stocke("N:\\Maj\\");
    fichiers.PoseFichier("C:\\Vud\\Nettix.vbp", "");
    fichiers.PoseFichier("N:\\Maj\\Nettix.exe", "ancien", 35999);
    fichiers.échecs["Supprimer:" + FichiersMémoire::Clé("N:\\Maj\\Nettix.exe")] = "Partage violé.";
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Continuer);
    ASSERT_EQ(dialogues.boîtes.size(), 1u);
    EXPECT_EQ(dialogues.boîtes[0].titre, "Talmon - Avertissement");
    EXPECT_EQ(dialogues.boîtes[0].texte,
              "Je ne parviens pas à détruire l'ancienne version du programme \"Nettix\" dans le "
              "répertoire réseau \"N:\\Maj\\\" pour la mettre à jour !\r\n\r\n(Partage violé.)");

    fichiers.échecs.clear();
    fichiers.échecs["Copier:" + FichiersMémoire::Clé("C:\\Vud\\Nettix.exe")] = "Disque plein.";
    MiseAJourVerifie(c);
    ASSERT_EQ(dialogues.boîtes.size(), 2u);
    EXPECT_EQ(dialogues.boîtes[1].texte,
              "Je ne parviens pas à copier la nouvelle version du programme \"Nettix\" dans le "
              "répertoire réseau \"N:\\Maj\\\" à partir de celle se trouvant dans le répertoire "
              "\"C:\\Vud\\\" !\r\n\r\nCE PROGRAMME N'EXISTE DONC PLUS SUR LE RÉSEAU !");
}

TEST_F(MiseAJourTest, DatesIllisiblesSignaléesSansMiseAJour) {
    Stocke("N:\\Maj\\");
    fichiers.PoseFichier("N:\\Maj\\Nettix.exe", "nouveau", 36001);
    fichiers.échecs["Date:" + FichiersMémoire::Clé("N:\\Maj\\Nettix.exe")] = "Introuvable.";
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Continuer);
    fichiers.échecs["Date:" + FichiersMémoire::Clé("C:\\Vud\\Nettix.exe")] = "Introuvable.";
    EXPECT_EQ(MiseAJourVerifie(c), IssueMiseAJour::Continuer);
    ASSERT_EQ(dialogues.boîtes.size(), 2u);
    EXPECT_EQ(dialogues.boîtes[0].texte,
              "Je ne peux pas obtenir la date du fichier \"N:\\Maj\\Nettix.exe\" !");
    EXPECT_EQ(dialogues.boîtes[1].texte,
              "Je ne peux pas obtenir la date du fichier \"C:\\Vud\\Nettix.exe\" !");
    EXPECT_TRUE(lanceur.lancements.empty());
}

TEST(LigneRemplo, DossierAvecBlancsEntreGuillemets) {
    EXPECT_EQ(LigneRemplo(Programme::DepuisChemin("C:\\Mes programmes\\Pensil.exe"), "N:\\M\\"),
              "\"C:\\Mes programmes\\Remplo.exe\" \"N:\\M\\Pensil.exe\" "
              "\"C:\\Mes programmes\\Pensil.exe\"");
    EXPECT_EQ(LigneRemplo(Programme::DepuisChemin("D:\\Pensil.exe"), "N:\\"),
              "D:\\Remplo.exe \"N:\\Pensil.exe\" \"D:\\Pensil.exe\"");
}
