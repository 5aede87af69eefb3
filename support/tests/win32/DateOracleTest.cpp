// Our OLE date code against the platform's own (oleaut32) as an independent oracle:
// calendar conversions, the parsing of typed dates and times, and the masks.
#include <windows.h>
#include <gtest/gtest.h>
#include <oleauto.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "DateHeure.h"
#include "Utf16.h"

namespace {

constexpr LCID FrançaisSuisse = 0x100C;
constexpr double UneSeconde = 1.0 / 86400;

// A fixed linear congruential sequence, so that every run checks the same values.
struct Aléa {
    uint64_t état;
    explicit Aléa(uint64_t graine) : état(graine) {}
    uint32_t Suivant() {
        état = état * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(état >> 33);
    }
    int Entre(int bas, int haut) {  // bas..haut inclusive
        return bas + static_cast<int>(Suivant() % static_cast<uint32_t>(haut - bas + 1));
    }
};

int JoursDuMois(int a, int m) {
    static constexpr int jours[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bissextile = (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
    return m == 2 && bissextile ? 29 : jours[m - 1];
}

PartiesDate PartiesAuHasard(Aléa& a, int annéeMin, int annéeMax) {
    PartiesDate p;
    p.année = a.Entre(annéeMin, annéeMax);
    p.mois = a.Entre(1, 12);
    p.jour = a.Entre(1, JoursDuMois(p.année, p.mois));
    p.heure = a.Entre(0, 23);
    p.minute = a.Entre(0, 59);
    p.seconde = a.Entre(0, 59);
    return p;
}

std::string Texte(const PartiesDate& p) {
    return FormatDate(*DateDepuisParties(p), "dd.mm.yyyy hh:mm:ss");
}

std::optional<double> OracleLit(const std::string& texte) {
    DATE d = 0;
    std::wstring large = VersUtf16(texte);
    if (FAILED(VarDateFromStr(large.data(), FrançaisSuisse, 0, &d))) return std::nullopt;
    return d;
}

// The oracle's rendering of a date with a mask, or nothing when it refuses the mask.
std::optional<std::string> OracleFormate(double date, const std::string& masque) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_DATE;
    v.date = date;
    std::wstring m = VersUtf16(masque);
    BSTR résultat = nullptr;
    if (FAILED(VarFormat(&v, m.data(), 1, 1, 0, &résultat)) || !résultat) return std::nullopt;
    std::string texte = DepuisUtf16(std::wstring_view(résultat, SysStringLen(résultat)));
    SysFreeString(résultat);
    return texte;
}

}  // namespace

TEST(DateOracle, PartiesVersDateCommeSystemTimeToVariantTime) {
    Aléa a(1998);
    std::vector<PartiesDate> cas = {{1899, 12, 30, 0, 0, 0},    {1998, 12, 7, 14, 5, 0},
                                    {2000, 2, 29, 23, 59, 59},  {1900, 3, 1, 12, 0, 0},
                                    {9999, 12, 31, 23, 59, 59}, {1899, 12, 29, 6, 0, 0},
                                    {1600, 2, 29, 18, 30, 0}};
    for (int i = 0; i < 400; ++i) cas.push_back(PartiesAuHasard(a, i % 4 ? 1900 : 100, 9999));
    for (const auto& p : cas) {
        SYSTEMTIME st{};
        st.wYear = static_cast<WORD>(p.année);
        st.wMonth = static_cast<WORD>(p.mois);
        st.wDay = static_cast<WORD>(p.jour);
        st.wHour = static_cast<WORD>(p.heure);
        st.wMinute = static_cast<WORD>(p.minute);
        st.wSecond = static_cast<WORD>(p.seconde);
        double attendu = 0;
        ASSERT_TRUE(SystemTimeToVariantTime(&st, &attendu)) << Texte(p);
        const auto nôtre = DateDepuisParties(p);
        ASSERT_TRUE(nôtre) << Texte(p);
        EXPECT_NEAR(*nôtre, attendu, 1e-3 * UneSeconde) << Texte(p);
    }
}

TEST(DateOracle, DateVersPartiesCommeVariantTimeToSystemTime) {
    Aléa a(36136);
    std::vector<double> cas = {0,    1,   36136.586806, 36524,   -1.25,
                               -0.5, 0.5, 2958465.5,    -657434, 36136 + 59.6 * UneSeconde};
    for (int i = 0; i < 400; ++i) {
        const double jour = i % 4 ? a.Entre(0, 80000) : a.Entre(-657434, 2958464);
        const double fraction = a.Suivant() / 4294967296.0;
        cas.push_back(jour < 0 ? jour - fraction : jour + fraction);
    }
    for (const double d : cas) {
        // Exactly half a second is a tie the two sides may break differently.
        const double secondes = std::fabs(d - std::trunc(d)) * 86400;
        if (std::fabs(secondes - std::floor(secondes) - 0.5) < 1e-4) continue;
        SYSTEMTIME st{};
        ASSERT_TRUE(VariantTimeToSystemTime(d, &st)) << d;
        const PartiesDate p = PartiesDepuisDate(d);
        EXPECT_EQ(p.année, st.wYear) << d;
        EXPECT_EQ(p.mois, st.wMonth) << d;
        EXPECT_EQ(p.jour, st.wDay) << d;
        EXPECT_EQ(p.heure, st.wHour) << d;
        EXPECT_EQ(p.minute, st.wMinute) << d;
        EXPECT_EQ(p.seconde, st.wSecond) << d;
        EXPECT_EQ(JourSemaine(d), st.wDayOfWeek + 1) << d;  // the platform counts Sunday as 0
    }
}

TEST(DateOracle, SaisiesValidesCommeVarDateFromStr) {
    ASSERT_TRUE(OracleLit("07.12.98 14:05"));
    EXPECT_NEAR(*OracleLit("07.12.98 14:05"), 36136.586806, 1e-6);

    Aléa a(1930);
    std::vector<std::string> dates, heures;
    for (int i = 0; i < 300; ++i) {
        // Four-digit years, and two-digit ones where both sides agree: the oracle puts
        // 30..49 in 2030..2049 (its window is 1950..2049) where we read 1930..1949.
        PartiesDate p = PartiesAuHasard(a, 1950, 2029);
        const double d = *DateDepuisParties(p);
        if (i % 3 == 0) p = PartiesAuHasard(a, 1000, 9999);
        const double d4 = *DateDepuisParties(p);
        static const char* const masquesDate[] = {"dd.mm.yy", "d.m.yy", "d.m.yyyy", "dd.mm.yyyy"};
        static const char* const masquesHeure[] = {"hh:mm", "h:mm", "hh:mm:ss", "h:mm:ss"};
        const char* masque = masquesDate[i % 4];
        dates.push_back(
            FormatDate(std::string(masque).find("yyyy") != std::string::npos ? d4 : d, masque));
        heures.push_back(FormatDate(d, masquesHeure[(i / 4) % 4]));
    }
    int comparés = 0;
    for (std::size_t i = 0; i < dates.size(); ++i) {
        const auto oracleDate = OracleLit(dates[i]);
        const auto nôtre = LireDate(dates[i]);
        ASSERT_TRUE(nôtre) << dates[i];
        ASSERT_TRUE(oracleDate) << dates[i];
        EXPECT_NEAR(*nôtre, *oracleDate, 1e-9) << dates[i];

        const auto oracleHeure = OracleLit(heures[i]);
        ASSERT_TRUE(oracleHeure) << heures[i];
        EXPECT_NEAR(*LireHeure(heures[i]), *oracleHeure, 1e-9) << heures[i];
        ++comparés;
    }
    EXPECT_EQ(comparés, 300);
}

TEST(DateOracle, DatesImpossiblesRefuséesDesDeuxCôtés) {
    for (const char* texte : {"31.02.1998", "29.02.1999", "31.04.98", "29.2.1900"}) {
        EXPECT_FALSE(OracleLit(texte)) << texte;
        EXPECT_FALSE(LireDate(texte)) << texte;
    }
}

TEST(DateOracle, MasquesCommeVarFormat) {
    Aléa a(7121998);
    std::vector<double> cas = {36136 + (14 * 3600 + 5 * 60 + 40) * UneSeconde, 0,
                               *DateDepuisParties({2003, 2, 1, 8, 4, 9})};
    for (int i = 0; i < 300; ++i) cas.push_back(*DateDepuisParties(PartiesAuHasard(a, 1900, 2099)));
    const char* const masques[] = {
        "dd.mm.yyyy", "dd.mm.yyyy hh:mm", "dd.mm.yy hh:mm", "d.m.yy h:mm",
        "hh:mm",      "hh:mm:ss",         "d.m.yyyy",       "h:mm"};
    for (const char* masque : masques) {
        ASSERT_TRUE(OracleFormate(cas[0], masque)) << masque;
        for (const double d : cas)
            EXPECT_EQ(FormatDate(d, masque), OracleFormate(d, masque)) << masque << " " << d;
    }
}
