// Conversions of the suite's values (see Valeurs.h).
#include "Valeurs.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "DateHeure.h"
#include "Texte.h"

namespace {

// General number format with the fewest significant digits, from `minimum` up, that read
// back as the same value (as a float when `simple`): 7 for most single values, 15 for
// most doubles, more only where fewer would change the number.
std::string NombreGénéral(double x, int minimum, bool simple, char séparateur) {
    if (!std::isfinite(x)) return {};
    if (x == 0) return "0";
    char tampon[64] = {};
    for (int chiffres = minimum; chiffres <= 17; ++chiffres) {
        std::snprintf(tampon, sizeof tampon, "%.*G", chiffres, x);
        const double relu = std::strtod(tampon, nullptr);
        if (simple ? static_cast<float>(relu) == static_cast<float>(x) : relu == x) break;
    }
    std::string t(tampon);
    for (char& c : t)
        if (c == '.') c = séparateur;
    return t;
}

std::string MonnaieTexte(int64_t dixMillièmes, char séparateur) {
    // Through unsigned so that the most negative amount has a magnitude too.
    const uint64_t m = dixMillièmes < 0 ? 0 - static_cast<uint64_t>(dixMillièmes)
                                        : static_cast<uint64_t>(dixMillièmes);
    char tampon[40];
    int n = std::snprintf(tampon, sizeof tampon, "%s%llu%c%04llu", dixMillièmes < 0 ? "-" : "",
                          static_cast<unsigned long long>(m / 10000), séparateur,
                          static_cast<unsigned long long>(m % 10000));
    while (tampon[n - 1] == '0') --n;  // trailing zeros of the fraction
    if (tampon[n - 1] == séparateur) --n;
    return std::string(tampon, static_cast<size_t>(n));
}

// Local classes cannot hold the catch-all template, hence these visitors out here.
struct EnNombre {
    double operator()(int16_t x) const { return x; }
    double operator()(int32_t x) const { return x; }
    double operator()(float x) const { return x; }
    double operator()(double x) const { return x; }
    double operator()(Monnaie m) const { return static_cast<double>(m.dixMillièmes) / 10000; }
    double operator()(DateV d) const { return d.jours; }
    double operator()(bool b) const { return b ? -1 : 0; }
    double operator()(const std::string& t) const { return LireNombre(t).value_or(0); }
    double operator()(const auto&) const { return 0; }  // absent, null, other
};

struct EnTexte {
    char sép;
    std::string operator()(int16_t x) const { return std::to_string(x); }
    std::string operator()(int32_t x) const { return std::to_string(x); }
    std::string operator()(float x) const { return NombreGénéral(x, 7, true, sép); }
    std::string operator()(double x) const { return NombreGénéral(x, 15, false, sép); }
    std::string operator()(Monnaie m) const { return MonnaieTexte(m.dixMillièmes, sép); }
    std::string operator()(DateV d) const { return FormatDate(d.jours, "dd.mm.yyyy hh:mm"); }
    std::string operator()(bool b) const { return b ? "-1" : "0"; }
    std::string operator()(const std::string& t) const { return t; }
    std::string operator()(const auto&) const { return {}; }  // absent, null, other
};

}  // namespace

double VersNombre(const Variant& v) {
    return std::visit(EnNombre{}, v);
}

std::string VersTexte(const Variant& v, char séparateur) {
    return std::visit(EnTexte{séparateur}, v);
}

std::optional<double> LireNombre(std::string_view texte) {
    texte = SansBlancs(texte, BlancsEtTabs);
    if (texte.empty()) return std::nullopt;
    bool négatif = false;
    if (texte.front() == '+' || texte.front() == '-') {
        négatif = texte.front() == '-';
        texte.remove_prefix(1);
    } else if (texte.size() > 1 && (texte.back() == '+' || texte.back() == '-')) {
        négatif = texte.back() == '-';
        texte.remove_suffix(1);
    }
    // Rebuilt in the one plain decimal form, after checking the shape by hand so that
    // "inf", "nan" and hexadecimal forms are not taken for numbers; read with strtod (no
    // program sets a C locale, so the point is the separator), which the programs link
    // anyway, rather than the floating-point from_chars and its 33 KB of tables.
    std::string forme;
    size_t i = 0, chiffres = 0;
    bool point = false;
    for (; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c >= '0' && c <= '9') {
            forme += c;
            ++chiffres;
        } else if ((c == '.' || c == ',') && !point) {
            forme += '.';
            point = true;
        } else {
            break;
        }
    }
    if (chiffres == 0) return std::nullopt;
    if (i < texte.size()) {
        if (texte[i] != 'e' && texte[i] != 'E') return std::nullopt;
        forme += 'e';
        ++i;
        if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) forme += texte[i++];
        size_t exposant = 0;
        for (; i < texte.size() && texte[i] >= '0' && texte[i] <= '9'; ++i, ++exposant)
            forme += texte[i];
        if (exposant == 0 || i < texte.size()) return std::nullopt;
    }
    errno = 0;
    char* fin = nullptr;
    const double x = std::strtod(forme.c_str(), &fin);
    // Out of range: too large, or so small that it reads as zero (subnormals are numbers).
    if (fin != forme.c_str() + forme.size() || !std::isfinite(x) || (errno == ERANGE && x == 0))
        return std::nullopt;
    return négatif ? -x : x;
}

std::optional<long long> LireEntier(std::string_view s) {
    s = SansBlancs(s);
    if (s.size() > 1 && s.front() == '+') s.remove_prefix(1);
    long long v = 0;
    const auto [fin, erreur] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || erreur != std::errc() || fin != s.data() + s.size()) return std::nullopt;
    return v;
}

std::optional<double> NombreDe(const Variant& v) {
    if (const auto* t = std::get_if<std::string>(&v)) return LireNombre(*t);
    if (EstNombre(v) || std::holds_alternative<bool>(v)) {
        const double x = VersNombre(v);
        if (std::isfinite(x)) return x;
    }
    return std::nullopt;
}

std::string TexteDe(const Variant& v) {
    return EstTexte(v) ? std::get<std::string>(v) : std::string();
}
