// The rights port over the process tokens and the desktop shell's automation objects.
#pragma once

#include "Ports.h"

// The elevation types of this process's token and of the shell's (the process that owns
// GetShellWindow); the start goes through the shell desktop's IShellDispatch2::ShellExecute,
// run by the shell's process with the shell's token.
class DroitsWin32 : public Droits {
  public:
    Élévation DuProcessus() override;
    std::optional<Élévation> DuBureau() override;
    bool LanceParLeBureau(const std::string& programme, const std::string& paramètres,
                          const std::string& dossier) override;
};
