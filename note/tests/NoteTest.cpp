// The note file: default text, reading and writing, and the questions around them.
#include <gtest/gtest.h>

#include "CasFichiersTexte.h"
#include "Doubles.h"
#include "Note.h"
#include "Texte1252.h"

using namespace std::string_literals;

namespace {

const std::string Chemin = "C:\\Vud\\tel.txt";

std::vector<std::string> Lignes(const std::string& t) {
    std::vector<std::string> l;
    std::size_t début = 0, fin;
    while ((fin = t.find("\r\n", début)) != std::string::npos) {
        l.push_back(t.substr(début, fin - début));
        début = fin + 2;
    }
    l.push_back(t.substr(début));
    return l;
}

}  // namespace

TEST(NoteDéfaut, NeufLignesEtDeuxièmeColonneAuVingtCinquièmeCaractère) {
    const std::string t = NoteDéfaut();
    ASSERT_EQ(t.substr(t.size() - 2), "\r\n");
    const auto l = Lignes(t.substr(0, t.size() - 2));
    ASSERT_EQ(l.size(), 9u);
    EXPECT_EQ(l[0], "Nom                     Adresse ou téléphone utile");
    EXPECT_EQ(l[1], "------------------      --------------------------");
    EXPECT_EQ(l[2], "Orvan 98 - Pensil       www.orvan98.ch");
    // Counted in characters of the file (Windows-1252: one byte each).
    EXPECT_EQ(VersWindows1252(l[0])->find("Adresse"), 24u);
    EXPECT_EQ(l[1].find("--", 18), 24u);
    EXPECT_EQ(l[2].find("www"), 24u);
    for (std::size_t i : {3u, 5u, 7u}) EXPECT_EQ(l[i], "") << i;
    EXPECT_EQ(l[4],
              "Orvan 98 est un programme en cours de création. Il n'est malheureusement pas "
              "parfait. C'est pourquoi vous pourrez trouver sur Internet des mises à jour "
              "assez fréquentes.");
    EXPECT_EQ(l[6], "Votre contribution financière ou vos conseils seront toujours les bienvenus.");
    EXPECT_EQ(l[8],
              "Je vous remercie de votre compréhension. Ce message peut être effacé et être "
              "remplacé par des annotations que vous ne désirez pas oublier.");
}

TEST(NoteChemin, DansLeDossierDuProgramme) {
    EXPECT_EQ(NoteChemin(Programme::DepuisChemin("C:\\Vud\\Pensil.exe")), "C:\\Vud\\tel.txt");
    EXPECT_EQ(NoteChemin(Programme::DepuisChemin("D:\\Pensil.exe")), "D:\\tel.txt");
}

TEST(NoteDepuisOctets, LignesJointesSansSautFinal) {
    struct Cas {
        std::string octets, texte;
    } cas[] = {
        {"", ""},
        {"\r\n", ""},
        {"a", "a"},
        {"a\r\n", "a"},
        {"a\r\nb\r\n", "a\r\nb"},
        {"a\r\n\r\n", "a\r\n"},  // a last empty line survives
        {"\r\n\r\n\r\n", "\r\n\r\n"},
        {"a\nb\n", "a\r\nb"},  // lone LF: a line end too
        {"a\rb\r", "a\r\nb"},  // lone CR
        {"a\r\r\nb", "a\r\n\r\nb"},
        {"caf\xE9 \x80", "café €"},         // Windows-1252
        {"a\0b"s, "a b"},                   // NUL would cut the edit control's text
        {"\xEF\xBB\xBFt\xC3\xA9l", "tél"},  // UTF-8 with its byte-order mark
        {"\xEF\xBB\xBF\xE9", "ï»¿é"},       // a mark followed by no valid UTF-8: 1252
    };
    for (const auto& c : cas) EXPECT_EQ(NoteDepuisOctets(c.octets), c.texte) << c.octets;
}

