// Program name and folder taken apart from the executable's path.
#include "Programme.h"

Programme Programme::DepuisChemin(const std::string& chemin) {
    Programme p;
    const auto barre = chemin.find_last_of("\\/");
    std::string fichier = barre == std::string::npos ? chemin : chemin.substr(barre + 1);
    if (barre != std::string::npos) {
        p.dossier = chemin.substr(0, barre);
        // A drive root keeps its backslash ("C:\").
        if (p.dossier.size() == 2 && p.dossier[1] == ':') p.dossier += '\\';
    }
    const auto point = fichier.find_last_of('.');
    p.nom = point == std::string::npos ? fichier : fichier.substr(0, point);
    return p;
}

std::string Programme::DossierLocal() const {
    if (!dossier.empty() && dossier.back() == '\\') return dossier;
    return dossier + '\\';
}
