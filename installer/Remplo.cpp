// Remplo's command line, its decisions and the installation steps.
#include "Remplo.h"

#include <utility>

#include "Existence.h"
#include "LigneDeCommande.h"
#include "SautsDeLigne.h"
#include "Texte.h"

namespace {

constexpr int FenêtreNormale = 1;

// Takes one of Remplo's quoted paths, `"text"`, off the front of `reste`; nothing when it
// does not start with a quote or its closing quote is missing (where a command line would
// take the rest of the line as the program).
std::optional<std::string> CheminEntreGuillemets(std::string_view& reste) {
    if (reste.empty() || reste.front() != '"' || reste.find('"', 1) == reste.npos) return {};
    const LigneCoupée l = CoupeLigneDeCommande(reste);
    reste = SansBlancs(l.arguments, BlancsEtTabs);
    return std::string(l.programme);
}

// A bare program name ("Nettix") names the executable "Nettix.EXE".
void AvecExtension(std::string& chemin) {
    if (chemin.find('.') == std::string::npos) chemin += ".EXE";
}

}  // namespace

std::optional<LigneRemplo> RemploAnalyse(std::string_view arguments) {
    std::string_view reste = SansBlancs(arguments, BlancsEtTabs);
    LigneRemplo l;
    auto source = CheminEntreGuillemets(reste);
    if (!source) return std::nullopt;
    auto destination = CheminEntreGuillemets(reste);
    if (!destination) return std::nullopt;
    if (source->empty() || destination->empty()) return std::nullopt;
    l.source = std::move(*source);
    l.destination = std::move(*destination);
    l.queue = std::string(reste);
    AvecExtension(l.source);
    AvecExtension(l.destination);
    return l;
}

std::string ArgumentsDeLaLigne(std::string_view ligne) {
    return std::string(SansBlancsDevant(CoupeLigneDeCommande(ligne).arguments, BlancsEtTabs));
}

Remplo::Remplo(Fichiers& fichiers, Lanceur& lanceur, Dialogues& dialogues, FenêtreRemplo& fenêtre,
               std::string nomProgramme, AttenteRemplo attente)
    : fichiers_(fichiers),
      lanceur_(lanceur),
      dialogues_(dialogues),
      fenêtre_(fenêtre),
      nomProgramme_(std::move(nomProgramme)),
      attente_(attente) {}

IssueRemplo Remplo::Exécute(std::string_view arguments) {
    auto ligne = RemploAnalyse(arguments);
    if (!ligne) {
        dialogues_.Message(MessageUsage, TitreRemplo, Mb::Ok | Mb::IcôneInformation);
        return IssueRemplo::Usage;
    }
    ligne_ = std::move(*ligne);
    RetireRésidus();
    if (NeRienInstaller()) {
        Relance(true);
        return IssueRemplo::SansCopie;
    }
    return Installe();
}

// What an earlier run had to leave beside the destination (an old program that was still
// running, a copy cut short) goes now; a file still in use stays until a later run. Without
// the destination, what lies beside it may be the last copy of the program: it stays.
void Remplo::RetireRésidus() {
    if (!FichierExiste(fichiers_, ligne_.destination)) return;
    for (const std::string& résidu : {CheminSauvegarde(), CheminTemporaire()})
        if (FichierExiste(fichiers_, résidu)) fichiers_.Supprimer(résidu);
}

bool Remplo::NeRienInstaller() {
    if (ligne_.source == ligne_.destination) return true;
    if (!FichierExiste(fichiers_, ligne_.source)) return true;
    const auto attributs = fichiers_.Attributs(ligne_.destination);
    if (!attributs) return false;
    // A folder in the destination's place is never replaced.
    if (*attributs & Attr::Dossier) return true;
    // Only a newer source is installed; dates that cannot be read leave the old program.
    const auto dateSource = fichiers_.DateModification(ligne_.source);
    const auto dateDestination = fichiers_.DateModification(ligne_.destination);
    if (!dateSource || !dateDestination) return true;
    return *dateSource <= *dateDestination;
}

template <class F>
Statut Remplo::Attend(F essai) {
    Statut s = essai();
    while (!s && essaisRestants_ > 0) {
        --essaisRestants_;
        fenêtre_.Cède();
        fenêtre_.Pause(attente_.pauseMs);
        s = essai();
    }
    return s;
}

template <class F>
Statut Remplo::Réessaie(F essai) {
    Statut s = essai();
    for (unsigned n = 0; !s && s.passager && n < attente_.essaisPassagers; ++n) {
        fenêtre_.Cède();
        fenêtre_.Pause(attente_.pausePassagèreMs);
        s = essai();
    }
    return s;
}

