// Real files for the native benchmarks (see FichiersPosix.h).
#include "FichiersPosix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace fs = std::filesystem;

namespace {

Statut ÉchecErrno() {
    return Statut::Échec(std::strerror(errno));
}

// Writes every byte to an open descriptor.
bool ÉcritTout(int fd, const std::string& octets) {
    size_t fait = 0;
    while (fait < octets.size()) {
        const ssize_t n = ::write(fd, octets.data() + fait, octets.size() - fait);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        fait += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

fs::path FichiersPosix::Hôte(const std::string& chemin) const {
    std::string c = chemin;
    if (c.size() >= 2 && c[1] == ':') c.erase(0, 2);
    for (char& x : c)
        if (x == '\\') x = '/';
    while (!c.empty() && c.front() == '/') c.erase(0, 1);
    return racine_ / c;
}

std::optional<uint32_t> FichiersPosix::Attributs(const std::string& chemin) {
    std::error_code e;
    const auto état = fs::status(Hôte(chemin), e);
    if (e || !fs::exists(état)) return std::nullopt;
    return fs::is_directory(état) ? Attr::Dossier : Attr::Archive;
}

Résultat<double> FichiersPosix::DateModification(const std::string& chemin) {
    struct stat st {};
    if (::stat(Hôte(chemin).c_str(), &st) != 0)
        return Résultat<double>::Échec(std::strerror(errno));
    // Seconds since 1970 (UTC: enough for a benchmark helper) as an OLE date.
    return Résultat<double>::Réussi(25569.0 + static_cast<double>(st.st_mtime) / 86400.0);
}

Résultat<uint64_t> FichiersPosix::Taille(const std::string& chemin) {
    std::error_code e;
    const auto n = fs::file_size(Hôte(chemin), e);
    if (e) return Résultat<uint64_t>::Échec(e.message());
    return Résultat<uint64_t>::Réussi(n);
}

Résultat<std::string> FichiersPosix::Lire(const std::string& chemin) {
    const int fd = ::open(Hôte(chemin).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Résultat<std::string>::Échec(std::strerror(errno));
    std::string octets;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size > 0) octets.reserve(static_cast<size_t>(st.st_size));
    char tampon[65536];
    for (;;) {
        const ssize_t n = ::read(fd, tampon, sizeof tampon);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int e = errno;
            ::close(fd);
            return Résultat<std::string>::Échec(std::strerror(e));
        }
        octets.append(tampon, static_cast<size_t>(n));
    }
    ::close(fd);
    return Résultat<std::string>::Réussi(std::move(octets));
}

Statut FichiersPosix::Écrire(const std::string& chemin, const std::string& octets) {
    const fs::path cible = Hôte(chemin);
    const fs::path temporaire = cible.string() + ".tmp";
    const int fd = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return ÉchecErrno();
    if (!ÉcritTout(fd, octets) || ::fsync(fd) != 0) {
        const Statut s = ÉchecErrno();
        ::close(fd);
        ::unlink(temporaire.c_str());
        return s;
    }
    if (::close(fd) != 0 || ::rename(temporaire.c_str(), cible.c_str()) != 0) {
        const Statut s = ÉchecErrno();
        ::unlink(temporaire.c_str());
        return s;
    }
    return {};
}

Statut FichiersPosix::Ajouter(const std::string& chemin, const std::string& octets) {
    const int fd = ::open(Hôte(chemin).c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return ÉchecErrno();
    const bool ok = ÉcritTout(fd, octets);
    const Statut s = ok ? Statut{} : ÉchecErrno();
    ::close(fd);
    return s;
}

Statut FichiersPosix::Supprimer(const std::string& chemin) {
    if (::unlink(Hôte(chemin).c_str()) != 0) return ÉchecErrno();
    return {};
}

Statut FichiersPosix::Copier(const std::string& source, const std::string& destination) {
    std::error_code e;
    fs::copy_file(Hôte(source), Hôte(destination), fs::copy_options::overwrite_existing, e);
    if (e) return Statut::Échec(e.message());
    return {};
}

Statut FichiersPosix::Renommer(const std::string& source, const std::string& destination,
                               bool remplacer) {
    std::error_code e;
    if (!remplacer && fs::exists(Hôte(destination), e)) return Statut::Échec("File exists");
    fs::rename(Hôte(source), Hôte(destination), e);
    if (e) return Statut::Échec(e.message());
    return {};
}
