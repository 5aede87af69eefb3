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

// A handle of type T that `fermeture` closes, holding nothing when null, nor, `ouInvalide`,
// when INVALID_HANDLE_VALUE.
template <class T, auto fermeture, bool ouInvalide = false>
struct RègleSimple {
    using Poignée = T;
    static T Nulle() { return nullptr; }
    static bool Valide(T h) { return h && !(ouInvalide && h == INVALID_HANDLE_VALUE); }
    static bool Ferme(T h) { return fermeture(h) != FALSE; }
};

// Kernel objects: processes, threads, files, events, mutexes. Their functions return
// either null or INVALID_HANDLE_VALUE on failure, so both hold nothing.
using PoignéeNoyau = Possession<RègleSimple<HANDLE, CloseHandle, true>>;

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

// A directory search of FindFirstFile(Ex)W, GDI objects (fonts, brushes), a menu of CreatePopupMenu
// that no window destroys with itself, a hook of SetWindowsHookExW.
using Recherche = Possession<RègleSimple<HANDLE, FindClose, true>>;
using Police = Possession<RègleSimple<HFONT, DeleteObject>>;
using Pinceau = Possession<RègleSimple<HBRUSH, DeleteObject>>;
using Menu = Possession<RègleSimple<HMENU, DestroyMenu>>;
using Crochet = Possession<RègleSimple<HHOOK, UnhookWindowsHookEx>>;

// A window's device context of GetDC, released to the window at the end; a font given is
// selected into it meanwhile.
class ContexteFenêtre {
  public:
    explicit ContexteFenêtre(HWND fenêtre, HFONT police = nullptr) noexcept
        : fenêtre_(fenêtre),
          dc_(GetDC(fenêtre)),
          ancienne_(dc_ && police ? SelectObject(dc_, police) : nullptr) {}
    ~ContexteFenêtre() {
        if (ancienne_) SelectObject(dc_, ancienne_);
        if (dc_) ReleaseDC(fenêtre_, dc_);
    }
    ContexteFenêtre(const ContexteFenêtre&) = delete;
    ContexteFenêtre& operator=(const ContexteFenêtre&) = delete;
    HDC get() const noexcept { return dc_; }

  private:
    HWND fenêtre_;
    HDC dc_;
    HGDIOBJ ancienne_;
};

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
