// The mark that Remplo appends to the command line of a program it restarts without having
// replaced it, and its recognition by the restarted program.
#pragma once

#include <string>
#include <string_view>

// Appended, after a blank, to the command line of a program restarted with nothing new in
// place (nothing to install, or the installation failed).
inline constexpr char MarqueurRelance[] = "(~!~)";

struct LigneDeDémarrage {
    std::string arguments;  // the command line without the marker
    bool relancé = false;   // the marker was there
};

// The marker is the last word of the arguments (blanks and tabs around it); it is taken
// off with the blanks before it. Without it the arguments come back unchanged. A program
// started with the marker skips its update check this once: the copy that keeps failing
// (an antivirus, missing rights, the program running in another session) would otherwise
// start Remplo and the program again and again.
LigneDeDémarrage SansMarqueurRelance(std::string_view arguments);
