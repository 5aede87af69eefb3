// The census walk over an in-memory folder tree, and the census, keep, delete and cancel
// handlers over a recording view.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "Doubles.h"
#include "Nettix.h"
#include "Recensement.h"
#include "Texte.h"

namespace {

// Folders in memory, each with its entries in listing order. A folder that is not
// described cannot be listed. Every listing is logged. The paths in `liens` (upper case)
// are links that their attributes do not reveal.
struct ListeurMémoire : ListeurDossiers {
    std::map<std::string, std::vector<EntréeDossier>> dossiers;
    std::set<std::string> liens;
    std::vector<std::string> listés;
    bool Liste(const std::string& rep, VisiteurDossier& v) override {
        listés.push_back(rep);
        auto it = dossiers.find(Majuscules(rep));
        if (it == dossiers.end()) return false;
        for (const auto& e : it->second)
            if (!v.Entrée(e)) break;
        return true;
    }
    bool LienCaché(const std::string& chemin, bool) override {
        return liens.count(Majuscules(chemin)) > 0;
    }
    void Pose(const std::string& rep, std::vector<EntréeDossier> entrées) {
        entrées.insert(entrées.begin(), {{".", Attr::Dossier, 0}, {"..", Attr::Dossier, 0}});
        dossiers[Majuscules(rep)] = std::move(entrées);
    }
};

EntréeDossier F(const std::string& nom, uint64_t taille = 1, uint32_t attributs = Attr::Archive) {
    return {nom, attributs, taille};
}
EntréeDossier D(const std::string& nom, uint32_t attributs = Attr::Dossier) {
    return {nom, attributs, 0};
}

struct SuiviJournal : SuiviRecensement {
    std::vector<std::string> journal;
    void Dossier(const std::string& rep) override { journal.push_back("dossier " + rep); }
    void Trouvé(const FichierTrouvé& f) override { journal.push_back(f.chemin); }
    bool Interrompu() override { return false; }
};

struct VueJournal : VueNettix {
    std::vector<std::string> liste;
    std::string statut, total;
    ÉtatFenêtre état = ÉtatFenêtre::Saisie;
    int32_t sélection = -1, bips = 0, cessions = 0;
    bool conserver = false, automatique = false;
    std::string fin;  // "" running, "enregistre" or "immédiate"
    std::function<void()> pendantCession;
    // The window draws the list's lines from the model: at every yield they must be the
    // lines the view was given.
    const Nettix* modèle = nullptr;
    int lignesFausses = 0;

    void État(ÉtatFenêtre é) override { état = é; }
    void Statut(const std::string& t) override { statut = t; }
    void Total(const std::string& t) override { total = t; }
    void ListeAjoute(const std::string& c) override { liste.push_back(c); }
    void ListeRetire(int32_t i) override { liste.erase(liste.begin() + i); }
    void ListeVide() override { liste.clear(); }
    void ListeSélectionne(int32_t i) override { sélection = i; }
    void ConserverPermis(bool p) override { conserver = p; }
    void Mode(bool a) override { automatique = a; }
    void Cède() override {
        ++cessions;
        if (modèle) {
            std::vector<std::string> lignes;
            for (size_t k = 0; k < modèle->NombreLignes(); ++k) lignes.push_back(modèle->Ligne(k));
            lignesFausses += lignes != liste;
        }
        if (pendantCession) pendantCession();
    }
    void Bip() override { ++bips; }
    void Termine(bool enregistrer) override { fin = enregistrer ? "enregistre" : "immédiate"; }
};

}  // namespace

TEST(Nettoyer, ChaqueDossierEntierAvantSesSousDossiers) {
    ListeurMémoire l;
    l.Pose("C:\\", {F("a.tmp"), D("Un"), F("b.TMP"), D("Deux"), F("c.txt")});
    l.Pose("C:\\Un\\", {D("Sous"), F("x.old"), D("Autre")});
    l.Pose("C:\\Un\\Sous\\", {D("Bas"), F("y.tmp")});
    l.Pose("C:\\Un\\Sous\\Bas\\", {F("w.tmp")});
    l.Pose("C:\\Un\\Autre\\", {F("v.tmp")});
    l.Pose("C:\\Deux\\", {F("z.tmp")});
    SuiviJournal s;
    Nettoyer("C:", l, {"tmp", "old"}, s);
    EXPECT_EQ(l.listés,
              (std::vector<std::string>{"C:\\", "C:\\Un\\", "C:\\Un\\Sous\\", "C:\\Un\\Sous\\Bas\\",
                                        "C:\\Un\\Autre\\", "C:\\Deux\\"}));
    EXPECT_EQ(s.journal,
              (std::vector<std::string>{
                  "dossier C:\\", "C:\\a.tmp", "C:\\b.TMP", "dossier C:\\Un\\", "C:\\Un\\x.old",
                  "dossier C:\\Un\\Sous\\", "C:\\Un\\Sous\\y.tmp", "dossier C:\\Un\\Sous\\Bas\\",
                  "C:\\Un\\Sous\\Bas\\w.tmp", "dossier C:\\Un\\Autre\\", "C:\\Un\\Autre\\v.tmp",
                  "dossier C:\\Deux\\", "C:\\Deux\\z.tmp"}));
}

