// Helpers shared by the Win32 test programs.
#include "OutilsTestWin32.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "Possession.h"
#include "Utf16.h"

namespace {

HWND AttendsVisible(DWORD pid, const wchar_t* classe, const std::wstring* titre,
                    std::chrono::milliseconds délai) {
    HWND h = nullptr;
    AttendsQue(
        [&] {
            for (HWND f : Fenêtres(classe, pid)) {
                if (titre && TexteFenêtre(f) != *titre) continue;
                h = f;
                return true;
            }
            return false;
        },
        délai);
    return h;
}

}  // namespace

DossierTemporaire::DossierTemporaire(const std::string& préfixe) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int n = 0;
    for (;;) {
        std::wstring essai = std::wstring(temp) + VersUtf16(préfixe) +
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

void VideDossier(const std::wstring& dossier, const std::wstring& épargne) {
    WIN32_FIND_DATAW d;
    HANDLE h = FindFirstFileW((dossier + L"\\*").c_str(), &d);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring nom = d.cFileName;
        if (nom == L"." || nom == L"..") continue;
        if (!épargne.empty() && nom.rfind(épargne, 0) == 0) continue;
        const std::wstring chemin = dossier + L"\\" + nom;
        SetFileAttributesW(chemin.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            VideDossier(chemin, épargne);
            RemoveDirectoryW(chemin.c_str());
        } else {
            DeleteFileW(chemin.c_str());
        }
    } while (FindNextFileW(h, &d));
    FindClose(h);
}

DossierTemporaire::~DossierTemporaire() {
    if (chemin_.empty()) return;
    const std::wstring dossier = L"\\\\?\\" + VersUtf16(chemin_);
    VideDossier(dossier);
    RemoveDirectoryW(dossier.c_str());
}

bool AttendsQue(const std::function<bool()>& condition, std::chrono::milliseconds délai) {
    const auto fin = std::chrono::steady_clock::now() + délai;
    while (std::chrono::steady_clock::now() < fin) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
}

HWND AttendsFenêtre(DWORD pid, const wchar_t* classe, std::chrono::milliseconds délai) {
    return AttendsVisible(pid, classe, nullptr, délai);
}

HWND AttendsFenêtre(DWORD pid, const wchar_t* classe, const std::string& titre,
                    std::chrono::milliseconds délai) {
    const std::wstring t = VersUtf16(titre);
    return AttendsVisible(pid, classe, &t, délai);
}

std::vector<HWND> Fenêtres(const wchar_t* classe, DWORD pid, bool visibles) {
    struct Recherche {
        const wchar_t* classe;
        DWORD pid;
        bool visibles;
        std::vector<HWND> trouvées;
    } r{classe, pid, visibles, {}};
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            auto* r = reinterpret_cast<Recherche*>(lp);
            wchar_t nom[64] = {};
            GetClassNameW(h, nom, 64);
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (wcscmp(nom, r->classe) == 0 && (r->pid == 0 || pid == r->pid) &&
                (!r->visibles || IsWindowVisible(h)))
                r->trouvées.push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&r));
    return r.trouvées;
}

void AvecUtilisateur(const std::function<void()>& modal, const std::function<void()>& utilisateur,
                     std::chrono::milliseconds grâce) {
    const DWORD fil = GetCurrentThreadId();
    std::mutex m;
    std::condition_variable fin;
    bool fini = false, forcé = false;
    std::thread aide([&] {
        utilisateur();
        std::unique_lock<std::mutex> verrou(m);
        if (!fin.wait_for(verrou, grâce, [&] { return fini; })) {
            // Every modal loop ends on WM_QUIT and posts it again for the loop around it.
            forcé = true;
            PostThreadMessageW(fil, WM_QUIT, 0, 0);
        }
    });
    modal();
    {
        std::lock_guard<std::mutex> verrou(m);
        fini = true;
    }
    fin.notify_all();
    aide.join();
    if (forcé) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        ADD_FAILURE() << "a box was still open after the user had finished: ended";
    }
}

