// NombreColonne over any number and format: it never fails, and a number that fits its
// column is exactly as wide as the column.
#include <cstdint>
#include <cstring>
#include <string>

#include "Colonnes.h"
#include "Texte.h"
#include "Verifie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* données, size_t taille) {
    if (taille < sizeof(double) + 2) return 0;
    double valeur;
    std::memcpy(&valeur, données, sizeof valeur);
    const int largeur = static_cast<int8_t>(données[8]) % 40;
    const int décimales = données[9] % 10;
    const double format = largeur + (largeur < 0 ? -décimales : décimales) / 10.0;
    const std::string texte(reinterpret_cast<const char*>(données + 10), taille - 10);
    const std::string n = NombreColonne(valeur, format);
    if (largeur > 1) VERIFIE(NombreCaractères(n) == static_cast<size_t>(largeur));
    (void)NombreColonne(texte, format);
    (void)NombreColonne(valeur, texte);
    (void)TexteColonne(texte, largeur);
    (void)NombreMasque(valeur, décimales, données[9] & 0x80, ',', 15);
    return 0;
}