// A chain of 100,000 folders with one file at the bottom, a depth that no thread's stack
// holds one frame per level for.
TEST(Nettoyer, ArbreTrèsProfond) {
    constexpr size_t Niveaux = 100'000;
    struct Chaîne : ListeurDossiers {
        size_t listés = 0;
        bool Liste(const std::string& rep, VisiteurDossier& v) override {
            ++listés;
            // "C:\" then "d\" per level.
            v.Entrée((rep.size() - 3) / 2 < Niveaux ? D("d") : F("fond.tmp"));
            return true;
        }
    } l;
    struct Compte : SuiviRecensement {
        size_t dossiers = 0;
        std::vector<size_t> trouvés;  // the lengths of the paths found
        void Dossier(const std::string&) override { ++dossiers; }
        void Trouvé(const FichierTrouvé& f) override { trouvés.push_back(f.chemin.size()); }
        bool Interrompu() override { return false; }
    } s;
    Nettoyer("C:", l, {"tmp"}, s);
    EXPECT_EQ(l.listés, Niveaux + 1);
    EXPECT_EQ(s.dossiers, Niveaux + 1);
    EXPECT_EQ(s.trouvés, std::vector<size_t>{3 + 2 * Niveaux + 8});
}

TEST(Nettoyer, RèglesDeCorrespondance) {
    ListeurMémoire l;
    l.Pose("T:\\",
           {F("REPORT.TMP"), F("report.tmp.bak"), F(".tmp"), F("TMP"), F("atmp"),
            F("caché.tmp", 1, Attr::Caché | Attr::Système), F("seul.tmp", 1, Attr::LectureSeule),
            F("étÉ.ÉTÉ"), F("lien.tmp", 1, Attr::PointDAnalyse), F("VOLUME.TMP", 0, 0x8),
            D("jonction", Attr::Dossier | Attr::PointDAnalyse), D(".cache"), D("ok")});
    l.Pose("T:\\jonction\\", {F("dehors.tmp")});
    l.Pose("T:\\.cache\\", {F("dehors.tmp")});
    SuiviJournal s;
    // "tmp" listed twice: a file still counts once; "été" matches "ÉTÉ" in any case.
    Nettoyer("T:\\", l, {"tmp", "bak", "Tmp", "été"}, s);
    EXPECT_EQ(s.journal, (std::vector<std::string>{
                             "dossier T:\\", "T:\\REPORT.TMP", "T:\\report.tmp.bak",
                             "T:\\caché.tmp", "T:\\seul.tmp", "T:\\étÉ.ÉTÉ", "dossier T:\\ok\\"}));
    // The folder that cannot be listed ("ok") is passed over; links are never opened.
    EXPECT_EQ(l.listés, (std::vector<std::string>{"T:\\", "T:\\ok\\"}));
}

struct Recenser : ::testing::Test {
    ParamètresNettix p;
    ListeurMémoire l;
    FichiersMémoire fichiers;
    VueJournal vue;
    HorlogeFixe horloge;
    const TraceNettix trace{horloge, "C:\\Vud\\Nettix.log"};
    Nettix n{p, l, fichiers, vue, &trace};

