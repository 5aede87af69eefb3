// Whole-file operations over Win32, with the atomic rewrite of the suite's own files.
#include "FichiersWin32.h"

#include <windows.h>
#include <oleauto.h>

#include <atomic>

#include "CheminLong.h"
#include "Possession.h"
#include "Utf16.h"

namespace {

Statut ÉchecSystème(DWORD code = GetLastError()) {
    return Statut::Échec(TexteErreur(code), code == ERROR_SHARING_VIOLATION ||
                                                code == ERROR_ACCESS_DENIED ||
                                                code == ERROR_LOCK_VIOLATION);
}

// Writes every byte, in pieces that a DWORD can count.
bool ÉcritTout(HANDLE h, const std::string& octets) {
    size_t fait = 0;
    while (fait < octets.size()) {
        const DWORD morceau = static_cast<DWORD>(std::min<size_t>(octets.size() - fait, 1u << 30));
        DWORD écrit = 0;
        if (!WriteFile(h, octets.data() + fait, morceau, &écrit, nullptr)) return false;
        if (écrit == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        fait += écrit;
    }
    return true;
}

std::string Hex(unsigned long v) {
    static const char chiffres[] = "0123456789abcdef";
    std::string s;
    do {
        s.insert(s.begin(), chiffres[v & 0xF]);
        v >>= 4;
    } while (v);
    return s;
}

}  // namespace

std::wstring CheminWin32(const std::string& chemin) {
    return VersUtf16(CheminLong(chemin));
}

std::optional<uint32_t> FichiersWin32::Attributs(const std::string& chemin) {
    const DWORD a = GetFileAttributesW(CheminWin32(chemin).c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return static_cast<uint32_t>(a);
}

Résultat<double> FichiersWin32::DateModification(const std::string& chemin) {
    WIN32_FILE_ATTRIBUTE_DATA d{};
    if (!GetFileAttributesExW(CheminWin32(chemin).c_str(), GetFileExInfoStandard, &d))
        return Résultat<double>::Échec(TexteErreur(GetLastError()));
    SYSTEMTIME utc{}, local{};
    if (!FileTimeToSystemTime(&d.ftLastWriteTime, &utc) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        return Résultat<double>::Échec(TexteErreur(GetLastError()));
    local.wMilliseconds = 0;
    double date = 0;
    if (!SystemTimeToVariantTime(&local, &date))
        return Résultat<double>::Échec(TexteErreur(ERROR_INVALID_DATA));
    return Résultat<double>::Réussi(date);
}

Résultat<uint64_t> FichiersWin32::Taille(const std::string& chemin) {
    WIN32_FILE_ATTRIBUTE_DATA d{};
    if (!GetFileAttributesExW(CheminWin32(chemin).c_str(), GetFileExInfoStandard, &d))
        return Résultat<uint64_t>::Échec(TexteErreur(GetLastError()));
    return Résultat<uint64_t>::Réussi((static_cast<uint64_t>(d.nFileSizeHigh) << 32) |
                                      d.nFileSizeLow);
}

Résultat<std::string> FichiersWin32::Lire(const std::string& chemin) {
    PoignéeNoyau f(CreateFileW(CheminWin32(chemin).c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.Valide()) return Résultat<std::string>::Échec(TexteErreur(GetLastError()));
    LARGE_INTEGER taille{};
    if (!GetFileSizeEx(f.get(), &taille))
        return Résultat<std::string>::Échec(TexteErreur(GetLastError()));
    std::string octets;
    try {
        octets.reserve(static_cast<size_t>(taille.QuadPart));
    } catch (const std::exception&) {
        return Résultat<std::string>::Échec(TexteErreur(ERROR_NOT_ENOUGH_MEMORY));
    }
    // Read until the end rather than trusting the size: the file may grow meanwhile.
    char tampon[64 * 1024];
    for (;;) {
        DWORD lu = 0;
        if (!ReadFile(f.get(), tampon, sizeof tampon, &lu, nullptr))
            return Résultat<std::string>::Échec(TexteErreur(GetLastError()));
        if (lu == 0) break;
        octets.append(tampon, lu);
    }
    return Résultat<std::string>::Réussi(std::move(octets));
}

Statut FichiersWin32::Écrire(const std::string& chemin, const std::string& octets) {
    static std::atomic<unsigned long> compteur{0};
    const std::wstring cible = CheminWin32(chemin);
    if (cible.empty()) return ÉchecSystème(ERROR_INVALID_NAME);

    // A read-only file stays as it is, whatever the platform's rename would do.
    const DWORD attributs = GetFileAttributesW(cible.c_str());
    if (attributs != INVALID_FILE_ATTRIBUTES && (attributs & FILE_ATTRIBUTE_READONLY))
        return ÉchecSystème(ERROR_ACCESS_DENIED);

    // The temporary file sits beside the target, so the final move stays on one volume.
    std::wstring temporaire;
    HANDLE h = INVALID_HANDLE_VALUE;
    for (int essai = 0; essai < 100 && h == INVALID_HANDLE_VALUE; ++essai) {
        // Longer than the target's path: it may need the long form where the target does not.
        temporaire = CheminWin32(chemin + ".~" + Hex(GetCurrentProcessId()) + "." +
                                 Hex(compteur.fetch_add(1)) + ".tmp");
        h = CreateFileW(temporaire.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS &&
            GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    if (h == INVALID_HANDLE_VALUE) return ÉchecSystème();

    PoignéeNoyau f(h);
    DWORD erreur = ERROR_SUCCESS;
    if (!ÉcritTout(f.get(), octets) || !FlushFileBuffers(f.get())) erreur = GetLastError();
    if (!f.Ferme() && erreur == ERROR_SUCCESS) erreur = GetLastError();
    if (erreur == ERROR_SUCCESS && !MoveFileExW(temporaire.c_str(), cible.c_str(),
                                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        erreur = GetLastError();
    if (erreur != ERROR_SUCCESS) {
        DeleteFileW(temporaire.c_str());
        return ÉchecSystème(erreur);
    }
    return Statut::Réussi();
}

Statut FichiersWin32::Ajouter(const std::string& chemin, const std::string& octets) {
    PoignéeNoyau f(CreateFileW(CheminWin32(chemin).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ,
                               nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.Valide()) return ÉchecSystème();
    if (!ÉcritTout(f.get(), octets)) return ÉchecSystème();
    if (!f.Ferme()) return ÉchecSystème();
    return Statut::Réussi();
}

Statut FichiersWin32::Supprimer(const std::string& chemin) {
    if (!DeleteFileW(CheminWin32(chemin).c_str())) return ÉchecSystème();
    return Statut::Réussi();
}

Statut FichiersWin32::Copier(const std::string& source, const std::string& destination) {
    if (!CopyFileW(CheminWin32(source).c_str(), CheminWin32(destination).c_str(), FALSE))
        return ÉchecSystème();
    return Statut::Réussi();
}

Statut FichiersWin32::Renommer(const std::string& source, const std::string& destination,
                               bool remplacer) {
    const DWORD drapeaux = MOVEFILE_WRITE_THROUGH | (remplacer ? MOVEFILE_REPLACE_EXISTING : 0);
    if (!MoveFileExW(CheminWin32(source).c_str(), CheminWin32(destination).c_str(), drapeaux))
        return ÉchecSystème();
    return Statut::Réussi();
}
