// The start counter under HKEY_LOCAL_MACHINE Software\Talmon\Talmon.
#include "Demarrage.h"

#include <cmath>

#include "Valeurs.h"

void CompteurDémarrageIncrémente(Registre& registre, const std::string& nomProgramme) {
    const double lu = VersNombre(registre.ParamLit(nomProgramme, std::string("Talmon"), true));
    // A hand-edited value that is not a sensible count starts again from 0.
    const long long n = std::isfinite(lu) && lu >= 0 && lu < 9e15 ? static_cast<long long>(lu) : 0;
    registre.RegistreEcrit(Racine::HKLM, "Software\\Talmon\\Talmon\\", nomProgramme,
                           std::to_string(n + 1));
}