    void TearDown() override { EXPECT_EQ(vue.lignesFausses, 0); }
    void SetUp() override {
        vue.modèle = &n;
        p.unités = UnitésConstruit({{"C:", "3"}, {"D:", "3"}, {"T:", "3"}});
        p.unités.Choisit(0, true);
        p.unités.Choisit(2, true);
        p.extensions.Ajoute("tmp");
        p.extensions.Ajoute("old");
        p.extensions.ChoisitTout(true);
        l.Pose("C:\\", {F("a.tmp", 100), D("W")});
        l.Pose("C:\\W\\", {F("b.old", 20), F("c.tmp", 3)});
        l.Pose("D:\\", {F("d.tmp", 1000)});
        // The host's links, a file and a folder, look like plain entries.
        l.Pose("T:\\", {F("lien.tmp", 7), D("lien"), F("e.tmp", 4000)});
        l.Pose("T:\\lien\\", {F("dehors.tmp")});
        l.liens = {"T:\\LIEN.TMP", "T:\\LIEN"};
        for (const char* f : {"C:\\a.tmp", "C:\\W\\b.old", "C:\\W\\c.tmp", "T:\\e.tmp",
                              "T:\\lien.tmp", "T:\\lien\\dehors.tmp"})
            fichiers.PoseFichier(f, "x");
    }
};

TEST_F(Recenser, RevueConserverPuisEffacerAvecUnÉchec) {
    n.Recenser();
    EXPECT_EQ(vue.liste,
              (std::vector<std::string>{"C:\\a.tmp", "C:\\W\\b.old", "C:\\W\\c.tmp", "T:\\e.tmp"}));
    EXPECT_EQ(vue.total, "4'123 bytes");
    EXPECT_EQ(vue.état, ÉtatFenêtre::Revue);
    EXPECT_EQ(vue.statut, "Fichiers à supprimer :");
    EXPECT_EQ(vue.bips, 1);
    EXPECT_FALSE(vue.conserver);
    EXPECT_GT(vue.cessions, 5);

    // Keeping the last entry selects the new last one.
    n.Sélectionne(3);
    EXPECT_TRUE(vue.conserver);
    n.Conserver();
    EXPECT_EQ(vue.total, "123 bytes");
    EXPECT_EQ(vue.liste.size(), 3u);
    EXPECT_EQ(vue.sélection, 2);
    EXPECT_TRUE(vue.conserver);
    n.Sélectionne(0);
    n.Conserver();
    EXPECT_EQ(vue.sélection, 0);
    EXPECT_EQ(vue.liste.front(), "C:\\W\\b.old");

    fichiers.entrées[FichiersMémoire::Clé("C:\\W\\b.old")].verrouillé = true;  // read-only
    // While the deletion runs, "Conserver" stays disabled, and a click on the list and on
    // the button change nothing of what is deleted.
    bool permisPendant = false;
    vue.pendantCession = [&] {
        n.Sélectionne(0);
        n.Conserver();
        permisPendant = permisPendant || vue.conserver;
    };
    n.Effacer();
    vue.pendantCession = nullptr;
    EXPECT_FALSE(permisPendant);
    EXPECT_EQ(vue.fin, "");
    EXPECT_EQ(vue.liste, std::vector<std::string>{"C:\\W\\b.old"});
    EXPECT_EQ(vue.état, ÉtatFenêtre::Échecs);
    EXPECT_EQ(vue.statut, "Impossible de supprimer ces fichiers :");
    EXPECT_EQ(vue.total, "20 bytes");
    EXPECT_EQ(vue.bips, 2);
    EXPECT_TRUE(fichiers.Existe("C:\\a.tmp"));
    EXPECT_FALSE(fichiers.Existe("C:\\W\\c.tmp"));
    EXPECT_TRUE(fichiers.Existe("T:\\e.tmp"));
    EXPECT_EQ(fichiers.Contenu(trace.chemin),
              "07.12.98 12:00 Unit\xE9s : C: T: ; extensions : old tmp ; fichiers supprim\xE9s : 1 "
              "; octets lib\xE9r\xE9s : 3 ; non supprim\xE9s : 1 (C:\\W\\b.old : Acc\xE8s "
              "refus\xE9.)\r\n");

    // The failure list can still be kept from; keeping the last file goes back to the input.
    n.Sélectionne(0);
    n.Conserver();
    EXPECT_EQ(vue.état, ÉtatFenêtre::Saisie);
    EXPECT_TRUE(vue.liste.empty());
}

TEST_F(Recenser, EffacerGardeLesÉchecsDansLeurOrdre) {
    n.Recenser();
    fichiers.entrées[FichiersMémoire::Clé("C:\\a.tmp")].verrouillé = true;
    fichiers.entrées[FichiersMémoire::Clé("C:\\W\\c.tmp")].verrouillé = true;
    n.Effacer();
    const std::vector<std::string> restent{"C:\\a.tmp", "C:\\W\\c.tmp"};
    EXPECT_EQ(vue.liste, restent);
    ASSERT_EQ(n.Trouvés().size(), 2u);
    EXPECT_EQ(n.Trouvés()[0].chemin + n.Trouvés()[1].chemin, restent[0] + restent[1]);
    EXPECT_FALSE(fichiers.Existe("C:\\W\\b.old") || fichiers.Existe("T:\\e.tmp"));
}

