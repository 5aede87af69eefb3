// OLE Automation dates (days since 30.12.1899 00:00, fraction = time of day): conversion
// from and to date and time parts, weekday, the suite's text formats and the parsing of
// typed dates and times (day first, dots; two-digit years 1930 to 2029).
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct PartiesDate {
    int année = 1899, mois = 12, jour = 30;
    int heure = 0, minute = 0, seconde = 0;
};

// Limits of the calendar the conversions accept: 1.1.100 00:00 and 31.12.9999 23:59:59.
inline constexpr double DateMinimum = -657434.0;
inline constexpr double DateMaximum = 2958465.0 + 86399.0 / 86400.0;

// The OLE date of a calendar date and time; nothing when the date does not exist
// (31.02.1998) or a part is out of range (years 100 to 9999, 24-hour clock).
// Before 30.12.1899 the integer part counts the days backwards while the fraction
// still adds the time of day (29.12.1899 06:00 is -1.25), as OLE dates do.
std::optional<double> DateDepuisParties(const PartiesDate& p);
// Date and time parts of an OLE date, rounded to the nearest second. Never fails: a value
// outside the calendar is taken at the nearest limit, and NaN as 30.12.1899 00:00.
PartiesDate PartiesDepuisDate(double date);
// 1 = Sunday ... 7 = Saturday, of the day PartiesDepuisDate gives.
int JourSemaine(double date);
// Formats with a mask made of d, dd, m, mm (minutes after h or hh, or before s),
// yy, yyyy, h, hh, s, ss (any case) and literal separators, e.g. "dd.mm.yyyy hh:mm",
// "d.m.yy h:mm", "hh:mm:ss". Other characters are copied.
// Seconds are rounded to the nearest second first; "hh:mm" then drops them.
std::string FormatDate(double date, std::string_view masque);
// "d.m.yyyy" or "d.m.yy" (1 or 2 digits for day and month; yy: 30..99 -> 19yy, 00..29 -> 20yy);
// the whole date as an OLE date at 00:00, nothing for anything else (31.02.1998, "abc").
// Blanks around the text are ignored.
std::optional<double> LireDate(std::string_view texte);
// The same, a two-digit year standing for the year within premièreAnnée to
// premièreAnnée + 99 (LireDate is LireDateFenêtre(texte, 1930)).
std::optional<double> LireDateFenêtre(std::string_view texte, int premièreAnnée);
// "h:mm" or "h:mm:ss" (hours 0..23, minutes and seconds 0..59, 1 or 2 digits each) as a
// time value below 1. Blanks around the text are ignored.
std::optional<double> LireHeure(std::string_view texte);
// The moment of a time of day (below 1) on a day (an OLE date at 00:00). Before
// 30.12.1899 the day number is negative and the time still runs forwards, so the time is
// not simply added.
double DateAvecHeure(double jour, double heure);
