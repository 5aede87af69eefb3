// Auto.dat as anyone may have written it: loading never fails on its contents, and once
// written back, what is read again is written again byte for byte (the same table).
#include <algorithm>
#include <cstdint>
#include <string>

#include "Doubles.h"
#include "Taches.h"
#include "Texte1252.h"
#include "Verifie.h"

namespace {

bool MêmeTâche(const Tâche& a, const Tâche& b) {
    return a.Programme == b.Programme && a.Paramètres == b.Paramètres && a.Fenêtre == b.Fenêtre &&
           a.Répétition == b.Répétition && a.Prochaine == b.Prochaine &&
           a.DernièreExécution == b.DernièreExécution && a.Actif == b.Actif &&
           a.DélaiMax == b.DélaiMax;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* données, size_t taille) {
    FichiersMémoire f;
    HorlogeFixe horloge;
    Horlo h{f, horloge, Programme::DepuisChemin("C:\\Vud\\Horlo.exe")};
    const std::string chemin = "C:\\Vud\\Auto.dat";
    f.PoseFichier(chemin, std::string(reinterpret_cast<const char*>(données), taille));
    VERIFIE(TâchesCharge(h).ok);
    for (size_t i = 1; i <= h.Tâches.Dernier(); ++i) (void)LigneTâche(h, i);

    VERIFIE(TâchesEnregistre(h).ok);
    std::string premier = f.Contenu(chemin);
    // The reading rule's accepted risk: tasks whose Windows-1252 bytes form UTF-8 ("Ã©")
    // read back as that UTF-8 ("é"). Each round turns every such sequence into one byte,
    // so the file settles within as many rounds as it has bytes above 0x7F.
    const auto hauts = std::count_if(premier.begin(), premier.end(),
                                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    for (long tour = 0; CommeUtf8(premier) && tour <= hauts; ++tour) {
        VERIFIE(TâchesCharge(h).ok);
        VERIFIE(TâchesEnregistre(h).ok);
        premier = f.Contenu(chemin);
    }
    VERIFIE(!CommeUtf8(premier));
    VERIFIE(TâchesCharge(h).ok);
    const TableTâches lue = h.Tâches;
    VERIFIE(TâchesEnregistre(h).ok);
    VERIFIE(f.Contenu(chemin) == premier);
    VERIFIE(TâchesCharge(h).ok);
    VERIFIE(h.Tâches.Dernier() == lue.Dernier());
    for (size_t i = 1; i <= lue.Dernier(); ++i) VERIFIE(MêmeTâche(h.Tâches[i], lue[i]));
    return 0;
}
