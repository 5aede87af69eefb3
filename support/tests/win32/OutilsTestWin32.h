// Helpers of the Win32 tests: a throwaway folder, bounded waits for files and windows,
// and the probe (this test program started again as a child process).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// A fresh folder under the temporary folder (its name holds a blank and an accent),
// removed with its contents at the end of the test.
class DossierTemporaire {
public:
    DossierTemporaire();
    ~DossierTemporaire();
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;
    const std::string& Chemin() const { return chemin_; }
    std::string operator/(const std::string& nom) const { return chemin_ + "\\" + nom; }

private:
    std::string chemin_;
};

// Polls `condition` every 20 ms for at most `essais` times; true once it holds.
bool AttendsQue(const std::function<bool()>& condition, int essais = 1500);
// The top-level window of that class and caption, once it exists (nullptr if never).
HWND AttendsFenêtre(const wchar_t* classe, const std::string& titre);

// Writes and reads a whole file with plain Win32 calls (independent of FichiersWin32).
void ÉcritBrut(const std::string& chemin, const std::string& octets);
std::string LitBrut(const std::string& chemin);
bool ExisteBrut(const std::string& chemin);

// The probe: this test program run again with only the test DISABLED_Sonde.Rapporte.
// `mode` is "instance:<name>" (reports "seule" or "double" from UneSeuleInstance) or
// "fenetre" (reports the show-window code it was started with). It writes its report
// into `sortie`. Returns the command line that starts it.
std::string LigneSonde(const std::string& mode, const std::string& sortie);
