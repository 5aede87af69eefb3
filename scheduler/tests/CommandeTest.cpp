// Horlo's command-line words and the start-up entry questions over the in-memory registry.
#include <gtest/gtest.h>

#include "Commande.h"
#include "Doubles.h"
#include "RegistreMemoire.h"

namespace {

struct DroitsScript : Droits {
    Élévation processus = Élévation::Ordinaire;
    std::optional<Élévation> bureau;
    bool lancementRéussi = true;
    std::vector<std::string> lancements;  // "program|parameters|folder"
    Élévation DuProcessus() override { return processus; }
    std::optional<Élévation> DuBureau() override { return bureau; }
    bool LanceParLeBureau(const std::string& programme, const std::string& paramètres,
                          const std::string& dossier) override {
        lancements.push_back(programme + "|" + paramètres + "|" + dossier);
        return lancementRéussi;
    }
};

// Horlo hands over to the shell only from full rights to a shell without them, and goes
// on itself when the shell cannot be asked or would start it as elevated.
TEST(Commande, RelanceSansElevation) {
    using É = Élévation;
    const std::optional<É> aucun;
    const struct {
        É processus;
        std::optional<É> bureau;
        bool réussi;
        bool relance;
        size_t lancements;
    } cas[] = {
        {É::Complète, É::Restreinte, true, true, 1},
        {É::Complète, É::Restreinte, false, false, 1},
        {É::Ordinaire, É::Restreinte, true, false, 0},
        {É::Restreinte, É::Restreinte, true, false, 0},
        {É::Complète, É::Complète, true, false, 0},
        {É::Complète, É::Ordinaire, true, true, 1},
        {É::Complète, aucun, true, false, 0},
    };
    const Programme p = Programme::DepuisChemin("C:\\Vud\\Horlo.exe");
    for (const auto& c : cas) {
        DroitsScript d;
        d.processus = c.processus;
        d.bureau = c.bureau;
        d.lancementRéussi = c.réussi;
        const int i = static_cast<int>(&c - cas);
        EXPECT_EQ(RelanceSansÉlévation(d, p, " /O "), c.relance) << i;
        ASSERT_EQ(d.lancements.size(), c.lancements) << i;
        if (c.lancements) {
            EXPECT_EQ(d.lancements[0], "C:\\Vud\\Horlo.exe| /O |C:\\Vud") << i;
        }
    }
}

TEST(Commande, MotsDeLaLigne) {
    const struct {
        const char* ligne;
        MotHorlo mot;
    } cas[] = {
        {"/?", MotHorlo::Aide},     {"  /O  ", MotHorlo::Éditeur},
        {"/o", MotHorlo::Éditeur},  {"/UnInstall", MotHorlo::Désinstalle},
        {"/x", MotHorlo::Aucun},    {"", MotHorlo::Aucun},
        {"/o /?", MotHorlo::Aucun}, {"(~!~)", MotHorlo::Aucun},
    };
    for (const auto& c : cas) EXPECT_EQ(MotDeLaLigne(c.ligne), c.mot) << c.ligne;
}

TEST(Commande, QuestionDeDemarrageEtDesinstallation) {
    RegistreMémoire brut;
    Registre registre(brut, "Horlo", ',');
    DialoguesScript d;
    const Programme p = Programme::DepuisChemin("C:\\Vud\\Horlo.exe");
    // Absent: asks; No stores nothing, so the next start asks again; Yes stores the path.
    d.réponses = {Réponse::Non, Réponse::Oui};
    QuestionDémarrage(registre, d, p);
    QuestionDémarrage(registre, d, p);
    ASSERT_EQ(d.boîtes.size(), 2u);
    EXPECT_EQ(d.boîtes[0].titre, "Attention");
    EXPECT_EQ(d.boîtes[0].drapeaux, 36u);
    EXPECT_EQ(std::get<std::string>(registre.RegistreLit(Racine::HKLM, CléRun, ValeurRun)),
              "C:\\Vud\\Horlo.exe");
    QuestionDémarrage(registre, d, p);  // present: no question
    EXPECT_EQ(d.boîtes.size(), 2u);

    d.réponses = {Réponse::Non, Réponse::Oui};
    EXPECT_FALSE(DésinstallationDemande(registre, d));
    EXPECT_TRUE(EstTexte(registre.RegistreLit(Racine::HKLM, CléRun, ValeurRun)));
    EXPECT_TRUE(DésinstallationDemande(registre, d));
    EXPECT_TRUE(EstAbsent(registre.RegistreLit(Racine::HKLM, CléRun, ValeurRun)));
    EXPECT_EQ(d.boîtes.back().titre, "Orvan 98 info");
    EXPECT_EQ(d.boîtes.back().drapeaux, 4u);

    // Without the right to write the machine's keys: the user's copy goes, the machine's
    // stays, and the user is told.
    const size_t avant = d.boîtes.size();
    brut.PoseValeur(Racine::HKLM, CléRun, ValeurRun, RegistreBrut::TypeTexte, "C:\\Vud\\Horlo.exe");
    brut.PoseValeur(Racine::HKCU, CléRun, ValeurRun, RegistreBrut::TypeTexte, "C:\\Vud\\Horlo.exe");
    brut.Protège(Racine::HKLM, CléRun);
    d.réponses = {Réponse::Oui, Réponse::Ok};
    EXPECT_TRUE(DésinstallationDemande(registre, d));
    EXPECT_FALSE(brut.Lit(Racine::HKCU, CléRun, ValeurRun));
    EXPECT_TRUE(brut.Lit(Racine::HKLM, CléRun, ValeurRun));
    ASSERT_EQ(d.boîtes.size(), avant + 2);
    EXPECT_EQ(d.boîtes.back().titre, "Talmon - Attention");
    EXPECT_EQ(d.boîtes.back().drapeaux, Mb::Ok | Mb::IcôneExclamation);
    EXPECT_NE(d.boîtes.back().texte.find(
                  "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run, "
                  "valeur \"Talmon\""),
              std::string::npos)
        << d.boîtes.back().texte;

    AideMontre(d);
    EXPECT_EQ(d.boîtes.back().drapeaux, 64u);
    EXPECT_EQ(d.boîtes.back().texte.substr(0, 52),
              "Ce programme est un complément à Windows 95.\r\n\r\nSa");

    // The engine's clock refused by the system: the reason between the fault and its effect.
    MinuterieÉchecSignale(d, "Ressources système insuffisantes.");
    EXPECT_EQ(d.boîtes.back().titre, "Talmon - Attention");
    EXPECT_EQ(d.boîtes.back().drapeaux, Mb::Ok | Mb::IcôneExclamation);
    EXPECT_EQ(d.boîtes.back().texte,
              "Je ne parviens pas à démarrer l'horloge de Horlo.\r\n\r\n"
              "Ressources système insuffisantes.\r\n\r\n"
              "Aucune tâche programmée ne sera exécutée tant que Horlo ne sera pas relancé.");
}

}  // namespace
