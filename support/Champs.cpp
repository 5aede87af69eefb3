// Cutting fields off a text (see Champs.h).
#include "Champs.h"

std::string MotSuivant(std::string& texte,
                       std::initializer_list<std::optional<std::string>> séparateurs) {
    return MotSuivant(texte, std::vector<std::optional<std::string>>(séparateurs));
}

std::string MotSuivant(std::string& texte,
                       const std::vector<std::optional<std::string>>& séparateurs) {
    if (texte.empty()) return {};
    std::vector<std::string> liste;
    for (const auto& s : séparateurs) liste.push_back(s.value_or("\t"));
    if (liste.empty()) liste.push_back("\t");

    size_t p = std::string::npos;
    const std::string* choisi = &liste.front();
    for (const auto& s : liste) {
        if (s.empty()) continue;
        const auto trouvé = texte.find(s);
        if (trouvé < p) {  // strictly before: on a tie the earlier separator stays
            p = trouvé;
            choisi = &s;
        }
    }
    std::string champ(SansGuillemets(std::string_view(texte).substr(0, p)));
    texte = p == std::string::npos ? std::string() : texte.substr(p + choisi->size());
    return champ;
}
