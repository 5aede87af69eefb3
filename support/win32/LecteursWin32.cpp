// Drive letters: their type (GetDriveTypeW) and whether their root can be listed.
#include "LecteursWin32.h"

#include <windows.h>

#include "Possession.h"
#include "TypeLecteur.h"
#include "Utf16.h"

namespace {

// "X:\" for the first character of the text (":\" for an empty text, which no drive has).
std::wstring Racine(const std::string& lecteur) {
    const std::wstring w = VersUtf16(lecteur);
    std::wstring racine;
    if (!w.empty()) {
        const size_t n = IS_HIGH_SURROGATE(w[0]) && w.size() > 1 ? 2 : 1;
        racine = w.substr(0, n);
    }
    return racine + L":\\";
}

}  // namespace

std::string LecteurType(const std::string& lecteur) {
    return LecteurTypeTexte(static_cast<int>(GetDriveTypeW(Racine(lecteur).c_str())));
}

bool LecteurPret(const std::string& lecteur) {
    const ErreursSilencieuses silence;
    WIN32_FIND_DATAW d;
    const Recherche h(FindFirstFileW((Racine(lecteur) + L"*").c_str(), &d));
    const DWORD erreur = h ? ERROR_SUCCESS : GetLastError();
    return erreur == ERROR_SUCCESS || erreur == ERROR_FILE_NOT_FOUND ||
           erreur == ERROR_NO_MORE_FILES;
}
