// The French description of a drive type (see TypeLecteur.h).
#include "TypeLecteur.h"

std::string LecteurTypeTexte(int codeDuPlateforme) {
    switch (codeDuPlateforme) {
        case 1:
            return "1 - disque non présent";
        case 2:
            return "2 - lecteur de disquettes";
        case 3:
            return "3 - disque dur";
        case 4:
            return "4 - lecteur réseau";
        case 5:
            return "5 - CD-Rom";
        case 6:
            return "6 - disque virtuel en mémoire";
        default:
            return "0 - disque de type inconnu (" + std::to_string(codeDuPlateforme) + ")";
    }
}
