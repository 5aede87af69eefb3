// The self-update check: update folder question, publishing, hand-over to the installer.
#include "MiseAJour.h"

#include <algorithm>

#include "Existence.h"
#include "SautsDeLigne.h"
#include "Suite.h"
#include "Texte.h"
#include "Valeurs.h"

namespace {

const char* const kValeur = "RépertoireMiseAJour";
const char* const kSection = "Talmon";

std::string AvecBarre(std::string s) {
    if (s.empty() || s.back() != '\\') s += '\\';
    return s;
}

std::string Sauts(int n) {
    return SautLigne(Variant(static_cast<int32_t>(n)));
}

std::string MessageRemploIntrouvable(const Programme& p) {
    return "Je ne trouve pas le programme \"Remplo.exe\" dans le répertoire \"" + p.dossier +
           "\" qui me sert à tenir vos programmes à jour !";
}

std::string MessageDateIllisible(const std::string& chemin) {
    return "Je ne peux pas obtenir la date du fichier \"" + chemin + "\" !";
}

struct Vérification {
    ContexteMiseAJour& c;

    bool RemploPrésent() {
        return FichierExiste(c.fichiers, c.programme.DossierLocal() + "Remplo.exe");
    }

    void Avertit(const std::string& texte) {
        c.dialogues.Message(texte, TitreAvertissement, Mb::Ok | Mb::IcôneExclamation);
    }

    // Asks until an answer is accepted; "" when the user cancels.
    std::string DemandeDossier(const std::string& précédent) {
        const std::string fin =
            EstBlanc(précédent)
                ? std::string(")")
                : std::string(
                      ", ou cliquez sur \"Annuler\" pour conserver le répertoire actuel "
                      "et renoncer temporairement à la mise à jour automatique jusqu'à "
                      "que ce répertoire soit à nouveau accessible)");
        const std::string invite =
            "Ce programme est équipé du système de mise à jour automatique. Ceci lui permet de "
            "se mettre automatiquement à jour dès qu'une nouvelle version est disponible dans le "
            "répertoire de mise à jour." +
            Sauts(2) + "Répertoire de mise à jour :" + Sauts(2) +
            "(Typer un signe moins (-) si votre ordinateur n'est pas en réseau ou si vous ne "
            "désirez pas bénéficier de la mise à jour automatique" +
            fin;
        std::string défaut = précédent;
        for (;;) {
            std::string réponse(SansBlancs(c.dialogues.Saisie(invite, "Talmon", défaut)));
            if (réponse.empty() || réponse == "-") return réponse;
            réponse = AvecBarre(réponse);
            if (RemploPrésent()) return réponse;
            c.dialogues.Message(MessageRemploIntrouvable(c.programme), TitreAttentionVive,
                                Mb::Ok | Mb::IcôneExclamation);
            défaut = réponse;
        }
    }

    IssueMiseAJour Publie(const std::string& local, const std::string& distant, double dateLocale) {
        if (FichierExiste(c.fichiers, distant)) {
            const auto date = c.fichiers.DateModification(distant);
            if (!date) {
                Avertit(MessageDateIllisible(distant));
                return IssueMiseAJour::Continuer;
            }
            if (*date >= dateLocale) return IssueMiseAJour::Continuer;
            c.dialogues.Bip();
            if (const auto s = c.fichiers.Supprimer(distant); !s) {
                Avertit("Je ne parviens pas à détruire l'ancienne version du programme \"" +
                        c.programme.nom + "\" dans le répertoire réseau \"" + Dossier() +
                        "\" pour la mettre à jour !" + Sauts(2) + "(" + s.erreur + ")");
                return IssueMiseAJour::Continuer;
            }
        }
        if (!c.fichiers.Copier(local, distant))
            Avertit("Je ne parviens pas à copier la nouvelle version du programme \"" +
                    c.programme.nom + "\" dans le répertoire réseau \"" + Dossier() +
                    "\" à partir de celle se trouvant dans le répertoire \"" +
                    c.programme.DossierLocal() + "\" !" + Sauts(2) +
                    "CE PROGRAMME N'EXISTE DONC PLUS SUR LE RÉSEAU !");
        return IssueMiseAJour::Continuer;
    }