void ÉcritBrut(const std::wstring& chemin, const std::string& octets, bool ajouter) {
    HANDLE h = CreateFileW(chemin.c_str(), ajouter ? FILE_APPEND_DATA : GENERIC_WRITE, 0, nullptr,
                           ajouter ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << DepuisUtf16(chemin);
    DWORD écrit = 0;
    WriteFile(h, octets.data(), static_cast<DWORD>(octets.size()), &écrit, nullptr);
    CloseHandle(h);
    ASSERT_EQ(écrit, octets.size());
}

void ÉcritBrut(const std::string& chemin, const std::string& octets, bool ajouter) {
    ÉcritBrut(VersUtf16(chemin), octets, ajouter);
}

std::string LitBrut(const std::wstring& chemin, const std::string& siAbsent) {
    HANDLE h = CreateFileW(chemin.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return siAbsent;
    std::string s;
    char tampon[65536];
    DWORD lu = 0;
    while (ReadFile(h, tampon, sizeof tampon, &lu, nullptr) && lu > 0) s.append(tampon, lu);
    CloseHandle(h);
    return s;
}

std::string LitBrut(const std::string& chemin, const std::string& siAbsent) {
    return LitBrut(VersUtf16(chemin), siAbsent);
}

bool ExisteBrut(const std::wstring& chemin) {
    return GetFileAttributesW(chemin.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool ExisteBrut(const std::string& chemin) {
    return ExisteBrut(VersUtf16(chemin));
}

namespace {

// A new file of `taille` bytes if the disk takes it whole.
bool ÉcritSiPossible(const std::wstring& chemin, size_t taille) {
    HANDLE h = CreateFileW(chemin.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const std::string octets(taille, 'x');
    DWORD écrits = 0;
    const bool ok = WriteFile(h, octets.data(), static_cast<DWORD>(taille), &écrits, nullptr) &&
                    écrits == taille && FlushFileBuffers(h);
    CloseHandle(h);
    if (!ok) DeleteFileW(chemin.c_str());
    return ok;
}

}  // namespace

std::vector<std::wstring> RemplitDisque(const std::wstring& préfixe, size_t morceau) {
    std::vector<std::wstring> faits;
    for (; morceau > 0; morceau /= 2)
        for (int k = 0; k < 64; ++k) {
            const std::wstring nom = préfixe + std::to_wstring(morceau) + L"-" + std::to_wstring(k);
            if (!ÉcritSiPossible(nom, morceau)) break;
            faits.push_back(nom);
        }
    return faits;
}

uint64_t Taille(const std::wstring& chemin) {
    WIN32_FILE_ATTRIBUTE_DATA a{};
    if (!GetFileAttributesExW(chemin.c_str(), GetFileExInfoStandard, &a)) return 0;
    return (uint64_t{a.nFileSizeHigh} << 32) | a.nFileSizeLow;
}

void DateDécale(const std::wstring& chemin, int jours) {
    HANDLE h = CreateFileW(chemin.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    ULARGE_INTEGER u{{ft.dwLowDateTime, ft.dwHighDateTime}};
    u.QuadPart += static_cast<ULONGLONG>(static_cast<LONGLONG>(jours) * 864000000000LL);
    ft = {u.LowPart, u.HighPart};
    EXPECT_TRUE(SetFileTime(h, nullptr, nullptr, &ft));
    CloseHandle(h);
}

std::wstring LitRegistre(HKEY racine, const wchar_t* clé, const wchar_t* nom) {
    wchar_t tampon[512];
    DWORD taille = sizeof tampon;
    if (RegGetValueW(racine, clé, nom, RRF_RT_REG_SZ, nullptr, tampon, &taille) != ERROR_SUCCESS)
        return L"(absent)";
    return tampon;
}

void ÉcritRegistre(HKEY racine, const wchar_t* clé, const wchar_t* nom, const std::wstring& v) {
    ASSERT_EQ(RegSetKeyValueW(racine, clé, nom, REG_SZ, v.c_str(),
                              static_cast<DWORD>((v.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
}

std::wstring CheminWine(const char* unix) {
    std::wstring w = VersUtf16(unix);
    if (!w.empty() && w.front() == L'/') w = L"Z:" + w;
    for (auto& c : w)
        if (c == L'/') c = L'\\';
    return w;
}

namespace {

// The X window Wine made for a top-level window (a property Wine's X11 driver keeps).
unsigned long long FenêtreX(HWND fenêtre) {
    return reinterpret_cast<uintptr_t>(GetPropW(fenêtre, L"__wine_x11_whole_window"));
}

}  // namespace

// Wine starts a host program given by its path on the drive that maps "/", but hands
// back no process to wait for: the shell writes the script's exit status to a file,
// which is polled.
bool CommandeHôte(const std::string& script, std::chrono::milliseconds délai) {
    static int compteur = 0;
    const std::string marque = "/tmp/orvan-hote-" + std::to_string(GetCurrentProcessId()) + "-" +
                               std::to_string(++compteur);
    const std::string tout =
        "(" + script + "); echo $? >" + marque + ".tmp; mv " + marque + ".tmp " + marque;
    std::wstring ligne = L"/bin/sh -c \"" + VersUtf16(tout) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(CheminWine("/bin/sh").c_str(), ligne.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &si, &pi)) {
        printf("CommandeHôte: cannot start the shell (error %lu)\n", GetLastError());
        return false;
    }
    PoignéesProcessusFerme(pi);
    const std::wstring fichier = CheminWine(marque.c_str());
    if (!AttendsQue([&] { return ExisteBrut(fichier); }, délai)) {
        printf("CommandeHôte: no answer from \"%s\"\n", script.c_str());
        return false;
    }
    const std::string statut = LitBrut(fichier);
    DeleteFileW(fichier.c_str());
    if (statut.rfind("0", 0) != 0) printf("CommandeHôte: \"%s\" failed\n", script.c_str());
    return statut.rfind("0", 0) == 0;
}

bool Xdotool(HWND fenêtre, const std::string& arguments) {
    std::string a = arguments;
    if (fenêtre) {
        const unsigned long long x = FenêtreX(fenêtre);
        if (x == 0) {
            printf("Xdotool: no X window for %p\n", static_cast<void*>(fenêtre));
            return false;
        }
        const std::string id = std::to_string(x);
        for (size_t p; (p = a.find("%X")) != std::string::npos;) a.replace(p, 2, id);
        SetForegroundWindow(fenêtre);
        if (!AttendsQue([&] { return GetForegroundWindow() == fenêtre; },
                        std::chrono::seconds(5))) {
            printf("Xdotool: window %p never came to the front\n", static_cast<void*>(fenêtre));
            return false;
        }
        // Without a window manager the X focus follows clicks, not the system's
        // foreground: the window goes on top and gets a click near its client area's
        // corner (away from its buttons) before the keys.
        SetWindowPos(fenêtre, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        POINT coin{3, 3};
        ClientToScreen(fenêtre, &coin);
        // A popup menu has the keyboard already: a click there would choose an entry.
        wchar_t classe[16] = {};
        GetClassNameW(fenêtre, classe, 16);
        const bool menu = std::wstring(classe) == L"#32768";
        a = menu ? a
                 : "mousemove " + std::to_string(coin.x) + " " + std::to_string(coin.y) +
                       " click 1 " + a;
    }
    return CommandeHôte("/usr/bin/xdotool " + a);
}

std::wstring TexteFenêtre(HWND h) {
    DWORD_PTR n = 0;
    if (!SendMessageTimeoutW(h, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 10000, &n)) return L"?";
    std::wstring w(n + 1, L'\0');
    DWORD_PTR lu = 0;
    SendMessageTimeoutW(h, WM_GETTEXT, n + 1, reinterpret_cast<LPARAM>(w.data()), SMTO_ABORTIFHUNG,
                        10000, &lu);
    w.resize(lu);
    return w;
}

std::string TexteDe(HWND h) {
    return DepuisUtf16(TexteFenêtre(h));
}

ProcessusEssai::~ProcessusEssai() {
    if (!pi.hProcess) return;
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 99);
    PoignéesProcessusFerme(pi);
}

bool ProcessusEssai::Fini(std::chrono::milliseconds délai) const {
    return WaitForSingleObject(pi.hProcess, static_cast<DWORD>(délai.count())) == WAIT_OBJECT_0;
}

HWND ProcessusEssai::Attends(const wchar_t* classe, bool visibles,
                             std::chrono::milliseconds délai) const {
    HWND h = nullptr;
    AttendsQue(
        [&] {
            const auto f = Fenêtres(classe, pi.dwProcessId, visibles);
            if (!f.empty()) h = f[0];
            return h != nullptr;
        },
        délai);
    return h;
}
