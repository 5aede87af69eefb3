// Horlo's journal cut into the columns of its window (see JournalLu.h).
#include "JournalLu.h"

#include <algorithm>

#include "DateHeure.h"
#include "Texte1252.h"

namespace {

constexpr size_t LongueurMoment = 14;  // "dd.mm.yy hh:mm"

bool Chiffre(char c) {
    return c >= '0' && c <= '9';
}

// "dd.mm.yy hh:mm" with two digits everywhere, a date that exists and a time of day.
bool EstMoment(std::string_view m) {
    if (m.size() != LongueurMoment) return false;
    for (size_t i = 0; i < LongueurMoment; ++i) {
        const char attendu = i == 2 || i == 5 ? '.' : i == 8 ? ' ' : i == 11 ? ':' : '0';
        if (attendu == '0' ? !Chiffre(m[i]) : m[i] != attendu) return false;
    }
    return LireDate(m.substr(0, 8)) && LireHeure(m.substr(9));
}

bool Blanche(std::string_view ligne) {
    return ligne.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

LigneLue LigneDécoupe(std::string_view ligne) {
    const bool seul = ligne.size() == LongueurMoment;
    if (!EstMoment(ligne.substr(0, LongueurMoment)) || (!seul && ligne[LongueurMoment] != ' '))
        return {"", "", std::string(ligne)};
    const std::string_view reste = ligne.substr(std::min(ligne.size(), LongueurMoment + 1));
    constexpr std::string_view Séparateur = " : ";
    size_t p = reste.rfind(" : Shell (\"");
    if (p == std::string_view::npos) p = reste.find(Séparateur);
    if (p == std::string_view::npos)
        return {std::string(ligne.substr(0, LongueurMoment)), "", std::string(reste)};
    return {std::string(ligne.substr(0, LongueurMoment)),
            std::string(reste.substr(p + Séparateur.size())), std::string(reste.substr(0, p))};
}

std::vector<LigneLue> JournalLu(std::string_view octets, size_t max) {
    const std::vector<std::string_view> lignes = LignesDuJournal(octets);
    std::vector<LigneLue> lues;
    lues.reserve(std::min(lignes.size(), max));
    for (auto l = lignes.rbegin(); l != lignes.rend() && lues.size() < max; ++l)
        if (!Blanche(*l)) lues.push_back(LigneDécoupe(DepuisFichierTexte(*l)));
    return lues;
}

EmpreinteJournal JournalEmpreinte(Fichiers& fichiers, const std::string& chemin) {
    const auto date = fichiers.DateModification(chemin);
    const auto taille = fichiers.Taille(chemin);
    if (!date || !taille) return {};
    return {*date, *taille};
}

std::vector<LigneLue> JournalLit(Fichiers& fichiers, const std::string& chemin) {
    const auto octets = fichiers.Lire(chemin);
    if (!octets) return {};
    return JournalLu(*octets);
}
