// Horlo's command-line words and start-up questions.
#include "Commande.h"

#include "SautsDeLigne.h"
#include "Suite.h"
#include "Texte.h"

namespace {

constexpr const char* TitreInfo = "Orvan 98 info";

}  // namespace

MotHorlo MotDeLaLigne(std::string_view ligne) {
    const std::string mot = Majuscules(SansBlancs(ligne));
    if (mot == "/?") return MotHorlo::Aide;
    if (mot == "/UNINSTALL") return MotHorlo::Désinstalle;
    if (mot == "/O") return MotHorlo::Éditeur;
    return MotHorlo::Aucun;
}

bool RelanceSansÉlévation(Droits& droits, const Programme& programme,
                          const std::string& paramètres) {
    if (droits.DuProcessus() != Élévation::Complète) return false;
    // A shell as elevated as this process would start it elevated again, and again. Any
    // other shell gives its own rights: the restricted ones of the same administrator, or
    // those of the signed-in user when the setup ran under an administrator's account.
    const auto bureau = droits.DuBureau();
    if (!bureau || *bureau == Élévation::Complète) return false;
    return droits.LanceParLeBureau(programme.DossierLocal() + programme.nom + ".exe", paramètres,
                                   programme.dossier);
}

void AideMontre(Dialogues& dialogues) {
    dialogues.Message(
        "Ce programme est un complément à Windows 95." + SautLigne(2) +
            "Sans paramètre, il va s'ouvrir et s'installer dans la barre des tâches à droite au "
            "format mini icône." +
            SautLigne(1) +
            "Avec le paramètre /o vous pouvez ouvrir directement la fenêtre de programmation de "
            "tâches. (ceci au cas ou l'icône ne pourrait être cliquable, merci Microsoft)" +
            SautLigne(1) +
            "Avec le paramètre /uninstall vous pouvez enlever la fonction démarrage automatique",
        TitreInfo, Mb::Ok | Mb::IcôneInformation);
}

bool DésinstallationDemande(Registre& registre, Dialogues& dialogues) {
    const auto r = dialogues.Message(
        "Je suis navré du fait que mon programme ne vous plaise pas." + SautLigne(2) +
            "La procédure de désinstallation va supprimer le démarrage automatique du "
            "programme, Vous pourrez sans autre redémarrez Windows 95, le programme Horlo ne "
            "s'exécutera plus au démarrage." +
            SautLigne(3) + "Voulez-vous vraiment désinstaller l'horlo de Orvan 98 ?",
        TitreInfo, Mb::OuiNon);
    if (r != Réponse::Oui) return false;
    registre.RegistreEfface(Racine::HKLM, CléRun, ValeurRun);
    // A user without the right to write the machine's keys removes only their own copy.
    if (!EstAbsent(registre.RegistreLit(Racine::HKLM, CléRun, ValeurRun)))
        dialogues.Message(
            "Je ne parviens pas à supprimer le démarrage automatique de Horlo : il est inscrit "
            "pour tous les utilisateurs de cet ordinateur, ce que seul un administrateur peut "
            "modifier." +
                SautLigne(2) + "HKEY_LOCAL_MACHINE\\" + CléRun + ", valeur \"" + ValeurRun + "\"" +
                SautLigne(2) +
                "Horlo démarrera encore avec Windows tant qu'un administrateur n'aura pas "
                "supprimé cette valeur.",
            TitreAttention, Mb::Ok | Mb::IcôneExclamation);
    return true;
}

void QuestionDémarrage(Registre& registre, Dialogues& dialogues, const Programme& programme) {
    const Variant valeur = registre.RegistreLit(Racine::HKLM, CléRun, ValeurRun);
    if (EstTexte(valeur) && !std::get<std::string>(valeur).empty()) return;
    const auto r = dialogues.Message(
        "Désirez-vous que ce programme soit lancé automatiquement à chaque démarrage de Windows ?",
        "Attention", Mb::OuiNon | Mb::IcôneQuestion);
    if (r == Réponse::Oui)
        registre.RegistreEcrit(Racine::HKLM, CléRun, ValeurRun,
                               programme.DossierLocal() + programme.nom + ".exe");
}

void MinuterieÉchecSignale(Dialogues& dialogues, const std::string& raison) {
    dialogues.Message("Je ne parviens pas à démarrer l'horloge de Horlo." + SautLigne(2) + raison +
                          SautLigne(2) +
                          "Aucune tâche programmée ne sera exécutée tant que Horlo ne sera pas "
                          "relancé.",
                      TitreAttention, Mb::Ok | Mb::IcôneExclamation);
}