IssueRemplo Remplo::Installe() {
    const std::string& source = ligne_.source;
    const std::string& destination = ligne_.destination;
    const std::string temporaire = CheminTemporaire();
    const std::string sauvegarde = CheminSauvegarde();

    fenêtre_.PointeurOccupé(true);
    fenêtre_.Étiquette(0, "Installation de la nouvelle version de " + destination);
    fenêtre_.Étiquette(1, "(Copie de " + source + " dans " + destination + ")");
    fenêtre_.Montre();
    fenêtre_.Cède();

    // The new program is copied whole beside the old one before the old one is touched.
    dialogues_.Bip();
    // A copy from a share that drops, or of a file cut short meanwhile, can be reported
    // complete: the copy must be as long as the source was before, and still is.
    const auto tailleAvant = fichiers_.Taille(source);
    if (!tailleAvant) return ÉchecCopie(tailleAvant.erreur);
    if (Statut copie = fichiers_.Copier(source, temporaire); !copie)
        return ÉchecCopie(copie.erreur);
    const auto tailleSource = fichiers_.Taille(source);
    const auto tailleCopie = fichiers_.Taille(temporaire);
    if (!tailleSource) return ÉchecCopie(tailleSource.erreur);
    if (!tailleCopie) return ÉchecCopie(tailleCopie.erreur);
    if (*tailleSource != *tailleAvant || *tailleCopie != *tailleAvant)
        return ÉchecCopie("La copie est incomplète (" + std::to_string(*tailleCopie) +
                          " octets sur " + std::to_string(*tailleAvant) + ").");

    essaisRestants_ = attente_.essais;
    if (FichierExiste(fichiers_, destination)) {
        // The old file can be renamed once the old program has released it.
        Statut libéré = Attend([&] { return fichiers_.Renommer(destination, sauvegarde, true); });
        if (!libéré) {
            fichiers_.Supprimer(temporaire);
            dialogues_.Message("Je ne parviens pas à remplacer le programme \"" + destination +
                                   "\" : il est encore en cours d'exécution ou protégé en "
                                   "écriture !" +
                                   FinDeLigne + FinDeLigne + "L'ancienne version est conservée." +
                                   FinDeLigne + FinDeLigne + "(" + libéré.erreur + ")",
                               nomProgramme_, Mb::Ok | Mb::IcôneExclamation);
            Relance(true);
            return IssueRemplo::RemplacementImpossible;
        }
        if (Statut place =
                Réessaie([&] { return fichiers_.Renommer(temporaire, destination, false); });
            !place) {
            const Statut remis =
                Réessaie([&] { return fichiers_.Renommer(sauvegarde, destination, false); });
            if (!remis) return ÉchecRestauration(remis.erreur);
            return ÉchecCopie(place.erreur);
        }
        // Where a running program's file can be renamed but not deleted, the old program
        // has ended once its file can be deleted. One that never ends keeps running: a
        // second instance would end at once on its single-instance test, so the new
        // version waits for the next start, and the next run removes the old file.
        if (!Attend([&] { return fichiers_.Supprimer(sauvegarde); })) {
            fenêtre_.PointeurOccupé(false);
            dialogues_.Message("La nouvelle version de \"" + destination +
                                   "\" est installée, mais l'ancienne est encore en cours "
                                   "d'exécution." +
                                   FinDeLigne + FinDeLigne +
                                   "La nouvelle version démarrera la prochaine fois que vous "
                                   "lancerez ce programme.",
                               nomProgramme_, Mb::Ok | Mb::IcôneInformation);
            return IssueRemplo::InstalléSansRelance;
        }
    } else if (Statut place =
                   Réessaie([&] { return fichiers_.Renommer(temporaire, destination, true); });
               !place) {
        return ÉchecCopie(place.erreur);
    }
    dialogues_.Bip();
    Relance(false);
    return IssueRemplo::Installé;
}

IssueRemplo Remplo::ÉchecCopie(const std::string& erreur) {
    // The copy goes only while a program stands under the destination's name (the old one,
    // put back): with none there, the copy is the one left to the user.
    if (FichierExiste(fichiers_, CheminTemporaire()) &&
        FichierExiste(fichiers_, ligne_.destination))
        fichiers_.Supprimer(CheminTemporaire());
    dialogues_.Message(erreur + FinDeLigne + "Copy " + ligne_.source + ", " + ligne_.destination,
                       nomProgramme_, Mb::Ok | Mb::IcôneExclamation);
    Relance(true);
    return IssueRemplo::CopieÉchouée;
}

// The old program went aside and neither it nor the new one could take its name back: both
// stay beside it, and the user is told how to get the program back. Nothing can be started.
IssueRemplo Remplo::ÉchecRestauration(const std::string& erreur) {
    fenêtre_.PointeurOccupé(false);
    dialogues_.Message("Je ne parviens ni à installer la nouvelle version de \"" +
                           ligne_.destination + "\", ni à remettre l'ancienne en place !" +
                           FinDeLigne + FinDeLigne + "L'ancienne version est conservée dans \"" +
                           CheminSauvegarde() + "\" et la nouvelle dans \"" + CheminTemporaire() +
                           "\" : renommez l'une d'elles en \"" + ligne_.destination +
                           "\" pour retrouver le programme." + FinDeLigne + FinDeLigne + "(" +
                           erreur + ")",
                       nomProgramme_, Mb::Ok | Mb::IcôneExclamation);
    return IssueRemplo::RestaurationImpossible;
}

std::string Remplo::LigneRelance(bool marqueur) const {
    std::string queue = ligne_.queue;
    if (marqueur) queue += std::string(" ") + MarqueurRelance;
    return "\"" + ligne_.destination + "\" " + queue;
}

void Remplo::Relance(bool marqueur) {
    const std::string ligne = LigneRelance(marqueur);
    const Statut lancé = lanceur_.Lance(ligne, FenêtreNormale);
    fenêtre_.PointeurOccupé(false);
    if (!lancé)
        dialogues_.Message("Je ne parviens pas à lancer le programme \"" + ligne_.destination +
                               "\" !" + FinDeLigne + FinDeLigne + "(" + lancé.erreur + ")",
                           nomProgramme_, Mb::Ok | Mb::IcôneExclamation);
}
