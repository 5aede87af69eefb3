// Searching a list control (see ListeCherche.h).
#include "ListeCherche.h"

#include <optional>
#include <string>

#include "SautsDeLigne.h"
#include "Texte.h"
#include "Valeurs.h"

int32_t ListeCherche(const Liste& liste, const Variant& valeur, Dialogues& dialogues,
                     const Variant& opérateur) {
    enum class Op { Égal, Inf, Sup, InfÉgal, SupÉgal } op = Op::Égal;
    if (const auto* t = std::get_if<std::string>(&opérateur)) {
        if (*t == "<")
            op = Op::Inf;
        else if (*t == ">")
            op = Op::Sup;
        else if (*t == "<=")
            op = Op::InfÉgal;
        else if (*t == ">=")
            op = Op::SupÉgal;
    }
    if (EstAbsent(valeur) || EstNul(valeur)) return -1;
    if (EstTexte(valeur) && std::get<std::string>(valeur).empty()) return -1;

    switch (liste.Genre()) {
        case GenreListe::ListBox:
        case GenreListe::ComboBox:
        case GenreListe::FileListBox:
            break;
        case GenreListe::DirListBox:
            // The message is kept as users know it, though no routine of that name exists.
            dialogues.Message("Je ne peux pas faire de recherches dans une liste de répertoires !" +
                                  SautLigne(2) + "Utilisez la fonction ListeRépertoiresCherche.",
                              "Erreur ListeCherche", Mb::Ok | Mb::IcôneStop);
            return -1;
        default:
            dialogues.Message(
                "Je ne peux pas faire de recherche dans un objet " + liste.NomDeType() + " !",
                "Erreur ListeCherche", Mb::Ok | Mb::IcôneStop);
            return -1;
    }

    const auto vérifie = [op](const auto& gauche, const auto& droite) {
        switch (op) {
            case Op::Inf:
                return gauche < droite;
            case Op::Sup:
                return gauche > droite;
            case Op::InfÉgal:
                return gauche <= droite;
            case Op::SupÉgal:
                return gauche >= droite;
            default:
                return gauche == droite;
        }
    };
    const int32_t n = liste.Nombre();

    if (const auto* t = std::get_if<std::string>(&valeur)) {
        std::string cherché = *t;
        std::optional<size_t> préfixe;
        if (cherché.back() == '*') {
            cherché.pop_back();
            préfixe = NombreCaractères(cherché);
        }
        for (int32_t i = 0; i < n; ++i) {
            const std::string entrée = liste.Texte(i);
            if (vérifie(CompareSansCasse(cherché, préfixe ? Début(entrée, *préfixe) : entrée), 0))
                return i;
        }
        return -1;
    }

    // A number, a boolean or a date against the entries' data; nothing else compares.
    if (!EstNombre(valeur) && !std::holds_alternative<bool>(valeur) &&
        !std::holds_alternative<DateV>(valeur))
        return -1;
    const double cherché = VersNombre(valeur);
    for (int32_t i = 0; i < n; ++i)
        if (vérifie(static_cast<double>(liste.Donnée(i)), cherché)) return i;
    return -1;
}
