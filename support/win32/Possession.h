// Owners of the system's handles: each closes its handle once, in its destructor, and can
// be moved but never copied (a copy would close the same handle twice).
#pragma once

#include <windows.h>
#include <objbase.h>

// Owns one handle of the kind `Règle` describes: `Poignée` its type, `Nulle()` the value
// that holds nothing, `Valide(h)` whether h is to be closed and `Ferme(h)` the closing,
// true when it succeeded.
template <class Règle>
class Possession {
  public:
    using Poignée = typename Règle::Poignée;

    Possession() = default;
    explicit Possession(Poignée h) noexcept : h_(h) {}
    Possession(const Possession&) = delete;
    Possession& operator=(const Possession&) = delete;
    Possession(Possession&& autre) noexcept : h_(autre.Lâche()) {}
    Possession& operator=(Possession&& autre) noexcept {
        if (this != &autre) Prend(autre.Lâche());
        return *this;
    }
    ~Possession() { Ferme(); }

    Poignée get() const noexcept { return h_; }
    bool Valide() const noexcept { return Règle::Valide(h_); }
    explicit operator bool() const noexcept { return Valide(); }

    // Gives the handle up unclosed: the caller owns it now.
    Poignée Lâche() noexcept {
        const Poignée h = h_;
        h_ = Règle::Nulle();
        return h;
    }
    // Closes the handle held, if any, and owns `h` instead.
    void Prend(Poignée h) noexcept {
        if (h != h_) Ferme();
        h_ = h;
    }
    // Closes now; false (with the system's error code set) when closing failed. Nothing
    // held is a success.
    bool Ferme() noexcept {
        if (!Valide()) return true;
        const bool fermée = Règle::Ferme(h_);
        h_ = Règle::Nulle();
        return fermée;
    }

  private:
    Poignée h_ = Règle::Nulle();
};

// Kernel objects: processes, threads, files, events, mutexes. Their functions return
// either null or INVALID_HANDLE_VALUE on failure, so both hold nothing.
struct RègleNoyau {
    using Poignée = HANDLE;
    static HANDLE Nulle() { return nullptr; }
    static bool Valide(HANDLE h) { return h && h != INVALID_HANDLE_VALUE; }
    static bool Ferme(HANDLE h) { return CloseHandle(h) != FALSE; }
};
using PoignéeNoyau = Possession<RègleNoyau>;

// COM interfaces: the one reference held is released once.
template <class T>
struct RègleCom {
    using Poignée = T*;
    static T* Nulle() { return nullptr; }
    static bool Valide(T* p) { return p != nullptr; }
    static bool Ferme(T* p) {
        p->Release();
        return true;
    }
};
template <class T>
using Interface = Possession<RègleCom<T>>;

// Closes the handles CreateProcessW gave for a started process. Wine starts a host
// program with no process handle and leaves in hThread a value that is not ours (it can
// name one of our own handles, such as an open folder search): nothing is closed then.
inline void PoignéesProcessusFerme(const PROCESS_INFORMATION& pi) {
    if (!pi.hProcess) return;
    PoignéeNoyau(pi.hThread).Ferme();
    PoignéeNoyau(pi.hProcess).Ferme();
}

// A directory search of FindFirstFile(Ex)W.
struct RègleRecherche {
    using Poignée = HANDLE;
    static HANDLE Nulle() { return INVALID_HANDLE_VALUE; }
    static bool Valide(HANDLE h) { return h && h != INVALID_HANDLE_VALUE; }
    static bool Ferme(HANDLE h) { return FindClose(h) != FALSE; }
};
using Recherche = Possession<RègleRecherche>;

// A GDI object: font, brush.
template <class T>
struct RègleGdi {
    using Poignée = T;
    static T Nulle() { return nullptr; }
    static bool Valide(T h) { return h != nullptr; }
    static bool Ferme(T h) { return DeleteObject(h) != FALSE; }
};
using Police = Possession<RègleGdi<HFONT>>;
using Pinceau = Possession<RègleGdi<HBRUSH>>;

// A hook of SetWindowsHookExW.
struct RègleCrochet {
    using Poignée = HHOOK;
    static HHOOK Nulle() { return nullptr; }
    static bool Valide(HHOOK h) { return h != nullptr; }
    static bool Ferme(HHOOK h) { return UnhookWindowsHookEx(h) != FALSE; }
};
using Crochet = Possession<RègleCrochet>;

// While it lives, the calling thread shows no system box for a drive that is not ready
// or a file that cannot be opened: the caller reports the error itself. The thread's
// former mode comes back at the end.
class ErreursSilencieuses {
  public:
    ErreursSilencieuses() noexcept
        : changé_(SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &ancien_) !=
                  FALSE) {}
    ~ErreursSilencieuses() {
        if (changé_) SetThreadErrorMode(ancien_, nullptr);
    }
    ErreursSilencieuses(const ErreursSilencieuses&) = delete;
    ErreursSilencieuses& operator=(const ErreursSilencieuses&) = delete;

  private:
    DWORD ancien_ = 0;
    bool changé_;
};

// While it lives, COM is initialised on the calling thread in a single-threaded apartment,
// which the shell's functions need (ShellExecuteExW may hand a start to a shell extension
// or a COM server). Every program that starts another holds one on its thread from its
// first line. A thread already in the other apartment keeps it: that is not undone here.
class AppartementCom {
  public:
    AppartementCom() noexcept
        : initialisé_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~AppartementCom() {
        if (initialisé_) CoUninitialize();
    }
    AppartementCom(const AppartementCom&) = delete;
    AppartementCom& operator=(const AppartementCom&) = delete;

  private:
    bool initialisé_;
};
