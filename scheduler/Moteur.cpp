// Horlo's engine pass, the session-end run of "A" tasks and the sharing of Auto.dat with another
// instance of the program.
#include "Moteur.h"

#include <exception>
#include <unordered_map>

#include "DateHeure.h"
#include "SautsDeLigne.h"
#include "Suite.h"
#include "Texte.h"

namespace {

// How a failed start names the command in the journal and in the editor's box.
std::string Shell(const Tâche& t) {
    return "Shell (\"" + t.Programme + "\", " + std::to_string(t.Fenêtre) + ")";
}

std::string ErreurDe(const Statut& s) {
    return s.erreur.empty() ? "Erreur inconnue" : s.erreur;
}

void Avance(Tâche& t, double maintenant) {
    if (t.Répétition.lettre() == Récurrence::UneFois)
        t.Programme.clear();
    else if (t.Répétition.lettre() == Récurrence::Lancement)
        t.Répétition = Récurrence::Lancée;
    else if (const auto p = OccurrenceSuivante(t.Répétition.lettre(), t.Prochaine, maintenant))
        t.Prochaine = *p;
}

// What identifies a task's contents on disk: its Auto.dat line (an "l" reads back as "L").
std::string Clé(const Tâche& t) {
    return LigneAuto(t);
}

}  // namespace

bool ÀTemps(double prochaine, double délaiMax, double maintenant) {
    return délaiMax == 0 || prochaine + délaiMax > maintenant;
}

Statut TâcheLance(const Tâche& t, PortsMoteur& ports, bool nouvelle, LotJournal& lot, double moment,
                  std::string_view suite) {
    if (EstMessage(t.Programme)) {
        ports.alarmes.Montre("Message programmé: " + SautLigne(2) + t.Programme.substr(1),
                             nouvelle);
        lot.Ajoute(moment, "Message affiché" + std::string(suite), TâcheDésignée(t));
        return {};
    }
    const auto statut = ports.lanceur.Lance(t.Programme + " " + t.Paramètres, t.Fenêtre);
    if (statut)
        lot.Ajoute(moment, "Programme démarré" + std::string(suite), TâcheDésignée(t));
    else
        lot.Ajoute(moment, ErreurDe(statut), Shell(t));
    return statut;
}

void TâcheExécuteMaintenant(Horlo& h, PortsMoteur& ports, Dialogues& dialogues, uint64_t identité) {
    const size_t i = h.Tâches.IndexDe(identité);
    if (i == 0) return;
    const Tâche t = h.Tâches[i];  // a copy: the box lets the engine's passes run meanwhile
    LotJournal lot(h);
    const Statut statut = TâcheLance(t, ports, true, lot, h.horloge.Maintenant(), ", à la demande");
    lot.Écrit();
    if (!statut)
        dialogues.Message(ErreurDe(statut) + SautLigne(2) + Shell(t), TitreAttention,
                          Mb::Ok | Mb::IcôneExclamation);
}

Statut TâchesExécute(Horlo& h, PortsMoteur& ports) {
    const bool relu = TâchesSynchronise(h).reprise;
    // The clock is read once per task examined and again after each firing, which is what
    // a fresh reading at every comparison amounts to within one task.
    double maintenant = h.horloge.Maintenant();
    const bool jourOuvrable = MomentOuvrable(maintenant) == maintenant;
    bool modifié = false, fenêtre = false, retirées = false;
    // What fired goes to the journal once, after the pass: an idle pass writes nothing.
    LotJournal lot(h);
    for (size_t i = 1; i <= h.Tâches.Dernier(); ++i) {
        Tâche& t = h.Tâches[i];
        // Deleting a task empties and deactivates it, so only an inactive entry can be one
        // to sweep: an idle pass reads no program text of an active task.
        if (!t.Actif) {
            retirées = retirées || Supprimée(t);
            continue;
        }
        const auto c = t.Répétition.lettre();
        const bool estL = c == Récurrence::Lancement;
        const bool due = (t.Répétition.ParDate() && t.Prochaine <= maintenant &&
                          (c != Récurrence::Ouvrables || jourOuvrable)) ||
                         (estL && (maintenant - h.Démarrage > t.Prochaine ||
                                   h.Démarrage + HeureDe(t.Prochaine) <= maintenant));
        if (!due) continue;
        if (Supprimée(t)) {  // emptied but left active: never fired, swept all the same
            retirées = true;
            continue;
        }
        modifié = true;
        if (estL || ÀTemps(t.Prochaine, t.DélaiMax, maintenant)) {
            TâcheLance(t, ports, !fenêtre, lot, maintenant, SuiteExécution(t, maintenant));
            fenêtre = fenêtre || EstMessage(t.Programme);
            maintenant = h.horloge.Maintenant();
            t.DernièreExécution = maintenant;
        } else {
            lot.Ajoute(maintenant, QuoiNonExécutée(t), TâcheDésignée(t));
        }
        Avance(t, maintenant);
        retirées = retirées || Supprimée(t);
    }
    // Emptied entries go in one sweep: one by one, each would move the rest of the table.
    if (retirées) h.Tâches.RetireSi([](const Tâche& t) { return Supprimée(t); });
    // A save that failed before is tried again at every pass until it succeeds.
    const auto statut = modifié || h.EnregistrementEnAttente ? TâchesEnregistreÀJour(h) : Statut{};
    if (ports.éditeur && (relu || modifié || retirées)) ports.éditeur->ListeRemplit();
    lot.Écrit();  // a journal that cannot be written never stops the engine
    return statut;
}

