// Helpers of the Win32 tests, and the probe that the tests start as a child process.
#include "OutilsTestWin32.h"

#include <gtest/gtest.h>

#include "ProgrammeWin32.h"
#include "Utf16.h"

namespace {

void Supprime(const std::wstring& dossier) {
    WIN32_FIND_DATAW d;
    HANDLE h = FindFirstFileW((dossier + L"\\*").c_str(), &d);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring nom = d.cFileName;
            if (nom == L"." || nom == L"..") continue;
            const std::wstring chemin = dossier + L"\\" + nom;
            SetFileAttributesW(chemin.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                Supprime(chemin);
            else
                DeleteFileW(chemin.c_str());
        } while (FindNextFileW(h, &d));
        FindClose(h);
    }
    RemoveDirectoryW(dossier.c_str());
}

}  // namespace

DossierTemporaire::DossierTemporaire() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int n = 0;
    for (;;) {
        std::wstring essai = std::wstring(temp) + L"Orvan essai é " +
                             std::to_wstring(GetCurrentProcessId()) + L"." + std::to_wstring(++n);
        if (CreateDirectoryW(essai.c_str(), nullptr)) {
            chemin_ = DepuisUtf16(essai);
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "dossier temporaire: " << TexteErreur(GetLastError());
            return;
        }
    }
}

DossierTemporaire::~DossierTemporaire() {
    if (!chemin_.empty()) Supprime(VersUtf16(chemin_));
}

bool AttendsQue(const std::function<bool()>& condition, int essais) {
    for (int i = 0; i < essais; ++i) {
        if (condition()) return true;
        Sleep(20);
    }
    return condition();
}

HWND AttendsFenêtre(const wchar_t* classe, const std::string& titre) {
    const std::wstring t = VersUtf16(titre);
    HWND h = nullptr;
    AttendsQue([&] {
        h = FindWindowW(classe, t.c_str());
        return h != nullptr && IsWindowVisible(h);
    });
    return h;
}

void ÉcritBrut(const std::string& chemin, const std::string& octets) {
    HANDLE h = CreateFileW(VersUtf16(chemin).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << chemin;
    DWORD écrit = 0;
    WriteFile(h, octets.data(), static_cast<DWORD>(octets.size()), &écrit, nullptr);
    CloseHandle(h);
    ASSERT_EQ(écrit, octets.size());
}

std::string LitBrut(const std::string& chemin) {
    HANDLE h = CreateFileW(VersUtf16(chemin).c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<absent>";
    std::string s;
    char tampon[4096];
    DWORD lu = 0;
    while (ReadFile(h, tampon, sizeof tampon, &lu, nullptr) && lu > 0) s.append(tampon, lu);
    CloseHandle(h);
    return s;
}

bool ExisteBrut(const std::string& chemin) {
    return GetFileAttributesW(VersUtf16(chemin).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string LigneSonde(const std::string& mode, const std::string& sortie) {
    SetEnvironmentVariableW(L"ORVAN_SONDE", VersUtf16(mode).c_str());
    SetEnvironmentVariableW(L"ORVAN_SONDE_SORTIE", VersUtf16(sortie).c_str());
    const Programme p = ProgrammeCourant();
    return "\"" + p.DossierLocal() + p.nom +
           ".exe\" --gtest_also_run_disabled_tests --gtest_filter=DISABLED_Sonde.Rapporte";
}

// Not a test: the probe's body, run only in the child that LigneSonde starts.
TEST(DISABLED_Sonde, Rapporte) {
    wchar_t mode[256] = {}, sortie[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"ORVAN_SONDE", mode, 256) ||
        !GetEnvironmentVariableW(L"ORVAN_SONDE_SORTIE", sortie, MAX_PATH))
        GTEST_SKIP() << "lancé sans sonde";
    const std::string m = DepuisUtf16(mode);
    std::string rapport;
    if (m.rfind("instance:", 0) == 0) {
        rapport = UneSeuleInstance(m.substr(9)) ? "seule" : "double";
    } else if (m == "fenetre") {
        STARTUPINFOW si{};
        si.cb = sizeof si;
        GetStartupInfoW(&si);
        rapport = (si.dwFlags & STARTF_USESHOWWINDOW) ? std::to_string(si.wShowWindow) : "aucun";
    }
    // Written under another name first, so the parent never reads half a report.
    const std::string fin = DepuisUtf16(sortie);
    ÉcritBrut(fin + ".part", rapport);
    MoveFileExW(VersUtf16(fin + ".part").c_str(), sortie, MOVEFILE_REPLACE_EXISTING);
}
