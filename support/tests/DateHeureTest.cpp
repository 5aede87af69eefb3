// OLE dates: calendar conversions both ways, weekday, masks, and the parsing of typed
// dates and times (accepted forms, two-digit years, impossible dates, bad input).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "DateHeure.h"

namespace {
constexpr double UneSeconde = 1.0 / 86400;

PartiesDate P(int a, int mo, int j, int h = 0, int mi = 0, int s = 0) {
    return {a, mo, j, h, mi, s};
}

bool Égales(const PartiesDate& a, const PartiesDate& b) {
    return a.année == b.année && a.mois == b.mois && a.jour == b.jour && a.heure == b.heure &&
           a.minute == b.minute && a.seconde == b.seconde;
}
}  // namespace

TEST(DateHeure, DatesConnues) {
    struct Cas {
        PartiesDate p;
        double date;
    } cas[] = {
        {P(1899, 12, 30), 0},
        {P(1899, 12, 31), 1},
        {P(1900, 1, 1), 2},
        {P(1900, 3, 1), 61},  // 1900 is no leap year
        {P(1970, 1, 1), 25569},
        {P(1998, 12, 7, 14, 5), 36136 + (14 * 60 + 5) / 1440.0},
        {P(1999, 12, 30), 36524},
        {P(2000, 2, 29, 12), 36585.5},  // 2000 is a leap year
        {P(9999, 12, 31), 2958465},
        {P(100, 1, 1), -657434},
        {P(100, 1, 1, 1, 2), -657434 - 62 / 1440.0},  // the first day's times lie below it
        {P(1899, 12, 29, 6), -1.25},  // before the epoch the time still runs forwards
    };
    for (const auto& c : cas) {
        const auto d = DateDepuisParties(c.p);
        ASSERT_TRUE(d) << c.date;
        EXPECT_NEAR(*d, c.date, 1e-9);
        EXPECT_TRUE(Égales(PartiesDepuisDate(c.date), c.p)) << c.date;
    }
}

TEST(DateHeure, PartiesImpossiblesRefusées) {
    for (const auto& p :
         {P(1998, 2, 31), P(1999, 2, 29), P(1900, 2, 29), P(1998, 4, 31), P(1998, 13, 1),
          P(1998, 0, 1), P(1998, 1, 0), P(99, 12, 31), P(10000, 1, 1), P(1998, 1, 1, 24),
          P(1998, 1, 1, 12, 60), P(1998, 1, 1, 12, 0, 60), P(1998, 1, 1, -1)})
        EXPECT_FALSE(DateDepuisParties(p)) << p.jour << "." << p.mois << "." << p.année;
    EXPECT_TRUE(DateDepuisParties(P(2000, 2, 29)));
    EXPECT_TRUE(DateDepuisParties(P(1996, 2, 29)));
}

TEST(DateHeure, ArrondiÀLaSecondeLaPlusProche) {
    const double base = 36136;  // 7.12.1998
    EXPECT_EQ(PartiesDepuisDate(base + 10.4 * UneSeconde).seconde, 10);
    EXPECT_EQ(PartiesDepuisDate(base + 10.6 * UneSeconde).seconde, 11);
    // 23:59:59.7 is midnight of the next day.
    const PartiesDate p = PartiesDepuisDate(base + 1 - 0.3 * UneSeconde);
    EXPECT_TRUE(Égales(p, P(1998, 12, 8))) << p.jour << " " << p.heure;
    EXPECT_EQ(JourSemaine(base + 1 - 0.3 * UneSeconde), 3);  // Tuesday
}

TEST(DateHeure, ValeursHorsCalendrierSansPlantage) {
    const double bizarres[] = {std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               1e300,
                               -1e300,
                               DateMaximum + 0.9 * UneSeconde,
                               -700000.5};
    for (const double d : bizarres) {
        const PartiesDate p = PartiesDepuisDate(d);
        EXPECT_TRUE(DateDepuisParties(p)) << d;
        const int j = JourSemaine(d);
        EXPECT_GE(j, 1);
        EXPECT_LE(j, 7);
        EXPECT_FALSE(FormatDate(d, "dd.mm.yyyy hh:mm:ss").empty());
    }
    EXPECT_TRUE(Égales(PartiesDepuisDate(1e300), P(9999, 12, 31, 23, 59, 59)));
    EXPECT_TRUE(Égales(PartiesDepuisDate(-1e300), P(100, 1, 1, 23, 59, 59)));
    EXPECT_TRUE(Égales(PartiesDepuisDate(std::nan("")), P(1899, 12, 30)));
}

TEST(DateHeure, DateAvecHeure) {
    EXPECT_TRUE(Égales(PartiesDepuisDate(DateAvecHeure(*LireDate("7.12.1998"), *LireHeure("8:00"))),
                       P(1998, 12, 7, 8)));
    EXPECT_TRUE(Égales(PartiesDepuisDate(DateAvecHeure(*LireDate("7.12.1898"), *LireHeure("8:00"))),
                       P(1898, 12, 7, 8)));
}

TEST(DateHeure, JourSemaine) {
    struct Cas {
        PartiesDate p;
        int jour;
    } cas[] = {
        {P(1899, 12, 30), 7}, {P(1899, 12, 31), 1}, {P(1998, 12, 7), 2},  {P(1998, 12, 12), 7},
        {P(1998, 12, 13), 1}, {P(2000, 1, 1), 7},   {P(1899, 12, 24), 1}, {P(1800, 1, 1), 4},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(JourSemaine(*DateDepuisParties(c.p)), c.jour) << c.p.jour << "." << c.p.mois;
        PartiesDate soir = c.p;
        soir.heure = 23;
        soir.minute = 59;
        EXPECT_EQ(JourSemaine(*DateDepuisParties(soir)), c.jour);
    }
}

