// Auto.dat as anyone may have written it: loading never fails on its contents, and once
// written back, what is read again is written again byte for byte (the same table).
#include <cstdint>
#include <string>

#include "Doubles.h"
#include "Taches.h"
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
    const std::string premier = f.Contenu(chemin);
    VERIFIE(TâchesCharge(h).ok);
    const TableTâches lue = h.Tâches;
    VERIFIE(TâchesEnregistre(h).ok);
    VERIFIE(f.Contenu(chemin) == premier);
    VERIFIE(TâchesCharge(h).ok);
    VERIFIE(h.Tâches.Dernier() == lue.Dernier());
    for (size_t i = 1; i <= lue.Dernier(); ++i) VERIFIE(MêmeTâche(h.Tâches[i], lue[i]));
    return 0;
}
