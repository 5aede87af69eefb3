// General helpers shared by the programs (see Aides.h).
#include "Aides.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

#include "Texte.h"
#include "Valeurs.h"

namespace {

// A count or a format given as any value: numbers, booleans and numeric text.
std::optional<double> NombreDe(const Variant& v) {
    if (const auto* t = std::get_if<std::string>(&v)) return LireNombre(*t);
    if (EstNombre(v) || std::holds_alternative<bool>(v)) {
        const double x = VersNombre(v);
        if (std::isfinite(x)) return x;
    }
    return std::nullopt;
}

// A count rounded to an integer (to even on halves) and bounded.
int64_t Compte(const Variant& n, int64_t maximum) {
    const auto x = NombreDe(n);
    if (!x) return 1;
    const double r = std::nearbyint(*x);
    if (r < 1) return 1;
    if (r > static_cast<double>(maximum)) return maximum;
    return static_cast<int64_t>(r);
}

std::string Blancs(size_t n) {
    return std::string(n, ' ');
}

}  // namespace

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
    std::string champ = texte.substr(0, p);
    texte = p == std::string::npos ? std::string() : texte.substr(p + choisi->size());
    if (champ.size() >= 2 && champ.front() == '"' && champ.back() == '"')
        champ = champ.substr(1, champ.size() - 2);
    return champ;
}

std::string NombreMasque(double valeur, int32_t décimales, bool pourcent, char séparateurDécimal,
                         int chiffresSignificatifs) {
    if (!std::isfinite(valeur)) return {};
    décimales = std::clamp<int32_t>(décimales, 0, 30);
    chiffresSignificatifs = std::clamp(chiffresSignificatifs, 1, 17);
    const bool négatif = std::signbit(valeur) && valeur != 0;
    // The value's significant digits and the position of the decimal point in them.
    std::string chiffres = "0";
    long point = 1;
    if (valeur != 0) {
        // Far more digits than kept, so that the value is first cut to its significant
        // digits half up, as the platform does, and not by the C library's own rounding.
        char tampon[80];
        std::snprintf(tampon, sizeof tampon, "%.40e", std::fabs(valeur));
        const std::string_view t(tampon);
        const auto e = t.find('e');
        point = std::strtol(tampon + e + 1, nullptr, 10) + 1;
        std::string tous(1, t[0]);
        tous.append(t.substr(2, e - 2));
        const auto n = static_cast<size_t>(chiffresSignificatifs);
        bool haut = tous[n] >= '5';
        chiffres = tous.substr(0, n);
        for (size_t k = n; haut && k-- > 0;) {
            haut = chiffres[k] == '9';
            chiffres[k] = haut ? '0' : static_cast<char>(chiffres[k] + 1);
        }
        if (haut) {
            chiffres.insert(chiffres.begin(), '1');
            ++point;
        }
    }
    if (pourcent) point += 2;
    // Whole and fractional digits in full, then rounded half up at the wanted decimals.
    std::string entier, fraction;
    if (point <= 0) {
        entier = "0";
        fraction = std::string(static_cast<size_t>(-point), '0') + chiffres;
    } else if (static_cast<size_t>(point) >= chiffres.size()) {
        entier = chiffres + std::string(static_cast<size_t>(point) - chiffres.size(), '0');
    } else {
        entier = chiffres.substr(0, static_cast<size_t>(point));
        fraction = chiffres.substr(static_cast<size_t>(point));
    }
    const auto d = static_cast<size_t>(décimales);
    bool retenue = fraction.size() > d && fraction[d] >= '5';
    fraction.resize(d, '0');
    for (size_t k = fraction.size(); retenue && k-- > 0;) {
        retenue = fraction[k] == '9';
        fraction[k] = retenue ? '0' : static_cast<char>(fraction[k] + 1);
    }
    for (size_t k = entier.size(); retenue && k-- > 0;) {
        retenue = entier[k] == '9';
        entier[k] = retenue ? '0' : static_cast<char>(entier[k] + 1);
    }
    if (retenue) entier.insert(entier.begin(), '1');
    entier.erase(0, std::min(entier.find_first_not_of('0'), entier.size() - 1));

    std::string texte = std::move(entier);
    if (négatif) texte.insert(texte.begin(), '-');
    if (d > 0) texte += séparateurDécimal + fraction;
    if (pourcent) texte += '%';
    return texte;
}

