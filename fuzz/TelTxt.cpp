// tel.txt as any editor may have saved it: the note shown from it is written back and
// read again as the same text.
#include <cstdint>
#include <string>

#include "Note.h"
#include "Texte1252.h"
#include "Verifie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* données, size_t taille) {
    const std::string texte =
        NoteDepuisOctets(std::string_view(reinterpret_cast<const char*>(données), taille));
    const auto octets = NoteVersOctets(texte);
    // Text read from Windows-1252 always fits it; a UTF-8 note may hold what does not.
    if (!octets) return 0;
    // The reading rule's accepted risk: a text whose Windows-1252 bytes form UTF-8 ("Ã©")
    // reads back as that UTF-8 ("é"). Nothing else written reads as UTF-8.
    if (CommeUtf8(*octets)) return 0;
    VERIFIE(NoteDepuisOctets(*octets) == texte);
    return 0;
}
