// The probe of the support tests: this test program started again as a child process.
#pragma once

#include <string>

// The probe: this test program run again with only the test DISABLED_Sonde.Rapporte.
// `mode` is "instance:<name>" (reports "seule" or "double" from UneSeuleInstance) or
// "fenetre" (reports the show-window code it was started with). It writes its report
// into `sortie`. Returns the command line that starts it.
std::string LigneSonde(const std::string& mode, const std::string& sortie);