std::string TexteColonne(std::string texte, int32_t largeur) {
    if (largeur == 0) return texte;
    const size_t l = largeur < 0 ? static_cast<size_t>(-static_cast<int64_t>(largeur))
                                 : static_cast<size_t>(largeur);
    if (largeur < 0)
        texte.erase(0, std::min(texte.find_first_not_of(' '), texte.size()));
    else
        texte.erase(texte.find_last_not_of(' ') + 1);
    const size_t n = NombreCaractères(texte);
    if (n > l) return LireNombre(texte) ? std::string(l, '#') : Début(texte, l);
    return largeur < 0 ? Blancs(l - n) + texte : texte + Blancs(l - n);
}

std::string NombreColonne(const Variant& valeur, const Variant& format, char séparateurDécimal) {
    bool pourcent = false;
    double f = 0;
    if (const auto* t = std::get_if<std::string>(&format); t && !t->empty() && t->front() == '%') {
        pourcent = true;
        f = LireNombre(std::string_view(*t).substr(1)).value_or(0);
    } else {
        f = NombreDe(format).value_or(0);
    }
    if (std::fabs(f) > 80) f = 0;

    std::optional<double> nombre;
    if (EstNombre(valeur))
        nombre = VersNombre(valeur);
    else if (const auto* t = std::get_if<std::string>(&valeur))
        nombre = LireNombre(*t);
    if (!nombre) {
        const auto w = static_cast<int32_t>(std::trunc(std::fabs(f)));
        return TexteColonne(VersTexte(valeur, séparateurDécimal), f < 0 ? -w : w);
    }

    if (f < 0 && *nombre == 0) return Blancs(static_cast<size_t>(std::nearbyint(-f)));
    f = std::fabs(f);
    const auto d = static_cast<int32_t>((f - std::trunc(f)) * 10 + 0.5);
    const auto w = static_cast<size_t>(std::trunc(f));
    const int chiffres = std::holds_alternative<float>(valeur) ? 7 : 15;
    std::string texte = std::string(
        SansBlancs(NombreMasque(std::fabs(*nombre), d, pourcent, séparateurDécimal, chiffres)));

    if (!pourcent) {
        // Thousands separators, counted from the start of the decimal part.
        const size_t partieDécimale = d > 0 ? static_cast<size_t>(d) + 1 : 0;
        for (size_t position : {3u, 7u, 11u, 15u}) {
            if (texte.size() > partieDécimale && texte.size() - partieDécimale > position)
                texte.insert(texte.size() - partieDécimale - position, 1, '\'');
        }
    }
    // A negative value keeps its sign even when it rounds to zero ("-0,00"), as the
    // platform's number formatting does.
    if (*nombre < 0) texte.insert(texte.begin(), '-');
    texte = std::string(SansBlancs(texte));
    if (texte.size() < w) texte = Blancs(w - texte.size()) + texte;
    if (texte.size() > w && w > 1) return std::string(w, '#');
    return texte;
}

std::string SautLigne(const Variant& n) {
    std::string s;
    for (int64_t k = Compte(n, 100); k > 0; --k) s += "\r\n";
    return s;
}

// A count far beyond any use would only exhaust memory; it is bounded instead.
std::string Tabulations(const Variant& n) {
    return std::string(static_cast<size_t>(Compte(n, 65536)), '\t');
}

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
        cherché = Majuscules(cherché);
        for (int32_t i = 0; i < n; ++i) {
            std::string entrée = Majuscules(liste.Texte(i));
            if (préfixe) entrée = Début(entrée, *préfixe);
            if (vérifie(cherché, entrée)) return i;
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

std::string LecteurTypeTexte(int codeDuPlateforme) {
    switch (codeDuPlateforme) {
        case 1:
            return "1 - disque non présent";
        case 2:
            return "2 - lecteur de disquettes";
        case 3:
            return "3 - disque dur";
        case 4:
            return "4 - lecteur réseau";
        case 5:
            return "5 - CD-Rom";
        case 6:
            return "6 - disque virtuel en mémoire";
        default:
            return "0 - disque de type inconnu (" + std::to_string(codeDuPlateforme) + ")";
    }
}
