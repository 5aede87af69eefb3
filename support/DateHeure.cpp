// OLE Automation dates: proleptic Gregorian calendar arithmetic, the suite's text masks
// and the strict parsing of typed dates and times.
#include "DateHeure.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>

#include "Texte.h"

namespace {

constexpr int64_t SecondesParJour = 86400;
// Days from 1.1.1970 to 30.12.1899, the OLE epoch.
constexpr int64_t DécalageÉpoque = 25569;

// Days since 1.1.1970 of a Gregorian date (valid for any year, negative ones too).
int64_t JoursDepuisCivil(int64_t a, int m, int j) {
    a -= m <= 2;
    const int64_t ère = (a >= 0 ? a : a - 399) / 400;
    const int64_t annéeDÈre = a - ère * 400;
    const int64_t jourDAnnée = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + j - 1;
    const int64_t jourDÈre = annéeDÈre * 365 + annéeDÈre / 4 - annéeDÈre / 100 + jourDAnnée;
    return ère * 146097 + jourDÈre - 719468;
}

void CivilDepuisJours(int64_t z, int& année, int& mois, int& jour) {
    z += 719468;
    const int64_t ère = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t jourDÈre = z - ère * 146097;
    const int64_t annéeDÈre =
        (jourDÈre - jourDÈre / 1460 + jourDÈre / 36524 - jourDÈre / 146096) / 365;
    const int64_t jourDAnnée = jourDÈre - (365 * annéeDÈre + annéeDÈre / 4 - annéeDÈre / 100);
    const int64_t mp = (5 * jourDAnnée + 2) / 153;
    jour = static_cast<int>(jourDAnnée - (153 * mp + 2) / 5 + 1);
    mois = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    année = static_cast<int>(annéeDÈre + ère * 400 + (mois <= 2));
}

bool Bissextile(int a) {
    return (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
}

int JoursDuMois(int a, int m) {
    static constexpr int jours[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && Bissextile(a) ? 29 : jours[m - 1];
}

// Calendar day (OLE day number) and second of that day, rounded to the nearest second.
struct JourEtSeconde {
    int64_t jour;
    int64_t seconde;
};

JourEtSeconde Décompose(double date) {
    if (std::isnan(date)) return {0, 0};
    // Before 30.12.1899 the fraction adds the time of day to a negative day number, so
    // the first day's times lie below DateMinimum: its last second is the earliest value.
    constexpr double PremierInstant = DateMinimum - 86399.0 / 86400.0;
    if (date < PremierInstant) date = PremierInstant;
    if (date > DateMaximum) date = DateMaximum;
    // The integer part is the day, the fraction's magnitude the time, whatever the sign.
    const double entier = std::trunc(date);
    const double fraction = std::fabs(date - entier);
    JourEtSeconde r{static_cast<int64_t>(entier),
                    static_cast<int64_t>(std::llround(fraction * SecondesParJour))};
    if (r.seconde >= SecondesParJour) {
        r.seconde -= SecondesParJour;
        ++r.jour;
    }
    // 31.12.9999 23:59:59.6 rounds past the calendar's end: keep the last second.
    if (r.jour > static_cast<int64_t>(DateMaximum)) {
        r.jour = static_cast<int64_t>(DateMaximum);
        r.seconde = SecondesParJour - 1;
    }
    return r;
}

std::string_view Rogne(std::string_view t) {
    return SansBlancs(t, BlancsEtTabs);
}

// Reads a run of 1 to `maxi` digits from the front of `t`; `chiffres` tells how many.
bool LitNombre(std::string_view& t, std::size_t maxi, int& n, std::size_t& chiffres) {
    chiffres = 0;
    n = 0;
    while (chiffres < t.size() && t[chiffres] >= '0' && t[chiffres] <= '9') {
        if (chiffres == maxi) return false;  // too many digits
        n = n * 10 + (t[chiffres] - '0');
        ++chiffres;
    }
    if (chiffres == 0) return false;
    t.remove_prefix(chiffres);
    return true;
}

bool LitSéparateur(std::string_view& t, char c) {
    if (t.empty() || t.front() != c) return false;
    t.remove_prefix(1);
    return true;
}

// "d.m.yy" or "d.m.yyyy", already trimmed.
std::optional<PartiesDate> LirePartiesDate(std::string_view t, int premièreAnnée = 1930) {
    PartiesDate p;
    std::size_t chiffres = 0;
    if (!LitNombre(t, 2, p.jour, chiffres) || !LitSéparateur(t, '.')) return std::nullopt;
    if (!LitNombre(t, 2, p.mois, chiffres) || !LitSéparateur(t, '.')) return std::nullopt;
    if (!LitNombre(t, 4, p.année, chiffres) || !t.empty()) return std::nullopt;
    if (chiffres == 2)
        p.année = premièreAnnée + ((p.année - premièreAnnée) % 100 + 100) % 100;
    else if (chiffres != 4)
        return std::nullopt;
    return p;
}

// "h:mm" or "h:mm:ss", already trimmed, as seconds since midnight.
std::optional<int> LireSecondes(std::string_view t) {
    int h = 0, m = 0, s = 0;
    std::size_t chiffres = 0;
    if (!LitNombre(t, 2, h, chiffres) || !LitSéparateur(t, ':')) return std::nullopt;
    if (!LitNombre(t, 2, m, chiffres)) return std::nullopt;
    if (LitSéparateur(t, ':') && !LitNombre(t, 2, s, chiffres)) return std::nullopt;
    if (!t.empty() || h > 23 || m > 59 || s > 59) return std::nullopt;
    return h * 3600 + m * 60 + s;
}

void AjouteNombre(std::string& s, int64_t n, int largeur) {
    std::string chiffres = std::to_string(n < 0 ? -n : n);
    if (n < 0) s += '-';
    if (static_cast<int>(chiffres.size()) < largeur)
        s.append(static_cast<std::size_t>(largeur) - chiffres.size(), '0');
    s += chiffres;
}

char Minuscule(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::optional<double> DateDepuisParties(const PartiesDate& p) {
    if (p.année < 100 || p.année > 9999 || p.mois < 1 || p.mois > 12 || p.jour < 1 ||
        p.jour > JoursDuMois(p.année, p.mois))
        return std::nullopt;
    if (p.heure < 0 || p.heure > 23 || p.minute < 0 || p.minute > 59 || p.seconde < 0 ||
        p.seconde > 59)
        return std::nullopt;
    const auto jours =
        static_cast<double>(JoursDepuisCivil(p.année, p.mois, p.jour) + DécalageÉpoque);
    const double heure =
        static_cast<double>(p.heure * 3600 + p.minute * 60 + p.seconde) / SecondesParJour;
    return jours < 0 ? jours - heure : jours + heure;
}

PartiesDate PartiesDepuisDate(double date) {
    const auto [jour, seconde] = Décompose(date);
    PartiesDate p;
    CivilDepuisJours(jour - DécalageÉpoque, p.année, p.mois, p.jour);
    p.heure = static_cast<int>(seconde / 3600);
    p.minute = static_cast<int>(seconde / 60 % 60);
    p.seconde = static_cast<int>(seconde % 60);
    return p;
}

int JourSemaine(double date) {
    // Day 0, 30.12.1899, was a Saturday (7).
    const int64_t jour = Décompose(date).jour;
    return static_cast<int>(((jour + 6) % 7 + 7) % 7) + 1;
}

std::string FormatDate(double date, std::string_view masque) {
    const PartiesDate p = PartiesDepuisDate(date);
    std::string s;
    bool aprèsHeure = false;  // the last field was an hour: m then means minutes
    std::size_t i = 0;
    while (i < masque.size()) {
        const char c = Minuscule(masque[i]);
        std::size_t n = 1;
        while (i + n < masque.size() && Minuscule(masque[i + n]) == c) ++n;
        switch (c) {
            case 'd':
                n = std::min<std::size_t>(n, 2);
                AjouteNombre(s, p.jour, static_cast<int>(n));
                aprèsHeure = false;
                break;
            case 'm': {
                n = std::min<std::size_t>(n, 2);
                // A minute when it follows an hour or comes before seconds ("mm:ss").
                std::size_t suite = i + n;
                while (suite < masque.size() &&
                       !std::isalpha(static_cast<unsigned char>(masque[suite])))
                    ++suite;
                const bool minutes =
                    aprèsHeure || (suite < masque.size() && Minuscule(masque[suite]) == 's');
                AjouteNombre(s, minutes ? p.minute : p.mois, static_cast<int>(n));
                aprèsHeure = false;
                break;
            }
            case 'y':
                if (n == 1) {  // a lone y is no field: copied
                    s += masque[i];
                    break;
                }
                n = n >= 4 ? 4 : 2;
                AjouteNombre(s, n == 4 ? p.année : p.année % 100, static_cast<int>(n));
                aprèsHeure = false;
                break;
            case 'h':
                n = std::min<std::size_t>(n, 2);
                AjouteNombre(s, p.heure, static_cast<int>(n));
                aprèsHeure = true;
                break;
            case 's':
                n = std::min<std::size_t>(n, 2);
                AjouteNombre(s, p.seconde, static_cast<int>(n));
                aprèsHeure = false;
                break;
            default:
                s.append(masque.substr(i, n));
                break;
        }
        i += n;
    }
    return s;
}

std::optional<double> LireDate(std::string_view texte) {
    const auto p = LirePartiesDate(Rogne(texte));
    if (!p) return std::nullopt;
    return DateDepuisParties(*p);
}

std::optional<double> LireDateFenêtre(std::string_view texte, int premièreAnnée) {
    const auto p = LirePartiesDate(Rogne(texte), premièreAnnée);
    if (!p) return std::nullopt;
    return DateDepuisParties(*p);
}

std::optional<double> LireHeure(std::string_view texte) {
    const auto secondes = LireSecondes(Rogne(texte));
    if (!secondes) return std::nullopt;
    return static_cast<double>(*secondes) / SecondesParJour;
}

double DateAvecHeure(double jour, double heure) {
    return jour < 0 ? jour - heure : jour + heure;
}