TEST_F(Recenser, EffacerToutTerminaSansEnregistrer) {
    n.Recenser();
    n.Effacer();
    EXPECT_EQ(vue.fin, "immédiate");
    EXPECT_TRUE(vue.liste.empty());
    EXPECT_FALSE(fichiers.Existe("T:\\e.tmp"));
    // The links were neither listed (the list held only deleted files) nor entered.
    EXPECT_TRUE(fichiers.Existe("T:\\lien.tmp") && fichiers.Existe("T:\\lien\\dehors.tmp"));
    EXPECT_EQ(std::count(l.listés.begin(), l.listés.end(), "T:\\lien\\"), 0);
}

TEST_F(Recenser, RienTrouvéDéchargeLaFenêtre) {
    p.extensions.ChoisitTout(false);
    p.extensions.Choisit(p.extensions.Ajoute("zzz"), true);
    n.Recenser();
    EXPECT_EQ(vue.fin, "enregistre");
    EXPECT_EQ(vue.bips, 0);
    EXPECT_EQ(fichiers.Contenu(trace.chemin),
              "07.12.98 12:00 Unit\xE9s : C: T: ; extensions : zzz ; fichiers supprim\xE9s : 0 ; "
              "octets lib\xE9r\xE9s : 0 ; non supprim\xE9s : 0\r\n");
}

TEST_F(Recenser, AutomatiqueEfface_EtTermineMêmeAvecDesÉchecs) {
    p.automatique = true;
    fichiers.entrées[FichiersMémoire::Clé("T:\\e.tmp")].verrouillé = true;
    n.Recenser();
    EXPECT_EQ(vue.fin, "immédiate");
    EXPECT_EQ(vue.liste, std::vector<std::string>{"T:\\e.tmp"});
    EXPECT_FALSE(fichiers.Existe("C:\\a.tmp"));
    EXPECT_EQ(vue.bips, 0);
    const std::string& trace = fichiers.Contenu(this->trace.chemin);
    EXPECT_NE(
        trace.find("supprim\xE9s : 3 ; octets lib\xE9r\xE9s : 123 ; non supprim\xE9s : 1 (T:"),
        std::string::npos)
        << trace;
}

TEST_F(Recenser, AnnulerPendantLeRecensementRevientÀLaSaisie) {
    vue.pendantCession = [&] {
        if (vue.liste.size() == 2) n.Annuler();
    };
    n.Recenser();
    EXPECT_EQ(vue.état, ÉtatFenêtre::Saisie);
    EXPECT_TRUE(vue.liste.empty());
    EXPECT_FALSE(n.EnCours());
    // Stopped before the next sub-folder entry and before the next drive.
    EXPECT_EQ(l.listés, (std::vector<std::string>{"C:\\", "C:\\W\\"}));
    EXPECT_EQ(vue.fin, "");
    EXPECT_FALSE(fichiers.Existe(trace.chemin));  // an abandoned census deleted nothing
}

TEST_F(Recenser, LeModeChangéPendantLeRecensementDécideDeLaSuite) {
    int basculements = 0;
    vue.pendantCession = [&] {
        if (vue.liste.size() == 1 && basculements++ < 1) n.ModeBascule();
    };
    n.Recenser();
    EXPECT_TRUE(vue.automatique);
    EXPECT_EQ(vue.fin, "immédiate");  // the deletion followed the census at once
}

TEST_F(Recenser, AnnulerPendantLEffacementVideEtTermine) {
    n.Recenser();
    vue.pendantCession = [&] { n.Annuler(); };
    n.Effacer();
    EXPECT_EQ(vue.fin, "immédiate");
    EXPECT_FALSE(fichiers.Existe("C:\\a.tmp"));
    EXPECT_TRUE(fichiers.Existe("C:\\W\\b.old"));  // not yet reached
}

TEST(Total, SoixanteQuatreBits) {
    EXPECT_EQ(TotalTexte(0), "0 bytes");
    EXPECT_EQ(TotalTexte(1234567), "1'234'567 bytes");
    EXPECT_EQ(TotalTexte(6442450944ull), "6'442'450'944 bytes");
}
