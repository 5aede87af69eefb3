// Horlo's journal: building its lines and appending them to the bounded log.
#include "Journal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "DateHeure.h"
#include "JournalBorne.h"
#include "SautsDeLigne.h"
#include "Texte.h"
#include "Texte1252.h"

namespace {

constexpr const char* FormeMoment = "dd.mm.yy hh:mm";

// The minute that holds a moment, counted from the dates' origin (to the nearest second
// first: a time of day is seldom exact in a double).
int64_t Minute(double moment) {
    const auto secondes = std::llround(moment * 86400.0);
    return secondes >= 0 ? secondes / 60 : (secondes - 59) / 60;
}

}  // namespace

std::string CheminJournal(const Horlo& h) {
    return h.programme.DossierLocal() + h.programme.nom + ".log";
}

std::string SurUneLigne(std::string s) {
    std::replace_if(
        s.begin(), s.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return std::string(SansBlancs(s));
}

std::string LigneJournal(double moment, std::string_view quoi, std::string_view tâche) {
    return FormatDate(moment, FormeMoment) + " " + SurUneLigne(std::string(quoi)) + " : " +
           SurUneLigne(std::string(tâche));
}

std::string TâcheDésignée(const Tâche& t) {
    if (!EstMessage(t.Programme))
        return std::string(SansBlancsDerrière(t.Programme + " " + t.Paramètres));
    const std::string_view message = std::string_view(t.Programme).substr(1);
    size_t fin = 0;
    // Counts the first bytes of characters: a continuation byte is 10xxxxxx.
    for (size_t caractères = 0; fin < message.size(); ++fin)
        if ((static_cast<unsigned char>(message[fin]) & 0xC0) != 0x80 &&
            ++caractères > CaractèresMessage)
            break;
    return std::string(message.substr(0, fin));
}

std::string MotRépétition(const Tâche& t) {
    const std::string ouvrable = std::string(" ") + LibelléOuvrableDuMois;
    switch (t.Répétition.lettre()) {
        case Récurrence::UneFois:
            return LibellésRépétition[0];
        case Récurrence::ChaqueJour:
            return LibellésRépétition[1];
        case Récurrence::Ouvrables:
            return std::string(LibellésRépétition[1]) + " " + LibelléSaufFériés;
        case Récurrence::ChaqueSemaine:
            return LibellésRépétition[2];
        case Récurrence::Arrêt:
            return LibellésRépétition[3];
        case Récurrence::Lancement:
        case Récurrence::Lancée:
            return std::string(LibellésRépétition[4]) + " " + FormatDate(t.Prochaine, "hh:mm:ss");
        case Récurrence::Premier:
            return LibellésRépétition[5] + ouvrable;
        case Récurrence::Dernier:
            return LibellésRépétition[6] + ouvrable;
    }
    return t.Répétition.Texte();
}

bool Rattrapage(double prochaine, double moment) {
    return Minute(moment) > Minute(prochaine) + 1;
}

std::string SuiteExécution(const Tâche& t, double moment) {
    std::string suite = " (" + MotRépétition(t) + ")";
    if (t.Répétition.ParDate() && Rattrapage(t.Prochaine, moment))
        suite += ", rattrapage, prévue le " + FormatDate(t.Prochaine, FormeMoment);
    return suite;
}

std::string QuoiNonExécutée(const Tâche& t) {
    return "Occurrence non exécutée, délai maximal dépassé, prévue le " +
           FormatDate(t.Prochaine, FormeMoment);
}

LotJournal::~LotJournal() {
    try {
        Écrit();
    } catch (...) {  // the journal is the last resort: nothing is left to tell
    }
}

void LotJournal::Ajoute(double moment, std::string_view quoi, std::string_view tâche) {
    octets_ += VersWindows1252Approché(LigneJournal(moment, quoi, tâche));
    octets_ += FinDeLigne;
}

Statut LotJournal::Écrit() {
    if (octets_.empty()) return {};
    const std::string octets = std::move(octets_);
    octets_.clear();
    return JournalAjouteLignes(h_.fichiers, CheminJournal(h_), octets);
}

Statut Journal(Horlo& h, const std::string& texte, const std::string& détail) {
    const std::string ligne =
        LigneJournal(h.horloge.Maintenant(), texte == "!" ? "Ordre reçu" : texte, détail);
    return JournalAjoute(h.fichiers, CheminJournal(h), VersWindows1252Approché(ligne));
}
