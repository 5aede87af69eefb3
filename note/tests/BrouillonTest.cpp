// The draft beside tel.txt over the doubles: its life while typing, and the start question.
#include <gtest/gtest.h>

#include "Brouillon.h"
#include "DateHeure.h"
#include "Doubles.h"

namespace {
const std::string Note = "C:\\Vud\\tel.txt", Chemin = "C:\\Vud\\tel.txt.brouillon";
}  // namespace

// One session: each row is the text at a timer's end, with the failures of the moment.
TEST(Brouillon, ÉcritTantQueLeTexteDiffèreSupprimeQuandIlRedevientÉgal) {
    struct Cas {
        std::string texte, échec;  // échec: "Écrire" or "Supprimer" fails
        bool fait;
        std::string disque;  // the draft's bytes, "" when absent
    } cas[] = {
        {"note", "", true, ""},  // unchanged: no draft
        {"a", "", true, "a\r\n"},
        {"é\r\n", "", true, "\xE9\r\n\r\n"},         // as tel.txt: Windows-1252, one CR LF
        {"☎", "", true, "\xE2\x98\x8E\r\n"},         // beyond 1252: kept whole in UTF-8
        {"b", "Écrire", false, "\xE2\x98\x8E\r\n"},  // retried later, the last draft whole
        {"b", "", true, "b\r\n"},
        {"note", "Supprimer", false, "b\r\n"},
        {"note", "", true, ""},
    };
    FichiersMémoire f;
    ÉtatBrouillon b;
    b.chemin = BrouillonChemin(Note);
    for (const auto& c : cas) {
        f.échecs.clear();
        if (!c.échec.empty()) f.échecs[c.échec + ":" + FichiersMémoire::Clé(Chemin)] = "Refusé.";
        EXPECT_EQ(BrouillonMetÀJour(b, f, c.texte, "note"), c.fait) << c.texte;
        EXPECT_EQ(f.Existe(Chemin) ? f.Contenu(Chemin) : "", c.disque) << c.texte;
    }
    // The same text twice is written once; a draft removed by someone else is gone.
    f.journal.clear();
    BrouillonMetÀJour(b, f, "c", "note");
    BrouillonMetÀJour(b, f, "c", "note");
    EXPECT_EQ(f.journal.size(), 1u);
    f.entrées.clear();
    EXPECT_TRUE(BrouillonMetÀJour(b, f, "note", "note"));
}

TEST(Brouillon, AuDémarrageProposéRepriseOuSuppression) {
    const double date = *DateDepuisParties({2026, 12, 9, 23, 7, 59});
    struct Cas {
        std::string échec;  // "Lire" or "Date" fails; "dossier": a folder of that name
        std::string octets;
        Réponse réponse;
        bool question;
        std::optional<std::string> repris;
        bool reste, resteAprèsOk;
    } cas[] = {
        {"", "brouillon\r\n", Réponse::Oui, true, "brouillon", true, false},
        {"", "brouillon\r\n", Réponse::Non, true, {}, false, false},
        {"", "note\r\n", Réponse::Oui, false, {}, false, false},  // nothing to take up
        {"Lire", "brouillon\r\n", Réponse::Oui, false, {}, true, true},
        {"Date", "brouillon\r\n", Réponse::Oui, false, {}, true, true},
        {"dossier", "", Réponse::Oui, false, {}, true, true},
    };
    for (const auto& c : cas) {
        FichiersMémoire f;
        DialoguesScript d;
        d.réponses = {c.réponse};
        if (c.échec == "dossier")
            f.PoseDossier(Chemin);
        else
            f.PoseFichier(Chemin, c.octets, date);
        f.échecs[c.échec + ":" + FichiersMémoire::Clé(Chemin)] = "Refusé.";
        ÉtatBrouillon b = BrouillonReprend(f, d, Note, {"note", true});
        EXPECT_EQ(b.repris, c.repris) << c.octets << c.échec;
        EXPECT_EQ(f.Existe(Chemin), c.reste) << c.octets << c.échec;
        ASSERT_EQ(d.boîtes.size(), c.question ? 1u : 0u);
        if (c.question) {
            EXPECT_EQ(d.boîtes[0].texte,
                      "Pensil n'a pas été fermé normalement. Reprendre la note "
                      "non enregistrée du 09.12.2026 à 23:07 ?");
            EXPECT_EQ(d.boîtes[0].titre, "Orvan 98");
            EXPECT_EQ(d.boîtes[0].drapeaux, Mb::OuiNon | Mb::IcôneQuestion);
        }
        BrouillonSupprime(b, f);  // Ok, or Non to the closing question
        EXPECT_EQ(f.Existe(Chemin), c.resteAprèsOk) << c.octets << c.échec;
    }
}
