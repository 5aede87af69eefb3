// Dates and times as typed or stored: reading never fails on the text, and what is read,
// formatted as the suite stores it, reads back as the same moment.
#include <cstdint>
#include <string>

#include "DateHeure.h"
#include "Verifie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* données, size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(données), taille);
    if (const auto d = LireDate(texte)) VERIFIE(LireDate(FormatDate(*d, "dd.mm.yyyy")) == d);
    if (const auto h = LireHeure(texte)) VERIFIE(LireHeure(FormatDate(*h, "hh:mm:ss")) == h);
    // As the editor reads typed dates: two-digit years within a window of 100 years.
    constexpr int fenêtre = 1976;
    if (const auto d = LireDateFenêtre(texte, fenêtre)) {
        VERIFIE(LireDateFenêtre(FormatDate(*d, "dd.mm.yyyy"), fenêtre) == d);
        const int année = PartiesDepuisDate(*d).année;
        if (année >= fenêtre && année < fenêtre + 100)
            VERIFIE(LireDateFenêtre(FormatDate(*d, "d.m.yy"), fenêtre) == d);
    }
    // Any stored double as a date: the parts and the formats never fail.
    if (taille >= sizeof(double)) {
        double x;
        __builtin_memcpy(&x, données, sizeof x);
        (void)FormatDate(x, "dd.mm.yyyy hh:mm:ss");
        (void)JourSemaine(x);
        // Before 30.12.1899 two doubles name one moment (the fraction adds the time of
        // day either way), so the parts are compared, not the values.
        const PartiesDate p = PartiesDepuisDate(x);
        const auto d = DateDepuisParties(p);
        VERIFIE(d);
        const PartiesDate q = PartiesDepuisDate(*d);
        VERIFIE(p.année == q.année && p.mois == q.mois && p.jour == q.jour && p.heure == q.heure &&
                p.minute == q.minute && p.seconde == q.seconde);
    }
    return 0;
}