    IssueMiseAJour MetAJour(const std::string& distant, double dateLocale) {
        if (!FichierExiste(c.fichiers, distant)) return IssueMiseAJour::Continuer;
        const auto date = c.fichiers.DateModification(distant);
        if (!date) {
            Avertit(MessageDateIllisible(distant));
            return IssueMiseAJour::Continuer;
        }
        if (!(*date > dateLocale)) return IssueMiseAJour::Continuer;
        if (c.lanceur.Lance(LigneRemplo(c.programme, Dossier()), 1))
            return IssueMiseAJour::Terminer;
        const Réponse r = c.dialogues.Message(
            "Le programme \"" + c.programme.nom +
                "\" doit être mis à jour mais je ne peux pas lancer le programme de mise à jour "
                "(Remplo.exe) !" +
                Sauts(2),
            TitreAttention, Mb::OuiNon | Mb::IcôneQuestion | Mb::DéfautBouton1);
        return r == Réponse::Non ? IssueMiseAJour::Terminer : IssueMiseAJour::Continuer;
    }

    std::string dossier;
    const std::string& Dossier() const { return dossier; }

    bool DossierAtteint() {
        if (!c.fichiersDossier || !c.ouvrier) return RepertoireExiste(c.fichiers, dossier);
        return RepertoireExisteDansLeDélai(*c.ouvrier, c.fichiersDossier, dossier, c.délaiDossier)
            .value_or(false);
    }

    IssueMiseAJour Exécute() {
        if (c.relancé) return IssueMiseAJour::Continuer;
        const std::string précédent =
            VersTexte(c.registre.ParamLit(kValeur, std::string(kSection), true));
        dossier = précédent;
        if (dossier != "-" && !dossier.empty()) {
            dossier = AvecBarre(dossier);
            // An unreachable folder (network drive not connected, or not answering in
            // time) is checked again next time.
            if (!DossierAtteint()) return IssueMiseAJour::Continuer;
            if (!RemploPrésent()) {
                const Réponse r = c.dialogues.Message(
                    MessageRemploIntrouvable(c.programme) + Sauts(1) +
                        "Désirez-vous CONSERVER ce nom de répertoire ?" + Sauts(2) +
                        "Répondez OUI S'IL EST TEMPORAIREMENT INATTEIGNABLE." + Sauts(2) +
                        "Répondez NON pour changer de répertoire ou renoncer définitivement à ce "
                        "service.",
                    TitreAttention, Mb::OuiNon | Mb::IcôneQuestion | Mb::DéfautBouton1);
                if (r != Réponse::Non) return IssueMiseAJour::Continuer;
                dossier.clear();
            }
        }
        if (dossier.empty()) {
            dossier = DemandeDossier(précédent);
            if (dossier.empty()) return IssueMiseAJour::Continuer;
            c.registre.ParamEcrit(kValeur, dossier, std::string(kSection), true);
        }
        if (dossier == "-") return IssueMiseAJour::Continuer;

        const std::string local = c.programme.DossierLocal();
        if (ÉgalSansCasse(local, dossier)) {
            c.dialogues.Message(
                "Il n'est pas permis d'exécuter ce programme depuis son répertoire de mise à "
                "jour !" +
                    Sauts(2) +
                    "Vous pouvez cependant en faire une copie sur votre disque dur et exécuter "
                    "cette dernière !",
                TitreAttention, Mb::Ok | Mb::IcôneExclamation);
            return IssueMiseAJour::Terminer;
        }
        const std::string exécutable = local + c.programme.nom + ".exe";
        const auto dateLocale = c.fichiers.DateModification(exécutable);
        if (!dateLocale) {
            Avertit(MessageDateIllisible(exécutable));
            return IssueMiseAJour::Continuer;
        }
        const std::string distant = dossier + c.programme.nom + ".exe";
        if (FichierExiste(c.fichiers, local + c.programme.nom + ".vbp"))
            return Publie(exécutable, distant, *dateLocale);
        return MetAJour(distant, *dateLocale);
    }
};

}  // namespace

std::string LigneRemplo(const Programme& programme, const std::string& dossierMiseAJour) {
    std::string installateur = programme.DossierLocal() + "Remplo.exe";
    // A folder with blanks would make the program path ambiguous to the platform.
    if (installateur.find(' ') != std::string::npos) installateur = '"' + installateur + '"';
    return installateur + " \"" + dossierMiseAJour + programme.nom + ".exe\" \"" +
           programme.DossierLocal() + programme.nom + ".exe\"";
}

IssueMiseAJour MiseAJourVerifie(ContexteMiseAJour& c) {
    return Vérification{c, {}}.Exécute();
}
