// The self-update check every program runs while it starts: hands over to the update
// installer when a newer copy of the program waits in the update folder, or, on the
// developer's machine (project file beside the program), publishes the program there.
#pragma once

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
};

enum class IssueMiseAJour {
    Continuer,  // the program goes on starting
    Terminer,   // the program must end at once (installer started, or run from the update folder)
};

IssueMiseAJour MiseAJourVerifie(ContexteMiseAJour& c);

// The command line that starts the installer with the new and the old program.
std::string LigneRemplo(const Programme& programme, const std::string& dossierMiseAJour);
