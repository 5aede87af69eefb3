// Helpers shared by the Win32 test programs: a throwaway folder, bounded waits, raw file
// and registry access (independent of the layer under test), and window lookup.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A fresh folder under the temporary folder, named `préfixe` then the process id and a
// counter (the default name holds a blank and an accent), removed with its contents at
// the end of the test.
class DossierTemporaire {
  public:
    explicit DossierTemporaire(const std::string& préfixe = "Orvan essai é ");
    ~DossierTemporaire();
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;
    const std::string& Chemin() const { return chemin_; }
    std::string operator/(const std::string& nom) const { return chemin_ + "\\" + nom; }

  private:
    std::string chemin_;
};

// Removes a folder's contents (the folder stays), at any depth but for the entries whose
// name begins with `épargne`, when given. `dossier` has no trailing backslash.
void VideDossier(const std::wstring& dossier, const std::wstring& épargne = L"");

// Polls `condition` every 20 ms for at most `délai`; true once it holds.
bool AttendsQue(const std::function<bool()>& condition,
                std::chrono::milliseconds délai = std::chrono::seconds(30));
// The first visible top-level window of that class of process `pid` (a started program's
// dwProcessId, or GetCurrentProcessId() for the test's own boxes), once it shows one;
// nullptr after `délai`. Never a window of another process: tests run in parallel.
HWND AttendsFenêtre(DWORD pid, const wchar_t* classe,
                    std::chrono::milliseconds délai = std::chrono::seconds(30));
// The same, with that caption.
HWND AttendsFenêtre(DWORD pid, const wchar_t* classe, const std::string& titre,
                    std::chrono::milliseconds délai = std::chrono::seconds(30));
// The visible top-level windows of a class, in Z order, of process `pid` (any when 0); the
// hidden ones too unless `visibles`.
std::vector<HWND> Fenêtres(const wchar_t* classe, DWORD pid = 0, bool visibles = true);

// Runs `modal`, which opens message or dialog boxes on this thread, while `utilisateur`
// finds and answers them on a helper thread, as a user would. A modal loop still running
// `grâce` after `utilisateur` has returned (it answered its boxes or gave up waiting) is
// ended and the test fails: a box that never shows, or that nobody answers, fails the
// test in bounded time instead of holding it until ctest's timeout.
void AvecUtilisateur(const std::function<void()>& modal, const std::function<void()>& utilisateur,
                     std::chrono::milliseconds grâce = std::chrono::seconds(5));

// Whole files with plain Win32 calls (independent of FichiersWin32). LitBrut returns
// `siAbsent` when the file cannot be opened; ÉcritBrut with `ajouter` appends to an
// existing file instead of replacing it.
void ÉcritBrut(const std::wstring& chemin, const std::string& octets, bool ajouter = false);
void ÉcritBrut(const std::string& chemin, const std::string& octets, bool ajouter = false);
std::string LitBrut(const std::wstring& chemin, const std::string& siAbsent = "<absent>");
std::string LitBrut(const std::string& chemin, const std::string& siAbsent = "<absent>");
bool ExisteBrut(const std::wstring& chemin);
bool ExisteBrut(const std::string& chemin);
// Fills a disk with new files `préfixe`<size>-<k>, in pieces of `morceau` bytes and then of
// smaller and smaller ones, down to one byte, until it takes nothing more; returns the
// files made (a piece the disk cannot take whole is removed).
std::vector<std::wstring> RemplitDisque(const std::wstring& préfixe, size_t morceau);
// A file's size in bytes, 0 when absent.
uint64_t Taille(const std::wstring& chemin);
// Sets a file's modification date, `jours` days from now.
void DateDécale(const std::wstring& chemin, int jours);

// A REG_SZ value, or "(absent)"; writing one fails the test when refused.
std::wstring LitRegistre(HKEY racine, const wchar_t* clé, const wchar_t* nom);
void ÉcritRegistre(HKEY racine, const wchar_t* clé, const wchar_t* nom, const std::wstring& v);

// A host path of the build tree as Wine sees it (its Z: drive maps "/").
std::wstring CheminWine(const char* unix);

// Runs `script` with the host's /bin/sh (as the user running Wine: root in CI, so a test
// can mount a small or read-only file system) and waits for it, `délai` at most. True
// when it ran and ended with status 0. Quote with ' inside the script, never ".
bool CommandeHôte(const std::string& script,
                  std::chrono::milliseconds délai = std::chrono::seconds(10));

// A program a test started (its handles in `pi`), ended if still running and its handles
// closed at the end of the test.
struct ProcessusEssai {
    PROCESS_INFORMATION pi{};
    ProcessusEssai() = default;
    ProcessusEssai(const ProcessusEssai&) = delete;
    ProcessusEssai& operator=(const ProcessusEssai&) = delete;
    ~ProcessusEssai();
    // Whether it ended within `délai`.
    bool Fini(std::chrono::milliseconds délai = std::chrono::seconds(30)) const;
    // Its first window of that class, once it has one (a visible one when `visibles`);
    // nullptr after `délai`.
    HWND Attends(const wchar_t* classe, bool visibles = true,
                 std::chrono::milliseconds délai = std::chrono::seconds(30)) const;
};

// A window's text (its caption, a control's contents), read across processes and threads
// without hanging on a window that does not answer (10 s at most; "?" then); TexteDe gives
// it in UTF-8.
std::wstring TexteFenêtre(HWND fenêtre);
std::string TexteDe(HWND fenêtre);

// Real keyboard and mouse input through the X server, as a user gives it: runs the host's
// xdotool with `arguments` (for instance "key Escape") after bringing `fenêtre` (when not
// null) to the front, on top, and clicking near its client area's corner, which gives
// its X window the input focus. "%X" in `arguments` stands for that X
// window's id. Returns once xdotool has ended: the events are then in the X server, in
// order. False when xdotool cannot be run or fails, or after 10 s.
bool Xdotool(HWND fenêtre, const std::string& arguments);
