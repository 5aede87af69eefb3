// A file-backed Fichiers for native benchmarks: real files through std::filesystem and
// POSIX calls, with Windows-style paths ("C:\Vud\Auto.dat") mapped below a root folder.
#pragma once

#include <filesystem>
#include <string>

#include "Ports.h"

class FichiersPosix : public Fichiers {
  public:
    explicit FichiersPosix(std::filesystem::path racine) : racine_(std::move(racine)) {}

    // The host path of a Windows path: drive letter dropped, backslashes turned to slashes.
    std::filesystem::path Hôte(const std::string& chemin) const;

    std::optional<uint32_t> Attributs(const std::string& chemin) override;
    Résultat<double> DateModification(const std::string& chemin) override;
    Résultat<uint64_t> Taille(const std::string& chemin) override;
    Résultat<std::string> Lire(const std::string& chemin) override;
    // Written to a temporary file beside the target, flushed with fsync, then renamed.
    Statut Écrire(const std::string& chemin, const std::string& octets) override;
    Statut Ajouter(const std::string& chemin, const std::string& octets) override;
    Statut Supprimer(const std::string& chemin) override;
    Statut Copier(const std::string& source, const std::string& destination) override;
    Statut Renommer(const std::string& source, const std::string& destination,
                    bool remplacer) override;

  private:
    std::filesystem::path racine_;
};
