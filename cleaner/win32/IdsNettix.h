// Identifiers of Nettix's windows, fixed so that tests (and accessibility tools) find them
// and their controls. No <windows.h> here: the tests of other processes include it too.
#pragma once

namespace IdsNettix {
inline constexpr const wchar_t* ClasseMain = L"Orvan98.Nettix.F_Main";
inline constexpr const wchar_t* ClasseHelp = L"Orvan98.Nettix.F_Help";
// F_Main. "Annuler" carries the cancel command's number, so that Escape presses it.
inline constexpr int bAnn = 2, bVud = 101;
inline constexpr int fUnités = 102, bLocal = 103, lUnités = 104, fExt = 105, lExt = 106;
inline constexpr int bGo = 107, z = 108, bAuto = 109, bEffacer = 110, bConserver = 111;
inline constexpr int lDel = 112, eTaille = 113, eExec = 114;
// F_Help. "Ok" carries the OK command's number (Enter), Escape closes too.
inline constexpr int bOk = 1;
inline constexpr int t = 201;
}  // namespace IdsNettix
