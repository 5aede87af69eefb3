// File and folder tests over the file port (see Existence.h).
#include "Existence.h"

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

std::optional<bool> RepertoireExisteDansLeDélai(Ouvrier& ouvrier,
                                                std::shared_ptr<Fichiers> fichiers,
                                                const std::string& chemin,
                                                std::chrono::milliseconds délai) {
    const auto existe = std::make_shared<bool>(false);
    if (!ouvrier.ExécuteDansLeDélai([existe, fichiers = std::move(fichiers),
                                     chemin] { *existe = RepertoireExiste(*fichiers, chemin); },
                                    délai))
        return std::nullopt;
    return *existe;
}
