// The draft beside tel.txt: writing, removal and the start question.
#include "Brouillon.h"

#include "DateHeure.h"
#include "SautsDeLigne.h"

std::string BrouillonChemin(const std::string& cheminNote) {
    return cheminNote + ".brouillon";
}

std::string BrouillonQuestion(double date) {
    return "Pensil n'a pas été fermé normalement. Reprendre la note non enregistrée du " +
           FormatDate(date, "dd.mm.yyyy") + " à " + FormatDate(date, "hh:mm") + " ?";
}

ÉtatBrouillon BrouillonReprend(Fichiers& fichiers, Dialogues& dialogues,
                               const std::string& cheminNote, const NoteChargée& note) {
    ÉtatBrouillon b;
    b.chemin = BrouillonChemin(cheminNote);
    const auto attributs = fichiers.Attributs(b.chemin);
    if (!attributs || (*attributs & Attr::Dossier)) return b;
    const auto octets = fichiers.Lire(b.chemin);
    const auto date = fichiers.DateModification(b.chemin);
    if (!octets || !date) return b;
    b.présent = true;
    b.écrit = NoteDepuisOctets(*octets);
    if (b.écrit != note.texte && dialogues.Message(BrouillonQuestion(*date), TitrePensil,
                                                   Mb::OuiNon | Mb::IcôneQuestion) != Réponse::Non)
        b.repris = b.écrit;
    else
        BrouillonSupprime(b, fichiers);
    return b;
}

ActionBrouillon BrouillonAction(const ÉtatBrouillon& b, const std::string& texte,
                                const std::string& texteNote) {
    if (texte == texteNote) return b.présent ? ActionBrouillon::Supprimer : ActionBrouillon::Rien;
    return b.présent && b.écrit == texte ? ActionBrouillon::Rien : ActionBrouillon::Écrire;
}

bool BrouillonMetÀJour(ÉtatBrouillon& b, Fichiers& fichiers, const std::string& texte,
                       const std::string& texteNote) {
    switch (BrouillonAction(b, texte, texteNote)) {
        case ActionBrouillon::Rien:
            return true;
        case ActionBrouillon::Supprimer:
            BrouillonSupprime(b, fichiers);
            return !b.présent;
        case ActionBrouillon::Écrire:
            break;
    }
    // As tel.txt is written; a character Windows-1252 cannot hold only warns at Ok, so
    // the draft then keeps the text in UTF-8, which reads back the same.
    auto octets = NoteVersOctets(texte);
    const std::string données = octets ? *octets : texte + FinDeLigne;
    if (!fichiers.Écrire(b.chemin, données)) return false;
    b.présent = true;
    b.écrit = texte;
    return true;
}

void BrouillonSupprime(ÉtatBrouillon& b, Fichiers& fichiers) {
    // A draft someone else removed already counts as gone.
    if (b.présent && (fichiers.Supprimer(b.chemin) || !fichiers.Attributs(b.chemin)))
        b.présent = false;
}
