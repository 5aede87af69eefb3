// Starting programs and batch files from a command line, without waiting for them.
#include "LanceurWin32.h"

#include <windows.h>
#include <shellapi.h>

#include "LigneDeCommande.h"
#include "Possession.h"
#include "Texte.h"
#include "Utf16.h"

namespace {

bool EstLot(const std::string& programme) {
    const std::string p = Majuscules(programme);
    return p.ends_with(".BAT") || p.ends_with(".CMD");
}

// CreateProcessW with the given show-window code; the error code, ERROR_SUCCESS when started.
DWORD CréeProcessus(const std::wstring& ligne, int fenêtre) {
    std::wstring modifiable = ligne;  // CreateProcessW may write into the command line
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(fenêtre);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, modifiable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi))
        return GetLastError();
    // Let the started program bring its window to the front.
    AllowSetForegroundWindow(pi.dwProcessId);
    PoignéesProcessusFerme(pi);
    return ERROR_SUCCESS;
}

std::wstring Interpréteur() {
    wchar_t tampon[MAX_PATH];
    const DWORD n = GetEnvironmentVariableW(L"ComSpec", tampon, MAX_PATH);
    if (n > 0 && n < MAX_PATH) return tampon;
    return L"cmd.exe";
}

}  // namespace

std::string ProgrammeDeLaLigne(const std::string& ligne) {
    return std::string(CoupeLigneDeCommande(SansBlancs(ligne, BlancsEtTabs)).programme);
}

Statut LanceurWin32::Lance(const std::string& ligneDeCommande, int fenêtre) {
    const std::string ligne(SansBlancs(ligneDeCommande, BlancsEtTabs));
    if (ligne.empty()) return Statut::Échec(TexteErreur(ERROR_FILE_NOT_FOUND));
    const LigneCoupée parties = CoupeLigneDeCommande(ligne);
    const std::string programme(parties.programme);

    // A batch file goes straight to the interpreter: /s keeps the line's own quotes.
    if (EstLot(programme)) {
        const std::wstring viaCmd =
            L"\"" + Interpréteur() + L"\" /s /c \"" + VersUtf16(ligne) + L"\"";
        const DWORD e = CréeProcessus(viaCmd, fenêtre);
        return e == ERROR_SUCCESS ? Statut::Réussi() : Statut::Échec(TexteErreur(e));
    }

    // The program gets its line as given, trailing blanks included (Remplo restarts a
    // program with an exact command line); only leading blanks are dropped.
    const std::string exacte(SansBlancsDevant(ligneDeCommande, BlancsEtTabs));
    const DWORD erreur = CréeProcessus(VersUtf16(exacte), fenêtre);
    if (erreur == ERROR_SUCCESS) return Statut::Réussi();

    // Documents and programs known only to the shell.
    const std::string paramètres(SansBlancs(parties.arguments));
    const std::wstring fichier = VersUtf16(programme);
    const std::wstring params = VersUtf16(paramètres);
    SHELLEXECUTEINFOW sei{};
    sei.cbSize = sizeof sei;
    sei.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    sei.lpFile = fichier.c_str();
    sei.lpParameters = params.empty() ? nullptr : params.c_str();
    sei.nShow = fenêtre;
    if (ShellExecuteExW(&sei)) {
        PoignéeNoyau(sei.hProcess).Ferme();
        return Statut::Réussi();
    }
    // The first failure says best what went wrong with the line as typed.
    return Statut::Échec(TexteErreur(erreur));
}
