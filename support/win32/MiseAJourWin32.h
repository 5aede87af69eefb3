// The self-update check with the real services, as every program runs it while it starts.
#pragma once

#include <functional>

// Runs the check, unless `relancé` (the program was started with Remplo's restart marker);
// when it says the program must end, calls `avantFin` (Horlo removes its tray icon there)
// and ends the process at once, without unloading any window. The update folder gets
// about two seconds to answer: out of reach, it counts as missing.
void MiseAJourVerifieWin32(bool relancé, const std::function<void()>& avantFin = {});
