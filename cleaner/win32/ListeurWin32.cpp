// Folder listing and drive discovery over Win32.
#include "ListeurWin32.h"

#include <windows.h>

#include "FichiersWin32.h"
#include "LecteursWin32.h"
#include "Possession.h"
#include "Texte.h"
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
    const std::wstring motif = CheminWin32(rep + "*");

    const ErreursSilencieuses silence;
    WIN32_FIND_DATAW d;
    const Recherche h(FindFirstFileExW(motif.c_str(), FindExInfoBasic, &d, FindExSearchNameMatch,
                                       nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!h) return false;
    do {
        NomDepuis(d.cFileName, entrée_.nom);
        entrée_.attributs = d.dwFileAttributes;
        entrée_.taille = (static_cast<uint64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
        if (!visiteur.Entrée(entrée_)) break;
    } while (FindNextFileW(h.get(), &d));
    return true;
}

namespace {

// Wine's own exports, absent on Windows.
using UnixDe = char*(CDECL*)(const wchar_t*);
using DosDe = wchar_t*(CDECL*)(const char*);
UnixDe FonctionUnix() {
    static const auto f = reinterpret_cast<UnixDe>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    return f;
}
DosDe FonctionDos() {
    static const auto f = reinterpret_cast<DosDe>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    return f;
}

// The host's path of a Windows path, "" when there is none.
std::string CheminHôte(const std::wstring& w) {
    char* c = FonctionUnix() ? FonctionUnix()(w.c_str()) : nullptr;
    if (!c) return "";
    std::string s = c;
    HeapFree(GetProcessHeap(), 0, c);
    return s;
}

// The Windows path of a host path, "" when there is none.
std::wstring CheminWindows(const char* hôte) {
    wchar_t* w = FonctionDos() ? FonctionDos()(hôte) : nullptr;
    if (!w) return L"";
    std::wstring s = w;
    HeapFree(GetProcessHeap(), 0, w);
    if (s.rfind(L"\\\\?\\", 0) == 0) s.erase(0, 4);
    return s;
}

// A path that goes between double quotes on the host's command line as it is.
bool Citable(const std::string& s) {
    return !s.empty() && s.find_first_of("\"\\") == std::string::npos;
}

// The link test by opening the entry: its final path is not the path itself.
bool LienParOuverture(const std::string& chemin, bool dossier) {
    PoignéeNoyau h(CreateFileW(CheminWin32(chemin).c_str(), FILE_READ_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, dossier ? FILE_FLAG_BACKUP_SEMANTICS : 0, nullptr));
    if (!h) return true;  // cannot be examined: not entered, not listed
    wchar_t final[4096];
    const DWORD n =
        GetFinalPathNameByHandleW(h.get(), final, 4096, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    h.Ferme();
    if (n == 0 || n >= 4096) return true;
    std::wstring f(final, n);
    if (f.rfind(L"\\\\?\\", 0) == 0) f.erase(0, 4);
    return !ÉgalSansCasse(DepuisUtf16(f), chemin);
}

constexpr unsigned long long IntervalleRelevé = 10;             // ms between two looks
constexpr unsigned long long AttenteMaximale = 10 * 60 * 1000;  // then each file is opened

}  // namespace

ListeurWin32::~ListeurWin32() {
    Abandonne();
}

void ListeurWin32::Abandonne() {
    // A list that is still to come would be of another census: dropped, and its file too.
    if (état_ == État::EnCours) {
        DeleteFileW(sortie_.c_str());
        DeleteFileW((sortie_ + L".part").c_str());
    }
    état_ = État::Aucune;
    liens_.clear();
}

void ListeurWin32::Commence(const std::string& racine) {
    Abandonne();
    racine_ = Majuscules(racine);
}

void ListeurWin32::Demande() {
    état_ = État::Échec;
    wchar_t temp[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH + 1, temp);
    if (n == 0 || n > MAX_PATH) return;
    sortie_ = std::wstring(temp, n) + L"nettix-liens-" + std::to_wstring(GetCurrentProcessId()) +
              L"-" + std::to_wstring(++série_) + L".txt";
    std::string hôteRacine = CheminHôte(VersUtf16(racine_));
    if (!hôteRacine.empty() && hôteRacine.back() != '/') hôteRacine += '/';
    const std::string hôteSortie = CheminHôte(sortie_);
    const std::wstring shell = CheminWindows("/bin/sh");
    if (!Citable(hôteRacine) || !Citable(hôteSortie) || shell.empty()) return;
    // The list is written aside and renamed when whole, which tells that it is done: the
    // host's programs give Wine no exit status to wait for.
    std::wstring ligne = L"\"" + shell +
                         L"\" -c \"find \\\"$0\\\" -type l -print0 > \\\"$1.part\\\" && "
                         L"mv \\\"$1.part\\\" \\\"$1\\\"\" \"" +
                         VersUtf16(hôteRacine) + L"\" \"" + VersUtf16(hôteSortie) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &si, &pi))
        return;
    PoignéesProcessusFerme(pi);
    état_ = État::EnCours;
    début_ = relevé_ = GetTickCount64();
}

