// Version tag from an executable's fixed version information.
#include "VersionWin32.h"

#include <windows.h>

#include <vector>

#include "ProgrammeWin32.h"
#include "Utf16.h"

std::string VersionTexte(const std::string& chemin) {
    unsigned majeur = 0, mineur = 0, révision = 0;
    const std::wstring w = VersUtf16(chemin);
    DWORD inutile = 0;
    const DWORD taille = GetFileVersionInfoSizeW(w.c_str(), &inutile);
    if (taille > 0) {
        std::vector<unsigned char> bloc(taille);
        VS_FIXEDFILEINFO* info = nullptr;
        UINT longueur = 0;
        if (GetFileVersionInfoW(w.c_str(), 0, taille, bloc.data()) &&
            VerQueryValueW(bloc.data(), L"\\", reinterpret_cast<void**>(&info), &longueur) &&
            info && longueur >= sizeof(VS_FIXEDFILEINFO) && info->dwSignature == VS_FFI_SIGNATURE) {
            majeur = HIWORD(info->dwFileVersionMS);
            mineur = LOWORD(info->dwFileVersionMS);
            révision = HIWORD(info->dwFileVersionLS);
        }
    }
    return "(" + Programme::DepuisChemin(chemin).nom + " v" + std::to_string(majeur) + "." +
           std::to_string(mineur) + "." + std::to_string(révision) + ")";
}

std::string VersionTexte() {
    return VersionTexte(CheminExécutable());
}
