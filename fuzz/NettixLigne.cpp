// Nettix's command line and its stored lists as anyone may have written them: reading
// them never fails.
#include <cstdint>
#include <string>

#include "Doubles.h"
#include "Nettix.h"
#include "Registre.h"
#include "RegistreMemoire.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* données, size_t taille) {
    // The input: the command line, then the stored settings, separated by NUL bytes.
    std::string reste(reinterpret_cast<const char*>(données), taille);
    const auto suivant = [&] {
        const auto nul = reste.find('\0');
        std::string t = reste.substr(0, nul);
        reste = nul == std::string::npos ? std::string() : reste.substr(nul + 1);
        return t;
    };
    const std::string ligne = suivant();
    RegistreMémoire brut;
    Registre registre{brut, "Nettix", ','};
    for (const char* nom : {"Extensions", "Unités sélectionnées", "Extensions interdites",
                            "Extensions sélectionnées"})
        if (!reste.empty()) registre.ParamProgEcrit(nom, suivant());
    DialoguesScript dialogues;
    ParamètresNettix p = ParamètresCharge(
        registre, UnitésConstruit({{"A:", "2"}, {"C:", "3"}, {"D:", "3"}, {"N:", "4"}}), dialogues);
    (void)LigneDeCommandeApplique(p, ligne, dialogues, "(Nettix v1.0.0)");
    (void)RecenserPermis(p);
    return 0;
}
