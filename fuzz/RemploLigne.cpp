// Remplo's command line as any caller may give it: the analysis never fails on it, and
// what it reads, written back in the form the self-update check builds, reads the same.
#include <cstdint>
#include <string>

#include "Remplo.h"
#include "Verifie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* données, size_t taille) {
    const std::string ligne(reinterpret_cast<const char*>(données), taille);
    (void)ArgumentsDeLaLigne(ligne);
    const auto lue = RemploAnalyse(ligne);
    if (!lue) return 0;
    VERIFIE(!lue->source.empty() && !lue->destination.empty());
    const auto relue =
        RemploAnalyse("\"" + lue->source + "\" \"" + lue->destination + "\" " + lue->queue);
    VERIFIE(relue && *relue == *lue);
    return 0;
}