TEST(DateHeure, Masques) {
    const double d = *DateDepuisParties(P(1998, 12, 7, 14, 5, 40));
    const double matin = *DateDepuisParties(P(2003, 2, 1, 8, 4, 9));
    struct Cas {
        double date;
        const char* masque;
        const char* texte;
    } cas[] = {
        {d, "dd.mm.yyyy", "07.12.1998"},
        {d, "dd.mm.yyyy hh:mm", "07.12.1998 14:05"},
        {d, "dd.mm.yy hh:mm", "07.12.98 14:05"},
        {d, "d.m.yy h:mm", "7.12.98 14:05"},
        {d, "hh:mm", "14:05"},  // seconds dropped, not rounded into the minute
        {d, "hh:mm:ss", "14:05:40"},
        {d, "d.m.yyyy", "7.12.1998"},
        {d, "h:mm", "14:05"},
        {matin, "dd.mm.yyyy", "01.02.2003"},
        {matin, "d.m.yy h:mm", "1.2.03 8:04"},
        {matin, "d.m.yyyy", "1.2.2003"},
        {matin, "h:mm", "8:04"},
        {matin, "hh:mm:ss", "08:04:09"},
        {matin, "mm:ss", "04:09"},  // minutes before seconds
        {matin, "DD.MM.YYYY", "01.02.2003"},
        {matin, "y", "y"},
        {matin, "", ""},
        {0, "dd.mm.yyyy hh:mm", "30.12.1899 00:00"},
        {5.5 / 1440, "hh:mm:ss", "00:05:30"},
        {36136 + (14 * 3600 + 5 * 60 + 59.6) / 86400, "hh:mm:ss", "14:06:00"},
        {-1.25, "dd.mm.yyyy hh:mm", "29.12.1899 06:00"},
    };
    for (const auto& c : cas) EXPECT_EQ(FormatDate(c.date, c.masque), c.texte) << c.masque;
}

TEST(DateHeure, LireDateFormesAcceptées) {
    struct Cas {
        const char* texte;
        PartiesDate p;
    } cas[] = {
        {"07.12.98", P(1998, 12, 7)},    {"7.12.98", P(1998, 12, 7)},
        {"7.1.1998", P(1998, 1, 7)},     {"07.12.1998", P(1998, 12, 7)},
        {"1.1.30", P(1930, 1, 1)},       {"31.12.99", P(1999, 12, 31)},
        {"1.1.00", P(2000, 1, 1)},       {"31.12.29", P(2029, 12, 31)},
        {"29.2.2000", P(2000, 2, 29)},   {"29.02.96", P(1996, 2, 29)},
        {"  7.12.98\t", P(1998, 12, 7)}, {"1.1.0100", P(100, 1, 1)},
        {"31.12.9999", P(9999, 12, 31)}, {"30.12.1899", P(1899, 12, 30)},
    };
    for (const auto& c : cas) {
        const auto d = LireDate(c.texte);
        ASSERT_TRUE(d) << c.texte;
        EXPECT_EQ(*d, *DateDepuisParties(c.p)) << c.texte;
    }
}

TEST(DateHeure, LireDateRefuse) {
    for (const char* texte :
         {"",         " ",        "abc",           "31.02.1998", "29.02.1999", "29.2.1900",
          "32.1.98",  "1.13.98",  "0.1.98",        "1.0.98",     "7.12",       "7.12.",
          "7.12.98.", "7.12.998", "7.12.8",        "7.12.19988", "007.12.98",  "7.012.98",
          "7/12/98",  "7-12-98",  "7.12.98 14:05", "7 .12.98",   "+7.12.98",   "-7.12.98",
          "1.1.0099", "7.12.98x", ".12.98",        "7..98"})
        EXPECT_FALSE(LireDate(texte)) << '"' << texte << '"';
}

TEST(DateHeure, LireHeure) {
    struct Cas {
        const char* texte;
        int secondes;
    } cas[] = {
        {"14:05", 14 * 3600 + 5 * 60},
        {"8:04", 8 * 3600 + 4 * 60},
        {"0:00", 0},
        {"00:05:30", 330},
        {"23:59:59", 86399},
        {" 9:30 ", 9 * 3600 + 1800},
        {"7:5", 7 * 3600 + 300},
    };
    for (const auto& c : cas) {
        const auto h = LireHeure(c.texte);
        ASSERT_TRUE(h) << c.texte;
        EXPECT_NEAR(*h, c.secondes * UneSeconde, 1e-12) << c.texte;
        EXPECT_LT(*h, 1.0);
    }
    for (const char* texte :
         {"", "24:00", "12:60", "12:00:60", "12", "12:", ":30", "12:30:", "123:00", "12:300",
          "12.30", "12:30 h", "-1:00", "1:2:3:4", "ab:cd", "12 :30"})
        EXPECT_FALSE(LireHeure(texte)) << '"' << texte << '"';
}

TEST(DateHeure, CeQuiEstÉcritSeRelitÀLIdentique) {
    // The editor and the task file write these forms and read them back.
    for (double jour = 10959; jour < 47484; jour += 37.3) {  // 1.1.1930 .. 31.12.2029
        const double d = std::floor(jour) + std::round((jour - std::floor(jour)) * 1440) / 1440;
        const double date = std::floor(d), heure = d - date;
        for (const char* masque : {"dd.mm.yy", "d.m.yyyy", "dd.mm.yyyy"})
            EXPECT_EQ(LireDate(FormatDate(d, masque)), date) << masque << " " << d;
        for (const char* masque : {"hh:mm", "h:mm", "hh:mm:ss"})
            EXPECT_NEAR(*LireHeure(FormatDate(d, masque)), heure, 1e-9) << masque;
    }
}
