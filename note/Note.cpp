// The note file tel.txt: default text, reading, writing, and the questions around them.
#include "Note.h"

#include "SautsDeLigne.h"
#include "Suite.h"
#include "Texte.h"
#include "Texte1252.h"

std::string NoteDéfaut() {
    const std::string adresse = "www.orvan98.ch";
    std::string t;
    t += "Nom" + std::string(21, ' ') + "Adresse ou téléphone utile" + FinDeLigne;
    t += std::string(18, '-') + std::string(6, ' ') + std::string(26, '-') + FinDeLigne;
    const std::string signature = "Orvan 98 - Pensil";
    t += signature + std::string(24 - signature.size(), ' ') + adresse + FinDeLigne;
    t += FinDeLigne;
    t += "Orvan 98 est un programme en cours de création. Il n'est malheureusement pas "
         "parfait. C'est pourquoi vous pourrez trouver sur Internet des mises à jour assez "
         "fréquentes.";
    t += FinDeLigne;
    t += FinDeLigne;
    t += "Votre contribution financière ou vos conseils seront toujours les bienvenus.";
    t += FinDeLigne;
    t += FinDeLigne;
    t += "Je vous remercie de votre compréhension. Ce message peut être effacé et être "
         "remplacé par des annotations que vous ne désirez pas oublier.";
    t += FinDeLigne;
    return t;
}

std::string NoteChemin(const Programme& programme) {
    return programme.DossierLocal() + "tel.txt";
}

std::string NoteDepuisOctets(std::string_view octets) {
    const std::string brut = DepuisFichierTexte(octets);
    std::string texte;
    texte.reserve(brut.size() + brut.size() / 16);
    for (std::size_t i = 0; i < brut.size(); ++i) {
        const char c = brut[i];
        if (c == '\r') {
            // CR LF, or a lone CR: one line end either way.
            if (i + 1 < brut.size() && brut[i + 1] == '\n') ++i;
            texte += FinDeLigne;
        } else if (c == '\n') {
            texte += FinDeLigne;
        } else if (c == '\0') {
            texte += ' ';
        } else {
            texte += c;
        }
    }
    if (texte.ends_with(FinDeLigne)) texte.resize(texte.size() - 2);
    return texte;
}

Résultat<std::string> NoteVersOctets(std::string_view texte) {
    auto octets = VersWindows1252(texte);
    if (!octets) return octets;
    std::string o = std::move(*octets.valeur);
    o += FinDeLigne;
    return Résultat<std::string>::Réussi(std::move(o));
}

NoteChargée NoteCharge(Fichiers& fichiers, Dialogues& dialogues, const std::string& chemin) {
    const auto attributs = fichiers.Attributs(chemin);
    if (!attributs || (*attributs & Attr::Dossier)) {
        // The default text is plain ASCII and Latin-1: it always converts.
        const std::string défaut = NoteDéfaut();
        const Statut écrit = fichiers.Écrire(chemin, *VersWindows1252(défaut));
        if (!écrit) {
            dialogues.Message("Je ne parviens pas à créer le fichier \"" + chemin + "\" !" +
                                  FinDeLigne + FinDeLigne + "(" + écrit.erreur + ")",
                              TitreAttention, Mb::Ok | Mb::IcôneExclamation);
            return {NoteDepuisOctets(*VersWindows1252(défaut)), true};
        }
    }
    const auto octets = fichiers.Lire(chemin);
    if (!octets) {
        dialogues.Message("Je ne parviens pas à lire le fichier \"" + chemin + "\" !" + FinDeLigne +
                              FinDeLigne + "(" + octets.erreur + ")" + FinDeLigne + FinDeLigne +
                              "La note est affichée vide ; le fichier ne sera remplacé que si "
                              "vous le confirmez.",
                          TitreAttention, Mb::Ok | Mb::IcôneExclamation);
        return {std::string(), false};
    }
    return {NoteDepuisOctets(*octets), true};
}

bool NoteEnregistre(Fichiers& fichiers, Dialogues& dialogues, const std::string& chemin,
                    const std::string& texte, bool lue) {
    const auto octets = NoteVersOctets(texte);
    if (!octets) {
        dialogues.Message("Le caractère \"" + octets.erreur +
                              "\" ne peut pas être enregistré dans le fichier \"" + chemin +
                              "\" !" + FinDeLigne + FinDeLigne +
                              "Remplacez-le ou supprimez-le, puis cliquez à nouveau sur Ok.",
                          TitreAttention, Mb::Ok | Mb::IcôneExclamation);
        return false;
    }
    if (!lue) {
        const Réponse r = dialogues.Message(
            "Le fichier \"" + chemin + "\" n'a pas pu être lu au démarrage." + FinDeLigne +
                FinDeLigne + "Voulez-vous vraiment remplacer son contenu par le texte affiché ?",
            TitreAttention, Mb::OuiNon | Mb::IcôneQuestion | Mb::DéfautBouton2);
        if (r != Réponse::Oui) return false;
    }
    const Statut écrit = fichiers.Écrire(chemin, *octets);
    if (!écrit) {
        dialogues.Message("Je ne parviens pas à enregistrer la note dans le fichier \"" + chemin +
                              "\" !" + FinDeLigne + FinDeLigne + "(" + écrit.erreur + ")" +
                              FinDeLigne + FinDeLigne + "Votre texte reste affiché.",
                          TitreAttention, Mb::Ok | Mb::IcôneExclamation);
        return false;
    }
    return true;
}

Fermeture FermetureDemande(Dialogues& dialogues, const std::string& texte,
                           const std::string& texteChargé) {
    if (texte == texteChargé) return Fermeture::Fermer;
    switch (dialogues.Message("Voulez-vous enregistrer les modifications de la note ?", TitrePensil,
                              Mb::OuiNonAnnuler | Mb::IcôneQuestion)) {
        case Réponse::Oui:
            return Fermeture::Enregistrer;
        case Réponse::Non:
            return Fermeture::Fermer;
        default:
            return Fermeture::Rester;
    }
}
