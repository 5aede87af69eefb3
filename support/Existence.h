// Whether a path names an existing file or folder.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Ports.h"

// The path names an existing file that is not a folder.
bool FichierExiste(Fichiers& fichiers, const std::string& chemin);
// The path names an existing folder (one trailing backslash allowed).
bool RepertoireExiste(Fichiers& fichiers, const std::string& chemin);

// Work done on a thread of its own, awaited for a bounded time.
struct Ouvrier {
    virtual ~Ouvrier() = default;
    // Starts `travail` on a new thread and waits at most `délai` for its end: true when it
    // has ended, all it wrote visible. False when it has not (it goes on alone, so it must
    // own all it touches) or when no thread could be started (it never runs).
    virtual bool ExécuteDansLeDélai(std::function<void()> travail,
                                    std::chrono::milliseconds délai) = 0;
};

// RepertoireExiste asked on a worker thread and awaited at most `délai`; nothing when the
// answer has not come by then (a network folder out of reach blocks for the network's
// timeout). The worker holds the port and its own state, so that an answer coming after
// the caller has given up and gone touches nothing the caller owned. A folder that answers
// at once costs no wait.
std::optional<bool> RepertoireExisteDansLeDélai(Ouvrier& ouvrier,
                                                std::shared_ptr<Fichiers> fichiers,
                                                const std::string& chemin,
                                                std::chrono::milliseconds délai);
