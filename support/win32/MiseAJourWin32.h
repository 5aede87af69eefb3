// The self-update check with the real services, as every program runs it while it starts.
#pragma once

// Runs the check, unless `relancé` (the program was started with Remplo's restart marker);
// when it says the program must end, ends the process at once, without unloading any
// window. The update folder gets about two seconds to answer: out of reach, it counts as
// missing.
void MiseAJourVerifieWin32(bool relancé);
