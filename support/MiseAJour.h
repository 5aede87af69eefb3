// The self-update check every program runs while it starts: hands over to the update
// installer when a newer copy of the program waits in the update folder, or, on the
// developer's machine (project file beside the program), publishes the program there.
#pragma once

#include <chrono>
#include <memory>

#include "Existence.h"
#include "Ports.h"
#include "Programme.h"
#include "Registre.h"

struct ContexteMiseAJour {
    Registre& registre;
    Fichiers& fichiers;
    Dialogues& dialogues;
    Lanceur& lanceur;
    Programme programme;
    // Started with Remplo's restart marker: the check is skipped this once.
    bool relancé = false;
    // When given (both), the update folder's existence is asked of this port on a worker
    // thread of `ouvrier`, awaited at most `délaiDossier`: a network folder out of reach (a
    // laptop away from the office) counts as missing instead of holding the start for the
    // network's timeout.
    std::shared_ptr<Fichiers> fichiersDossier = nullptr;
    Ouvrier* ouvrier = nullptr;
    std::chrono::milliseconds délaiDossier{2000};
};

enum class IssueMiseAJour {
    Continuer,  // the program goes on starting
    Terminer,   // the program must end at once (installer started, or run from the update folder)
};

IssueMiseAJour MiseAJourVerifie(ContexteMiseAJour& c);

// The command line that starts the installer with the new and the old program.
std::string LigneRemplo(const Programme& programme, const std::string& dossierMiseAJour);