TEST(NoteVersOctets, TexteEtUnSautEn1252) {
    EXPECT_EQ(*NoteVersOctets(""), "\r\n");
    EXPECT_EQ(*NoteVersOctets("a\r\n"), "a\r\n\r\n");
    EXPECT_EQ(*NoteVersOctets("Zoé € œ"), "Zo\xE9 \x80 \x9C\r\n");
    const auto refus = NoteVersOctets("a → b");
    ASSERT_FALSE(refus);
    EXPECT_EQ(refus.erreur, "→");
}

TEST(NoteAllerRetour, OkPuisRedémarrageRendLeMêmeTexte) {
    for (const std::string t : {"", "a", "a\r\n", "\r\n\r\nx\r\n\r\n", "Noël\r\n  ÀÉÈ\r\n€"}) {
        EXPECT_EQ(NoteDepuisOctets(*NoteVersOctets(t)), t);
    }
}

TEST(NoteCharge, CréeLeFichierAbsentAvecLeTexteParDéfaut) {
    FichiersMémoire f;
    DialoguesScript d;
    const auto n = NoteCharge(f, d, Chemin);
    EXPECT_EQ(f.Contenu(Chemin), *VersWindows1252(NoteDéfaut()));
    EXPECT_EQ(n.texte, NoteDéfaut().substr(0, NoteDéfaut().size() - 2));
    EXPECT_TRUE(n.lue);
    EXPECT_TRUE(d.boîtes.empty());
}

TEST(NoteCharge, NeRemplaceJamaisUnFichierExistantMêmeVide) {
    FichiersMémoire f;
    DialoguesScript d;
    f.PoseFichier(Chemin, "");
    EXPECT_EQ(NoteCharge(f, d, Chemin).texte, "");
    EXPECT_EQ(f.Contenu(Chemin), "");
    f.PoseFichier(Chemin, "Jean\t021 \xE9\r\n");
    EXPECT_EQ(NoteCharge(f, d, Chemin).texte, "Jean\t021 é");
    EXPECT_EQ(f.journal.size(), 0u);
}

TEST(NoteCharge, LitLesFichiersDeChaqueÉditeur) {
    for (const auto& c : CasFichiersTexte) {
        FichiersMémoire f;
        DialoguesScript d;
        f.PoseFichier(Chemin, c.octets);
        EXPECT_EQ(NoteCharge(f, d, Chemin).texte, c.texte) << c.nom;
    }
}

TEST(NoteCharge, LectureImpossibleSignaléeEtNoteNonLue) {
    FichiersMémoire f;
    DialoguesScript d;
    f.PoseFichier(Chemin, "secret");
    f.échecs["Lire:" + FichiersMémoire::Clé(Chemin)] = "Violation de partage.";
    const auto n = NoteCharge(f, d, Chemin);
    EXPECT_FALSE(n.lue);
    EXPECT_EQ(n.texte, "");
    ASSERT_EQ(d.boîtes.size(), 1u);
    EXPECT_NE(d.boîtes[0].texte.find("lire le fichier \"C:\\Vud\\tel.txt\""), std::string::npos);
    EXPECT_NE(d.boîtes[0].texte.find("(Violation de partage.)"), std::string::npos);
    EXPECT_EQ(f.Contenu(Chemin), "secret");
}

TEST(NoteCharge, CréationImpossibleSignaléeEtTexteParDéfautAffiché) {
    FichiersMémoire f;
    DialoguesScript d;
    f.PoseDossier(Chemin);  // a folder named tel.txt is no note file
    f.échecs["Écrire:" + FichiersMémoire::Clé(Chemin)] = "Accès refusé.";
    const auto n = NoteCharge(f, d, Chemin);
    ASSERT_EQ(d.boîtes.size(), 1u);
    EXPECT_NE(d.boîtes[0].texte.find("créer le fichier"), std::string::npos);
    EXPECT_EQ(d.boîtes[0].titre, "Talmon - Attention");
    EXPECT_EQ(n.texte + "\r\n", NoteDéfaut());
    EXPECT_TRUE(n.lue);  // nothing on disk to protect
}