Statut TâchesArrêt(Horlo& h, PortsMoteur& ports) {
    bool modifié = false;
    LotJournal lot(h);
    for (size_t i = 1; i <= h.Tâches.Dernier(); ++i) {
        Tâche& t = h.Tâches[i];
        if (!t.Actif || t.Répétition.lettre() != Récurrence::Arrêt || Supprimée(t) ||
            EstMessage(t.Programme))
            continue;
        const double maintenant = h.horloge.Maintenant();
        TâcheLance(t, ports, false, lot, maintenant, SuiteExécution(t, maintenant));
        t.DernièreExécution = h.horloge.Maintenant();
        modifié = true;
    }
    lot.Écrit();  // before the save: the session may end at any moment
    if (!modifié) return {};
    const auto statut = TâchesEnregistreÀJour(h);
    if (ports.éditeur) ports.éditeur->ListeRemplit();
    return statut;
}

void ExceptionJournalise(Horlo& h, const std::string& détail) noexcept {
    try {
        std::string texte;
        if (const auto e = std::current_exception()) try {
                std::rethrow_exception(e);
            } catch (const std::exception& x) {
                texte = x.what();
            } catch (...) {
            }
        Journal(h, texte.empty() ? "Erreur inconnue" : texte, détail);
    } catch (...) {  // the journal is the last resort: nothing is left to tell
    }
}

Synchronisation TâchesSynchronise(Horlo& h) {
    const std::string chemin = CheminAuto(h);
    const auto date = h.fichiers.DateModification(chemin);
    const auto taille = h.fichiers.Taille(chemin);
    const bool existe = date && taille;
    const auto& e = h.EmpreinteAuto;
    if (existe == e.connue && (!existe || (*date == e.date && *taille == e.taille))) return {};
    if (!existe) {
        // The file was removed: keep the table, it is written again at the next save.
        h.EmpreinteAuto.connue = false;
        return {};
    }
    Horlo disque(h.fichiers, h.horloge, h.programme);
    // Held by another program a moment too long: tried again at the next pass.
    if (auto lu = TâchesCharge(disque); !lu) return {false, lu};

    // Tasks of this program by identity.
    std::unordered_map<uint64_t, size_t> nôtres;
    for (size_t i = 1; i <= h.Tâches.Dernier(); ++i) nôtres.emplace(h.Tâches[i].Identité, i);
    // Entries of the file by contents, still unmatched.
    std::unordered_multimap<std::string, size_t> libres;
    const size_t n = disque.Tâches.Dernier();
    std::vector<Tâche> résultat(n);
    std::vector<bool> gardé(n, true);
    std::vector<uint64_t> identités(n, 0);
    for (size_t j = 1; j <= n; ++j) {
        résultat[j - 1] = disque.Tâches[j];
        libres.emplace(Clé(disque.Tâches[j]), j - 1);
    }
    std::unordered_map<uint64_t, bool> connues;
    for (const Tâche& r : h.RéférenceAuto) {
        connues[r.Identité] = true;
        const auto it = libres.find(Clé(r));
        if (it == libres.end()) continue;  // the other instance changed or removed it
        const size_t d = it->second;
        libres.erase(it);
        const auto o = nôtres.find(r.Identité);
        if (r.Identité == 0 || o == nôtres.end() || Supprimée(h.Tâches[o->second])) {
            gardé[d] = false;  // removed here since the last save
            continue;
        }
        résultat[d] = h.Tâches[o->second];  // unchanged or changed here: this program's
        identités[d] = r.Identité;
    }
    // Tasks added here since the last save come after the file's.
    std::vector<Tâche> ajoutées;
    for (size_t i = 1; i <= h.Tâches.Dernier(); ++i) {
        const Tâche& t = h.Tâches[i];
        if (!Supprimée(t) && !connues.count(t.Identité)) ajoutées.push_back(t);
    }

    h.Tâches.Efface();
    h.RéférenceAuto.clear();
    for (size_t d = 0; d < n; ++d) {
        Tâche lue = disque.Tâches[d + 1];
        if (gardé[d]) {
            const size_t i = h.Tâches.Ajoute(résultat[d]);
            if (identités[d]) h.Tâches[i].Identité = identités[d];
            lue.Identité = h.Tâches[i].Identité;
        } else {
            lue.Identité = 0;  // removed here: the next merge removes it again
        }
        h.RéférenceAuto.push_back(std::move(lue));
    }
    for (auto& t : ajoutées) {
        const uint64_t identité = t.Identité;
        const size_t i = h.Tâches.Ajoute(std::move(t));
        h.Tâches[i].Identité = identité;
    }
    h.EmpreinteAuto = {true, *date, *taille};
    h.AutoIllisible = false;
    return {true, {}};
}

Statut TâchesEnregistreÀJour(Horlo& h) {
    const Synchronisation s = TâchesSynchronise(h);
    // Writing over a file whose changes could not be taken in would lose them.
    Statut statut = s.lecture ? TâchesEnregistre(h)
                              : Statut::Échec(
                                    "Le fichier a été changé par un autre programme et "
                                    "ne peut pas être relu : " +
                                    s.lecture.erreur);
    h.EnregistrementEnAttente = !statut.ok;
    return statut;
}