void ListeurWin32::Relève() {
    const unsigned long long maintenant = GetTickCount64();
    if (maintenant - relevé_ < IntervalleRelevé) return;
    relevé_ = maintenant;
    if (GetFileAttributesW(sortie_.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (maintenant - début_ > AttenteMaximale) état_ = État::Échec;
        return;
    }
    PoignéeNoyau h(CreateFileW(sortie_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, 0, nullptr));
    std::string octets;
    bool lu = h.Valide();
    if (lu) {
        char tampon[65536];
        DWORD n = 0;
        while ((lu = ReadFile(h.get(), tampon, sizeof tampon, &n, nullptr) != FALSE) && n > 0)
            octets.append(tampon, n);
        h.Ferme();
    }
    DeleteFileW(sortie_.c_str());
    état_ = lu ? État::Prête : État::Échec;
    for (size_t début = 0; lu && début < octets.size();) {
        size_t fin = octets.find('\0', début);
        if (fin == std::string::npos) fin = octets.size();
        const std::wstring w = CheminWindows(octets.substr(début, fin - début).c_str());
        if (w.empty()) {
            état_ = État::Échec;  // a link the census could not recognise: each file is opened
            break;
        }
        liens_.insert(Majuscules(DepuisUtf16(w)));
        début = fin + 1;
    }
}

bool ListeurWin32::LienCaché(const std::string& chemin, bool dossier) {
    if (!FonctionUnix()) return false;
    // Wine gives a link to a folder the reparse-point attribute: the census does not ask.
    if (dossier) return false;
    const std::string clé = Majuscules(chemin);
    if (!racine_.empty() && clé.compare(0, racine_.size(), racine_) == 0) {
        if (état_ == État::Aucune) Demande();
        if (état_ == État::EnCours) Relève();
        if (état_ == État::Prête) return liens_.count(clé) > 0;
    }
    return LienParOuverture(chemin, dossier);
}

bool RacineDeLHôte(char lettre) {
    const wchar_t racine[] = {static_cast<wchar_t>(lettre), L':', L'\\', 0};
    std::string s = CheminHôte(racine);
    if (s.empty()) return false;  // not under Wine, or no such drive
    // "/", "/." or "//" all name the root.
    while (!s.empty() &&
           (s.back() == '/' || (s.back() == '.' && s.size() >= 2 && s[s.size() - 2] == '/')))
        s.pop_back();
    return s.empty();
}

std::vector<Lecteur> LecteursPrêts() {
    std::vector<Lecteur> lecteurs;
    // Every letter is asked: the system's drive mask may miss a drive mapped meanwhile.
    for (char l = 'A'; l <= 'Z'; ++l) {
        const std::string nom = std::string(1, l) + ":";
        const std::string type = LecteurType(nom);
        if (!TypeÀNettoyer(type) || !LecteurPret(nom) || RacineDeLHôte(l)) continue;
        lecteurs.push_back({nom, type});
    }
    return lecteurs;
}
