// Whether a path names an existing file or folder.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "Ports.h"

// The path names an existing file that is not a folder.
bool FichierExiste(Fichiers& fichiers, const std::string& chemin);
// The path names an existing folder (one trailing backslash allowed).
bool RepertoireExiste(Fichiers& fichiers, const std::string& chemin);

// RepertoireExiste asked on a worker thread and awaited at most `délai`; nothing when the
// answer has not come by then (a network folder out of reach blocks for the network's
// timeout). The worker holds the port and its own state, so that an answer coming after
// the caller has given up and gone touches nothing the caller owned. A folder that answers
// at once costs no wait.
std::optional<bool> RepertoireExisteDansLeDélai(std::shared_ptr<Fichiers> fichiers,
                                                const std::string& chemin,
                                                std::chrono::milliseconds délai);
