// The running executable's path, and the named mutex of the single-instance test.
#include "ProgrammeWin32.h"

#include <windows.h>

#include "Possession.h"
#include "Texte.h"
#include "Utf16.h"

std::string CheminExécutable() {
    std::wstring chemin(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            GetModuleFileNameW(nullptr, chemin.data(), static_cast<DWORD>(chemin.size()));
        if (n == 0) return {};
        if (n < chemin.size()) {
            chemin.resize(n);
            return DepuisUtf16(chemin);
        }
        chemin.resize(chemin.size() * 2);  // truncated: try a larger buffer
    }
}

Programme ProgrammeCourant() {
    const std::string chemin = CheminExécutable();
    return chemin.empty() ? Programme{} : Programme::DepuisChemin(chemin);
}

bool UneSeuleInstance(const std::string& nomProgramme) {
    std::wstring nom = VersUtf16(Majuscules(nomProgramme));
    for (auto& c : nom)
        if (c == L'\\') c = L'_';  // a backslash would name a namespace
    PoignéeNoyau h(CreateMutexW(nullptr, FALSE, (L"Local\\Orvan98." + nom).c_str()));
    const DWORD erreur = GetLastError();
    if (AutreInstance(static_cast<bool>(h), erreur)) return false;
    // Held on purpose until the process ends; the system closes it then.
    h.Lâche();
    return true;
}

bool AutreInstance(bool obtenu, unsigned long erreur) {
    return obtenu ? erreur == ERROR_ALREADY_EXISTS : erreur == ERROR_ACCESS_DENIED;
}