TEST(NoteEnregistre, ÉcritLeTexteEtUnSaut) {
    FichiersMémoire f;
    DialoguesScript d;
    EXPECT_TRUE(NoteEnregistre(f, d, Chemin, "Zoé\r\n", true));
    EXPECT_EQ(f.Contenu(Chemin), "Zo\xE9\r\n\r\n");
    EXPECT_TRUE(d.boîtes.empty());
}

TEST(NoteEnregistre, CaractèreHors1252SignaléAvantToutÉcriture) {
    FichiersMémoire f;
    DialoguesScript d;
    f.PoseFichier(Chemin, "ancien");
    EXPECT_FALSE(NoteEnregistre(f, d, Chemin, "Tél. ☎ 021", true));
    EXPECT_EQ(f.Contenu(Chemin), "ancien");
    EXPECT_TRUE(f.journal.empty());
    ASSERT_EQ(d.boîtes.size(), 1u);
    EXPECT_NE(d.boîtes[0].texte.find("Le caractère \"☎\""), std::string::npos);
}

TEST(NoteEnregistre, ÉchecDÉcritureSignaléTexteGardé) {
    FichiersMémoire f;
    DialoguesScript d;
    f.PoseFichier(Chemin, "ancien");
    f.entrées[FichiersMémoire::Clé(Chemin)].verrouillé = true;
    EXPECT_FALSE(NoteEnregistre(f, d, Chemin, "nouveau", true));
    EXPECT_EQ(f.Contenu(Chemin), "ancien");
    ASSERT_EQ(d.boîtes.size(), 1u);
    EXPECT_NE(d.boîtes[0].texte.find("(Accès refusé.)"), std::string::npos);
    EXPECT_EQ(d.boîtes[0].drapeaux, Mb::Ok | Mb::IcôneExclamation);
}

TEST(NoteEnregistre, FichierNonLuRemplacéSeulementSurConfirmation) {
    FichiersMémoire f;
    DialoguesScript d;
    f.PoseFichier(Chemin, "illisible");
    d.réponses = {Réponse::Non, Réponse::Oui};
    EXPECT_FALSE(NoteEnregistre(f, d, Chemin, "x", false));
    EXPECT_EQ(f.Contenu(Chemin), "illisible");
    EXPECT_EQ(d.boîtes[0].drapeaux, Mb::OuiNon | Mb::IcôneQuestion | Mb::DéfautBouton2);
    EXPECT_TRUE(NoteEnregistre(f, d, Chemin, "x", false));
    EXPECT_EQ(f.Contenu(Chemin), "x\r\n");
}

TEST(FermetureDemande, TexteInchangéFermeSansQuestion) {
    DialoguesScript d;
    EXPECT_EQ(FermetureDemande(d, "a\r\nb", "a\r\nb"), Fermeture::Fermer);
    EXPECT_TRUE(d.boîtes.empty());
}

TEST(FermetureDemande, TexteModifiéDemandeOuiNonAnnuler) {
    struct Cas {
        Réponse réponse;
        Fermeture attendue;
    } cas[] = {{Réponse::Oui, Fermeture::Enregistrer},
               {Réponse::Non, Fermeture::Fermer},
               {Réponse::Annuler, Fermeture::Rester}};
    for (const auto& c : cas) {
        DialoguesScript d;
        d.réponses = {c.réponse};
        EXPECT_EQ(FermetureDemande(d, "neuf", "ancien"), c.attendue);
        ASSERT_EQ(d.boîtes.size(), 1u);
        EXPECT_EQ(d.boîtes[0].texte, "Voulez-vous enregistrer les modifications de la note ?");
        EXPECT_EQ(d.boîtes[0].titre, "Orvan 98");
        EXPECT_EQ(d.boîtes[0].drapeaux, Mb::OuiNonAnnuler | Mb::IcôneQuestion);
    }
}
