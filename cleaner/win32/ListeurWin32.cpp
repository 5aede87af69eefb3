// Folder listing and drive discovery over Win32.
#include "ListeurWin32.h"

#include <windows.h>

#include "LecteursWin32.h"
#include "Utf16.h"

namespace {

// The UTF-8 form of a file name into `nom`, without allocating for the usual ASCII names.
void NomDepuis(const wchar_t* w, std::string& nom) {
    nom.clear();
    for (const wchar_t* c = w; *c; ++c) {
        if (*c >= 0x80) {
            nom = DepuisUtf16(w);
            return;
        }
        nom.push_back(static_cast<char>(*c));
    }
}

}  // namespace

bool ListeurWin32::Liste(const std::string& rep, VisiteurDossier& visiteur) {
    std::wstring motif = VersUtf16(rep);
    if (motif.size() > MAX_PATH - 12 && motif.rfind(L"\\\\", 0) != 0) motif.insert(0, L"\\\\?\\");
    motif += L"*";

    DWORD ancien = 0;
    const bool mode =
        SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &ancien) != FALSE;
    WIN32_FIND_DATAW d;
    HANDLE h = FindFirstFileExW(motif.c_str(), FindExInfoBasic, &d, FindExSearchNameMatch, nullptr,
                                FIND_FIRST_EX_LARGE_FETCH);
    if (h == INVALID_HANDLE_VALUE) {
        if (mode) SetThreadErrorMode(ancien, nullptr);
        return false;
    }
    do {
        NomDepuis(d.cFileName, entrée_.nom);
        entrée_.attributs = d.dwFileAttributes;
        entrée_.taille = (static_cast<uint64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
        if (!visiteur.Entrée(entrée_)) break;
    } while (FindNextFileW(h, &d));
    FindClose(h);
    if (mode) SetThreadErrorMode(ancien, nullptr);
    return true;
}

namespace {

// Wine's own export, absent on Windows.
using UnixDe = char*(CDECL*)(const wchar_t*);
UnixDe FonctionUnix() {
    static const auto f = reinterpret_cast<UnixDe>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    return f;
}

}  // namespace

bool ListeurWin32::LienCaché(const std::string& chemin, bool dossier) {
    if (!FonctionUnix()) return false;
    const std::wstring w = VersUtf16(chemin);
    HANDLE h = CreateFileW(w.c_str(), FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, dossier ? FILE_FLAG_BACKUP_SEMANTICS : 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return true;  // cannot be examined: not entered, not listed
    wchar_t final[4096];
    const DWORD n = GetFinalPathNameByHandleW(h, final, 4096, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(h);
    if (n == 0 || n >= 4096) return true;
    std::wstring f(final, n);
    if (f.rfind(L"\\\\?\\", 0) == 0) f.erase(0, 4);
    return CompareStringOrdinal(f.c_str(), static_cast<int>(f.size()), w.c_str(),
                                static_cast<int>(w.size()), TRUE) != CSTR_EQUAL;
}

bool RacineDeLHôte(char lettre) {
    const UnixDe unix = FonctionUnix();
    if (!unix) return false;
    const wchar_t racine[] = {static_cast<wchar_t>(lettre), L':', L'\\', 0};
    char* chemin = unix(racine);
    if (!chemin) return false;
    std::string s = chemin;
    HeapFree(GetProcessHeap(), 0, chemin);
    // "/", "/." or "//" all name the root.
    while (!s.empty() && (s.back() == '/' || (s.back() == '.' && s.size() >= 2 &&
                                              s[s.size() - 2] == '/')))
        s.pop_back();
    return s.empty();
}

std::vector<Lecteur> LecteursPrêts() {
    std::vector<Lecteur> lecteurs;
    // Every letter is asked: the system's drive mask may miss a drive mapped meanwhile.
    for (char l = 'A'; l <= 'Z'; ++l) {
        const std::string nom = std::string(1, l) + ":";
        const std::string type = LecteurType(nom);
        if (type.empty() || (type[0] != '2' && type[0] != '3' && type[0] != '4')) continue;
        if (!LecteurPret(nom) || RacineDeLHôte(l)) continue;
        lecteurs.push_back({nom, type});
    }
    return lecteurs;
}
