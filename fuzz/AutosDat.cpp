// Autos.dat, the catalogue, as anyone may have written it: loading never fails on its
// contents and gives one entry per line.
#include <cstdint>
#include <string>

#include "Doubles.h"
#include "Taches.h"
#include "Verifie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* données, size_t taille) {
    FichiersMémoire f;
    HorlogeFixe horloge;
    Horlo h{f, horloge, Programme::DepuisChemin("C:\\Vud\\Horlo.exe")};
    f.PoseFichier("C:\\Vud\\Autos.dat",
                  std::string(reinterpret_cast<const char*>(données), taille));
    VERIFIE(ModèlesCharge(h).ok);
    return 0;
}
