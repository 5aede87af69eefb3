// File and folder tests over the file port (see Existence.h).
#include "Existence.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

bool FichierExiste(Fichiers& fichiers, const std::string& chemin) {
    if (chemin.empty()) return false;
    const auto a = fichiers.Attributs(chemin);
    return a && !(*a & Attr::Dossier);
}

bool RepertoireExiste(Fichiers& fichiers, const std::string& chemin) {
    std::string c = chemin;
    // "C:\" keeps its backslash: "C:" alone would mean the current folder of drive C.
    if (!c.empty() && c.back() == '\\' && !(c.size() == 3 && c[1] == ':')) c.pop_back();
    if (c.empty()) return false;
    const auto a = fichiers.Attributs(c);
    return a && (*a & Attr::Dossier);
}

std::optional<bool> RepertoireExisteDansLeDélai(std::shared_ptr<Fichiers> fichiers,
                                                const std::string& chemin,
                                                std::chrono::milliseconds délai) {
    struct Réponse {
        std::mutex verrou;
        std::condition_variable venue;
        std::optional<bool> existe;
    };
    const auto réponse = std::make_shared<Réponse>();
    try {
        std::thread([réponse, fichiers = std::move(fichiers), chemin] {
            const bool existe = RepertoireExiste(*fichiers, chemin);
            const std::lock_guard verrou(réponse->verrou);
            réponse->existe = existe;
            réponse->venue.notify_one();
        }).detach();
    } catch (const std::system_error&) {
        return std::nullopt;  // no thread to spare: as when the answer does not come
    }
    std::unique_lock verrou(réponse->verrou);
    réponse->venue.wait_for(verrou, délai, [&] { return réponse->existe.has_value(); });
    return réponse->existe;
}
