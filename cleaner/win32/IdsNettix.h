// Identifiers of Nettix's windows, fixed so that tests (and accessibility tools) find them
// and their controls. No <windows.h> here: the tests of other processes include it too.
#pragma once

namespace IdsNettix {
inline constexpr const wchar_t* ClasseMain = L"Orvan98.Nettix.F_Main";
inline constexpr const wchar_t* ClasseHelp = L"Orvan98.Nettix.F_Help";
// F_Main. "Annuler" carries the cancel command's number, so that Escape presses it.
inline constexpr int bAnn = 2;
inline constexpr int bVud = 101;
inline constexpr int fUnités = 102;
inline constexpr int bLocal = 103;
inline constexpr int lUnités = 104;
inline constexpr int fExt = 105;
inline constexpr int lExt = 106;
inline constexpr int bGo = 107;
inline constexpr int z = 108;
inline constexpr int bAuto = 109;
inline constexpr int bEffacer = 110;
inline constexpr int bConserver = 111;
inline constexpr int lDel = 112;
inline constexpr int eTaille = 113;
inline constexpr int eExec = 114;
// F_Help. "Ok" carries the OK command's number (Enter), Escape closes too.
inline constexpr int bOk = 1;
inline constexpr int t = 201;
}  // namespace IdsNettix
